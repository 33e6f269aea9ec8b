#pragma once

#include <QString>

namespace zt41 {

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

} // namespace zt41
