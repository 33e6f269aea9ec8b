// SPDX-License-Identifier: GPL-3.0-or-later
#include "words.h"
#include "platform/platform.h"

#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace zt41::cli {

namespace {

bool g_chinese = false;

// QCommandLineParser words its help and errors itself, in the context of its
// class; listed here so that they are translated with the tool's messages.
[[maybe_unused]] const char* const kParserWords[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// East Asian wide and full-width ranges: what a terminal draws two columns wide.
bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

void installTranslation(QCoreApplication& app) {
    // Owned by the application, which outlives every message.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale::system(), QStringLiteral("zt41-cli"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")) &&
        QCoreApplication::installTranslator(translator)) {
        g_chinese = translator->language().startsWith(QStringLiteral("zh"));
        return;
    }
    delete translator;
}

bool speaksChinese() {
    return g_chinese;
}

qsizetype displayWidth(const QString& text) {
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QString padRight(const QString& text, qsizetype width) {
    const qsizetype fill = width - displayWidth(text);
    return fill > 0 ? text + QString(fill, u' ') : text;
}

QString padLeft(const QString& text, qsizetype width) {
    const qsizetype fill = width - displayWidth(text);
    return fill > 0 ? QString(fill, u' ') + text : text;
}

namespace {
bool g_verbose = false;
} // namespace

void setVerbose(bool on) {
    g_verbose = on;
}

bool isVerbose() {
    return g_verbose;
}

QStringList withoutVerbose(QStringList arguments) {
    arguments.removeAll(QStringLiteral("--verbose"));
    return arguments;
}

void keepQtMessagesForVerbose() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (g_verbose || type == QtFatalMsg)
            std::fprintf(stderr, "zt41-cli: Qt: %s\n", text.toUtf8().constData());
    });
}

void complain(const QString& line) {
    //: What stands before each message on standard error.
    const QString prefix = Words::tr("zt41-cli: ");
    std::fprintf(stderr, "%s%s\n", prefix.toUtf8().constData(), line.toUtf8().constData());
}

void writeOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

bool outputFailed() {
    return std::fflush(stdout) != 0 || std::ferror(stdout);
}

int terminalColumns() {
    return platform::terminalColumns();
}

QString cutToWidth(const QString& text, qsizetype width) {
    if (width <= 0 || displayWidth(text) <= width)
        return text;
    QString out;
    qsizetype used = 0;
    for (const char32_t c : text.toUcs4()) {
        const qsizetype w = isWide(c) ? 2 : 1;
        if (used + w > width)
            break;
        used += w;
        out += QString::fromUcs4(&c, 1);
    }
    return out;
}

} // namespace zt41::cli
