// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace zt41 {

QString realDevicePath(const QString& name) {
    if (name.isEmpty())
        return name;
    const QFileInfo info(name);
    const QString real = info.canonicalFilePath();
    if (!real.isEmpty())
        return real;
#ifdef Q_OS_WIN
    return name; // COMn is no path
#else
    return QDir::cleanPath(info.absoluteFilePath());
#endif
}

bool isSerialDevice(const QString& path, const QString& sysRoot) {
#ifdef Q_OS_WIN
    Q_UNUSED(sysRoot);
    return !path.isEmpty();
#else
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    const unsigned major = ::major(info.st_rdev), minor = ::minor(info.st_rdev);
    constexpr unsigned kPtySlavesFirst = 136, kPtySlavesLast = 143, kTtyMajor = 4,
                       kFirstSerialMinor = 64, kTtyAuxMajor = 5;
    if (major >= kPtySlavesFirst && major <= kPtySlavesLast)
        return true;
    // tty0..tty63 are consoles; 5:N are /dev/tty, the console and ptmx.
    if (major == kTtyAuxMajor || (major == kTtyMajor && minor < kFirstSerialMinor))
        return false;
    const QString subsystem =
        QFileInfo(QStringLiteral("%1/dev/char/%2:%3/subsystem").arg(sysRoot).arg(major).arg(minor))
            .symLinkTarget();
    return QFileInfo(subsystem).fileName() == u"tty";
#endif
}

} // namespace zt41
