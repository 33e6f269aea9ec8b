// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelrows.h"
#include "link/channelframe.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zt41;

class TestChannelFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExamples_data();
    void workedExamples();
    void encodeEdgeCases_data();
    void encodeEdgeCases();
    void decodeEdgeCases_data();
    void decodeEdgeCases();
    void malformedFramesDecodeWithoutFailing_data();
    void malformedFramesDecodeWithoutFailing();
    void alignment_data();
    void alignment();
    void everyWrittenFrameIsAligned();
    void carryCheck_data();
    void carryCheck();
    void gridValuesRoundTrip();
};

void TestChannelFrame::workedExamples_data() {
    QTest::addColumn<int>("frameNumber");
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QString>("frame");
    QTest::newRow("first row with squelch")
        << 1 << "  3" << QStringList{"440.00000", "67.0", "445.00000", "250.3", "on", "L"} << "1"
        << "0311000086410000504470060325";
    QTest::newRow("second row") << 2 << "  3"
                                << QStringList{"438.50000", "88.5", "438.50000", "", "off", "H"}
                                << "2"
                                << "0100000071410000854385080000";
    QTest::newRow("empty sixteenth row")
        << 16 << "  3" << QStringList{"", "", "", "", "", ""} << "16"
        << "1500000000000000000000000000";
}

void TestChannelFrame::workedExamples() {
    QFETCH(int, frameNumber);
    QFETCH(QString, squelch);
    QFETCH(QStringList, row);
    QFETCH(QString, no);
    QFETCH(QString, frame);
    const ChannelRecord record = makeRow(no, row);
    QCOMPARE(EncodeChannelFrame(frameNumber, squelch, record), frame);

    ChannelRecord decoded;
    decoded[Field::No] = QStringLiteral("untouched");
    const QString squelchBack = DecodeChannelFrame(frame, frameNumber, decoded);
    QCOMPARE(squelchBack, frameNumber == 1 ? QStringLiteral("3") : QString());
    QCOMPARE(decoded.text(Field::No), QStringLiteral("untouched"));
    for (int f = 1; f <= 6; ++f)
        QCOMPARE(decoded.text(static_cast<Field>(f)), row[f - 1]);
}

void TestChannelFrame::encodeEdgeCases_data() {
    QTest::addColumn<int>("frameNumber");
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("frame");
    const QStringList empty{"", "", "", "", "", ""};
    QTest::newRow("squelch 0") << 1 << "0"
                               << "1" << empty << "0000000000000000000000000000";
    QTest::newRow("squelch empty") << 1 << ""
                                   << "1" << empty << "0000000000000000000000000000";
    QTest::newRow("squelch letters") << 1 << "abc"
                                     << "1" << empty << "0000000000000000000000000000";
    QTest::newRow("squelch 9") << 1 << "9"
                               << "1" << empty << "0900000000000000000000000000";
    QTest::newRow("squelch 3.5 rounds to even, two digits")
        << 1 << "3.5"
        << "1" << empty << "0400000000000000000000000000";
    QTest::newRow("squelch -1 clamps") << 1 << "-1"
                                       << "1" << empty << "0000000000000000000000000000";
    QTest::newRow("frame 1 ignores no") << 1 << "  3"
                                        << "" << empty << "0300000000000000000000000000";
    QTest::newRow("power trimmed")
        << 2 << ""
        << "2" << QStringList{"", "", "", "", "", " L "} << "0110000000000000000000000000";
    QTest::newRow("power case-sensitive")
        << 2 << ""
        << "2" << QStringList{"", "", "", "", "", "l"} << "0100000000000000000000000000";
    QTest::newRow("shift not trimmed")
        << 2 << ""
        << "2" << QStringList{"", "", "", "", " on", ""} << "0100000000000000000000000000";
    QTest::newRow("shift case-sensitive")
        << 2 << ""
        << "2" << QStringList{"", "", "", "", "On", ""} << "0100000000000000000000000000";
    QTest::newRow("no transmit frequency")
        << 3 << ""
        << "3" << QStringList{"145.01250", "", "", "", "off", "H"}
        << "0200501236120000000000000000";
    QTest::newRow("low tone padded")
        << 4 << ""
        << "4" << QStringList{"", "5.0", "", "", "", ""} << "0300000000000000000050000000";
    QTest::newRow("blank tone from the picker")
        << 5 << ""
        << "5" << QStringList{"145.00000", "   ", "145.00000", "  ", "  ", "  "}
        << "0400000036120000501400000000";
    QTest::newRow("sub-10 Hz digits dropped")
        << 6 << ""
        << "6" << QStringList{"438.123456", "", "", "", "", ""} << "0500452367410000000000000000";
    QTest::newRow("cell text of letters travels as empty")
        << 7 << ""
        << "7" << QStringList{"abc", "x", "y", "z", "", ""} << "0600000000000000000000000000";
    QTest::newRow("tone with hundredths keeps whole tenths")
        << 8 << ""
        << "8" << QStringList{"", "67.05", "", "", "", ""} << "0700000000000000000070060000";
    QTest::newRow("short count with fraction keeps whole units")
        << 9 << ""
        << "9" << QStringList{"", "", "21.4000055", "", "", ""} << "0800000000000000140200000000";
    QTest::newRow("Null text is no value")
        << 10 << ""
        << "10" << QStringList{"Null", "Null", "Null", "Null", "Null", "Null"}
        << "0900000000000000000000000000";
}

void TestChannelFrame::encodeEdgeCases() {
    QFETCH(int, frameNumber);
    QFETCH(QString, squelch);
    QFETCH(QString, no);
    QFETCH(QStringList, row);
    QFETCH(QString, frame);
    const QString encoded = EncodeChannelFrame(frameNumber, squelch, makeRow(no, row));
    QCOMPARE(encoded, frame);
    QVERIFY(isWellFormedFrame(encoded));
}

void TestChannelFrame::decodeEdgeCases_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("no transmit frequency reads back empty")
        << "0200501236120000000000000000" << QStringList{"145.01250", "", "", "", "off", "H"};
    QTest::newRow("empty bt and pw read back as off and H")
        << "0200501236125012501400000000"
        << QStringList{"145.01250", "", "145.01250", "", "off", "H"};
    QTest::newRow("shift flag on an empty channel")
        << "0201000000000000000000000000" << QStringList{"", "", "", "", "on", ""};
    QTest::newRow("power flag on an empty channel is dropped")
        << "0210000000000000000000000000" << QStringList{"", "", "", "", "", ""};
    QTest::newRow("low tone") << "0300000000000000000050005000"
                              << QStringList{"", "5.0", "", "5.0", "", ""};
}

void TestChannelFrame::decodeEdgeCases() {
    QFETCH(QString, frame);
    QFETCH(QStringList, row);
    ChannelRecord decoded;
    QCOMPARE(DecodeChannelFrame(frame, 3, decoded), QString());
    for (int f = 1; f <= 6; ++f)
        QCOMPARE(decoded.text(static_cast<Field>(f)), row[f - 1]);
}

void TestChannelFrame::malformedFramesDecodeWithoutFailing_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("squelch");
    QTest::addColumn<QString>("rf");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("one character") << "0"
                                   << ""
                                   << "";
    QTest::newRow("short") << "03110000864100"
                           << "3"
                           << "440.00000";
    QTest::newRow("long") << "0311000086410000504470060325999"
                          << "3"
                          << "440.00000";
    QTest::newRow("letters in the receive word") << "0311000086xx0000504470060325"
                                                 << "3"
                                                 << "";
    QTest::newRow("squelch letter passed on") << "0x00000000000000000000000000"
                                              << "x"
                                              << "";
}

void TestChannelFrame::malformedFramesDecodeWithoutFailing() {
    QFETCH(QString, frame);
    QFETCH(QString, squelch);
    QFETCH(QString, rf);
    ChannelRecord decoded;
    QCOMPARE(DecodeChannelFrame(frame, 1, decoded), squelch);
    QCOMPARE(decoded.text(Field::Rf), rf);
    QVERIFY(!isWellFormedFrame(frame));
}

void TestChannelFrame::carryCheck_data() {
    QTest::addColumn<int>("frameNumber");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("problem");
    const auto p = [](FrameProblem f) {
        return static_cast<int>(f);
    };
    QTest::newRow("grid values") << 2 << "2" << QStringList{"500.00000", "250.3", "130.00000",
                                                            "67.0",      "on",    "L"}
                                 << p(FrameProblem::None);
    QTest::newRow("empty row") << 16 << "16" << QStringList{"", "", "", "", "", ""}
                               << p(FrameProblem::None);
    QTest::newRow("frame 1 ignores no")
        << 1 << "" << QStringList{"", "", "", "", "", ""} << p(FrameProblem::None);
    QTest::newRow("receive below 21.4 MHz")
        << 2 << "2" << QStringList{"20", "", "", "", "", ""} << p(FrameProblem::ReceiveFrequency);
    QTest::newRow("receive with nine digits")
        << 2 << "2" << QStringList{"1021.4", "", "", "", "", ""}
        << p(FrameProblem::ReceiveFrequency);
    QTest::newRow("largest receive")
        << 2 << "2" << QStringList{"1021.39999", "", "", "", "", ""} << p(FrameProblem::None);
    QTest::newRow("transmit of 1000 MHz") << 2 << "2" << QStringList{"", "", "1000", "", "", ""}
                                          << p(FrameProblem::TransmitFrequency);
    QTest::newRow("negative transmit") << 2 << "2" << QStringList{"", "", "-145", "", "", ""}
                                       << p(FrameProblem::TransmitFrequency);
    QTest::newRow("tone of 1000 Hz")
        << 2 << "2" << QStringList{"", "1000", "", "", "", ""} << p(FrameProblem::ReceiveTone);
    QTest::newRow("negative transmit tone")
        << 2 << "2" << QStringList{"", "", "", "-67", "", ""} << p(FrameProblem::TransmitTone);
    QTest::newRow("overflowing number") << 2 << "2" << QStringList{"1e999", "", "", "", "", ""}
                                        << p(FrameProblem::ReceiveFrequency);
    QTest::newRow("empty channel number")
        << 2 << "" << QStringList{"", "", "", "", "", ""} << p(FrameProblem::ChannelNumber);
    QTest::newRow("channel number 101")
        << 2 << "101" << QStringList{"", "", "", "", "", ""} << p(FrameProblem::ChannelNumber);
    QTest::newRow("channel number 100")
        << 2 << "100" << QStringList{"", "", "", "", "", ""} << p(FrameProblem::None);
    QTest::newRow("fractional channel number")
        << 2 << "2.5" << QStringList{"", "", "", "", "", ""} << p(FrameProblem::ChannelNumber);
}

void TestChannelFrame::carryCheck() {
    QFETCH(int, frameNumber);
    QFETCH(QString, no);
    QFETCH(QStringList, row);
    QFETCH(int, problem);
    const ChannelRecord record = makeRow(no, row);
    QCOMPARE(static_cast<int>(frameProblem(frameNumber, record)), problem);
    // Whatever the row holds, the frame is 28 digits.
    QVERIFY(isWellFormedFrame(EncodeChannelFrame(frameNumber, QStringLiteral("3"), record)));
}

void TestChannelFrame::gridValuesRoundTrip() {
    // Any row the grid and the pickers can produce travels unchanged.
    QRandomGenerator rng(4141);
    const QStringList tones = {"", "67.0", "88.5", "100.0", "250.3", "5.0"};
    for (int i = 0; i < 2000; ++i) {
        const qint64 step = rng.bounded(2) ? 625 : 500;
        const auto frequency = [&] {
            const qint64 tens = (13000000 + rng.bounded(37000001)) / step * step;
            return QStringLiteral("%1.%2")
                .arg(tens / 100000)
                .arg(tens % 100000, 5, 10, QLatin1Char('0'));
        };
        const QString rf = frequency();
        const QString tf = rng.bounded(4) ? frequency() : QString();
        const QStringList row{rf,
                              tones[rng.bounded(int(tones.size()))],
                              tf,
                              tones[rng.bounded(int(tones.size()))],
                              rng.bounded(2) ? "on" : "off",
                              rng.bounded(2) ? "L" : "H"};
        const int frameNumber = 1 + rng.bounded(16);
        const QString squelch = QString::number(rng.bounded(10));
        const ChannelRecord record = makeRow(QString::number(frameNumber), row);
        QCOMPARE(frameProblem(frameNumber, record), FrameProblem::None);
        const QString frame = EncodeChannelFrame(frameNumber, squelch, record);
        QVERIFY(isWellFormedFrame(frame));
        ChannelRecord decoded;
        const QString squelchBack = DecodeChannelFrame(frame, frameNumber, decoded);
        if (frameNumber == 1)
            QCOMPARE(squelchBack, squelch);
        else
            QCOMPARE(frame.left(2).toInt(), frameNumber - 1);
        for (int f = 1; f <= 6; ++f)
            QCOMPARE(decoded.text(static_cast<Field>(f)), row[f - 1]);
    }
}

void TestChannelFrame::alignment_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("frameNumber");
    QTest::addColumn<bool>("aligned");
    const QString rest(26, u'0');
    QTest::newRow("frame 1 carries any squelch") << "97" + rest << 1 << true;
    QTest::newRow("frame 2 carries 01") << "01" + rest << 2 << true;
    QTest::newRow("frame 16 carries 15") << "15" + rest << 16 << true;
    QTest::newRow("frame 2 carrying 00") << "00" + rest << 2 << false;
    QTest::newRow("frame 10 carrying 10") << "10" + rest << 10 << false;
    QTest::newRow("shifted by one digit") << "0" + rest + "0" << 2 << false;
    QTest::newRow("slot of one digit") << "1" << 2 << false;
}

void TestChannelFrame::alignment() {
    QFETCH(QString, frame);
    QFETCH(int, frameNumber);
    QFETCH(bool, aligned);
    QCOMPARE(isAlignedFrame(frame, frameNumber), aligned);
}

void TestChannelFrame::everyWrittenFrameIsAligned() {
    // What the program writes from its 16 numbered rows must read back.
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString frame = EncodeChannelFrame(
            k, QStringLiteral("9"), makeRow(k, {"440.00000", "67.0", "", "", "on", "L"}));
        QVERIFY2(isAlignedFrame(frame, k), qPrintable(frame));
    }
}

QTEST_GUILESS_MAIN(TestChannelFrame)
#include "tst_channelframe.moc"
