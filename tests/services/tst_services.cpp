// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelrows.h"
#include "channels/cellrule.h"
#include "services/service.h"
#include "services/servicecheck.h"

#include <QSet>
#include <QTest>

using namespace zt41;

Q_DECLARE_METATYPE(zt41::ChannelRows)
Q_DECLARE_METATYPE(QList<zt41::ServiceFinding>)

namespace {

// Channel k holding six data fields, every other channel empty.
ChannelRows oneChannel(int k, const QStringList& six) {
    ChannelRows rows{};
    for (int n = 1; n <= kChannelCount; ++n)
        rows[n - 1] = makeRow(n, n == k ? six : QStringList{"", "", "", "", "", ""});
    return rows;
}

} // namespace

using F = ServiceFinding;

namespace {

// Channel k's power setting `pw` puts out `watts`, above `limit`.
F power(int k, const char* pw, double watts, double limit) {
    return {k, Field::Pw, FindingKind::HighPower, pw, 0, "", watts, limit};
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plansKeepTheRadiosSteps_data();
    void plansKeepTheRadiosSteps();
    void check_data();
    void check();
    void planRowsPassTheirOwnCheck();
};

void TestServices::plansKeepTheRadiosSteps_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("eighth");
    QTest::addColumn<QString>("last");
    QTest::newRow("PMR446") << "pmr446" << 16 << "446.00625"
                            << "446.09375"
                            << "446.19375";
    QTest::newRow("409 MHz public band") << "cn409" << 20 << "409.75000"
                                         << "409.83750"
                                         << "409.98750";
    QTest::newRow("FRS, 8 on 467 MHz, 22 on 462.725") << "frs" << 22 << "462.56250"
                                                      << "467.56250"
                                                      << "462.72500";
    QTest::newRow("LPD433") << "lpd433" << 69 << "433.07500"
                            << "433.25000"
                            << "434.77500";
}

void TestServices::plansKeepTheRadiosSteps() {
    QFETCH(QString, id);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, eighth);
    QFETCH(QString, last);
    const Service* s = findService(id);
    QVERIFY(s);
    QVERIFY(!s->name.zh.isEmpty() && !s->name.en.isEmpty() && !s->note.zh.isEmpty() &&
            !s->note.en.isEmpty() && !s->powerLimit.en.isEmpty() && s->simplex);
    QCOMPARE(s->plan.size(), count);
    QCOMPARE(s->frequencyText(1), first);
    QCOMPARE(s->frequencyText(8), eighth);
    QCOMPARE(s->frequencyText(count), last);
    QCOMPARE(QSet<qint64>(s->plan.begin(), s->plan.end()).size(), count);
    // Each channel is a frequency the grid would keep exactly as it stands.
    for (int n = 1; n <= count; ++n) {
        const double mhz = s->plan[n - 1] / 100000.0;
        QVERIFY2(CellRule::inRange(mhz) && CellRule::normalise(mhz) == s->frequencyText(n),
                 qPrintable(s->frequencyText(n)));
    }
}

void TestServices::check_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<ChannelRows>("rows");
    QTest::addColumn<QList<ServiceFinding>>("findings");
    QTest::newRow("on the plan, low power, tones allowed")
        << "frs" << oneChannel(4, {"462.63750", "88.5", "462.63750", "88.5", "off", "L"})
        << QList<ServiceFinding>{};
    QTest::newRow("receive only at high power: no transmit frequency")
        << "pmr446" << oneChannel(2, {"446.01875", "", "", "", "off", "H"})
        << QList<ServiceFinding>{};
    QTest::newRow("low power is the radio's 1 W: above LPD433's 10 mW")
        << "lpd433" << oneChannel(3, {"433.12500", "", "433.12500", "", "off", "L"})
        << QList<ServiceFinding>{power(3, "L", 1, 0.01)};
    QTest::newRow("FRS channels 8 to 14 allow 0.5 W")
        << "frs" << oneChannel(8, {"467.56250", "", "467.56250", "", "off", "L"})
        << QList<ServiceFinding>{power(8, "L", 1, 0.5)};
    QTest::newRow("transmit only, off the plan")
        << "pmr446" << oneChannel(6, {"", "", "145.50000", "", "off", "L"})
        << QList<ServiceFinding>{F{6, Field::Tf, FindingKind::OffPlan, "145.50000", 1, "446.00625"},
                                 power(6, "L", 1, 0.5)};
    QTest::newRow("an empty channel is not judged")
        << "cn409" << oneChannel(1, {"", "", "", "", "on", "H"}) << QList<ServiceFinding>{};
    QTest::newRow("between two channels: the lower is nearest")
        << "pmr446" << oneChannel(3, {"446.02500", "", "446.02500", "", "off", "L"})
        << QList<ServiceFinding>{F{3, Field::Rf, FindingKind::OffPlan, "446.02500", 2, "446.01875"},
                                 F{3, Field::Tf, FindingKind::OffPlan, "446.02500", 2, "446.01875"},
                                 power(3, "L", 1, 0.5)};
    QTest::newRow("repeater offset: off the plan and not simplex")
        << "pmr446" << oneChannel(5, {"446.05625", "", "441.05625", "", "off", "L"})
        << QList<ServiceFinding>{
               F{5, Field::Tf, FindingKind::OffPlan, "441.05625", 1, "446.00625"},
               F{5, Field::Tf, FindingKind::NotSimplex, "441.05625", 1, "446.00625"},
               power(5, "L", 1, 0.5)};
    QTest::newRow("split between two channels of the plan")
        << "frs" << oneChannel(16, {"462.56250", "", "467.56250", "", "off", "L"})
        << QList<ServiceFinding>{
               F{16, Field::Tf, FindingKind::NotSimplex, "467.56250", 8, "467.56250"},
               power(16, "L", 1, 0.5)};
    QTest::newRow("high power, and blank power is high power") << "lpd433" << [] {
        ChannelRows rows = oneChannel(1, {"433.07500", "", "433.07500", "", "off", "H"});
        rows[15] = makeRow(16, {"434.77500", "", "434.77500", "", "", " "});
        return rows;
    }() << QList<ServiceFinding>{power(1, "H", 5, 0.01), power(16, "H", 5, 0.01)};
    QTest::newRow("judged as the radio holds it: finer than 10 Hz is dropped")
        << "cn409" << oneChannel(7, {"409.750009", "", "409.75 ", "", "off", "L"})
        << QList<ServiceFinding>{power(7, "L", 1, 0.5)};
    QTest::newRow("a 5 kHz neighbour is off the plan")
        << "cn409" << oneChannel(9, {"409.75500", "", "409.75500", "", "off", "L"})
        << QList<ServiceFinding>{F{9, Field::Rf, FindingKind::OffPlan, "409.75500", 1, "409.75000"},
                                 F{9, Field::Tf, FindingKind::OffPlan, "409.75500", 1, "409.75000"},
                                 power(9, "L", 1, 0.5)};
}

void TestServices::check() {
    QFETCH(QString, id);
    QFETCH(ChannelRows, rows);
    QFETCH(QList<ServiceFinding>, findings);
    const QList<ServiceFinding> got = checkChannels(*findService(id), rows);
    QCOMPARE(got, findings);
}

void TestServices::planRowsPassTheirOwnCheck() {
    for (const Service& s : services()) {
        const ChannelRows rows = planRows(s);
        QCOMPARE(checkChannels(s, rows), QList<ServiceFinding>{});
        // Receive only where the radio's low power is above the limit.
        const QString transmit = s.limitWatts(16) >= 1 ? s.frequencyText(16) : QString();
        QCOMPARE(rows[15], makeRow(16, {s.frequencyText(16), "", transmit, "", "off", "L"}));
    }
    QCOMPARE(planSquelch(), QStringLiteral("3"));
}

QTEST_GUILESS_MAIN(TestServices)
#include "tst_services.moc"
