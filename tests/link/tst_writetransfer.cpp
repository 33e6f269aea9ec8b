// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "link/channelframe.h"
#include "link/sendcheck.h"
#include "link/writetransfer.h"
#include "sessionbench.h"

#include <QTest>

using namespace zt41;
using Kind = TransferOutcome::Kind;

namespace {

struct WriteBench : SessionBench {
    bool start() {
        if (!SessionBench::start())
            return false;
        squelch = QStringLiteral("  3");
        return true;
    }

    // Ticks until the write ends; gives the number of ticks.
    int runToEnd() {
        int ticks = 0;
        while (write().isRunning() && ticks < 100) {
            write().tick();
            ++ticks;
        }
        return ticks;
    }
};

} // namespace

Q_DECLARE_METATYPE(zt41::WriteRules)
Q_DECLARE_METATYPE(zt41::SendPurpose)

class TestWriteTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullWrite();
    void stepsAndLock();
    void dropsOneWaitingCharacterPerFrame();
    void squelchReadAtTheFirstTick();
    void framesFollowRowsNotTheCursor();
    void secondCommandIsIgnored();
    void portNotOpen();
    void sendFailsMidway();
    void rowThatCannotTravelRefusesTheWrite_data();
    void rowThatCannotTravelRefusesTheWrite();
    void sendCheckForAWriteAndACheck_data();
    void sendCheckForAWriteAndACheck();
};

void TestWriteTransfer::fullWrite() {
    WriteBench b;
    QVERIFY(b.start());
    b.fx.setRow(0, {"440.00000", "67.0", "445.00000", "250.3", "on", "L"});
    b.fx.setRow(1, {"438.50000", "88.5", "438.50000", "", "off", "H"});
    b.fx.table->setCurrentRow(0);
    QVERIFY(b.fx.table->writeField(Field::No, QStringLiteral("7")));
    b.session->write();
    QCOMPARE(b.link.sends.size(), 1);
    QCOMPARE(b.link.sends[0], QByteArray("A"));
    QCOMPARE(b.fx.table->row(0).text(Field::No), QStringLiteral("1"));
    QCOMPARE(b.runToEnd(), 17);
    QCOMPARE(b.link.sends.size(), 17);
    QCOMPARE(b.link.sends[1], QByteArray("0311000086410000504470060325"));
    QCOMPARE(b.link.sends[2], QByteArray("0100000071410000854385080000"));
    for (int k = 2; k <= 16; ++k)
        QCOMPARE(b.link.sends[k].left(2).toInt(), k - 1);
    QCOMPARE(b.link.sends[16], QByteArray("1500000000000000000000000000"));
    for (int k = 1; k <= 16; ++k)
        QCOMPARE(b.link.sends[k].size(), 28);
    QCOMPARE(b.status(), LinkStatus::Written);
    QCOMPARE(b.fx.table->currentRow(), 0);
    QVERIFY(!b.session->isBusy());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QVERIFY(b.isRunning(SessionTimer::StatusClear));
    QVERIFY(!b.isRunning(SessionTimer::Write));
    QCOMPARE(b.write().step(), 0);
    QCOMPARE(b.outcomeKinds(), QList<Kind>{Kind::Done});
    QCOMPARE(b.frames.size(), 16);
    QCOMPARE(b.frames.last(), 16);
}

void TestWriteTransfer::stepsAndLock() {
    WriteBench b;
    QVERIFY(b.start());
    b.write().tick(); // a stray tick while idle sends nothing
    QVERIFY(b.link.sends.isEmpty());
    b.session->write();
    QVERIFY(!b.isRunning(SessionTimer::ReadyPoll));
    QVERIFY(b.isRunning(SessionTimer::Write));
    QCOMPARE(b.status(), LinkStatus::Writing);
    QCOMPARE(b.session->transfer(), Transfer::Write);
    QVERIFY(b.session->isBusy());
    for (int k = 1; k <= 16; ++k) {
        b.write().tick();
        QCOMPARE(b.write().step(), 6 * k);
        QCOMPARE(b.fx.table->currentRow(), k < 16 ? k : ChannelTable::kNoRow);
    }
    QVERIFY(b.write().isRunning());
    QCOMPARE(b.link.sends.size(), 17);
    b.write().tick(); // step 96 sends nothing and ends the write
    QCOMPARE(b.link.sends.size(), 17);
    QVERIFY(!b.write().isRunning());
}

void TestWriteTransfer::dropsOneWaitingCharacterPerFrame() {
    WriteBench b;
    QVERIFY(b.start());
    b.session->write();
    b.link.input = QByteArray(20, 'C');
    b.runToEnd();
    QCOMPARE(b.link.input.size(), 4);
}

void TestWriteTransfer::squelchReadAtTheFirstTick() {
    WriteBench b;
    QVERIFY(b.start());
    b.session->write();
    b.squelch = QStringLiteral("7");
    b.write().tick();
    b.squelch = QStringLiteral("1");
    b.runToEnd();
    QCOMPARE(b.link.sends[1].left(2), QByteArray("07"));
}

void TestWriteTransfer::framesFollowRowsNotTheCursor() {
    WriteBench b;
    QVERIFY(b.start());
    b.fx.setRow(4, {"145.00000", "", "145.00000", "", "off", "H"});
    b.session->write();
    b.write().tick();
    b.write().tick();
    // The user clicks row 10 in the grid, and edits row 5 before it is sent.
    b.fx.table->setCurrentRow(9);
    b.fx.table->setCurrentRow(4);
    QVERIFY(b.fx.table->writeField(Field::Pw, QStringLiteral("L")));
    b.fx.table->setCurrentRow(9);
    b.runToEnd();
    for (int k = 1; k <= 16; ++k) {
        ChannelRecord row = b.fx.table->row(k - 1);
        QCOMPARE(b.link.sends[k], EncodeChannelFrame(k, QStringLiteral("  3"), row).toLatin1());
    }
    QCOMPARE(b.link.sends[5].mid(2, 1), QByteArray("1"));
}

void TestWriteTransfer::secondCommandIsIgnored() {
    WriteBench b;
    QVERIFY(b.start());
    b.session->write();
    b.write().tick();
    b.write().tick();
    b.session->write();
    QCOMPARE(b.write().step(), 12);
    b.runToEnd();
    QCOMPARE(b.link.sent().count('A'), 1);
    QCOMPARE(b.link.sends.size(), 17);
}

void TestWriteTransfer::portNotOpen() {
    WriteBench b;
    QVERIFY(b.start());
    b.link.close();
    b.session->write();
    QVERIFY(!b.write().isRunning());
    QVERIFY(b.link.sends.isEmpty());
    QCOMPARE(b.outcomes, (QList<TransferOutcome>{{Transfer::Write, Kind::PortNotOpen}}));
    QVERIFY(!b.session->isBusy());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QVERIFY(!b.isRunning(SessionTimer::Write));
    QVERIFY(!b.statuses.contains(LinkStatus::Written));
}

void TestWriteTransfer::sendFailsMidway() {
    WriteBench b;
    QVERIFY(b.start());
    b.session->write();
    for (int i = 0; i < 5; ++i)
        b.write().tick();
    b.link.failSends = true; // the cable is pulled
    // The message box runs an event loop of its own: no tick may come meanwhile.
    bool writeTimerRunningAtMessage = true;
    bool busyAtMessage = false;
    b.onOutcome = [&](const TransferOutcome&) {
        writeTimerRunningAtMessage = b.isRunning(SessionTimer::Write);
        busyAtMessage = b.session->isBusy();
    };
    b.write().tick();
    QVERIFY(!writeTimerRunningAtMessage);
    QVERIFY(busyAtMessage); // the lock lifts once the message is closed
    QVERIFY(!b.write().isRunning());
    QCOMPARE(b.write().step(), 0);
    b.write().tick();
    QCOMPARE(b.outcomes, (QList<TransferOutcome>{{Transfer::Write, Kind::SendFailed, 6}}));
    QVERIFY(!b.statuses.contains(LinkStatus::Written));
    QCOMPARE(b.status(), LinkStatus::Empty);
    QVERIFY(!b.session->isBusy());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QCOMPARE(b.link.sends.size(), 6);
}

void TestWriteTransfer::rowThatCannotTravelRefusesTheWrite_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<WriteRules>("rules");
    QTest::addColumn<FrameProblem>("problem"); // None: the write goes out
    const auto row = [](const char* name, int r, Field f, const char* v, WriteRules rules,
                        FrameProblem p) {
        QTest::newRow(name) << r << int(f) << v << rules << p;
    };
    using P = FrameProblem;
    const WriteRules table = WriteRules::Editing, backup = WriteRules::FramesOnly;
    row("negative receive count", 3, Field::Rf, "20.0", table, P::ReceiveFrequency);
    row("nine-digit transmit count", 15, Field::Tf, "1000", table, P::TransmitFrequency);
    row("five-digit tone count", 0, Field::Rct, "1000.0", table, P::ReceiveTone);
    row("empty channel number", 7, Field::No, "", table, P::ChannelNumber);
    // A channel file loaded with what typing never leaves in a cell.
    row("600 MHz fits a frame, the cell rule refuses it", 4, Field::Rf, "600.00000", table,
        P::BreaksRule);
    row("a tone off the set", 1, Field::Tct, "77.7", table, P::BreaksRule);
    row("a row out of its place", 5, Field::No, "9", table, P::BreaksRule);
    row("off every step, the frame carries it exactly", 9, Field::Tf, "146.52130", table, P::None);
    row("a file's database null", 6, Field::Rct, "Null", table, P::None);
    // What a radio held goes back into it whatever the editing rules say.
    row("600 MHz from a radio's backup", 4, Field::Rf, "600.00000", backup, P::None);
    row("a count no frame holds, even from a backup", 15, Field::Tf, "1000", backup,
        P::TransmitFrequency);
}

void TestWriteTransfer::rowThatCannotTravelRefusesTheWrite() {
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(WriteRules, rules);
    QFETCH(FrameProblem, problem);
    WriteBench b;
    QVERIFY(b.start());
    b.fx.table->setCurrentRow(row);
    QVERIFY(b.fx.table->writeField(static_cast<Field>(field), value));
    b.fx.table->setCurrentRow(2);
    b.session->write(rules);
    if (problem == FrameProblem::None) {
        QVERIFY(b.write().isRunning());
        QVERIFY(b.outcomes.isEmpty());
        return;
    }
    QVERIFY(!b.write().isRunning());
    QVERIFY(b.link.sends.isEmpty());
    const TransferOutcome refused{Transfer::Write, Kind::RowCannotTravel, row + 1, problem};
    QCOMPARE(b.outcomes, QList<TransferOutcome>{refused});
    QCOMPARE(b.fx.table->currentRow(), row);
    QVERIFY(!b.session->isBusy());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
}

void TestWriteTransfer::sendCheckForAWriteAndACheck_data() {
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<QString>("receive"); // channel 4's
    QTest::addColumn<SendPurpose>("purpose");
    QTest::addColumn<FrameProblem>("stuck"); // channel 4's; None: no row is stuck
    QTest::addColumn<bool>("mayGo");
    using P = FrameProblem;
    const SendPurpose write = SendPurpose::Write, verify = SendPurpose::Verify;
    QTest::newRow("600 MHz: no write") << "3"
                                       << "600.00000" << write << P::BreaksRule << false;
    // A check compares, and names what a write would refuse.
    QTest::newRow("600 MHz: a check") << "3"
                                      << "600.00000" << verify << P::None << true;
    QTest::newRow("no frame holds it: no check either")
        << "3"
        << "1430.01250" << verify << P::ReceiveFrequency << false;
    QTest::newRow("squelch 12: no write") << "12"
                                          << "145.00000" << write << P::None << false;
    QTest::newRow("squelch 12: a check") << "12"
                                         << "145.00000" << verify << P::None << true;
}

void TestWriteTransfer::sendCheckForAWriteAndACheck() {
    QFETCH(QString, squelch);
    QFETCH(QString, receive);
    QFETCH(SendPurpose, purpose);
    QFETCH(FrameProblem, stuck);
    QFETCH(bool, mayGo);
    ChannelSet set{squelch, {}};
    for (int k = 1; k <= kChannelCount; ++k)
        set.rows[k - 1][Field::No] = QString::number(k);
    set.rows[0][Field::No] = QStringLiteral("7");
    set.rows[3][Field::Rf] = receive;
    const SendCheck check = sendCheck(set, WriteRules::Editing, purpose);
    const QList<StuckRow> stuckRows =
        stuck == FrameProblem::None ? QList<StuckRow>{} : QList<StuckRow>{{4, stuck}};
    QCOMPARE(check.stuck, stuckRows);
    QCOMPARE(check.mayGo, mayGo);
    QCOMPARE(check.refusals().size(), 1);
    QCOMPARE(check.set.rows[0][Field::No], QStringLiteral("1")); // as a write numbers it
}

QTEST_GUILESS_MAIN(TestWriteTransfer)
#include "tst_writetransfer.moc"
