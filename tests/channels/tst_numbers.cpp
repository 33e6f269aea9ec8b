// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace zt41;

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numericValue_data();
    void numericValue();
    void nullAndOverflow();
    void outOfRangeByMagnitude_data();
    void outOfRangeByMagnitude();
    void formats_data();
    void formats();
    void shortest_data();
    void shortest();
    void significantDigits();
    void halfEven_data();
    void halfEven();
};

void TestNumbers::numericValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "438.50000" << 438.5;
    QTest::newRow("letters after the number") << "145.0125abc" << 145.0125;
    QTest::newRow("blanks between digits") << "1 4 5 . 0 1 2 5" << 145.0125;
    QTest::newRow("tabs and line feeds ignored") << "\t14\n5.0125" << 145.0125;
    QTest::newRow("carriage return ends it") << "14\r5" << 14.0;
    QTest::newRow("leading blanks") << " 67.0" << 67.0;
    QTest::newRow("starts with a letter") << "a145" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("decimal comma stops") << "145,5" << 145.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("negative") << "-12.5" << -12.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("sign apart from digits") << "- 5" << -5.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
    QTest::newRow("capital exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+x" << 3.0;
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("full-width digits are no number") << QStringLiteral("１２") << 0.0;
    QTest::newRow("ten digit count") << "12361250" << 12361250.0;
}

void TestNumbers::numericValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(zt41::numericValue(text), value);
}

void TestNumbers::nullAndOverflow() {
    QCOMPARE(zt41::numericValue(FieldValue()), 0.0);
    QCOMPARE(zt41::numericValue(FieldValue(QStringLiteral("12"))), 12.0);
    QVERIFY(std::isinf(zt41::numericValue(QStringLiteral("1e400"))));
    QVERIFY(zt41::numericValue(QStringLiteral("-1e400")) < 0);
    QCOMPARE(zt41::numericValue(QStringLiteral("1e-400")), 0.0);
}

void TestNumbers::outOfRangeByMagnitude_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // an infinity: too large
    const double inf = std::numeric_limits<double>::infinity();
    const QString zeros323(323, u'0');
    const QString zeros400(400, u'0');
    QTest::newRow("tiny written with zeros is zero") << "0." + zeros323 + "1" << 0.0;
    QTest::newRow("tiny negative written with zeros is zero") << "-0." + zeros323 + "1" << 0.0;
    QTest::newRow("tiny despite a positive exponent") << "0." + zeros400 + "1e50" << 0.0;
    QTest::newRow("tiny by exponent") << "1e-400" << 0.0;
    QTest::newRow("huge despite a negative exponent") << "1" + zeros400 + "e-1" << inf;
    QTest::newRow("huge negative despite a negative exponent") << "-1" + zeros400 + "e-1" << -inf;
    QTest::newRow("huge written with digits") << "1" + zeros400 << inf;
    QTest::newRow("leading zeros do not make it huge") << zeros400 + "1e-400" << 0.0;
    QTest::newRow("huge by exponent") << "1e999" << inf;
    QTest::newRow("huge by an exponent of many digits") << "1e99999999999999999999999" << inf;
    QTest::newRow("tiny by an exponent of many digits") << "1e-99999999999999999999999" << 0.0;
    QTest::newRow("smallest subnormal still counts") << "5e-324" << 5e-324;
    QTest::newRow("largest double still counts")
        << "1.7976931348623157e308" << 1.7976931348623157e308;
}

void TestNumbers::outOfRangeByMagnitude() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(zt41::numericValue(text), value);
}

void TestNumbers::formats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole MHz") << 440.0 << 5 << "440.00000";
    QTest::newRow("half MHz") << 438.5 << 5 << "438.50000";
    QTest::newRow("below one has no leading zero") << 0.5 << 5 << ".50000";
    QTest::newRow("zero") << 0.0 << 5 << ".00000";
    QTest::newRow("rounded to five decimals") << 145.0125004 << 5 << "145.01250";
    QTest::newRow("negative below one") << -0.5 << 5 << "-.50000";
    QTest::newRow("negative zero has no sign") << -0.000001 << 5 << ".00000";
    QTest::newRow("tone") << 67.0 << 1 << "67.0";
    QTest::newRow("tone with decimal") << 250.3 << 1 << "250.3";
    QTest::newRow("low tone") << 5.0 << 1 << "5.0";
}

void TestNumbers::formats() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(formatFixed(value, decimals), text);
}

void TestNumbers::shortest_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("trailing zero dropped") << 3.5 << "3.5";
    QTest::newRow("zero before point") << 0.5 << "0.5";
    QTest::newRow("tone") << 69.3 << "69.3";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("large has no exponent") << 1e20 << "100000000000000000000";
}

void TestNumbers::shortest() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(shortestDecimal(value), text);
}

void TestNumbers::significantDigits() {
    // The floating-point product is a hair below the count; 15 digits put it right.
    const double raw = zt41::numericValue(QStringLiteral("145.0125")) * 100000 - 2140000;
    QCOMPARE(roundToSignificant15(raw), 12361250.0);
    QCOMPARE(roundToSignificant15(69.3 * 10), 693.0);
    QCOMPARE(roundToSignificant15(0.0), 0.0);
}

void TestNumbers::halfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half down to even") << 8.5 << 8.0;
    QTest::newRow("half up to even") << 9.5 << 10.0;
    QTest::newRow("below half") << 9.49 << 9.0;
    QTest::newRow("negative half") << -0.5 << -0.0;
}

void TestNumbers::halfEven() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
