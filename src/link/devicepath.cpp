// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicepath.h"

#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zt41 {

QString realDevicePath(const QString& name) {
    if (name.isEmpty())
        return name;
    const QFileInfo info(name);
    const QString real = info.canonicalFilePath();
    if (!real.isEmpty())
        return real;
    return QDir::cleanPath(info.absoluteFilePath());
}

bool isSerialDevice(const QString& path, const QString& sysRoot) {
    const std::optional<platform::DeviceNumbers> numbers = platform::characterDevice(path);
    if (!numbers)
        return false;
    constexpr unsigned kPtySlavesFirst = 136, kPtySlavesLast = 143, kTtyMajor = 4,
                       kFirstSerialMinor = 64, kTtyAuxMajor = 5;
    if (numbers->major >= kPtySlavesFirst && numbers->major <= kPtySlavesLast)
        return true;
    // tty0..tty63 are consoles; 5:N are /dev/tty, the console and ptmx.
    if (numbers->major == kTtyAuxMajor ||
        (numbers->major == kTtyMajor && numbers->minor < kFirstSerialMinor))
        return false;
    return platform::deviceSubsystem(sysRoot, *numbers) == u"tty";
}

} // namespace zt41
