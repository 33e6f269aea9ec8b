// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41 {

// The working directory, taken before a file dialog and set back after it:
// the channel database is found relative to it.
// On failure GetCurDir gives empty text (the window says "Error").
QString GetCurDir();
// False on failure, an empty path included (the window says "ERROR").
bool SetCurDir(const QString& path);

// The folder a start from the desktop works in, so that the channel database
// does not land in the home folder: $XDG_DATA_HOME/zt41, or
// ~/.local/share/zt41 when XDG_DATA_HOME is unset, empty or not absolute.
QString dataHomeFolder();
// Why the data folder could not become the working directory, as a value:
// the window words it.
enum class DataHomeProblem {
    None,
    NotAFolder,   // something else stands under its name
    CannotCreate, // it is missing and cannot be made
    CannotEnter,  // it is there, and cannot be made the working directory
};
// Creates that folder when it is missing and makes it the working directory.
// On failure the working directory stays as it was.
DataHomeProblem enterDataHome();

} // namespace zt41
