// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qserialportlink.h"
#include "pseudoradio.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>

using namespace zt41;

class TestQSerialPortLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void talksOverAPseudoTerminal();
    void staleInputIsDroppedOnOpen();
    void openFailuresAreTold_data();
    void openFailuresAreTold();
    void lostLinkIsReportedOnce();
    void wakeThresholdHoldsBackAnnouncements_data();
    void wakeThresholdHoldsBackAnnouncements();
};

void TestQSerialPortLink::talksOverAPseudoTerminal() {
    PseudoRadio radio;
    QVERIFY(radio.open());
    fcntl(radio.master, F_SETFL, O_NONBLOCK);
    QSerialPortLink link(*PortMap::fromList(QStringLiteral(",") + radio.slavePath));
    link.selectPort(2);
    QVERIFY(link.open());
    QVERIFY(link.isOpen());
    link.selectPort(5); // ignored while open
    QCOMPARE(link.portNumber(), 2);

    QVERIFY(link.send("C"));
    QCOMPARE(radio.receive(1), QByteArray("C"));

    QSignalSpy arrived(&link, &SerialLink::inputArrived);
    radio.send("CZ");
    QTRY_COMPARE(link.waitingCount(), 2);
    QVERIFY(arrived.count() >= 1);
    QCOMPARE(link.readChar(), QStringLiteral("C"));
    QCOMPARE(link.readChar(), QStringLiteral("Z"));
    QCOMPARE(link.readChar(), QString());

    radio.send("xyz");
    QTRY_COMPARE(link.waitingCount(), 3);
    link.discardInput();
    QCOMPARE(link.waitingCount(), 0);

    link.close();
    QVERIFY(!link.isOpen());
    QVERIFY(!link.send("C"));
    QCOMPARE(link.readChar(), QString());
    link.close(); // closing a closed port is harmless
}

void TestQSerialPortLink::staleInputIsDroppedOnOpen() {
    PseudoRadio radio;
    QVERIFY(radio.open());
    radio.send("stale");
    QSerialPortLink link(*PortMap::fromList(radio.slavePath));
    QVERIFY(link.open());
    QTest::qWait(50);
    QCOMPARE(link.waitingCount(), 0);
}

void TestQSerialPortLink::openFailuresAreTold_data() {
    QTest::addColumn<QString>("what"); // "missing", "unmapped", "held", "link", "dots" or "free"
    QTest::addColumn<int>("kind");
    QTest::newRow("no such device") << "missing" << int(PortOpenFailure::Kind::Missing);
    QTest::newRow("number not mapped") << "unmapped" << int(PortOpenFailure::Kind::NotMapped);
    QTest::newRow("held by another program") << "held" << int(PortOpenFailure::Kind::Busy);
    QTest::newRow("held, asked for through a link") << "link" << int(PortOpenFailure::Kind::Busy);
    QTest::newRow("held, asked for with ..") << "dots" << int(PortOpenFailure::Kind::Busy);
    QTest::newRow("free port opens") << "free" << int(PortOpenFailure::Kind::None);
}

void TestQSerialPortLink::openFailuresAreTold() {
    QFETCH(QString, what);
    QFETCH(int, kind);
    PseudoRadio radio;
    QVERIFY(radio.open());
    QTemporaryDir dir;
    QString device =
        what == u"missing" ? QStringLiteral("/dev/zt41-no-such-port") : radio.slavePath;
    QSerialPortLink other(*PortMap::fromList(device));
    if (what == u"held" || what == u"link" || what == u"dots")
        QVERIFY(other.open());
    if (what == u"link") {
        device = dir.filePath(QStringLiteral("ttyA"));
        QVERIFY(QFile::link(radio.slavePath, device));
    } else if (what == u"dots") {
        device = QStringLiteral("/dev/pts/../pts/") + QFileInfo(radio.slavePath).fileName();
    }
    QSerialPortLink link(*PortMap::fromList(device));
    link.selectPort(what == u"unmapped" ? 3 : 1);
    QCOMPARE(link.open(), kind == int(PortOpenFailure::Kind::None));
    const PortOpenFailure failure = link.openFailure();
    QCOMPARE(int(failure.kind), kind);
    QCOMPARE(failure.port, what == u"unmapped" ? 3 : 1);
    QCOMPARE(failure.device, what == u"unmapped" ? QString() : device);
    if (!link.isOpen())
        QVERIFY(!link.send("C"));
}

void TestQSerialPortLink::lostLinkIsReportedOnce() {
    PseudoRadio radio;
    QVERIFY(radio.open());
    QSerialPortLink link(*PortMap::fromList(radio.slavePath));
    QVERIFY(link.open());
    QSignalSpy lost(&link, &SerialLink::linkLost);
    radio.hangUp();
    QTRY_VERIFY(!link.isOpen());
    QTest::qWait(100);
    QCOMPARE(lost.count(), 1);
    QVERIFY(!link.send("C"));
}

void TestQSerialPortLink::wakeThresholdHoldsBackAnnouncements_data() {
    QTest::addColumn<int>("threshold");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("announced");
    QTest::newRow("every byte by default") << 1 << 1 << true;
    QTest::newRow("below the threshold: quiet") << 28 << 27 << false;
    QTest::newRow("at the threshold: announced") << 28 << 28 << true;
    QTest::newRow("past it: announced") << 5 << 9 << true;
}

void TestQSerialPortLink::wakeThresholdHoldsBackAnnouncements() {
    QFETCH(int, threshold);
    QFETCH(int, sent);
    QFETCH(bool, announced);
    PseudoRadio radio;
    QVERIFY(radio.open());
    QSerialPortLink link(*PortMap::fromList(radio.slavePath));
    QVERIFY(link.open());
    link.setWakeThreshold(threshold);
    QSignalSpy arrived(&link, &SerialLink::inputArrived);
    radio.send(QByteArray(sent, '7'));
    QTest::qWait(200);
    QCOMPARE(!arrived.isEmpty(), announced);
    QCOMPARE(link.waitingCount(), announced ? sent : 0);
    // Back to every byte: what waits is announced, and so is one more byte.
    link.setWakeThreshold(1);
    radio.send("C");
    QTRY_COMPARE(link.waitingCount(), sent + 1);
}

QTEST_GUILESS_MAIN(TestQSerialPortLink)
#include "tst_qserialportlink.moc"
