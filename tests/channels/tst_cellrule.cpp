// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/cellrule.h"
#include "channels/channeltable.h"
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
    const CellRule::EditResult edit = CellRule::applyEdit(*fx.table, 2, 1, typed);
    QVERIFY(edit.stored);
    QVERIFY(!edit.outOfRange);
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
    const CellRule::EditResult edit = CellRule::applyEdit(*fx.table, 0, 1, typed);
    QVERIFY(edit.stored);
    QCOMPARE(edit.outOfRange, message);
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
    const CellRule::EditResult edit = CellRule::applyEdit(*fx.table, 5, 3, typed);
    QVERIFY(edit.stored);
    QCOMPARE(edit.outOfRange, message);
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
    // Other columns keep the typed text as it is, and the rule writes nothing else.
    for (int column : {2, 4, 5, 6}) {
        const QString same = before[0].text(static_cast<Field>(column));
        const CellRule::EditResult edit = CellRule::applyEdit(*fx.table, 0, column, same);
        QVERIFY(edit.stored);
        QVERIFY(!edit.outOfRange);
        QVERIFY(CellRule::evaluate(before[0], column).writes.empty());
    }
    // Nowhere to store: no row, no column.
    for (const auto& [rowIndex, column] : {std::pair{0, 7}, {0, -1}, {-1, 1}, {16, 1}})
        QVERIFY(!CellRule::applyEdit(*fx.table, rowIndex, column, QStringLiteral("145")).stored);
    QCOMPARE(fx.table->rows(), before);
}

void TestCellRule::nullRowIsEmptyChannel() {
    TableFixture fx;
    QVERIFY(fx.open());
    ChannelRows rows{};
    for (ChannelRecord& r : rows)
        r.fields.fill(FieldValue());
    QVERIFY(fx.table->replaceDataFields(rows));
    const CellRule::Outcome tf = CellRule::evaluate(fx.table->row(0), 3);
    QVERIFY(!tf.outOfRange);
    QCOMPARE(tf.writes.size(), std::size_t{1});
    QCOMPARE(tf.writes[0].second, QString());
    const CellRule::Outcome rf = CellRule::evaluate(fx.table->row(0), 1);
    QVERIFY(!rf.outOfRange);
    QCOMPARE(rf.writes.size(), std::size_t{6});
    for (const auto& write : rf.writes)
        QCOMPARE(write.second, QString());
}

QTEST_GUILESS_MAIN(TestCellRule)
#include "tst_cellrule.moc"
