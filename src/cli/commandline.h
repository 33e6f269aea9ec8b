// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "link/portmap.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace zt41::cli {

// What every command does first: parses its arguments (the first being
// "zt41-cli COMMAND"), prints the help for --help and --help-all, and words a
// usage error. Gives false with the status to end with.
bool parseCommand(QCommandLineParser& parser, const QStringList& arguments, int* status);

// A radio's port as the user named it, and the device it stands for.
struct PortChoice {
    QString name;
    QString device;
};

// The options of the commands that talk to radios.
QCommandLineOption portOption();
QCommandLineOption portsOption();
QCommandLineOption waitOption();
QCommandLineOption jsonOption();
// The ports named by --port (through --ports or the platform's table), each
// with its device; nothing, with one line, when a name is unknown or one
// device is given twice under any names.
std::optional<QList<PortChoice>> choosePorts(const QCommandLineParser& parser, QString* error);
// The port table --ports gives, or the platform's.
std::optional<PortMap> portMapOf(const QCommandLineParser& parser, QString* error);

// Whether the command got `count` files; otherwise a usage error naming the
// command (once: "show takes one FILE").
bool takesFiles(const QCommandLineParser& parser, const QStringList& arguments, qsizetype count,
                int* status);

// Reads the FILE of a command that takes channels, as every command does: the
// name as the file system knows it, the input's warnings and every value the
// window's rules refuse named on standard error. Nothing, after one line,
// when the file cannot be used.
std::optional<zt41::ChannelSet> loadForCommand(const QString& path, const QString& squelch,
                                               bool mustTravel);

// The squelch level given on the command line, as the window's list would
// hold it: a number that rounds to 0..9. Nothing, with one line, otherwise.
std::optional<QString> squelchLevel(const QString& text, QString* error);

// The paths named on the command line as the file system knows them: Qt
// would take a name starting with ":" from the program's own resources.
QStringList diskPaths(const QStringList& paths);

} // namespace zt41::cli
