// The rules every way in shares: which values of a channel set may go to the
// radio, and which are named, by channel, field and reason.
#include "channelrows.h"
#include "channels/channelcheck.h"

#include <QTest>

using namespace zt41;

Q_DECLARE_METATYPE(QList<ChannelFinding>)

namespace {
const QStringList kChannel = {"145.01250", "88.5", "145.61250", "100.0", "off", "H"};

QStringList with(int field, const QString& value) {
    QStringList six = kChannel;
    six[field - 1] = value;
    return six;
}
} // namespace

class TestChannelCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findings_data();
    void findings();
};

void TestChannelCheck::findings_data() {
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<QString>("no"); // of channel 3
    QTest::addColumn<QStringList>("six");
    QTest::addColumn<QList<ChannelFinding>>("expected");
    using R = CheckReason;
    const auto at = [](Field f, const QString& v, R r) {
        return QList<ChannelFinding>{{3, f, v, r}};
    };
    QTest::newRow("a typed channel") << "3"
                                     << "3" << kChannel << QList<ChannelFinding>{};
    QTest::newRow("what the window lets in: empty, blank picks, 0, tx alone, 67, +5e2")
        << "-1"
        << " 3 " << QStringList{"0", "   ", "500", "67", "  ", ""} << QList<ChannelFinding>{};
    QTest::newRow("power on an empty channel")
        << "  9"
        << "3" << QStringList{"", "", "", "", "", "L"} << QList<ChannelFinding>{};
    QTest::newRow("600 MHz") << "3"
                             << "3" << with(1, "600.00000")
                             << at(Field::Rf, "600.00000", R::OutOfRange);
    QTest::newRow("1e300 MHz") << "3"
                               << "3" << with(3, "1e300") << at(Field::Tf, "1e300", R::OutOfRange);
    QTest::newRow("off every step")
        << "3"
        << "3" << with(1, "146.52130") << at(Field::Rf, "146.52130", R::OffStep);
    QTest::newRow("finer than 10 Hz")
        << "3"
        << "3" << with(3, "145.0125001") << at(Field::Tf, "145.0125001", R::FinerThan10Hz);
    QTest::newRow("letters") << "3"
                             << "3" << with(1, "abc") << at(Field::Rf, "abc", R::NotANumber);
    QTest::newRow("a number and more")
        << "3"
        << "3" << with(1, "145abc") << at(Field::Rf, "145abc", R::NotANumber);
    QTest::newRow("a tone off the set")
        << "3"
        << "3" << with(2, "77.7") << at(Field::Rct, "77.7", R::NotATone);
    QTest::newRow("a tone with hundredths")
        << "3"
        << "3" << with(4, "71.94") << at(Field::Tct, "71.94", R::NotATone);
    QTest::newRow("shift ON") << "3"
                              << "3" << with(5, "ON") << at(Field::Bt, "ON", R::NotAChoice);
    QTest::newRow("power 5W") << "3"
                              << "3" << with(6, "5W") << at(Field::Pw, "5W", R::NotAChoice);
    QTest::newRow("row out of its place")
        << "3"
        << "5" << kChannel << at(Field::No, "5", R::ChannelNumber);
    QTest::newRow("row without a number") << "3"
                                          << "" << kChannel << at(Field::No, "", R::ChannelNumber);
    QTest::newRow("squelch 12") << "12"
                                << "3" << kChannel
                                << QList<ChannelFinding>{{0, Field::No, "12", R::SquelchLevel}};
    QTest::newRow("squelch 9.5 rounds to 10")
        << "9.5"
        << "3" << kChannel << QList<ChannelFinding>{{0, Field::No, "9.5", R::SquelchLevel}};
    QTest::newRow("squelch -1e400 no file could load")
        << "-1e400"
        << "3" << kChannel << QList<ChannelFinding>{{0, Field::No, "-1e400", R::SquelchLevel}};
}

void TestChannelCheck::findings() {
    QFETCH(QString, squelch);
    QFETCH(QString, no);
    QFETCH(QStringList, six);
    QFETCH(QList<ChannelFinding>, expected);
    ChannelRows rows{};
    for (int k = 1; k <= kChannelCount; ++k)
        rows[k - 1] = makeRow(k, k == 3 ? six : kChannel);
    rows[2][Field::No] = no;
    rows[0][Field::No] = QString(); // a write numbers channel 1 itself
    QCOMPARE(checkChannelSet(squelch, rows), expected);
}

QTEST_APPLESS_MAIN(TestChannelCheck)
#include "tst_channelcheck.moc"
