// show and diff: channel files and databases, no radio.

#include "channeltext.h"
#include "commands.h"
#include "exitstatus.h"

#include <QCommandLineParser>

#include <cstdio>

namespace zt41::cli {

namespace {

const QCommandLineOption kSquelchOption(
    QStringLiteral("squelch"),
    QStringLiteral("The squelch level to show for a channel database, which holds none "
                   "(default 3)."),
    QStringLiteral("LEVEL"), QStringLiteral("3"));

// Parses; gives false with the status to end with.
bool parseFiles(QCommandLineParser& parser, const QStringList& arguments, qsizetype files,
                int* status) {
    parser.addOption(kSquelchOption);
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "zt41-cli: %s\n", qPrintable(parser.errorText()));
        *status = kUsage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        *status = kDone;
        return false;
    }
    if (parser.positionalArguments().size() != files) {
        std::fprintf(stderr, "zt41-cli: %s takes %s\n", qPrintable(arguments.value(0)),
                     files == 1 ? "one FILE" : "two FILES");
        *status = kUsage;
        return false;
    }
    return true;
}

std::optional<ChannelSet> load(const QString& path, const QCommandLineParser& parser,
                               bool mustTravel) {
    QString error;
    std::optional<ChannelSet> set =
        loadChannelSet(path, parser.value(kSquelchOption), mustTravel, &error);
    if (!set)
        std::fprintf(stderr, "zt41-cli: %s\n", qPrintable(error));
    return set;
}

} // namespace

int showCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the squelch level and the 16 channels of a channel file (.doc) "
                       "or of the channel database ZT41XE.mdb."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to show."));
    int status = kDone;
    if (!parseFiles(parser, arguments, 1, &status))
        return status;
    const std::optional<ChannelSet> set = load(parser.positionalArguments()[0], parser, false);
    if (!set)
        return kBadInput;
    std::fputs(qPrintable(channelTable(set->squelch, set->rows)), stdout);
    return kDone;
}

int diffCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists what differs between two channel files or databases, field by "
                       "field, as the radio would hold them. Exit status 3 when they differ."));
    parser.addPositionalArgument(QStringLiteral("FILE1"), QStringLiteral("The first file."));
    parser.addPositionalArgument(QStringLiteral("FILE2"), QStringLiteral("The second file."));
    int status = kDone;
    if (!parseFiles(parser, arguments, 2, &status))
        return status;
    const QStringList files = parser.positionalArguments();
    const std::optional<ChannelSet> a = load(files[0], parser, true);
    if (!a)
        return kBadInput;
    const std::optional<ChannelSet> b = load(files[1], parser, true);
    if (!b)
        return kBadInput;
    const QList<FieldDifference> diffs =
        compareInFrameForm(a->squelch, a->rows, b->squelch, b->rows);
    for (const FieldDifference& d : diffs)
        std::printf("%s\n", qPrintable(differenceLine(d, QStringLiteral("in ") + files[0],
                                                      QStringLiteral("in ") + files[1])));
    if (diffs.isEmpty()) {
        std::printf("no differences\n");
        return kDone;
    }
    return kDifferences;
}

} // namespace zt41::cli
