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

DataHomeProblem enterDataHome() {
    const QString folder = dataHomeFolder();
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return DataHomeProblem::NotAFolder;
    if (!QDir().mkpath(folder))
        return DataHomeProblem::CannotCreate;
    if (!QDir::setCurrent(folder))
        return DataHomeProblem::CannotEnter;
    return DataHomeProblem::None;
}

} // namespace zt41
