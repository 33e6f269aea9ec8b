// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "channels/numbers.h"
#include "channels/squelch.h"
#include "channeltext.h"
#include "exitstatus.h"
#include "files/filetarget.h"
#include "words.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>

namespace zt41::cli {

namespace {

// Qt's help starts "Usage: /path/to/zt41-cli [options]"; the command belongs there.
QString helpFor(const QCommandLineParser& parser, const QString& command) {
    QString help = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    const qsizetype lineEnd = help.indexOf(u'\n');
    const qsizetype at = program.isEmpty() ? -1 : help.indexOf(program);
    if (at >= 0 && (lineEnd < 0 || at < lineEnd))
        help.replace(at, program.size(), command);
    return help;
}

} // namespace

bool parseCommand(QCommandLineParser& parser, const QStringList& arguments, int* status) {
    if (!parser.parse(arguments)) {
        complain(parser.errorText());
        *status = kUsage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(helpFor(parser, arguments.value(0)).toUtf8().constData(), stdout);
        *status = kDone;
        return false;
    }
    return true;
}

bool takesFiles(const QCommandLineParser& parser, const QStringList& arguments, qsizetype count,
                int* status) {
    if (parser.positionalArguments().size() == count)
        return true;
    const QString command = arguments.value(0).section(u' ', -1);
    complain(count == 0   ? Words::tr("%1 takes no FILE").arg(command)
             : count == 1 ? Words::tr("%1 takes one FILE").arg(command)
                          : Words::tr("%1 takes two FILES").arg(command));
    *status = kUsage;
    return false;
}

std::optional<ChannelSet> loadForCommand(const QString& path, const QString& squelch,
                                         bool mustTravel) {
    const QString file = onDisk(path);
    QString error;
    QStringList warnings;
    std::optional<ChannelSet> set =
        loadChannelSet(file, squelch.trimmed(), mustTravel, &error, &warnings);
    for (const QString& w : warnings)
        complain(Words::tr("%1: %2").arg(file, w));
    if (!set) {
        complain(error);
        return set;
    }
    for (const ChannelFinding& f : checkChannelSet(set->squelch, set->rows))
        complain(Words::tr("%1: %2").arg(file, findingLine(f)));
    return set;
}

std::optional<QString> squelchLevel(const QString& text, QString* error) {
    const QString level = text.trimmed();
    const double value = numericValue(level);
    if (!isPlainNumber(level) || !std::isfinite(value) || roundHalfEven(value) < 0 ||
        Squelch::isRefused(level)) {
        *error = Words::tr("--squelch: \"%1\" is no squelch level: give 0 to 9").arg(text);
        return std::nullopt;
    }
    return level;
}

QStringList diskPaths(const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths)
        out << onDisk(p);
    return out;
}

} // namespace zt41::cli
