// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicepath.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace zt41
