// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetarget.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace zt41 {

QString onDisk(const QString& path) {
    return path.startsWith(u':') ? QStringLiteral("./") + path : path;
}

namespace {

bool statOf(const QString& path, struct stat& info) {
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

bool isSameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    if (!statOf(a, first) || !statOf(b, second))
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool isReadableFileTarget(const QString& path) {
    struct stat info {};
    return statOf(path, info) && S_ISREG(info.st_mode);
}

bool isWritableFileTarget(const QString& path, const QString& protectedPath) {
    if (path.isEmpty())
        return false;
    struct stat info {};
    if (statOf(path, info)) {
        if (!S_ISREG(info.st_mode))
            return false;
    } else if (QFileInfo(path).isSymLink()) {
        return false; // a dangling link: where the save would land is not plain
    }
    return !isSameFile(path, protectedPath);
}

bool replaceFileWith(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString withFilterSuffix(const QString& typed, const QString& suffix) {
    if (typed.isEmpty() || !QFileInfo(typed).suffix().isEmpty())
        return typed;
    return typed.endsWith(u'.') ? typed + suffix : typed + u'.' + suffix;
}

} // namespace zt41
