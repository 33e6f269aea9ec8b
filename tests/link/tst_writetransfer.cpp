#include "channels/channeltable.h"
#include "fakehost.h"
#include "fakelink.h"
#include "link/channelframe.h"
#include "link/writetransfer.h"
#include "tablefixture.h"

#include <QTest>

using namespace zt41;

namespace {

struct WriteBench {
    TableFixture fx;
    FakeLink link;
    FakeHost host;
    std::unique_ptr<WriteTransfer> write;

    bool start() {
        if (!fx.open())
            return false;
        link.open();
        host.startTimer(WindowTimer::ReadyPoll);
        host.squelch = QStringLiteral("  3");
        write = std::make_unique<WriteTransfer>(link, *fx.table, host);
        return true;
    }

    // Ticks until the write ends; gives the number of ticks.
    int runToEnd() {
        int ticks = 0;
        while (write->isRunning() && ticks < 100) {
            write->tick();
            ++ticks;
        }
        return ticks;
    }
};

} // namespace

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
};

void TestWriteTransfer::fullWrite() {
    WriteBench b;
    QVERIFY(b.start());
    b.fx.setRow(0, {"440.00000", "67.0", "445.00000", "250.3", "on", "L"});
    b.fx.setRow(1, {"438.50000", "88.5", "438.50000", "", "off", "H"});
    b.fx.table->setCurrentRow(0);
    QVERIFY(b.fx.table->writeField(Field::No, QStringLiteral("7")));
    b.write->command();
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
    QCOMPARE(b.host.status(), status::kWritten);
    QCOMPARE(b.fx.table->currentRow(), 0);
    QVERIFY(b.host.allEnabled());
    QVERIFY(b.host.isRunning(WindowTimer::ReadyPoll));
    QVERIFY(b.host.isRunning(WindowTimer::StatusClear));
    QVERIFY(!b.host.isRunning(WindowTimer::Write));
    QCOMPARE(b.write->step(), 0);
    QVERIFY(b.host.recorded.shown.isEmpty());
}

void TestWriteTransfer::stepsAndLock() {
    WriteBench b;
    QVERIFY(b.start());
    b.write->tick(); // a stray tick while idle sends nothing
    QVERIFY(b.link.sends.isEmpty());
    b.write->command();
    QVERIFY(!b.host.isRunning(WindowTimer::ReadyPoll));
    QVERIFY(b.host.isRunning(WindowTimer::Write));
    QCOMPARE(b.host.status(), status::kWriting);
    QCOMPARE(b.host.enabled[LockedCommand::ReadChannels], false);
    QCOMPARE(b.host.enabled[LockedCommand::Exit], false);
    QCOMPARE(b.host.enabled[LockedCommand::Help], false);
    QCOMPARE(b.host.enabled[LockedCommand::WriteChannels], true);
    for (int k = 1; k <= 16; ++k) {
        b.write->tick();
        QCOMPARE(b.write->step(), 6 * k);
        QCOMPARE(b.fx.table->currentRow(), k < 16 ? k : ChannelTable::kNoRow);
    }
    QVERIFY(b.write->isRunning());
    QCOMPARE(b.link.sends.size(), 17);
    b.write->tick(); // step 96 sends nothing and ends the write
    QCOMPARE(b.link.sends.size(), 17);
    QVERIFY(!b.write->isRunning());
}

void TestWriteTransfer::dropsOneWaitingCharacterPerFrame() {
    WriteBench b;
    QVERIFY(b.start());
    b.write->command();
    b.link.input = QByteArray(20, 'C');
    b.runToEnd();
    QCOMPARE(b.link.input.size(), 4);
}

void TestWriteTransfer::squelchReadAtTheFirstTick() {
    WriteBench b;
    QVERIFY(b.start());
    b.write->command();
    b.host.squelch = QStringLiteral("7");
    b.write->tick();
    b.host.squelch = QStringLiteral("1");
    b.runToEnd();
    QCOMPARE(b.link.sends[1].left(2), QByteArray("07"));
}

void TestWriteTransfer::framesFollowRowsNotTheCursor() {
    WriteBench b;
    QVERIFY(b.start());
    b.fx.setRow(4, {"145.00000", "", "145.00000", "", "off", "H"});
    b.write->command();
    b.write->tick();
    b.write->tick();
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
    b.write->command();
    b.write->tick();
    b.write->tick();
    b.write->command();
    QCOMPARE(b.write->step(), 12);
    b.runToEnd();
    QCOMPARE(b.link.sent().count('A'), 1);
    QCOMPARE(b.link.sends.size(), 17);
}

void TestWriteTransfer::portNotOpen() {
    WriteBench b;
    QVERIFY(b.start());
    b.link.close();
    b.write->command();
    QVERIFY(!b.write->isRunning());
    QVERIFY(b.link.sends.isEmpty());
    QCOMPARE(b.host.recorded.texts(), QStringList{"数据传送错误！！"});
    QCOMPARE(b.host.recorded.shown[0].title, QStringLiteral("错误警告 "));
    QVERIFY(b.host.allEnabled());
    QVERIFY(b.host.isRunning(WindowTimer::ReadyPoll));
    QVERIFY(!b.host.isRunning(WindowTimer::Write));
    QVERIFY(!b.host.statuses.contains(status::kWritten));
}

void TestWriteTransfer::sendFailsMidway() {
    WriteBench b;
    QVERIFY(b.start());
    b.write->command();
    for (int i = 0; i < 5; ++i)
        b.write->tick();
    b.link.failSends = true; // the cable is pulled
    // The message box runs an event loop of its own: no tick may come meanwhile.
    bool writeTimerRunningAtMessage = true;
    b.host.recorded.onShow = [&](const RecordingMessages::Message&) {
        writeTimerRunningAtMessage = b.host.isRunning(WindowTimer::Write);
    };
    b.write->tick();
    QVERIFY(!writeTimerRunningAtMessage);
    QVERIFY(!b.write->isRunning());
    QCOMPARE(b.write->step(), 0);
    b.write->tick();
    QCOMPARE(b.host.recorded.texts(), QStringList{"数据传送错误！！"});
    QVERIFY(!b.host.statuses.contains(status::kWritten));
    QCOMPARE(b.host.status(), QString());
    QVERIFY(b.host.allEnabled());
    QVERIFY(b.host.isRunning(WindowTimer::ReadyPoll));
    QCOMPARE(b.link.sends.size(), 6);
}

void TestWriteTransfer::rowThatCannotTravelRefusesTheWrite_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("negative receive count") << 3 << int(Field::Rf) << "20.0";
    QTest::newRow("nine-digit transmit count") << 15 << int(Field::Tf) << "1000";
    QTest::newRow("five-digit tone count") << 0 << int(Field::Rct) << "1000.0";
    QTest::newRow("empty channel number") << 7 << int(Field::No) << "";
}

void TestWriteTransfer::rowThatCannotTravelRefusesTheWrite() {
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, value);
    WriteBench b;
    QVERIFY(b.start());
    b.fx.table->setCurrentRow(row);
    QVERIFY(b.fx.table->writeField(static_cast<Field>(field), value));
    b.fx.table->setCurrentRow(2);
    b.write->command();
    QVERIFY(!b.write->isRunning());
    QVERIFY(b.link.sends.isEmpty());
    QCOMPARE(b.host.recorded.texts(), QStringList{"数据超出范围 ！！"});
    QCOMPARE(b.host.recorded.shown[0].title, QStringLiteral("错误警告 "));
    QCOMPARE(b.fx.table->currentRow(), row);
    QVERIFY(b.host.allEnabled());
    QVERIFY(b.host.isRunning(WindowTimer::ReadyPoll));
}

QTEST_GUILESS_MAIN(TestWriteTransfer)
#include "tst_writetransfer.moc"
