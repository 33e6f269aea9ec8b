// SPDX-License-Identifier: GPL-3.0-or-later
// show, diff and convert: channel files, CSV files and databases, no radio.

#include "channeltext.h"
#include "commandline.h"
#include "commands.h"
#include "csvwords.h"
#include "exitstatus.h"
#include "files/chirpcsv.h"
#include "files/filetarget.h"
#include "words.h"

#include <QCommandLineParser>

namespace zt41::cli {

namespace {

QCommandLineOption squelchOption() {
    return QCommandLineOption(
        QStringLiteral("squelch"),
        Words::tr("The squelch level for a channel database or a CSV file, which hold none "
                  "(default 3)."),
        QStringLiteral("LEVEL"), QStringLiteral("3"));
}

// Parses; gives false with the status to end with.
bool parseFiles(QCommandLineParser& parser, const QStringList& arguments, qsizetype files,
                int* status) {
    parser.addOption(squelchOption());
    parser.addHelpOption();
    if (!parseCommand(parser, arguments, status) || !takesFiles(parser, arguments, files, status))
        return false;
    QString error;
    if (!squelchLevel(parser.value(QStringLiteral("squelch")), &error)) {
        complain(error);
        *status = kUsage;
        return false;
    }
    return true;
}

std::optional<ChannelSet> load(const QString& path, const QCommandLineParser& parser,
                               bool mustTravel) {
    return loadForCommand(path, parser.value(QStringLiteral("squelch")), mustTravel);
}

} // namespace

int showCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr("Prints the squelch level and the 16 channels of a channel file (.doc), a "
                  "CHIRP CSV file (.csv) or the channel database ZT41XE.mdb."));
    parser.addPositionalArgument(QStringLiteral("FILE"), Words::tr("The file to show."));
    int status = kDone;
    if (!parseFiles(parser, arguments, 1, &status))
        return status;
    const std::optional<ChannelSet> set =
        load(onDisk(parser.positionalArguments()[0]), parser, false);
    if (!set)
        return kBadInput;
    writeOut(channelTable(set->squelch, set->rows));
    return kDone;
}

int diffCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr("Lists what differs between two channel files, CSV files or databases, field "
                  "by field, as the radio would hold them. Exit status 3 when they differ."));
    parser.addPositionalArgument(QStringLiteral("FILE1"), Words::tr("The first file."));
    parser.addPositionalArgument(QStringLiteral("FILE2"), Words::tr("The second file."));
    int status = kDone;
    if (!parseFiles(parser, arguments, 2, &status))
        return status;
    const QStringList files = diskPaths(parser.positionalArguments());
    const std::optional<ChannelSet> a = load(files[0], parser, true);
    if (!a)
        return kBadInput;
    const std::optional<ChannelSet> b = load(files[1], parser, true);
    if (!b)
        return kBadInput;
    const QList<FieldDifference> diffs =
        compareInFrameForm(a->squelch, a->rows, b->squelch, b->rows);
    QString text;
    for (const FieldDifference& d : diffs)
        text +=
            differenceLine(d, Words::tr("in %1").arg(files[0]), Words::tr("in %1").arg(files[1])) +
            u'\n';
    if (diffs.isEmpty())
        text = Words::tr("no differences") + u'\n';
    writeOut(text);
    return diffs.isEmpty() ? kDone : kDifferences;
}

int convertCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Words::tr(
        "Converts between a channel file (.doc), a CHIRP CSV file (.csv) and, as input only, "
        "the channel database ZT41XE.mdb. The kind of OUT is taken from its name; a database "
        "is never written. A CSV file holds no squelch level: from CSV the level is --squelch "
        "(default 3), to CSV it is left out. What a CSV import cannot take as it stands is left "
        "empty and named on standard error, one line each."));
    parser.addPositionalArgument(QStringLiteral("IN"), Words::tr("The file to read."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 Words::tr("The file to write, ending in .doc or .csv."));
    int status = kDone;
    if (!parseFiles(parser, arguments, 2, &status))
        return status;
    const QStringList files = diskPaths(parser.positionalArguments());
    QString error;
    // Judged before anything is read: a wrong OUT is a slip on the command line.
    const std::optional<OutputKind> kind = outputKindFor(files[1], true, &error, {files[0]});
    if (!kind) {
        complain(error);
        return kUsage;
    }
    const std::optional<ChannelSet> set = load(files[0], parser, false);
    if (!set)
        return kBadInput;
    if (*kind == OutputKind::ChirpCsv)
        for (const ChirpWarning& w : chirpExportLeftOut(set->rows))
            complain(Words::tr("%1: %2").arg(files[1], csvWarningText(w)));
    if (!saveChannelSet(files[1], *kind, *set, &error)) {
        complain(error);
        return kCannotSave;
    }
    return kDone;
}

} // namespace zt41::cli
