#include "channels/channeltable.h"
#include "channels/databaselock.h"
#include "demoradio.h"
#include "filedialogs.h"
#include "files/workingdir.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "link/signalwatcher.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "programicon.h"
#include "qtchinese.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPointer>
#include <QStandardPaths>

#include <cstdio>

using namespace zt41;

namespace {

// A message of the start-up, before any window exists, also goes to the
// terminal the program was started from: it is written before the box waits
// for the user.
class StartUpMessages : public MessageSink {
public:
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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zt41"));
    QApplication::setApplicationVersion(QStringLiteral("A 1.1"));
    QApplication::setWindowIcon(programIcon());
    // Qt's own dialogs and buttons speak the window's language.
    loadQtChinese(app);

    // Without options the program behaves as it always has.
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
    parser.addOption(portsOption);
    parser.addOption(demoOption);
    parser.addOption(dataHomeOption);
    parser.process(app);

    if (parser.isSet(dataHomeOption)) {
        QString error;
        if (!enterDataHome(&error)) {
            std::fprintf(stderr, "zt41: %s\n", qPrintable(error));
            return 1;
        }
    }

    PortMap ports = PortMap::platformDefault();
    if (parser.isSet(portsOption)) {
        QString error;
        const auto map = PortMap::fromList(parser.value(portsOption), &error);
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
            window->close();
        // Ends every event loop now running (the read) and, for a signal taken
        // while the window was still starting, the main loop as soon as it begins.
        QCoreApplication::quit();
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });

    DemoRadio demo;
    if (parser.isSet(demoOption)) {
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
    QtFileDialogs dialogs(parser.isSet(dataHomeOption)
                              ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : QDir::currentPath());
    QSerialPortLink link(ports);
    MainWindow mainWindow({table, link, &ports, nullptr, &dialogs});
    window = &mainWindow;
    if (!mainWindow.start())
        return ending ? 0 : 1;
    return QApplication::exec();
}
