// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiomodel.h"

#include <QTest>

using namespace zt41;
using namespace zt41::sim;
using namespace std::chrono_literals;

namespace {

// Sixteen frames unlike the empty radio's, one of them carrying characters a
// broken program might send, which the radio keeps as they came.
RadioFrames sampleFrames() {
    RadioFrames frames;
    for (int k = 1; k <= kChannelCount; ++k)
        frames[k - 1] = QByteArray::number(k * 1000003).leftJustified(kFrameLength, '7');
    frames[5] = QByteArray("05C5A x").leftJustified(kFrameLength, '9');
    return frames;
}

QByteArray joined(const RadioFrames& frames, int count = kChannelCount) {
    QByteArray stream;
    for (int k = 0; k < count; ++k)
        stream += frames[k];
    return stream;
}

// Feeds `bytes` in pieces of the given sizes, cycling through them, as a
// line delivers them; returns everything the radio said and how often it stored.
struct FeedResult {
    QByteArray reply;
    int stores = 0;
};

FeedResult feedInPieces(RadioModel& radio, const QByteArray& bytes, QList<int> sizes,
                        std::chrono::milliseconds at = 0ms) {
    FeedResult result;
    qsizetype pos = 0;
    for (int i = 0; pos < bytes.size(); ++i) {
        const qsizetype size = std::min<qsizetype>(sizes[i % sizes.size()], bytes.size() - pos);
        const RadioModel::Outcome out = radio.feed(QByteArrayView(bytes).sliced(pos, size), at);
        result.reply += out.reply;
        result.stores += out.stored ? 1 : 0;
        pos += size;
        at += 10ms;
    }
    return result;
}

} // namespace

class TestRadioModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handshakeAnswersEachC();
    void freshRadioReadsAsEmpty();
    void writeIsStoredWhateverTheChunking_data();
    void writeIsStoredWhateverTheChunking();
    void writeDataIsNeverTakenForCommands();
    void otherCharactersAreIgnored();
    void shortWriteIsAbandonedAfterSilence();
    void slowButSteadyWriteIsKept();
    void corruptChannelStoresOneDigitOff_data();
    void corruptChannelStoresOneDigitOff();
    void stopAfterSendsOnlyTheFirstFrames_data();
    void stopAfterSendsOnlyTheFirstFrames();
    void noiseComesBeforeTheAnswers();
    void lowercaseAnswer();
    void silentRadioSaysNothingButStillStores();
    void glitchesOfTheFirstTransfer_data();
    void glitchesOfTheFirstTransfer();
};

void TestRadioModel::handshakeAnswersEachC() {
    RadioModel radio;
    QCOMPARE(radio.feed("C", 0ms).reply, QByteArray("C"));
    QCOMPARE(radio.feed("CCC", 100ms).reply, QByteArray("CCC"));
    // Lower case is not the handshake.
    QCOMPARE(radio.feed("c", 200ms).reply, QByteArray());
}

void TestRadioModel::freshRadioReadsAsEmpty() {
    RadioModel radio;
    const QByteArray stream = radio.feed("5", 0ms).reply;
    QCOMPARE(stream.size(), RadioModel::kWriteLength);
    const QByteArray zeros(26, '0');
    QCOMPARE(stream.first(kFrameLength), "03" + zeros);
    QCOMPARE(stream.sliced(kFrameLength, kFrameLength), "01" + zeros);
    QCOMPARE(stream.sliced(9 * kFrameLength, kFrameLength), "09" + zeros);
    QCOMPARE(stream.last(kFrameLength), "15" + zeros);
}

void TestRadioModel::writeIsStoredWhateverTheChunking_data() {
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("one byte at a time") << QList<int>{1};
    QTest::newRow("frame by frame") << QList<int>{1, 28};
    QTest::newRow("ragged pieces") << QList<int>{3, 27, 1, 55, 2};
    QTest::newRow("all at once") << QList<int>{1 + RadioModel::kWriteLength};
}

void TestRadioModel::writeIsStoredWhateverTheChunking() {
    QFETCH(QList<int>, sizes);
    RadioModel radio;
    const RadioFrames frames = sampleFrames();
    const FeedResult write = feedInPieces(radio, "A" + joined(frames), sizes);
    QCOMPARE(write.reply, QByteArray());
    QCOMPARE(write.stores, 1);
    QVERIFY(!radio.writeInProgress());
    QCOMPARE(radio.frames(), frames);
    QCOMPARE(radio.feed("5", 1s).reply, joined(frames));
}

void TestRadioModel::writeDataIsNeverTakenForCommands() {
    // Once the write is complete, the very next byte is a command again.
    RadioModel radio;
    QByteArray data(RadioModel::kWriteLength, 'C');
    data.replace(0, 3, "5A5");
    const RadioModel::Outcome out = radio.feed("A" + data + "C", 0ms);
    QVERIFY(out.stored);
    QCOMPARE(out.reply, QByteArray("C"));
    QCOMPARE(radio.frames()[0].first(4), QByteArray("5A5C"));
}

void TestRadioModel::otherCharactersAreIgnored() {
    RadioModel radio;
    const RadioModel::Outcome out = radio.feed(QByteArray("x\r\n\0 9BC", 8), 0ms);
    QCOMPARE(out.reply, QByteArray("C"));
    QVERIFY(!out.notes.isEmpty());
    QVERIFY(!radio.writeInProgress());
}

void TestRadioModel::shortWriteIsAbandonedAfterSilence() {
    RadioModel radio;
    const RadioFrames before = radio.frames();
    const QByteArray data = joined(sampleFrames());

    radio.feed("A" + data.first(100), 0ms);
    QVERIFY(radio.writeInProgress());
    const auto late = RadioModel::kWriteSilenceLimit + 1ms;
    // The program's next handshake must be heard as one, not as frame data.
    const RadioModel::Outcome out = radio.feed("C", late);
    QCOMPARE(out.reply, QByteArray("C"));
    QVERIFY(!out.stored);
    QVERIFY(!radio.writeInProgress());
    QCOMPARE(radio.frames(), before);

    // A write silent right after its "A" is given up just the same.
    radio.feed("A", late);
    QCOMPARE(radio.feed("5", late * 2).reply, joined(before));

    // And the radio takes a full write afterwards.
    QCOMPARE(feedInPieces(radio, "A" + data, {28}, late * 3).stores, 1);
    QCOMPARE(joined(radio.frames()), data);
}

void TestRadioModel::slowButSteadyWriteIsKept() {
    // Gaps right at the limit do not end the write; only longer ones do.
    RadioModel radio;
    const RadioFrames frames = sampleFrames();
    auto at = 0ms;
    radio.feed("A", at);
    int stores = 0;
    for (const QByteArray& frame : frames) {
        at += RadioModel::kWriteSilenceLimit;
        stores += radio.feed(frame, at).stored ? 1 : 0;
    }
    QCOMPARE(stores, 1);
    QCOMPARE(radio.frames(), frames);
}

void TestRadioModel::corruptChannelStoresOneDigitOff_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("channel 1, 440 MHz: 10 Hz up") << 1 << QByteArray("0311000086410000504470060325")
                                                  << QByteArray("0311010086410000504470060325");
    QTest::newRow("channel 16, empty: 10 Hz above nothing")
        << 16 << QByteArray("1500000000000000000000000000")
        << QByteArray("1500010000000000000000000000");
    QTest::newRow("a 9 wraps to 0") << 9 << QByteArray("0800090000000000000000000000")
                                    << QByteArray("0800000000000000000000000000");
    QTest::newRow("none") << 0 << QByteArray("0311000086410000504470060325")
                          << QByteArray("0311000086410000504470060325");
}

void TestRadioModel::corruptChannelStoresOneDigitOff() {
    QFETCH(int, channel);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, stored);
    RadioQuirks quirks;
    quirks.corruptChannel = channel;
    RadioModel radio(quirks);
    RadioFrames frames = emptyRadioFrames();
    const int k = channel == 0 ? 1 : channel;
    frames[k - 1] = sent;
    QVERIFY(radio.feed("A" + joined(frames), 0ms).stored);
    RadioFrames expected = frames;
    expected[k - 1] = stored;
    QCOMPARE(radio.frames(), expected);
}

void TestRadioModel::stopAfterSendsOnlyTheFirstFrames_data() {
    QTest::addColumn<int>("framesPerRead");
    QTest::addColumn<int>("sent");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("all but the last") << 15 << 15;
    QTest::newRow("all") << 16 << 16;
    QTest::newRow("more than there are") << 40 << 16;
}

void TestRadioModel::stopAfterSendsOnlyTheFirstFrames() {
    QFETCH(int, framesPerRead);
    QFETCH(int, sent);
    RadioQuirks quirks;
    quirks.framesPerRead = framesPerRead;
    const RadioFrames frames = sampleFrames();
    RadioModel radio(quirks, frames);
    QCOMPARE(radio.feed("5", 0ms).reply, joined(frames, sent));
    // Only the read is cut short; writes still take all sixteen frames.
    QVERIFY(radio.feed("A" + joined(emptyRadioFrames()), 0ms).stored);
    QCOMPARE(radio.frames(), emptyRadioFrames());
}

void TestRadioModel::noiseComesBeforeTheAnswers() {
    RadioQuirks quirks;
    quirks.noiseBeforeReady = 4;
    quirks.noiseBeforeFrames = 5;
    const RadioFrames frames = sampleFrames();
    RadioModel radio(quirks, frames);

    const QByteArray ready = radio.feed("CC", 0ms).reply;
    QCOMPARE(ready.size(), 2 * (4 + 1));
    for (const QByteArray& answer : {ready.first(5), ready.last(5)}) {
        QCOMPARE(answer.back(), 'C');
        QVERIFY2(!answer.first(4).contains('C') && !answer.first(4).contains('c'), answer);
    }

    const QByteArray read = radio.feed("5", 0ms).reply;
    QCOMPARE(read.size(), 5 + RadioModel::kWriteLength);
    QCOMPARE(read.sliced(5), joined(frames));
    QVERIFY2(!read.first(5).contains('C'), read.first(5));
}

void TestRadioModel::lowercaseAnswer() {
    RadioQuirks quirks;
    quirks.lowercaseReady = true;
    RadioModel radio(quirks);
    QCOMPARE(radio.feed("CC", 0ms).reply, QByteArray("cc"));
    QCOMPARE(radio.feed("5", 0ms).reply, joined(emptyRadioFrames()));
}

void TestRadioModel::silentRadioSaysNothingButStillStores() {
    RadioQuirks quirks;
    quirks.silent = true;
    RadioModel radio(quirks);
    const RadioFrames frames = sampleFrames();
    const RadioModel::Outcome out = radio.feed("CC5A" + joined(frames) + "5C", 0ms);
    QCOMPARE(out.reply, QByteArray());
    QVERIFY(out.stored);
    QCOMPARE(radio.frames(), frames);
}

void TestRadioModel::glitchesOfTheFirstTransfer_data() {
    QTest::addColumn<int>("hangUpAfter");
    QTest::addColumn<bool>("strayDigit");
    QTest::addColumn<int>("nonDigitIn");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("hangUp");
    QTest::addColumn<bool>("stored");
    const RadioFrames frames = sampleFrames();
    const QByteArray write = "A" + joined(emptyRadioFrames());
    QByteArray withLetter = joined(frames);
    withLetter[6 * kFrameLength + 14] = 'x';
    QTest::newRow("stray digit ahead of the first read")
        << -1 << true << 0 << QByteArray("5") << "7" + joined(frames) << false << false;
    QTest::newRow("letter inside frame 7 of the first read")
        << -1 << false << 7 << QByteArray("5") << withLetter << false << false;
    QTest::newRow("read hangs up after 5 frames")
        << 5 << false << 0 << QByteArray("5C") << joined(frames, 5) << true << false;
    QTest::newRow("read hangs up before any frame")
        << 0 << false << 0 << QByteArray("5") << QByteArray() << true << false;
    QTest::newRow("write hangs up after 3 frames")
        << 3 << false << 0 << write + "C" << QByteArray() << true << false;
    QTest::newRow("write hangs up at once")
        << 0 << false << 0 << write << QByteArray() << true << false;
    QTest::newRow("write of all 16 frames is stored, then the line drops")
        << 16 << false << 0 << write + "C" << QByteArray() << true << true;
    QTest::newRow("a write goes first, the read glitch still comes")
        << -1 << true << 0 << write + "5"
        << "7" + joined(emptyRadioFrames()) << false << true;
}

void TestRadioModel::glitchesOfTheFirstTransfer() {
    QFETCH(int, hangUpAfter);
    QFETCH(bool, strayDigit);
    QFETCH(int, nonDigitIn);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, reply);
    QFETCH(bool, hangUp);
    QFETCH(bool, stored);
    RadioQuirks quirks;
    quirks.hangUpAfterFrames = hangUpAfter;
    quirks.strayDigit = strayDigit;
    quirks.nonDigitInFrame = nonDigitIn;
    const RadioFrames frames = sampleFrames();
    RadioModel radio(quirks, frames);
    const RadioModel::Outcome out = radio.feed(input, 0ms);
    QCOMPARE(out.reply, reply);
    QCOMPARE(out.hangUp, hangUp);
    QCOMPARE(out.stored, stored);
    // A write cut short stores nothing.
    QCOMPARE(radio.frames(), stored ? emptyRadioFrames() : frames);
    if (!hangUp)
        QCOMPARE(radio.feed("5", 0ms).reply, joined(radio.frames())); // the next read is clean
}

QTEST_APPLESS_MAIN(TestRadioModel)
#include "tst_radiomodel.moc"
