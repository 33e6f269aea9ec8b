// SPDX-License-Identifier: GPL-3.0-or-later
// A port that another program holds open counts as unavailable: the start-up
// probe moves on to the next number, and the port dialog greys it out.
#include "link/linksession.h"
#include "link/portmap.h"
#include "link/portselection.h"
#include "link/qserialportlink.h"
#include "link/readypoll.h"
#include "link/rowstore.h"
#include "pseudoradio.h"

#include "channels/channeltable.h"
#include "recordingmessages.h"
#include "shell/mainwindow.h"
#include "shell/portdialog.h"
#include "shell/windowwords.h"
#include "tablefixture.h"

#include <QAction>
#include <QRadioButton>
#include <QSerialPort>
#include <QTest>

using namespace zt41;

class TestPortHeld : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void heldPortIsSkippedAndGreyedOut();
    void windowNamesTheHeldPortInChinese();
};

void TestPortHeld::heldPortIsSkippedAndGreyedOut() {
    PseudoRadio held, free;
    QVERIFY(held.open());
    QVERIFY(free.open());
    // Another program has COM1 open, as a terminal program or a second
    // programmer would.
    QSerialPort other(held.slavePath);
    QVERIFY2(other.open(QIODevice::ReadWrite), qPrintable(other.errorString()));

    const PortMap map = *PortMap::fromList(held.slavePath + u',' + free.slavePath);
    QSerialPortLink link(map);
    QList<PortOpenFailure> failures;
    QCOMPARE(probePorts(link, &failures), 2);
    QVERIFY(link.isOpen());
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures[0].kind, PortOpenFailure::Kind::Busy);
    QCOMPARE(failures[0].device, held.slavePath);
    link.selectPort(1);
    link.close();
    link.selectPort(1);
    QVERIFY(!link.open());
    QCOMPARE(link.openFailure().kind, PortOpenFailure::Kind::Busy);

    link.selectPort(2);
    QVERIFY(link.open());
    FixedRows rows;
    LinkSession session(link, rows);
    PortSelection selection(link, session);
    selection.load();
    QVERIFY(!selection.option(1).enabled);
    QCOMPARE(selection.option(1).failure.kind, PortOpenFailure::Kind::Busy);
    QVERIFY(selection.option(2).enabled);
    QVERIFY(selection.option(2).selected);
    selection.cancel();
    QCOMPARE(link.portNumber(), 2);
    QVERIFY(link.isOpen());

    // Once the other program lets go, the port is there again.
    other.close();
    selection.load();
    QVERIFY(selection.option(1).enabled);
    selection.cancel();
}

void TestPortHeld::windowNamesTheHeldPortInChinese() {
    PseudoRadio held, free;
    QVERIFY(held.open());
    QVERIFY(free.open());
    QSerialPort other(held.slavePath);
    QVERIFY(other.open(QIODevice::ReadWrite));
    const QString busy = held.slavePath + QStringLiteral(" 正被其他程序占用");

    {
        // The only port is held: the no-port message says by whom, in Chinese.
        const PortMap map = *PortMap::fromList(held.slavePath);
        QSerialPortLink link(map);
        TableFixture fx;
        QVERIFY(fx.open());
        RecordingMessages messages;
        MainWindow window({*fx.table, link, &map, &messages, nullptr});
        QVERIFY(!window.start());
        QCOMPARE(messages.texts(),
                 QStringList{noPortMessage({}).text + QStringLiteral("\n\nCOM1：") + busy});
    }

    // With a free port beside it, the port dialog greys the held one out and says why.
    const PortMap map = *PortMap::fromList(held.slavePath + u',' + free.slavePath);
    QSerialPortLink link(map);
    TableFixture fx;
    QVERIFY(fx.open());
    RecordingMessages messages;
    MainWindow window({*fx.table, link, &map, &messages, nullptr});
    QVERIFY(window.start());
    window.findChild<QAction*>(QStringLiteral("端口"))->trigger();
    PortDialog* dialog = window.portDialog();
    QVERIFY(dialog);
    auto* option1 = dialog->findChild<QRadioButton*>(QStringLiteral("Option1"));
    QVERIFY(!option1->isEnabled());
    QCOMPARE(option1->toolTip(), busy);
    QCOMPARE(dialog->findChild<QRadioButton*>(QStringLiteral("Option3"))->toolTip(),
             QStringLiteral("COM3 未对应任何设备"));
    dialog->close();
}

QTEST_MAIN(TestPortHeld)
#include "tst_portheld.moc"
