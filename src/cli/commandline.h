#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace zt41::cli {

// What every command does first: parses its arguments (the first being
// "zt41-cli COMMAND"), prints the help for --help and --help-all, and words a
// usage error. Gives false with the status to end with.
bool parseCommand(QCommandLineParser& parser, const QStringList& arguments, int* status);

// The squelch level given on the command line, as the window's list would
// hold it: a number that rounds to 0..9. Nothing, with one line, otherwise.
std::optional<QString> squelchLevel(const QString& text, QString* error);

// The paths named on the command line as the file system knows them: Qt
// would take a name starting with ":" from the program's own resources.
QStringList diskPaths(const QStringList& paths);

} // namespace zt41::cli
