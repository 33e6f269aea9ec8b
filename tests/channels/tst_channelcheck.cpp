// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every way in shares: which values of a channel set may go to the
// radio, and which are named, by channel, field and reason.
#include "channelrows.h"
#include "channels/channelcheck.h"

#include <QTest>

using namespace zt41;

Q_DECLARE_METATYPE(QList<ChannelFinding>)

class TestChannelCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findings_data();
    void findings();
};

void TestChannelCheck::findings_data() {
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<int>("field"); // of channel 3, set to `value`
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("reason"); // -1: no finding
    using R = CheckReason;
    const auto row = [](const char* name, const char* squelch, Field f, const char* v, int r) {
        QTest::newRow(name) << squelch << int(f) << v << r;
    };
    row("a typed channel", "3", Field::Rf, "145.01250", -1);
    row("a tone written as 67, a level of -1", "-1", Field::Rct, "67", -1);
    row("a blank pick", "  9", Field::Tct, "  ", -1);
    row("a transmit frequency alone, as an out-of-range receive one leaves it", "3", Field::Rf, "",
        -1);
    row("no receive frequency: the cell rule's empty channel", "3", Field::Rf, "0", -1);
    row("a file's database null, in a frequency", "3", Field::Rf, "Null", -1);
    row("a file's database null, in a tone", "3", Field::Tct, "Null", -1);
    row("a file's database null, in the power", "3", Field::Pw, "Null", -1);
    row("a file's empty frequency", "3", Field::Tf, ".00000", -1);
    row("a tone of 0, which travels as none", "3", Field::Rct, "0", -1);
    row("600 MHz", "3", Field::Rf, "600.00000", int(R::OutOfRange));
    row("1e300 MHz", "3", Field::Tf, "1e300", int(R::OutOfRange));
    row("off every step: a warning only", "3", Field::Rf, "146.52130", int(R::OffStep));
    row("finer than 10 Hz", "3", Field::Tf, "145.0125001", int(R::FinerThan10Hz));
    row("letters", "3", Field::Rf, "abc", int(R::NotANumber));
    row("a number and more", "3", Field::Tf, "145abc", int(R::NotANumber));
    row("a tone off the set", "3", Field::Rct, "77.7", int(R::NotATone));
    row("a tone with hundredths", "3", Field::Tct, "71.94", int(R::NotATone));
    row("shift ON", "3", Field::Bt, "ON", int(R::NotAChoice));
    row("power 5W", "3", Field::Pw, "5W", int(R::NotAChoice));
    row("a row out of its place", "3", Field::No, "5", int(R::ChannelNumber));
    row("a row without a number", "3", Field::No, "", int(R::ChannelNumber));
    row("squelch 9.5 rounds to 10", "9.5", Field::No, "3", int(R::SquelchLevel));
    row("squelch -1e400, which no file could load", "-1e400", Field::No, "3", int(R::SquelchLevel));
}

void TestChannelCheck::findings() {
    QFETCH(QString, squelch);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(int, reason);
    ChannelRows rows{};
    for (int k = 1; k <= kChannelCount; ++k)
        rows[k - 1] = makeRow(k, {"145.01250", "88.5", "145.61250", "100.0", "off", "H"});
    rows[0][Field::No] = QString(); // a write numbers channel 1 itself
    rows[2].fields[field] = value;
    QList<ChannelFinding> expected;
    if (reason == int(CheckReason::SquelchLevel))
        expected = {{0, Field::No, squelch, CheckReason::SquelchLevel}};
    else if (reason >= 0)
        expected = {{3, Field(field), value, CheckReason(reason)}};
    const QList<ChannelFinding> found = checkChannelSet(squelch, rows);
    QCOMPARE(found, expected);
    // Only a value the frame carries exactly is let through with a warning.
    QCOMPARE(refusals(found).isEmpty(), reason < 0 || reason == int(CheckReason::OffStep));
    QCOMPARE(warnings(found).size() + refusals(found).size(), found.size());
}

QTEST_APPLESS_MAIN(TestChannelCheck)
#include "tst_channelcheck.moc"
