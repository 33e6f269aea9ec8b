// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "recordingmessages.h"
#include "tablefixture.h"

#include <QTest>

using namespace zt41;

namespace {
const QStringList kFullChannel = {QStringLiteral("438.50000"), QStringLiteral("88.5"),
                                  QStringLiteral("439.00000"), QStringLiteral("100.0"),
                                  QStringLiteral("on"),        QStringLiteral("L")};
}

class TestCellRule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void receiveFrequency_data();
    void receiveFrequency();
    void receiveOutOfRangeEmptiesRfOnly_data();
    void receiveOutOfRangeEmptiesRfOnly();
    void transmitFrequency_data();
    void transmitFrequency();
    void otherColumnsAndNoRowDoNothing();
    void nullRowIsEmptyChannel();
    void outOfRangeMessageComesBeforeTheWrite();
};

void TestCellRule::receiveFrequency_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("12.5 kHz step padded") << "145.0125"
                                          << "145.01250";
    QTest::newRow("6.25 kHz multiple stays") << "145.00625"
                                             << "145.00625";
    QTest::newRow("5 kHz multiple stays") << "145.005"
                                          << "145.00500";
    QTest::newRow("off both steps drops to 5 kHz below") << "145.0062"
                                                         << "145.00500";
    QTest::newRow("drops even where 6.25 kHz is nearer") << "145.0075"
                                                         << "145.00500";
    QTest::newRow("lower bound") << "130"
                                 << "130.00000";
    QTest::newRow("upper bound") << "500"
                                 << "500.00000";
    QTest::newRow("decimal comma reads the whole MHz") << "145,5"
                                                       << "145.00000";
    QTest::newRow("letters after the number") << "145.0125MHz"
                                              << "145.01250";
    QTest::newRow("blanks between digits") << "1 45.01 25"
                                           << "145.01250";
    QTest::newRow("a half below 10 Hz stays on its step") << "145.137505"
                                                          << "145.13750";
    QTest::newRow("sub-10 Hz digits rounded away") << "145.012504"
                                                   << "145.01250";
}

void TestCellRule::receiveFrequency() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(2, kFullChannel);
    QVERIFY(fx.table->writeField(Field::Rf, typed));
    RecordingMessages messages;
    CellRule::apply(*fx.table, 1, messages);
    QVERIFY(messages.shown.isEmpty());
    const ChannelRecord& row = fx.table->row(2);
    QCOMPARE(row.text(Field::Rf), stored);
    QCOMPARE(row.text(Field::Tf), stored);
    QCOMPARE(row.text(Field::Bt), QStringLiteral("off"));
    QCOMPARE(row.text(Field::Pw), QStringLiteral("H"));
    QCOMPARE(row.text(Field::Rct), QStringLiteral("88.5"));
    QCOMPARE(row.text(Field::Tct), QStringLiteral("100.0"));
}

void TestCellRule::receiveOutOfRangeEmptiesRfOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("message");
    QTest::newRow("just below 130") << "129.99999" << true;
    QTest::newRow("just above 500") << "500.00001" << true;
    QTest::newRow("negative") << "-145" << true;
    QTest::newRow("too large for a number") << "1e999" << true;
}

void TestCellRule::receiveOutOfRangeEmptiesRfOnly() {
    QFETCH(QString, typed);
    QFETCH(bool, message);
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(0, kFullChannel);
    QVERIFY(fx.table->writeField(Field::Rf, typed));
    RecordingMessages messages;
    CellRule::apply(*fx.table, 1, messages);
    QCOMPARE(messages.shown.size(), message ? 1 : 0);
    QCOMPARE(messages.shown.first().text, QStringLiteral("数据超出范围 ！！"));
    QCOMPARE(messages.shown.first().title, QStringLiteral("错误警告 "));
    QCOMPARE(messages.shown.first().icon, MessageIcon::Information);
    QStringList expected = kFullChannel;
    expected[0] = QString();
    for (int f = 1; f <= 6; ++f)
        QCOMPARE(fx.table->row(0).text(static_cast<Field>(f)), expected[f - 1]);
}

void TestCellRule::transmitFrequency_data() {
    QTest::addColumn<QString>("rf");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("message");
    QTest::newRow("normalised") << "438.50000"
                                << "145.0062"
                                << "145.00500" << false;
    QTest::newRow("6.25 kHz multiple") << "438.50000"
                                       << "145.00625"
                                       << "145.00625" << false;
    QTest::newRow("zero empties without message") << "438.50000"
                                                  << "0"
                                                  << "" << false;
    QTest::newRow("letters empty without message") << "438.50000"
                                                   << "abc"
                                                   << "" << false;
    QTest::newRow("out of range") << "438.50000"
                                  << "600"
                                  << "" << true;
    QTest::newRow("empty channel refuses a valid value") << ""
                                                         << "145.0"
                                                         << "" << false;
    QTest::newRow("empty channel, out of range, no message") << ""
                                                             << "999"
                                                             << "" << false;
    QTest::newRow("channel of letters is empty") << "abc"
                                                 << "145.0"
                                                 << "" << false;
}

void TestCellRule::transmitFrequency() {
    QFETCH(QString, rf);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, message);
    TableFixture fx;
    QVERIFY(fx.open());
    QStringList row = kFullChannel;
    row[0] = rf;
    fx.setRow(5, row);
    QVERIFY(fx.table->writeField(Field::Tf, typed));
    RecordingMessages messages;
    CellRule::apply(*fx.table, 3, messages);
    QCOMPARE(messages.shown.size(), message ? 1 : 0);
    row[2] = stored;
    for (int f = 1; f <= 6; ++f)
        QCOMPARE(fx.table->row(5).text(static_cast<Field>(f)), row[f - 1]);
}

void TestCellRule::otherColumnsAndNoRowDoNothing() {
    TableFixture fx;
    QVERIFY(fx.open());
    QStringList row = kFullChannel;
    row[0] = QStringLiteral("145.0125");
    fx.setRow(0, row);
    const ChannelRows before = fx.table->rows();
    RecordingMessages messages;
    for (int column : {0, 2, 4, 5, 6, 7, -1})
        CellRule::apply(*fx.table, column, messages);
    fx.table->setCurrentRow(ChannelTable::kNoRow);
    CellRule::apply(*fx.table, 1, messages);
    QCOMPARE(fx.table->rows(), before);
    QVERIFY(messages.shown.isEmpty());
}

void TestCellRule::nullRowIsEmptyChannel() {
    TableFixture fx;
    QVERIFY(fx.open());
    ChannelRows rows{};
    for (ChannelRecord& r : rows)
        r.fields.fill(FieldValue());
    QVERIFY(fx.table->replaceDataFields(rows));
    fx.table->moveFirst();
    RecordingMessages messages;
    CellRule::apply(*fx.table, 3, messages);
    QCOMPARE(fx.table->row(0)[Field::Tf], FieldValue(QString()));
    CellRule::apply(*fx.table, 1, messages);
    for (int f = 1; f <= 6; ++f)
        QCOMPARE(fx.table->row(0).fields[f], FieldValue(QString()));
    QVERIFY(messages.shown.isEmpty());
}

void TestCellRule::outOfRangeMessageComesBeforeTheWrite() {
    TableFixture fx;
    QVERIFY(fx.open());
    QVERIFY(fx.table->writeField(Field::Rf, QStringLiteral("600")));
    RecordingMessages messages;
    QString rfWhileShown;
    messages.onShow = [&](const RecordingMessages::Message&) {
        rfWhileShown = fx.table->readField(Field::Rf).value_or(QString());
    };
    CellRule::apply(*fx.table, 1, messages);
    QCOMPARE(rfWhileShown, QStringLiteral("600"));
    QCOMPARE(fx.table->readField(Field::Rf), FieldValue(QString()));
}

QTEST_GUILESS_MAIN(TestCellRule)
#include "tst_cellrule.moc"
