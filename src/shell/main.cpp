// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "channels/databaselock.h"
#include "demoradio.h"
#include "filedialogs.h"
#include "files/workingdir.h"
#include "language.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "link/signalwatcher.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "programicon.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPointer>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace zt41;

namespace {

// A message of the start-up, before any window exists, also goes to the
// terminal the program was started from: it is written before the box waits
// for the user.
class StartUpMessages : public MessageSink {
public:
    using MessageSink::show;
    void show(const QString& text, const QString& title, MessageIcon icon) override {
        std::fprintf(stderr, "zt41: %s\n", qPrintable(QString(text).replace(u'\n', u' ')));
        std::fflush(stderr);
        m_boxes.show(text, title, icon);
    }
    bool ask(const QString& text, const QString& title) override {
        std::fprintf(stderr, "zt41: %s\n", qPrintable(text));
        std::fflush(stderr);
        return m_boxes.ask(text, title);
    }

private:
    MessageBoxes m_boxes{nullptr};
};

// The command line, read before the window system starts, so that --help,
// --version and a bad option are answered (status 0, 0 and 1) on a console or
// over SSH, where no display exists.
struct StartOptions {
    bool portsGiven = false;
    QString ports;
    bool demo = false;
    bool dataHome = false;
    bool platformGiven = false;
    std::optional<Language> language;
};

StartOptions readStartOptions(int& argc, char* argv[]) {
    // Destroyed before QApplication is made: the parser needs an application
    // for the program's name in the help, not a window system.
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ZT41 channel programmer"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portsOption(
        QStringLiteral("ports"),
        QStringLiteral("Devices for COM1, COM2, ... in this order, comma-separated."),
        QStringLiteral("DEV1,DEV2,..."));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"), QStringLiteral("Start the simulated radio zt41-radio on COM1."));
    const QCommandLineOption dataHomeOption(
        QStringLiteral("data-home"),
        QStringLiteral("Work in $XDG_DATA_HOME/zt41 (created when missing) instead of the "
                       "current folder; the desktop entry starts the program so."));
    const QCommandLineOption langOption(
        QStringLiteral("lang"),
        QStringLiteral("The window's language: zh (Chinese, the default) or en (English); "
                       "remembered for the next starts."),
        QStringLiteral("zh|en"));
    parser.addOption(portsOption);
    parser.addOption(demoOption);
    parser.addOption(dataHomeOption);
    parser.addOption(langOption);

    // Qt's own options of a window program (-platform offscreen, -style fusion,
    // ...) pass here untouched; QApplication takes them later.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "icon", "style",
          "stylesheet", "qmljsdebugger", "dialogs", "fontengine"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    parser.process(core);
    std::optional<Language> language;
    if (parser.isSet(langOption)) {
        language = languageNamed(parser.value(langOption));
        if (!language) {
            std::fprintf(stderr, "zt41: --lang takes zh or en, not '%s'\n",
                         qPrintable(parser.value(langOption)));
            std::exit(1);
        }
    }

    return {parser.isSet(portsOption),
            parser.value(portsOption),
            parser.isSet(demoOption),
            parser.isSet(dataHomeOption),
            parser.isSet(QStringLiteral("platform")),
            language};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("zt41"));
    QCoreApplication::setApplicationVersion(QStringLiteral("A " ZT41_VERSION));
    const StartOptions options = readStartOptions(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt would abort with a core dump; say what is missing.
    if (!options.platformGiven && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "zt41: no display (DISPLAY and WAYLAND_DISPLAY are not set); start "
                             "the window on a desktop, or use zt41-cli on a console\n");
        return 1;
    }
#endif

    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    // The window speaks Chinese unless English was chosen, now or before; Qt's
    // own dialogs and buttons speak the same language.
    if (options.language)
        saveLanguage(*options.language);
    useLanguage(options.language.value_or(savedLanguage()));

    if (options.dataHome) {
        QString error;
        if (!enterDataHome(&error)) {
            std::fprintf(stderr, "zt41: %s\n", qPrintable(error));
            return 1;
        }
    }

    PortMap ports = PortMap::platformDefault();
    if (options.portsGiven) {
        QString error;
        const auto map = PortMap::fromList(options.ports, &error);
        if (!map) {
            std::fprintf(stderr, "zt41: %s\n", qPrintable(error));
            return 2;
        }
        ports = *map;
    }

    // SIGTERM, SIGINT and SIGHUP end the program as its close button does,
    // at any moment: the demo radio is stopped, the port and the database are
    // closed, an open edit is stored. No message box waits for a click any more.
    SignalWatcher signalWatcher;
    QString signalError;
    if (!signalWatcher.install(signalError))
        std::fprintf(stderr, "zt41: %s\n", qPrintable(signalError));
    bool ending = false;
    QPointer<MainWindow> window;
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested, &app, [&] {
        ending = true;
        MessageBoxes::closeAllForExit();
        if (window)
            window->closeNow();
        // Ends every event loop now running (the read) and, for a signal taken
        // while the window was still starting, the main loop as soon as it begins.
        QCoreApplication::quit();
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });

    DemoRadio demo;
    if (options.demo) {
        const QString device = demo.start(DemoRadio::defaultProgram());
        if (device.isEmpty()) {
            std::fprintf(stderr, "zt41: %s\n", qPrintable(demo.errorString()));
            return 1;
        }
        ports = *PortMap::fromList(device);
    }

    ChannelTable table;
    DatabaseLock lock;
    StartUpMessages startUp;
    if (!openChannelDatabase(table, ChannelTable::defaultFileName(), startUp, &lock)) {
        if (!table.errorString().isEmpty())
            std::fprintf(stderr, "zt41: %s\n", qPrintable(table.errorString()));
        return 1;
    }
    if (ending)
        return 0;

    // Started from the desktop, the working folder is a hidden one: the file
    // dialogs start among the user's documents instead.
    QtFileDialogs dialogs(options.dataHome
                              ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : QDir::currentPath());
    QSerialPortLink link(ports);
    MainWindow mainWindow({table, link, &ports, nullptr, &dialogs});
    window = &mainWindow;
    if (!mainWindow.start())
        return ending ? 0 : 1;
    return QApplication::exec();
}
