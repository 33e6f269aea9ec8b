// SPDX-License-Identifier: GPL-3.0-or-later
#include "workingdir.h"

#include <QDir>
#include <QFileInfo>

namespace zt41 {

QString GetCurDir() {
    return QDir::currentPath();
}

bool SetCurDir(const QString& path) {
    return !path.isEmpty() && QDir::setCurrent(path);
}

QString dataHomeFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid and ignored, as the XDG base directory rules say.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/zt41"));
}

bool enterDataHome(QString* error) {
    const QString folder = dataHomeFolder();
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(folder, why);
        return false;
    };
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return fail(QStringLiteral("exists and is not a folder"));
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot be created"));
    if (!QDir::setCurrent(folder))
        return fail(QStringLiteral("cannot be entered"));
    return true;
}

} // namespace zt41
