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

bool isDatabaseFileName(const QString& path) {
    return path.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive);
}

bool holdsSqliteDatabase(const QString& path) {
    if (!isReadableFileTarget(path))
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

OutputRefusal checkOutputTarget(const QString& path, const QStringList& protectedPaths) {
    if (path.isEmpty())
        return OutputRefusal::NoName;
    const QFileInfo target(path);
    struct stat info {};
    const bool exists = statOf(path, info);
    if (!exists && target.isSymLink())
        return OutputRefusal::NotPlainFile; // a dangling link: where it lands is not plain
    // The name typed, and the name a link leads to.
    const QString real = exists ? target.canonicalFilePath() : target.absoluteFilePath();
    if (isDatabaseFileName(path) || isDatabaseFileName(real))
        return OutputRefusal::Database;
    if (exists && !S_ISREG(info.st_mode))
        return OutputRefusal::NotPlainFile;
    for (const QString& p : protectedPaths)
        if (isSameFile(path, p))
            return isDatabaseFileName(p) || holdsSqliteDatabase(p) ? OutputRefusal::Database
                                                                   : OutputRefusal::Input;
    if (exists && holdsSqliteDatabase(path))
        return OutputRefusal::Database;
    const QFileInfo folder(QFileInfo(real).absolutePath());
    if (!folder.isDir())
        return OutputRefusal::NoFolder;
    if (!folder.isWritable())
        return OutputRefusal::FolderNotWritable;
    if (exists && !target.isWritable())
        return OutputRefusal::NotWritable;
    return OutputRefusal::None;
}

bool isWritableFileTarget(const QString& path, const QString& protectedPath) {
    return checkOutputTarget(path, protectedPath.isEmpty()
                                       ? QStringList{}
                                       : QStringList{protectedPath}) == OutputRefusal::None;
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
