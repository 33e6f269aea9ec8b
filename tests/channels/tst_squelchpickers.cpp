// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "channels/pickers.h"
#include "channels/squelch.h"
#include "channels/tones.h"
#include "tablefixture.h"

#include <QTest>

using namespace zt41;

class TestSquelchPickers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void squelchCheck_data();
    void squelchCheck();
    void frameLevel_data();
    void frameLevel();
    void itemLists();
    void picksWriteTheirFieldsInOrder();
    void pickWithoutCurrentRowWritesNothing();
};

void TestSquelchPickers::squelchCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("12 is rejected") << "12"
                                    << "3";
    QTest::newRow("9 stays") << "9"
                             << "9";
    QTest::newRow("picked 9 stays") << "  9"
                                    << "  9";
    QTest::newRow("9.5 rounds to 10") << "9.5"
                                      << "3";
    QTest::newRow("8.5 rounds to 8") << "8.5"
                                     << "8.5";
    QTest::newRow("9.49 rounds to 9") << "9.49"
                                      << "9.49";
    QTest::newRow("99999") << "99999"
                           << "3";
    QTest::newRow("however large") << "1e999"
                                   << "3";
    QTest::newRow("negative passes") << "-1"
                                     << "-1";
    QTest::newRow("letters pass") << "abc"
                                  << "abc";
    QTest::newRow("empty passes") << ""
                                  << "";
    QTest::newRow("blanks around 15") << " 15 "
                                      << "3";
}

void TestSquelchPickers::squelchCheck() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(Squelch::afterCheck(typed), shown);
    QCOMPARE(Squelch::isRefused(typed), shown != typed);
    // Setting "3" runs the check again, which passes.
    QVERIFY(!Squelch::isRefused(Squelch::afterCheck(typed)));
}

void TestSquelchPickers::frameLevel_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("level");
    QTest::newRow("picked") << "  3" << 3;
    QTest::newRow("half rounds to even") << "3.5" << 4;
    QTest::newRow("negative clamps") << "-1" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("above nine clamps") << "12" << 9;
}

void TestSquelchPickers::frameLevel() {
    QFETCH(QString, text);
    QFETCH(int, level);
    QCOMPARE(Squelch::levelForFrame(text), level);
}

void TestSquelchPickers::itemLists() {
    QCOMPARE(Squelch::items(),
             (QStringList{"  0", "  1", "  2", "  3", "  4", "  5", "  6", "  7", "  8", "  9"}));
    QCOMPARE(Squelch::initialText(), QStringLiteral("3"));
    QCOMPARE(toneSet().size(), 39);
    QCOMPARE(toneSet().first(), QStringLiteral("67.0"));
    QCOMPARE(toneSet().last(), QStringLiteral("250.3"));
    QCOMPARE(toneSet().indexOf(QStringLiteral("192.8")) + 1,
             toneSet().indexOf(QStringLiteral("203.5")));
    const QStringList both = Pickers::items(Picker::BothTones);
    QCOMPARE(both.size(), 40);
    QCOMPARE(both.first(), QStringLiteral("   "));
    QCOMPARE(both.mid(1), toneSet());
    const QStringList transmit = Pickers::items(Picker::TransmitTone);
    QCOMPARE(transmit.first(), QStringLiteral("  "));
    QCOMPARE(transmit.mid(1), toneSet());
    QCOMPARE(Pickers::items(Picker::Shift), (QStringList{"off", "on", "  "}));
    QCOMPARE(Pickers::items(Picker::Power), (QStringList{"H", "L"}));
}

void TestSquelchPickers::picksWriteTheirFieldsInOrder() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.table->setCurrentRow(3);
    QList<Field> order;
    connect(fx.table.get(), &ChannelTable::fieldChanged, this, [&](int row, Field f) {
        if (row == 3)
            order << f;
    });
    QVERIFY(Pickers::pick(*fx.table, Picker::BothTones, QStringLiteral("88.5")));
    QCOMPARE(order, (QList<Field>{Field::Rct, Field::Tct}));
    QVERIFY(Pickers::pick(*fx.table, Picker::TransmitTone, QStringLiteral("100.0")));
    QCOMPARE(fx.table->row(3).text(Field::Rct), QStringLiteral("88.5"));
    QCOMPARE(fx.table->row(3).text(Field::Tct), QStringLiteral("100.0"));
    QVERIFY(Pickers::pick(*fx.table, Picker::BothTones, QStringLiteral("   ")));
    QCOMPARE(fx.table->row(3).text(Field::Rct), QStringLiteral("   "));
    QCOMPARE(fx.table->row(3).text(Field::Tct), QStringLiteral("   "));
    QVERIFY(Pickers::pick(*fx.table, Picker::TransmitTone, QStringLiteral("  ")));
    QCOMPARE(fx.table->row(3).text(Field::Tct), QStringLiteral("  "));
    QVERIFY(Pickers::pick(*fx.table, Picker::Shift, QStringLiteral("on")));
    QVERIFY(Pickers::pick(*fx.table, Picker::Power, QStringLiteral("L")));
    // Nothing is checked: the row is still an empty channel with tone, shift and power set.
    const ChannelRecord& row = fx.table->row(3);
    QCOMPARE(row.text(Field::Rf), QString());
    QCOMPARE(row.text(Field::Bt), QStringLiteral("on"));
    QCOMPARE(row.text(Field::Pw), QStringLiteral("L"));
}

void TestSquelchPickers::pickWithoutCurrentRowWritesNothing() {
    TableFixture fx;
    QVERIFY(fx.open());
    const ChannelRows before = fx.table->rows();
    fx.table->setCurrentRow(ChannelTable::kNoRow);
    for (Picker p : {Picker::BothTones, Picker::TransmitTone, Picker::Shift, Picker::Power})
        QVERIFY(!Pickers::pick(*fx.table, p, Pickers::items(p).last()));
    QCOMPARE(fx.table->rows(), before);
}

QTEST_GUILESS_MAIN(TestSquelchPickers)
#include "tst_squelchpickers.moc"
