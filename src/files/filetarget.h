// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zt41 {

// A user's path as the file system names it: Qt reads a name that starts
// with ":" from the program's resources, so such a name gets "./" before it.
QString onDisk(const QString& path);

// Whether two paths name one file: the same file system object after
// following symbolic links, so a hard link counts as well. A path that does
// not exist names nothing.
bool isSameFile(const QString& a, const QString& b);

// Whether a path may be read as a channel file: an existing regular file (or
// a link to one). A FIFO would hold the program in open() until something
// writes to it, and a device or a directory is no channel file either.
bool isReadableFileTarget(const QString& path);

// Why a file may not be written under a path; None when it may.
enum class OutputRefusal {
    None,
    NoName,
    Database,          // a channel database: by name (.mdb), by content, or a protected one
    Input,             // one of the files being read
    NotPlainFile,      // a device, a FIFO, a folder, a dangling link
    NoFolder,          // the folder does not exist
    FolderNotWritable, // the folder takes no files
    NotWritable,       // the file is there and may not be written
};

// The one check every file the program and the tool write passes before
// anything is drawn, read from a radio or sent: never a channel database (by
// its name, through any link or hard link, or by what it holds), never one of
// `protectedPaths` (the open database, the input), only a plain file or
// nothing yet, in a folder that exists and takes files.
OutputRefusal checkOutputTarget(const QString& path, const QStringList& protectedPaths = {});

// Whether a path names a channel database by its name.
bool isDatabaseFileName(const QString& path);
// Whether a plain file holds an SQLite database (a channel database renamed).
bool holdsSqliteDatabase(const QString& path);

// checkOutputTarget(path, {protectedPath}) == OutputRefusal::None.
bool isWritableFileTarget(const QString& path, const QString& protectedPath = QString());

// Puts `bytes` in place of the file at `path` whole or not at all: written to
// a temporary file beside it and renamed over it, so an existing file stays
// intact when anything fails. The writes are unbuffered and the size checked,
// so a disk that fills (or a file size limit) at the last bytes is a failure,
// never a truncated file reported as saved.
bool replaceFileWith(const QString& path, const QByteArray& bytes);

// The name a save goes to when the user typed `typed` with the filter of
// `suffix` ("doc", "csv") chosen: a name without an extension gets the
// filter's; a name with one keeps it.
QString withFilterSuffix(const QString& typed, const QString& suffix);

} // namespace zt41
