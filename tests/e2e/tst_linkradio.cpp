// SPDX-License-Identifier: GPL-3.0-or-later
// The radio link end to end: the transfers and the ready poll on real timers,
// through QSerialPort, against zt41-radio on a pseudo-terminal.

#include "files/channelfile.h"
#include "link/channelframe.h"
#include "linkrig.h"
#include "linksamples.h"
#include "memoryfile.h"
#include "simulatorprocess.h"
#include "trafficlogreader.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace zt41;
using namespace zt41::sim;

// Runs a helper that verifies, and leaves the test once something failed.
#define VERIFIED(call)                                                                             \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

namespace {

// Waits a passing run never comes near; generous for a sanitized build on a
// busy two-core machine.
constexpr int kReadyWaitMs = 5000;
constexpr int kLogWaitMs = 5000;
// "A", 16 frames and the closing tick at 300 ms each, plus room for a slow start.
constexpr int kWriteWaitMs = (zt41::kChannelCount + 2) * LinkRig::kWriteMs + 5000;
constexpr int kReadWaitMs = LinkRig::kReadGuardMs + 5000;

constexpr qint64 kMsToNs = 1000000;
// 16 frames of 28 characters of 10 bits at 1200 bit/s, the first character
// already on its way when the timing starts.
constexpr qint64 kReadLineMs = (zt41::kChannelCount * zt41::kFrameLength - 1) * 10 * 1000 / 1200;

// A frame of 28 characters takes 233 ms on a 1200 bit/s line. A tick up to
// 60 ms late still leaves the next frame 240 ms behind its predecessor, so
// frames never run together on the radio's line; the write's timer keeps its
// grid, so a late tick does not shift the ticks after it.
constexpr qint64 kPaceToleranceMicros = 60000;

QString describe(const ChannelRecord& row) {
    QStringList parts;
    for (const FieldValue& v : row.fields)
        parts << (v ? QStringLiteral("\"%1\"").arg(*v) : QStringLiteral("Null"));
    return parts.join(u',');
}

// Compares row by row so that a failure names the row and shows both.
void compareRows(const ChannelRows& actual, const ChannelRows& expected) {
    for (int r = 0; r < kChannelCount; ++r) {
        const QString context = QStringLiteral("row %1: %2 instead of %3")
                                    .arg(r + 1)
                                    .arg(describe(actual[r]), describe(expected[r]));
        QVERIFY2(actual[r] == expected[r], qPrintable(context));
    }
}

// The rows as stored in the file, not as the table's copy has them.
ChannelRows rowsInFile(const QString& path) {
    ChannelTable fresh;
    if (!fresh.open(path))
        return {};
    return fresh.rows();
}

} // namespace

class TestLinkRadio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void readyHandshakeStopsThePoll();
    void noiseBeforeTheReadyAnswerIsDropped_data();
    void noiseBeforeTheReadyAnswerIsDropped();
    void lowercaseAnswerIsNeverReady();

    void writeKeepsThePaceAndTheRadioStoresIt();
    void readGivesBackWhatWasWritten();
    void readRightAfterAReadSucceeds();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void radioKilledDuringWriteFailsOnce();

private:
    // Starts the simulator and the rig on its port; the ready poll runs.
    void startRadio(const QStringList& arguments);
    void waitReady();
    void fillTable();
    // The simulator's log, once it holds at least `lines` complete lines.
    void waitForLog(qsizetype lines, LoggedTraffic& log);

    QString path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<LinkRig> m_rig;
};

void TestLinkRadio::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLinkRadio::cleanup() {
    // The port closes before the radio goes, as when the program exits first.
    m_rig.reset();
    m_sim.reset();
    m_dir.reset();
}

void TestLinkRadio::startRadio(const QStringList& arguments) {
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->start(arguments), qPrintable(arguments.join(u' ')));
    m_rig = std::make_unique<LinkRig>(m_sim->portPath());
    QString error;
    QVERIFY2(m_rig->start(&error), qPrintable(error));
    QVERIFY(m_rig->isActive(SessionTimer::ReadyPoll));
}

void TestLinkRadio::waitReady() {
    QVERIFY2(m_rig->waitUntil([this] { return m_rig->becameReady(); }, kReadyWaitMs),
             qPrintable(m_rig->statusTrail()));
}

void TestLinkRadio::fillTable() {
    QVERIFY(m_rig->table().replaceDataFields(sampleRows()));
    m_rig->setSquelchText(sampleSquelch());
    QCOMPARE(m_rig->squelchText(), sampleSquelch());
}

void TestLinkRadio::waitForLog(qsizetype lines, LoggedTraffic& out) {
    std::optional<LoggedTraffic> log;
    QString error;
    const bool complete = m_rig->waitUntil(
        [&] {
            log = readTrafficLog(path("traffic.log"), &error);
            return log && log->size() >= lines;
        },
        kLogWaitMs);
    if (!complete) {
        QTest::qFail(qPrintable(QStringLiteral("the log has %1 of %2 lines %3")
                                    .arg(log ? log->size() : 0)
                                    .arg(lines)
                                    .arg(error)),
                     __FILE__, __LINE__);
        return;
    }
    out = *log;
}

void TestLinkRadio::readyHandshakeStopsThePoll() {
    VERIFIED(startRadio({QStringLiteral("--fast"), QStringLiteral("--log"), path("traffic.log")}));
    VERIFIED(waitReady());
    QCOMPARE(m_rig->status(), LinkStatus::Ready);
    QVERIFY(!m_rig->isActive(SessionTimer::ReadyPoll));
    QVERIFY(m_rig->failures().isEmpty());

    // Every tick sent one "C" except the one that found the answer.
    const int polls = m_rig->ticks(SessionTimer::ReadyPoll);
    QVERIFY(polls >= 2);
    LoggedTraffic log;
    VERIFIED(waitForLog(2 * (polls - 1), log));
    QCOMPARE(trafficBytes(log, true), QByteArray(polls - 1, 'C'));
    QCOMPARE(trafficBytes(log, false), QByteArray(polls - 1, 'C'));

    // Once ready the poll stays quiet.
    QTest::qWait(3 * LinkSession::kReadyPollMs);
    QCOMPARE(m_rig->ticks(SessionTimer::ReadyPoll), polls);
    const std::optional<LoggedTraffic> later = readTrafficLog(path("traffic.log"));
    QVERIFY(later);
    QCOMPARE(later->size(), log.size());
}

void TestLinkRadio::noiseBeforeTheReadyAnswerIsDropped_data() {
    QTest::addColumn<int>("noise");
    QTest::newRow("one character") << 1;
    // Thousands of characters to drop before the answer.
    QTest::newRow("several kilobytes") << 3000;
}

void TestLinkRadio::noiseBeforeTheReadyAnswerIsDropped() {
    QFETCH(int, noise);
    VERIFIED(startRadio({QStringLiteral("--fast"), QStringLiteral("--noise-before-ready"),
                         QString::number(noise), QStringLiteral("--log"), path("traffic.log")}));
    VERIFIED(waitReady());
    QVERIFY(!m_rig->isActive(SessionTimer::ReadyPoll));
    QCOMPARE(m_rig->statuses().count(LinkStatus::Ready), 1);
    QVERIFY(m_rig->failures().isEmpty());

    // The noise really was on the line ahead of the answer.
    LoggedTraffic log;
    VERIFIED(waitForLog(1 + noise + 1, log));
    const QByteArray answers = trafficBytes(log, false);
    QCOMPARE(answers.indexOf('C'), noise);
    QVERIFY(!answers.first(noise).contains('C'));
}

void TestLinkRadio::lowercaseAnswerIsNeverReady() {
    VERIFIED(startRadio({QStringLiteral("--fast"), QStringLiteral("--lowercase"),
                         QStringLiteral("--log"), path("traffic.log")}));
    QTest::qWait(10 * LinkSession::kReadyPollMs);
    QVERIFY2(!m_rig->becameReady(), qPrintable(m_rig->statusTrail()));
    QVERIFY(m_rig->isActive(SessionTimer::ReadyPoll));
    QVERIFY(m_rig->failures().isEmpty());

    // Freeze the count; the last "C" may still be on its way.
    m_rig->session().stopPoll();
    const int polls = m_rig->ticks(SessionTimer::ReadyPoll);
    QVERIFY2(polls >= 5, qPrintable(QString::number(polls)));
    LoggedTraffic log;
    VERIFIED(waitForLog(2 * polls, log));
    QCOMPARE(trafficBytes(log, true), QByteArray(polls, 'C'));
    QCOMPARE(trafficBytes(log, false), QByteArray(polls, 'c'));
}

void TestLinkRadio::writeKeepsThePaceAndTheRadioStoresIt() {
    // The radio at its real pace; the write's own 300 ms rhythm is what counts here.
    const QString memory = path("memory.csv");
    VERIFIED(startRadio(
        {QStringLiteral("--log"), path("traffic.log"), QStringLiteral("--memory"), memory}));
    VERIFIED(waitReady());
    VERIFIED(fillTable());
    const ChannelRows rows = m_rig->table().rows();

    m_rig->commandWrite();
    QVERIFY(m_rig->writer().isRunning());
    QCOMPARE(m_rig->status(), LinkStatus::Writing);
    QCOMPARE(m_rig->transfer(), Transfer::Write);
    QVERIFY(!m_rig->isActive(SessionTimer::ReadyPoll));

    const qsizetype before = m_rig->statuses().size();
    QVERIFY2(m_rig->waitUntil([&] { return !m_rig->writer().isRunning(); }, kWriteWaitMs),
             qPrintable(QString::number(m_rig->writer().step())));
    QCOMPARE(m_rig->statuses().mid(before).value(0), LinkStatus::Written);
    QVERIFY2(m_rig->failures().isEmpty(), qPrintable(m_rig->failureTrail()));
    QVERIFY(!m_rig->isBusy());
    QVERIFY(!m_rig->isActive(SessionTimer::Write));
    QVERIFY(m_rig->isActive(SessionTimer::ReadyPoll));
    QCOMPARE(m_rig->ticks(SessionTimer::Write), kChannelCount + 1);

    // "A", then frame k from row k and nothing in between.
    LoggedTraffic log;
    VERIFIED(waitForLog(1 + kChannelCount * kFrameLength, log));
    const std::optional<LoggedWrite> write = findWrite(log);
    QVERIFY(write);
    QCOMPARE(write->frames.size(), kChannelCount);
    for (int k = 1; k <= kChannelCount; ++k)
        QCOMPARE(write->frames[k - 1],
                 EncodeChannelFrame(k, sampleSquelch(), rows[k - 1]).toLatin1());

    const QList<qint64> gaps = frameGapsMicros(*write);
    QStringList shown;
    for (const qint64 gap : gaps)
        shown << QString::number(gap / 1000.0, 'f', 1);
    const qint64 deviation = largestDeviationMicros(gaps, qint64(LinkRig::kWriteMs) * 1000);
    qInfo().noquote() << "frame gaps (ms):" << shown.join(u' ')
                      << "- largest deviation from 300 ms:" << deviation / 1000.0 << "ms";
    QVERIFY2(deviation <= kPaceToleranceMicros, qPrintable(shown.join(u' ')));
    const qint64 span = write->frameMicros.last() - write->commandMicros;
    QVERIFY2(qAbs(span - kChannelCount * LinkRig::kWriteMs * 1000) <= kPaceToleranceMicros,
             qPrintable(QString::number(span)));

    // The radio stored what it received.
    ChannelFileRead stored;
    QVERIFY(m_rig->waitUntil(
        [&] {
            stored = readChannelFile(memory);
            return stored.error == ChannelFileError::None;
        },
        kLogWaitMs));
    const sim::RadioFrames radio = sim::framesFromChannelFile(stored.contents);
    for (int k = 1; k <= kChannelCount; ++k)
        QCOMPARE(radio[k - 1], write->frames[k - 1]);
}

void TestLinkRadio::readGivesBackWhatWasWritten() {
    // The radio at its real pace: the frames trickle in over 3.7 s, far longer
    // than one frame's deadline.
    VERIFIED(startRadio({}));
    VERIFIED(waitReady());
    VERIFIED(fillTable());
    const ChannelRows written = m_rig->table().rows();
    m_rig->commandWrite();
    QVERIFY(m_rig->waitUntil([&] { return !m_rig->writer().isRunning(); }, kWriteWaitMs));
    QCOMPARE(m_rig->status(), LinkStatus::Written);
    // Read once the radio is heard again, as a user would.
    const qsizetype afterWrite = m_rig->statuses().size();
    QVERIFY(m_rig->waitUntil([&] { return m_rig->becameReady(afterWrite); }, kReadyWaitMs));

    QVERIFY(m_rig->table().replaceDataFields(emptyRows(written)));
    m_rig->setSquelchText(QStringLiteral("3"));
    m_rig->commandRead();
    QCOMPARE(m_rig->transfer(), Transfer::Read);
    QVERIFY(m_rig->waitUntil([&] { return !m_rig->readResults().isEmpty(); }, kReadWaitMs));
    QVERIFY(!m_rig->readOverran());
    QCOMPARE(m_rig->readResults(), QList<bool>{true});
    QVERIFY2(m_rig->lastReadNs() / kMsToNs >= kReadLineMs,
             qPrintable(QString::number(m_rig->lastReadNs())));

    VERIFIED(compareRows(m_rig->table().rows(), written));
    VERIFIED(compareRows(rowsInFile(m_rig->tablePath()), written));
    QCOMPARE(m_rig->squelchText(), sampleSquelch());
    QVERIFY(m_rig->statuses().contains(LinkStatus::Read));
    QVERIFY2(m_rig->failures().isEmpty(), qPrintable(m_rig->failureTrail()));
    QVERIFY(!m_rig->isBusy());
    QVERIFY(m_rig->isActive(SessionTimer::ReadyPoll));
    QVERIFY(!m_rig->isActive(SessionTimer::Read));
}

void TestLinkRadio::readRightAfterAReadSucceeds() {
    // A transfer restarts the ready poll as it ends, so a read commanded right
    // then has its tick together with the poll's next one: the radio answers
    // that poll while the read waits for its frames, and the answer must not
    // be taken for the start of frame 1.
    VERIFIED(startRadio({QStringLiteral("--fast"), QStringLiteral("--log"), path("traffic.log")}));
    VERIFIED(waitReady());
    m_rig->commandRead();
    QVERIFY(m_rig->waitUntil([&] { return !m_rig->readResults().isEmpty(); }, kReadWaitMs));
    QCOMPARE(m_rig->readResults(), QList<bool>{true});
    m_rig->commandRead();
    QVERIFY(m_rig->waitUntil([&] { return m_rig->readResults().size() == 2; }, kReadWaitMs));

    // "C5C5" received, and a "C" and 448 characters sent for each pair.
    LoggedTraffic log;
    VERIFIED(waitForLog(4 + 2 * (1 + kChannelCount * kFrameLength), log));
    const QByteArray sent = trafficBytes(log, false);
    const QString line =
        QStringLiteral("the radio received \"%1\"; after the first read it sent \"%2...\"")
            .arg(QString::fromLatin1(trafficBytes(log, true)),
                 QString::fromLatin1(sent.mid(1 + kChannelCount * kFrameLength, 8)));
    QVERIFY2(m_rig->readResults() == (QList<bool>{true, true}), qPrintable(line));
    QVERIFY2(m_rig->failures().isEmpty(), qPrintable(m_rig->failureTrail()));
}

void TestLinkRadio::failedReadChangesNothing_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("framesIn");       // frames collected when the read gave up
    QTest::addColumn<bool>("waitsDeadline"); // fails by a frame's deadline, not by what came
    QTest::addColumn<bool>("answersPoll");   // the radio is heard again afterwards

    QTest::newRow("silent radio") << QStringList{"--silent"} << 0 << true << false;
    QTest::newRow("stops after 5 frames") << QStringList{"--stop-after", "5"} << 5 << true << true;
    QTest::newRow("1 noise character before the frames")
        << QStringList{"--noise-before-frames", "1"} << kChannelCount << false << true;
    QTest::newRow("a frame of noise before the frames")
        << QStringList{"--noise-before-frames", "28"} << kChannelCount << false << true;
    QTest::newRow("more noise than a read")
        << QStringList{"--noise-before-frames", "500"} << kChannelCount << false << true;
}

void TestLinkRadio::failedReadChangesNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(int, framesIn);
    QFETCH(bool, waitsDeadline);
    QFETCH(bool, answersPoll);

    VERIFIED(startRadio(QStringList{QStringLiteral("--fast")} + arguments));
    if (answersPoll)
        VERIFIED(waitReady());
    VERIFIED(fillTable());
    const ChannelRows before = m_rig->table().rows();

    m_rig->commandRead();
    QVERIFY(m_rig->waitUntil([&] { return !m_rig->readResults().isEmpty(); }, kReadWaitMs));
    const qsizetype failedAt = m_rig->statuses().size();
    QVERIFY(!m_rig->readOverran());
    QCOMPARE(m_rig->readResults(), QList<bool>{false});
    QCOMPARE(m_rig->reader().framesReceived(), framesIn);

    const qint64 tookMs = m_rig->lastReadNs() / kMsToNs;
    if (waitsDeadline) {
        QVERIFY2(tookMs >= ReadTransfer::kFrameDeadlineMs - 10 &&
                     tookMs < ReadTransfer::kFrameDeadlineMs + 2000,
                 qPrintable(QString::number(tookMs)));
    } else {
        QVERIFY2(tookMs < ReadTransfer::kFrameDeadlineMs, qPrintable(QString::number(tookMs)));
    }

    QCOMPARE(m_rig->failures().size(), 1);
    QCOMPARE(m_rig->failures().first().transfer, Transfer::Read);
    const TransferOutcome::Kind kind = m_rig->failures().first().kind;
    if (waitsDeadline)
        QCOMPARE(kind, TransferOutcome::Kind::ReadTimedOut);
    else // noise in the frames: not digits, or digits that shift the frames out of place
        QVERIFY(kind == TransferOutcome::Kind::ReadMalformed ||
                kind == TransferOutcome::Kind::ReadOutOfPlace);
    VERIFIED(compareRows(m_rig->table().rows(), before));
    VERIFIED(compareRows(rowsInFile(m_rig->tablePath()), before));
    QCOMPARE(m_rig->squelchText(), sampleSquelch());
    QVERIFY(!m_rig->statuses().contains(LinkStatus::Read));
    QVERIFY(!m_rig->isBusy());
    QVERIFY(m_rig->isActive(SessionTimer::ReadyPoll));

    // Whatever the failed read left on the line is dropped by the poll.
    if (answersPoll) {
        QVERIFY(m_rig->waitUntil([&] { return m_rig->becameReady(failedAt); }, kReadyWaitMs));
    } else {
        QTest::qWait(3 * LinkSession::kReadyPollMs);
        QVERIFY(!m_rig->becameReady());
        QVERIFY(m_rig->isActive(SessionTimer::ReadyPoll));
    }
    QCOMPARE(m_rig->failures().size(), 1);
    QCOMPARE(m_rig->readResults().size(), 1);
}

void TestLinkRadio::radioKilledDuringWriteFailsOnce() {
    VERIFIED(startRadio({QStringLiteral("--fast")}));
    VERIFIED(waitReady());
    VERIFIED(fillTable());
    m_rig->commandWrite();
    QVERIFY(m_rig->waitUntil(
        [&] { return m_rig->writer().step() >= 3 * WriteTransfer::kStepPerTick; }, kWriteWaitMs));

    const qint64 cpuBefore = processCpuNs();
    QElapsedTimer wall;
    wall.start();
    QCOMPARE(::kill(static_cast<pid_t>(m_sim->processId()), SIGKILL), 0);

    QVERIFY(m_rig->waitUntil([&] { return !m_rig->failures().isEmpty(); }, 10 * LinkRig::kWriteMs));
    // Long enough for a flood of errors or a second message to show.
    QTest::qWait(1000);
    const qint64 cpuNs = processCpuNs() - cpuBefore;
    const qint64 wallNs = wall.nsecsElapsed();
    qInfo().noquote() << "after the kill:" << cpuNs / kMsToNs << "ms CPU in" << wallNs / kMsToNs
                      << "ms;" << m_rig->lostReasons().join(u'|');

    QCOMPARE(m_rig->failures().size(), 1);
    QCOMPARE(m_rig->failures().first().transfer, Transfer::Write);
    QCOMPARE(m_rig->failures().first().kind, TransferOutcome::Kind::SendFailed);
    QVERIFY(!m_rig->link().isOpen());
    QCOMPARE(m_rig->lostReasons().size(), 1);
    QVERIFY(!m_rig->writer().isRunning());
    QVERIFY(!m_rig->isActive(SessionTimer::Write));
    QVERIFY(!m_rig->isBusy());
    QCOMPARE(m_rig->status(), LinkStatus::Empty);
    QVERIFY2(cpuNs * 4 < wallNs,
             qPrintable(
                 QStringLiteral("%1 ms CPU in %2 ms").arg(cpuNs / kMsToNs).arg(wallNs / kMsToNs)));
}

QTEST_GUILESS_MAIN(TestLinkRadio)
#include "tst_linkradio.moc"
