// SPDX-License-Identifier: GPL-3.0-or-later
// card: the channel card as a PDF, drawn on the offscreen platform.

#include "card/channelcard.h"
#include "channelinput.h"
#include "commandline.h"
#include "commands.h"
#include "exitstatus.h"
#include "files/filetarget.h"
#include "version.h"
#include "words.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace zt41::cli {

int cardMain(int argc, char* argv[]) {
    // Fonts need a GUI application; the card needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zt41-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZT41_VERSION));
    installTranslation(app);
    QStringList arguments = withoutVerbose(QCoreApplication::arguments()).mid(1);
    arguments[0] = QStringLiteral("zt41-cli card");
    return cardCommand(arguments);
}

int cardCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Words::tr(
        "Draws the channel card as a one-page A4 PDF: the date, the squelch level, a table of "
        "the 16 channels with an empty column for notes, and a strip to cut out and keep with "
        "the radio."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 Words::tr("A channel file, CSV file or channel database."));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                        Words::tr("The PDF file to write."),
                                        QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("squelch"),
                                        Words::tr("The squelch level for a channel database or "
                                                  "a CSV file, which hold none (default 3)."),
                                        QStringLiteral("LEVEL"), QStringLiteral("3")));
    parser.addHelpOption();
    int status = kDone;
    if (!parseCommand(parser, arguments, &status) || !takesFiles(parser, arguments, 1, &status))
        return status;
    QString error;
    if (!squelchLevel(parser.value(QStringLiteral("squelch")), &error)) {
        complain(error);
        return kUsage;
    }
    const QString output = onDisk(parser.value(QStringLiteral("output")));
    if (!output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        complain(Words::tr("give the PDF to write with -o FILE.pdf"));
        return kUsage;
    }
    if (!acceptOutput(output, {onDisk(parser.positionalArguments()[0])}, &error)) {
        complain(error);
        return kUsage;
    }
    const std::optional<ChannelSet> set = loadForCommand(
        parser.positionalArguments()[0], parser.value(QStringLiteral("squelch")), true);
    if (!set)
        return kBadInput;
    const CardWriteResult written =
        writeChannelCardPdf(output, CardContent{set->squelch, set->rows, QDate::currentDate()});
    if (!written.written()) {
        const QString why = written.kind == CardWriteResult::Kind::NotDrawn
                                ? Words::tr("the PDF could not be drawn")
                                : written.systemReason;
        complain(Words::tr("%1 could not be written: %2").arg(output, why));
        return kCannotSave;
    }
    return kDone;
}

} // namespace zt41::cli
