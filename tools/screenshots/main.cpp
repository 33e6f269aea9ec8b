// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program's windows against the simulated radio and saves PNG
// screenshots of the main window, the port dialog and the help and About
// windows and the 频段检查 window; with "en" after the folder, in English, with
// a message, 校验结果 and the channel card's PDF besides. Run headless with
// QT_QPA_PLATFORM=offscreen.
#include "channels/channeltable.h"
#include "channeltools.h"
#include "demoradio.h"
#include "helpwindows.h"
#include "language.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "mainwindow.h"
#include "portdialog.h"
#include "servicewindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace zt41;

namespace {

bool save(QWidget* w, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!w || !w->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Absolute now: the working directory moves to a scratch folder below.
    const QDir out(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"))
                       .absolutePath());
    QDir().mkpath(out.path());
    const bool english = argc > 2 && languageNamed(QString::fromLocal8Bit(argv[2])) ==
                                         std::optional(Language::English);
    useLanguage(english ? Language::English : Language::Chinese);
    const QString suffix = english ? QStringLiteral("-en") : QString();

    DemoRadio radio;
    const QString device = radio.start(DemoRadio::defaultProgram(), {QStringLiteral("--fast")});
    if (device.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(radio.errorString()));
        return 1;
    }
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    ChannelTable table;
    if (!table.open(ChannelTable::defaultFileName()))
        return 1;
    // A few channels, as a user would have them.
    const QList<QStringList> rows{{"145.01250", "67.0", "145.01250", "67.0", "off", "H"},
                                  {"435.50000", "88.5", "435.50000", "88.5", "on", "L"},
                                  {"438.50000", "", "430.50000", "100.0", "off", "H"}};
    for (int r = 0; r < rows.size(); ++r) {
        table.setCurrentRow(r);
        for (int f = 1; f <= 6; ++f)
            table.writeField(static_cast<Field>(f), rows[r][f - 1]);
    }
    const PortMap ports = *PortMap::fromList(device);
    QSerialPortLink link(ports);
    MainWindow window({table, link, &ports});
    if (!window.start())
        return 1;
    // Let the ready poll meet the radio.
    QTest::qWait(400);

    bool ok = save(&window, out, QStringLiteral("main-window.png"));
    window.findChild<QAction*>(QStringLiteral("端口"))->trigger();
    QTest::qWait(100);
    ok = save(window.portDialog(), out, QStringLiteral("port-dialog.png")) && ok;
    window.portDialog()->close();
    ok = save(window.helpWindows().showInstructions(), out, QStringLiteral("instructions.png")) &&
         ok;
    ok = save(window.helpWindows().showAbout(), out, QStringLiteral("about.png")) && ok;
    window.findChild<QAction*>(QStringLiteral("频段检查"))->trigger();
    auto* check = window.findChild<ServiceWindow*>();
    if (check)
        check->choose(QStringLiteral("pmr446"));
    QTest::qWait(100);
    ok = save(check, out, QStringLiteral("service-check.png")) && ok;
    if (!english)
        return ok ? 0 : 1;

    // 校验对讲机 against a radio that holds nothing yet: 校验结果 lists the differences.
    window.findChild<QAction*>(QStringLiteral("校验对讲机"))->trigger();
    QWidget* results = nullptr;
    for (int i = 0; i < 100 && !results; ++i) {
        QTest::qWait(100);
        results = window.findChild<QWidget*>(QStringLiteral("校验结果"));
    }
    ok = save(results, out, QStringLiteral("verify-results") + suffix + QStringLiteral(".png")) &&
         ok;
    // A message, as a write refused for a value out of range shows it.
    table.setCurrentRow(3);
    table.writeField(Field::Rf, QStringLiteral("600"));
    QTimer::singleShot(300, [&] {
        ok = save(QApplication::activeModalWidget(), out,
                  QStringLiteral("message") + suffix + QStringLiteral(".png")) &&
             ok;
        if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
    window.findChild<QAction*>(QStringLiteral("写入并校验"))->trigger();
    QTest::qWait(500);
    table.setCurrentRow(3);
    table.writeField(Field::Rf, QString());
    ok = save(&window, out, QStringLiteral("main-window") + suffix + QStringLiteral(".png")) && ok;
    const QString card = out.filePath(QStringLiteral("card") + suffix + QStringLiteral(".pdf"));
    ok = window.findChild<ChannelTools*>()->exportPdf(card) && ok;
    std::printf("%s\n", qPrintable(card));
    return ok ? 0 : 1;
}
