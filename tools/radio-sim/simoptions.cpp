// SPDX-License-Identifier: GPL-3.0-or-later
#include "simoptions.h"

#include "version.h"

#include <QCommandLineParser>

namespace zt41::sim {

namespace {

bool readCount(const QCommandLineParser& parser, const QCommandLineOption& option, int maximum,
               int& target, QString& message, int minimum = 0) {
    if (!parser.isSet(option))
        return true;
    const QString text = parser.value(option);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        message = QStringLiteral("--%1 wants a whole number from %2 to %3, not \"%4\"")
                      .arg(option.names().constFirst())
                      .arg(minimum)
                      .arg(maximum)
                      .arg(text);
        return false;
    }
    target = value;
    return true;
}

} // namespace

bool parseSimOptions(const QStringList& arguments, SimOptions& options, QString& message,
                     bool& isError) {
    // Large enough for any test, small enough that a typo cannot flood the line.
    constexpr int kMaxNoise = 10000;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated ZT41 radio on a pseudo-terminal. Prints the port's path "
                       "as the first line of standard output."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Also make PATH a symbolic link to the port."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption memory(
        QStringLiteral("memory"),
        QStringLiteral("Load the radio's memory from this channel file if it exists, and save "
                       "it there after every complete write."),
        QStringLiteral("FILE"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Log every byte received and sent to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption fast(QStringLiteral("fast"),
                                  QStringLiteral("Send at once instead of at 1200 bit/s."));
    const QCommandLineOption silent(QStringLiteral("silent"),
                                    QStringLiteral("Never answer anything."));
    const QCommandLineOption stopAfter(QStringLiteral("stop-after"),
                                       QStringLiteral("On a read, send only the first K frames."),
                                       QStringLiteral("K"));
    const QCommandLineOption noiseReady(
        QStringLiteral("noise-before-ready"),
        QStringLiteral("Send N noise characters before each handshake answer."),
        QStringLiteral("N"));
    const QCommandLineOption noiseFrames(
        QStringLiteral("noise-before-frames"),
        QStringLiteral("On a read, send N noise characters before the frames."),
        QStringLiteral("N"));
    const QCommandLineOption lowercase(QStringLiteral("lowercase"),
                                       QStringLiteral("Answer the handshake with \"c\"."));
    const QCommandLineOption corrupt(
        QStringLiteral("corrupt-channel"),
        QStringLiteral("On a write, store channel K with its receive frequency 10 Hz off."),
        QStringLiteral("K"));
    const QCommandLineOption hangUp(
        QStringLiteral("hang-up-after"),
        QStringLiteral("On the first read or write, drop the line after K frames and end."),
        QStringLiteral("K"));
    const QCommandLineOption strayDigit(
        QStringLiteral("stray-digit"),
        QStringLiteral("On the first read, send a stray digit ahead of the frames."));
    const QCommandLineOption nonDigit(
        QStringLiteral("non-digit-in-frame"),
        QStringLiteral("On the first read, send frame K with a letter among its digits."),
        QStringLiteral("K"));
    const QCommandLineOption halfPace(QStringLiteral("half-pace"),
                                      QStringLiteral("Send at half the line's pace (600 bit/s)."));
    parser.addOptions({link, memory, log, fast, silent, stopAfter, noiseReady, noiseFrames,
                       lowercase, corrupt, hangUp, strayDigit, nonDigit, halfPace});

    isError = true;
    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return false;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        isError = false;
        message = parser.helpText();
        return false;
    }
    if (parser.isSet(version)) {
        isError = false;
        message = QStringLiteral("zt41-radio " ZT41_VERSION "\n");
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("unexpected argument \"%1\"")
                      .arg(parser.positionalArguments().constFirst());
        return false;
    }

    options.linkPath = parser.value(link);
    options.memoryPath = parser.value(memory);
    options.logPath = parser.value(log);
    options.fast = parser.isSet(fast);
    options.halfPace = parser.isSet(halfPace);
    if (options.fast && options.halfPace) {
        message = QStringLiteral("--fast and --half-pace cannot both be given");
        return false;
    }
    options.quirks.strayDigit = parser.isSet(strayDigit);
    options.quirks.silent = parser.isSet(silent);
    options.quirks.lowercaseReady = parser.isSet(lowercase);
    return readCount(parser, stopAfter, kChannelCount, options.quirks.framesPerRead, message) &&
           readCount(parser, noiseReady, kMaxNoise, options.quirks.noiseBeforeReady, message) &&
           readCount(parser, noiseFrames, kMaxNoise, options.quirks.noiseBeforeFrames, message) &&
           readCount(parser, corrupt, kChannelCount, options.quirks.corruptChannel, message) &&
           readCount(parser, hangUp, kChannelCount, options.quirks.hangUpAfterFrames, message) &&
           readCount(parser, nonDigit, kChannelCount, options.quirks.nonDigitInFrame, message, 1);
}

} // namespace zt41::sim
