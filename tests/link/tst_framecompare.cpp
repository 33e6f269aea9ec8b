// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelrows.h"
#include "link/framecompare.h"
#include "link/rowstore.h"

#include <QTest>

using namespace zt41;

namespace {

ChannelRows sample() {
    ChannelRows rows{};
    for (int k = 1; k <= kChannelCount; ++k)
        rows[k - 1] = makeRow(k, {"", "", "", "", "", ""});
    rows[0] = makeRow(1, {"440.00000", "67.0", "445.00000", "250.3", "on", "L"});
    rows[4] = makeRow(5, {"438.50000", "88.5", "438.50000", "", "off", "H"});
    return rows;
}

} // namespace

class TestFrameCompare : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void differences_data();
    void differences();
    void readsNeverChangeWhatIsSent();
};

void TestFrameCompare::differences_data() {
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<FieldDifference>>("expected");
    using L = QList<FieldDifference>;
    QTest::newRow("identical") << "3" << 0 << 1 << "440.00000" << L{};
    QTest::newRow("tone without its .0") << "3" << 0 << 2 << "67" << L{};
    QTest::newRow("squelch with blanks") << "  3" << 0 << 1 << "440.00000" << L{};
    QTest::newRow("channel number is no part of it") << "3" << 4 << 0 << "9" << L{};
    QTest::newRow("empty channel's shift off or blank") << "3" << 7 << 5 << "off" << L{};
    QTest::newRow("finer than 10 Hz") << "3" << 4 << 3 << "438.500001" << L{};
    QTest::newRow("power on an empty channel, which no frame keeps") << "3" << 7 << 6 << "L" << L{};
    QTest::newRow("squelch 12 is held as 9")
        << "12" << 0 << 1 << "440.00000" << L{{1, FrameField::Squelch, "3", "9"}};
    QTest::newRow("squelch level")
        << "4" << 0 << 1 << "440.00000" << L{{1, FrameField::Squelch, "3", "4"}};
    QTest::newRow("receive frequency 10 Hz off")
        << "3" << 4 << 1 << "438.50001"
        << L{{5, FrameField::ReceiveFrequency, "438.50000", "438.50001"}};
    QTest::newRow("transmit tone gone")
        << "3" << 0 << 4 << "" << L{{1, FrameField::TransmitTone, "250.3", ""}};
    QTest::newRow("power") << "3" << 4 << 6 << "L" << L{{5, FrameField::Power, "H", "L"}};
    QTest::newRow("shift") << "3" << 0 << 5 << "off" << L{{1, FrameField::Shift, "on", "off"}};
}

void TestFrameCompare::differences() {
    QFETCH(QString, squelch);
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QList<FieldDifference>, expected);
    ChannelRows other = sample();
    other[row].fields[field] = value;
    QCOMPARE(compareInFrameForm(QStringLiteral("3"), sample(), squelch, other), expected);
}

void TestFrameCompare::readsNeverChangeWhatIsSent() {
    FixedRows rows(sample(), QStringLiteral("3"));
    ChannelRows read{};
    read[0] = makeRow(QString(), {"145.00000", "", "", "", "off", "H"});
    QVERIFY(rows.store(read, QStringLiteral("7")));
    QCOMPARE(rows.rows(), sample());
    QCOMPARE(rows.squelchText(), QStringLiteral("3"));
    QCOMPARE(rows.receivedSquelch(), QStringLiteral("7"));
    QCOMPARE(rows.receivedRows()[0].text(Field::Rf), QStringLiteral("145.00000"));
    QCOMPARE(rows.receivedRows()[0].text(Field::No), QStringLiteral("1")); // the number sent
}

QTEST_GUILESS_MAIN(TestFrameCompare)
#include "tst_framecompare.moc"
