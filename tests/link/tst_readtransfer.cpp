// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "link/readtransfer.h"
#include "radiostream.h"
#include "sessionbench.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace zt41;
using Kind = TransferOutcome::Kind;

namespace {

struct ReadBench : SessionBench {
    ChannelRows before{};

    bool start() {
        if (!SessionBench::start())
            return false;
        for (int r = 0; r < kChannelCount; ++r)
            fx.setRow(r, {"145.00000", "67.0", "145.00000", "67.0", "off", "H"});
        fx.table->setCurrentRow(6);
        before = fx.table->rows();
        return true;
    }

    void expectNothingChanged(Kind kind, int frame) {
        QCOMPARE(fx.table->rows(), before);
        QCOMPARE(squelch, QStringLiteral("3"));
        QCOMPARE(outcomes, (QList<TransferOutcome>{{Transfer::Read, kind, frame}}));
        QCOMPARE(status(), LinkStatus::Empty);
        QVERIFY(!session->isBusy());
        QVERIFY(isRunning(SessionTimer::ReadyPoll));
        QVERIFY(!isRunning(SessionTimer::StatusClear));
        QVERIFY(!read().isReading());
    }
};

} // namespace

class TestReadTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandArmsTheTimer();
    void fullRead_data();
    void fullRead();
    void staleInputIsDiscarded();
    void lateReadyAnswerIsSkipped();
    void radioStopsAfterFiveFrames();
    void silentRadio();
    void malformedFrameChangesNothing_data();
    void malformedFrameChangesNothing();
    void linkLostMidway();
    void portClosed();
    void deadlineRestartsPerFrame();
};

void TestReadTransfer::commandArmsTheTimer() {
    ReadBench b;
    QVERIFY(b.start());
    b.session->read();
    QVERIFY(b.isRunning(SessionTimer::Read));
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QCOMPARE(b.session->transfer(), Transfer::Read);
    QVERIFY(b.link.sends.isEmpty());
    QVERIFY(b.statuses.isEmpty());
}

void TestReadTransfer::fullRead_data() {
    QTest::addColumn<int>("chunk");
    QTest::newRow("one stream") << 448;
    QTest::newRow("a character at a time") << 1;
    QTest::newRow("odd pieces") << 13;
    QTest::newRow("pieces across frames") << 40;
}

void TestReadTransfer::fullRead() {
    QFETCH(int, chunk);
    ReadBench b;
    QVERIFY(b.start());
    QSignalSpy finished(&b.read(), &ReadTransfer::finished);
    b.session->read();
    b.read().tick();
    QCOMPARE(b.link.sent(), QByteArray("5"));
    QVERIFY(!b.isRunning(SessionTimer::ReadyPoll));
    QVERIFY(!b.isRunning(SessionTimer::Read));
    QVERIFY(b.read().isReading());
    const QByteArray stream = radioStream() + "CC"; // what follows is left for the poll
    for (qsizetype i = 0; i < stream.size(); i += chunk) {
        if (b.read().isReading())
            QCOMPARE(b.fx.table->rows(), b.before); // nothing is stored until all 16 are in
        b.link.deliver(stream.mid(i, chunk));
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(b.link.input, QByteArray("CC"));
    QCOMPARE(b.squelch, QStringLiteral("3"));
    const QStringList row1{"440.00000", "67.0", "445.00000", "250.3", "on", "L"};
    const QStringList row2{"438.50000", "88.5", "438.50000", "", "off", "H"};
    for (int f = 1; f <= 6; ++f) {
        QCOMPARE(b.fx.table->row(0).text(static_cast<Field>(f)), row1[f - 1]);
        QCOMPARE(b.fx.table->row(1).text(static_cast<Field>(f)), row2[f - 1]);
        QCOMPARE(b.fx.table->row(9).text(static_cast<Field>(f)), QString());
    }
    for (int k = 0; k < kChannelCount; ++k)
        QCOMPARE(b.fx.table->row(k).text(Field::No), QString::number(k + 1));
    QCOMPARE(b.fx.table->currentRow(), 0);
    QCOMPARE(b.status(), LinkStatus::Read);
    QVERIFY(b.isRunning(SessionTimer::StatusClear));
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QVERIFY(!b.session->isBusy());
    QCOMPARE(b.outcomeKinds(), QList<Kind>{Kind::Done});
    QCOMPARE(b.frames.size(), 16);
}

void TestReadTransfer::staleInputIsDiscarded() {
    ReadBench b;
    QVERIFY(b.start());
    b.link.input = "CCx"; // left over from the ready poll
    QSignalSpy finished(&b.read(), &ReadTransfer::finished);
    b.read().tick();
    b.link.deliver(radioStream());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(b.fx.table->row(0).text(Field::Rf), QStringLiteral("440.00000"));
}

void TestReadTransfer::lateReadyAnswerIsSkipped() {
    ReadBench b;
    QVERIFY(b.start());
    QSignalSpy finished(&b.read(), &ReadTransfer::finished);
    b.read().tick();
    b.link.deliver("C"); // the answer to the poll's last "C", after "5" went out
    b.link.deliver("C" + radioStream());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(b.fx.table->row(0).text(Field::Rf), QStringLiteral("440.00000"));
}

void TestReadTransfer::radioStopsAfterFiveFrames() {
    ReadBench b;
    QVERIFY(b.start());
    QSignalSpy finished(&b.read(), &ReadTransfer::finished);
    b.session->read();
    b.read().tick();
    b.link.deliver(radioStream().left(5 * 28 + 3));
    QCOMPARE(b.read().framesReceived(), 5);
    QVERIFY(finished.isEmpty());
    b.read().expire();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    b.expectNothingChanged(Kind::ReadTimedOut, 6);
}

void TestReadTransfer::silentRadio() {
    ReadBench b;
    QVERIFY(b.start());
    b.session->read();
    b.read().tick();
    b.read().expire();
    b.expectNothingChanged(Kind::ReadTimedOut, 1);
    b.read().expire(); // a late deadline after the end changes nothing
    QCOMPARE(b.outcomes.size(), 1);
}

void TestReadTransfer::malformedFrameChangesNothing_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("kind");
    QByteArray letters = radioStream();
    letters[100] = 'x';
    QTest::newRow("letter in frame 4") << letters << 4 << int(Kind::ReadMalformed);
    QByteArray noise = "?!" + radioStream().left(446);
    QTest::newRow("noise before the frames") << noise << 1 << int(Kind::ReadMalformed);
    QByteArray high = radioStream();
    high[447] = '\xb9';
    QTest::newRow("non-ASCII digit in frame 16") << high << 16 << int(Kind::ReadMalformed);
    QTest::newRow("stray digit before the frames")
        << "7" + radioStream().left(447) << 2 << int(Kind::ReadOutOfPlace);
    QTest::newRow("stray digit inside frame 9")
        << radioStream().insert(8 * 28 + 5, '4').left(448) << 10 << int(Kind::ReadOutOfPlace);
    QByteArray swapped = radioStream();
    swapped.replace(4 * 28, 28, radioStream().mid(5 * 28, 28));
    swapped.replace(5 * 28, 28, radioStream().mid(4 * 28, 28));
    QTest::newRow("frames 5 and 6 swapped") << swapped << 5 << int(Kind::ReadOutOfPlace);
    QByteArray otherNumber = radioStream();
    otherNumber.replace(15 * 28, 2, "16");
    QTest::newRow("frame 16 written from a row numbered 17")
        << otherNumber << 16 << int(Kind::ReadOutOfPlace);
}

void TestReadTransfer::malformedFrameChangesNothing() {
    QFETCH(QByteArray, stream);
    QFETCH(int, frame);
    QFETCH(int, kind);
    ReadBench b;
    QVERIFY(b.start());
    b.session->read();
    b.read().tick();
    b.link.deliver(stream);
    b.expectNothingChanged(Kind(kind), frame);
}

void TestReadTransfer::linkLostMidway() {
    ReadBench b;
    QVERIFY(b.start());
    b.session->read();
    b.read().tick();
    b.link.deliver(radioStream().left(100));
    b.link.close();
    Q_EMIT b.link.linkLost(QStringLiteral("gone"));
    b.expectNothingChanged(Kind::LinkLost, 4);
}

void TestReadTransfer::portClosed() {
    ReadBench b;
    QVERIFY(b.start());
    b.link.close();
    b.session->read();
    b.read().tick();
    QVERIFY(b.link.sends.isEmpty());
    b.expectNothingChanged(Kind::PortNotOpen, 1);
}

void TestReadTransfer::deadlineRestartsPerFrame() {
    // The deadline counts from the end of the frame before, not from each character.
    ReadBench b;
    QVERIFY(b.start());
    b.read().tick();
    QTimer& deadline = b.read().frameDeadline();
    QVERIFY(deadline.isActive());
    QCOMPARE(deadline.interval(), ReadTransfer::kFrameDeadlineMs);
    const QByteArray stream = radioStream();
    deadline.stop();
    b.link.deliver(stream.left(27));
    QVERIFY(!deadline.isActive());
    b.link.deliver(stream.mid(27, 1));
    QVERIFY(deadline.isActive());
    deadline.stop();
    b.link.deliver(stream.mid(28));
    QVERIFY(!deadline.isActive()); // all 16 are in: no deadline remains
    QVERIFY(!b.read().isReading());
    QCOMPARE(b.outcomeKinds(), QList<Kind>{Kind::Done});
}

QTEST_GUILESS_MAIN(TestReadTransfer)
#include "tst_readtransfer.moc"
