// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/readtransfer.h"
#include "link/writetransfer.h"
#include "radiostream.h"
#include "sessionbench.h"

#include <QSignalSpy>
#include <QTest>

using namespace zt41;

class TestLinkSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void timersKeepTheirNamesAndPeriods_data();
    void timersKeepTheirNamesAndPeriods();
    void oneTransferAtATime_data();
    void oneTransferAtATime();
    void busyFromCommandToEnd();
    void transferEndStartsThePoll();
};

void TestLinkSession::timersKeepTheirNamesAndPeriods_data() {
    QTest::addColumn<int>("timer");
    QTest::addColumn<int>("period");
    QTest::addColumn<bool>("precise");
    QTest::newRow("Timer1, the write") << 1 << 300 << true;
    QTest::newRow("Timer2, the status clear") << 2 << 60 << false;
    QTest::newRow("Timer3, the ready poll") << 3 << 100 << false;
    QTest::newRow("Timer4, the read") << 4 << 100 << false;
}

void TestLinkSession::timersKeepTheirNamesAndPeriods() {
    QFETCH(int, timer);
    QFETCH(int, period);
    QFETCH(bool, precise);
    SessionBench b;
    QVERIFY(b.start());
    QTimer* t = b.session->timer(static_cast<SessionTimer>(timer));
    QCOMPARE(t->objectName(), QStringLiteral("Timer%1").arg(timer));
    QCOMPARE(t->interval(), period);
    QCOMPARE(t->timerType() == Qt::PreciseTimer, precise);
    QCOMPARE(t->parent(), b.session.get());
}

void TestLinkSession::oneTransferAtATime_data() {
    QTest::addColumn<bool>("writeFirst");
    QTest::newRow("a read command during a write is ignored") << true;
    QTest::newRow("a write command during a read is ignored") << false;
}

void TestLinkSession::oneTransferAtATime() {
    QFETCH(bool, writeFirst);
    SessionBench b;
    QVERIFY(b.start());
    if (writeFirst) {
        b.session->write();
        b.session->read();
        QVERIFY(!b.isRunning(SessionTimer::Read));
        QCOMPARE(b.session->transfer(), Transfer::Write);
        QCOMPARE(b.link.sent(), QByteArray("A"));
    } else {
        b.session->read();
        b.session->write();
        QVERIFY(!b.isRunning(SessionTimer::Write));
        QCOMPARE(b.session->transfer(), Transfer::Read);
        QVERIFY(b.link.sent().isEmpty());
        b.session->readTick();
        b.session->write(); // nor while the frames come
        QCOMPARE(b.link.sent(), QByteArray("5"));
    }
}

void TestLinkSession::busyFromCommandToEnd() {
    SessionBench b;
    QVERIFY(b.start());
    QSignalSpy started(b.session.get(), &LinkSession::readStarted);
    b.session->read();
    QVERIFY(b.session->isBusy());
    b.session->readTick();
    QCOMPARE(started.size(), 1);
    b.link.deliver(radioStream());
    QVERIFY(!b.session->isBusy());
    b.session->write();
    while (b.write().isRunning())
        b.write().tick();
    QVERIFY(!b.session->isBusy());
    QCOMPARE(b.transfers,
             (QList<Transfer>{Transfer::Read, Transfer::None, Transfer::Write, Transfer::None}));
    // Progress counts the frames of each transfer, 1 to 16 twice.
    QCOMPARE(b.frames.size(), 32);
    QCOMPARE(b.frames[15], 16);
    QCOMPARE(b.frames[16], 1);
}

void TestLinkSession::transferEndStartsThePoll() {
    SessionBench b;
    QVERIFY(b.start());
    b.session->stopPoll();
    b.session->write();
    QVERIFY(!b.isRunning(SessionTimer::ReadyPoll));
    while (b.write().isRunning())
        b.write().tick();
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
}

QTEST_GUILESS_MAIN(TestLinkSession)
#include "tst_linksession.moc"
