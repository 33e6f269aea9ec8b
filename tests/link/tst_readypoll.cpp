// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakelink.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "link/readypoll.h"
#include "link/rowstore.h"
#include "link/statusclear.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace zt41;

namespace {

// A session on a fake link, with what it reports on its status line.
struct PollBench {
    FakeLink link;
    FixedRows rows;
    LinkSession session{link, rows};
    QList<LinkStatus> statuses;
    PollBench() {
        QObject::connect(&session, &LinkSession::statusChanged,
                         [this](LinkStatus s) { statuses << s; });
    }
    bool isRunning(SessionTimer t) const { return session.timer(t)->isActive(); }
};

} // namespace

class TestReadyPoll : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tick_data();
    void tick();
    void startPollNowTicksAtOnce_data();
    void startPollNowTicksAtOnce();
    void closedPortDoesNothing();
    void noisyLineEndsAtTheBound();
    void statusClearOnTheEleventhTick();
    void probe_data();
    void probe();
};

void TestReadyPoll::tick_data() {
    QTest::addColumn<QByteArray>("waiting");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("radio answers") << QByteArray("C") << true << QByteArray() << QByteArray();
    QTest::newRow("two others then C") << QByteArray("x7C") << true << QByteArray() << QByteArray();
    QTest::newRow("C then another stays waiting")
        << QByteArray("CZ") << true << QByteArray() << QByteArray("Z");
    QTest::newRow("lower-case c is no answer")
        << QByteArray("c") << false << QByteArray("C") << QByteArray();
    QTest::newRow("no radio: one C") << QByteArray() << false << QByteArray("C") << QByteArray();
    QTest::newRow("noise only") << QByteArray("\x00\xff 5A", 5) << false << QByteArray("C")
                                << QByteArray();
}

void TestReadyPoll::tick() {
    QFETCH(QByteArray, waiting);
    QFETCH(bool, ready);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, left);
    PollBench b;
    b.link.open();
    b.link.input = waiting;
    b.session.startPoll();
    QSignalSpy readyChanged(&b.session, &LinkSession::readyChanged);
    b.session.poll().tick();
    QCOMPARE(b.link.sent(), sent);
    QCOMPARE(b.link.input, left);
    QCOMPARE(b.isRunning(SessionTimer::ReadyPoll), !ready);
    QCOMPARE(b.statuses, ready ? QList<LinkStatus>{LinkStatus::Ready} : QList<LinkStatus>{});
    QCOMPARE(b.session.isReady(), ready);
    QCOMPARE(readyChanged.size(), ready ? 1 : 0);
}

void TestReadyPoll::startPollNowTicksAtOnce_data() {
    QTest::addColumn<QByteArray>("waiting");
    QTest::addColumn<bool>("running"); // the poll goes on after its first tick
    QTest::newRow("no answer yet: C sent, poll runs") << QByteArray() << true;
    QTest::newRow("an answer waiting: ready at once") << QByteArray("C") << false;
}

void TestReadyPoll::startPollNowTicksAtOnce() {
    QFETCH(QByteArray, waiting);
    QFETCH(bool, running);
    PollBench b;
    b.link.open();
    b.link.input = waiting;
    b.session.startPollNow();
    QCOMPARE(b.link.sent(), running ? QByteArray("C") : QByteArray());
    QCOMPARE(b.isRunning(SessionTimer::ReadyPoll), running);
    QCOMPARE(b.session.isReady(), !running);
}

void TestReadyPoll::closedPortDoesNothing() {
    PollBench b;
    b.session.poll().tick();
    b.session.poll().tick();
    QVERIFY(b.link.sends.isEmpty());
    QVERIFY(b.statuses.isEmpty());
}

void TestReadyPoll::noisyLineEndsAtTheBound() {
    PollBench b;
    b.link.open();
    b.link.input = QByteArray(ReadyPoll::kMaxReadsPerTick + 5, 'x') + 'C';
    b.session.poll().tick();
    QCOMPARE(b.link.input.size(), 6);
    QCOMPARE(b.link.sent(), QByteArray("C"));
    b.session.poll().tick();
    QCOMPARE(b.statuses, QList<LinkStatus>{LinkStatus::Ready});
}

void TestReadyPoll::statusClearOnTheEleventhTick() {
    PollBench b;
    b.link.open();
    StatusClear& clear = b.session.statusClear();
    for (int round = 0; round < 2; ++round) {
        b.session.timer(SessionTimer::StatusClear)->start();
        for (int i = 1; i <= 10; ++i) {
            clear.tick();
            b.link.input = "C"; // the radio answers meanwhile; cleared all the same
            b.session.poll().tick();
        }
        QVERIFY(b.isRunning(SessionTimer::StatusClear));
        clear.tick();
        QCOMPARE(b.statuses.last(), LinkStatus::Empty);
        QVERIFY(!b.isRunning(SessionTimer::StatusClear));
        QCOMPARE(clear.count(), 0);
        b.statuses.clear();
    }
}

void TestReadyPoll::probe_data() {
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<int>("chosen");
    QTest::newRow("COM1") << QList<int>{1, 2} << 1;
    QTest::newRow("only COM3") << QList<int>{3} << 3;
    QTest::newRow("only COM8") << QList<int>{8} << 8;
    QTest::newRow("none") << QList<int>{} << 0;
}

void TestReadyPoll::probe() {
    QFETCH(QList<int>, present);
    QFETCH(int, chosen);
    FakeLink link;
    link.openable = QSet<int>(present.begin(), present.end());
    QList<PortOpenFailure> failures;
    QCOMPARE(probePorts(link, &failures), chosen);
    QCOMPARE(link.isOpen(), chosen != 0);
    QCOMPARE(failures.size(), chosen ? chosen - 1 : 8);
    if (chosen) {
        QCOMPARE(link.portNumber(), chosen);
        // The poll then talks on that port.
        FixedRows rows;
        LinkSession session(link, rows);
        session.poll().tick();
        QCOMPARE(link.sent(), QByteArray("C"));
    } else {
        QCOMPARE(failures.first().port, 1);
        QCOMPARE(failures.last().port, 8);
        QCOMPARE(failures.last().kind, PortOpenFailure::Kind::Missing);
    }
}

QTEST_GUILESS_MAIN(TestReadyPoll)
#include "tst_readypoll.moc"
