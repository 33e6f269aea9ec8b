// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

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

// Whether a channel file may be saved under a path: nothing there yet, or a
// regular file, and never the file `protectedPath` (the open channel
// database, which a save would otherwise replace with a text file).
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
