// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelrows.h"
#include "link/channelframe.h"
#include "radiostream.h"

#include "serialclient.h"
#include "simulatorprocess.h"
#include "trafficlogreader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

using namespace zt41;
using namespace zt41::sim;
using namespace std::chrono_literals;

namespace {

// Long enough for a sanitized simulator on a busy machine; a passing run never waits it out.
constexpr auto kAnswerWait = 5s;
// How long the line must stay quiet to count as saying nothing.
constexpr auto kQuietWait = 250ms;

constexpr int kFrameBytes = kChannelCount * kFrameLength;

// What the program sends for a small table, squelch 6.
QByteArray programWrite() {
    const QList<QStringList> rows = {
        {"440.00000", "67.0", "445.00000", "250.3", "on", "L"},
        {"438.50000", "88.5", "438.50000", "", "off", "H"},
        {"145.01250", "", "145.61250", "100.0", "off", "L"},
    };
    return framesOf(rows, QStringLiteral("6"));
}

QByteArray emptyFrame(int firstTwoDigits) {
    return QByteArray::number(firstTwoDigits).rightJustified(2, '0') + QByteArray(26, '0');
}

QStringList logLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Every line must be well formed; a bad one fails the calling test.
LoggedTraffic parseLog(const QString& path) {
    QString error;
    const std::optional<LoggedTraffic> log = readTrafficLog(path, &error);
    if (!log)
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return log.value_or(LoggedTraffic{});
}

// Clock ticks of CPU the process has used, user and system together.
qint64 cpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The command name may hold blanks; the fields after it may not.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

} // namespace

class TestRadioSim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void answersHandshakeAcrossReopen();
    void writeThenReadBackIsLogged();
    void memoryCarriesOverToTheNextRun();
    void misbehaviourOptionsReachTheLine();
    void silentRadioHearsButSaysNothing();
    void readKeepsTheLinePaceWithoutSpinning();
    void badOptionsAreRefused_data();
    void badOptionsAreRefused();

private:
    QString path(const char* name) const { return m_dir->filePath(QString::fromLatin1(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRadioSim::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRadioSim::answersHandshakeAcrossReopen() {
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--fast")}));
    SerialClient port;
    for (int round = 0; round < 3; ++round) {
        QVERIFY2(port.open(sim.portPath()), qPrintable(sim.portPath()));
        // An echoing port would hand back the "x" first.
        QVERIFY(port.write("xC"));
        QCOMPARE(port.read(1, kAnswerWait), QByteArray("C"));
        port.close();
    }
    QCOMPARE(sim.terminate(), 0);
}

void TestRadioSim::writeThenReadBackIsLogged() {
    const QString log = path("traffic.log");
    const QString link = path("zt41port");
    SimulatorProcess sim;
    QVERIFY(sim.start(
        {QStringLiteral("--fast"), QStringLiteral("--log"), log, QStringLiteral("--link"), link}));
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.portPath());

    // The radio keeps what it is sent, even what no program should send.
    QByteArray frames = programWrite();
    frames.replace(3 * kFrameLength + 4, 3, "#A ");

    SerialClient port;
    QVERIFY(port.open(link));
    QVERIFY(port.write("C"));
    QCOMPARE(port.read(1, kAnswerWait), QByteArray("C"));
    QVERIFY(port.write("A"));
    for (int k = 0; k < kChannelCount; ++k)
        QVERIFY(port.write(frames.mid(k * kFrameLength, kFrameLength)));
    QVERIFY(port.write("5"));
    QCOMPARE(port.read(kFrameBytes, kAnswerWait), frames);

    // The log is read while the simulator runs: each line must be out already.
    const QByteArray received = "CA" + frames + "5";
    const QByteArray sent = "C" + frames;
    QTRY_COMPARE_WITH_TIMEOUT(logLines(log).size(), received.size() + sent.size(), 5000);
    const LoggedTraffic entries = parseLog(log);
    QCOMPARE(trafficBytes(entries, true), received);
    QCOMPARE(trafficBytes(entries, false), sent);
    for (qsizetype i = 1; i < entries.size(); ++i)
        QVERIFY2(entries[i].micros >= entries[i - 1].micros, qPrintable(QString::number(i)));
    // Each answer follows what it answers.
    QVERIFY(entries[0].received && !entries[1].received);
    QVERIFY(entries[entries.size() - kFrameBytes - 1].received);

    port.close();
    QCOMPARE(sim.terminate(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestRadioSim::memoryCarriesOverToTheNextRun() {
    const QString memory = path("memory.csv");
    const QString link = path("zt41port");
    const QByteArray frames = programWrite();

    // A run that stores nothing must not overwrite, at its exit, what
    // another run stored meanwhile.
    SimulatorProcess bystander;
    QVERIFY(bystander.start({QStringLiteral("--fast"), QStringLiteral("--memory"), memory}));

    {
        SimulatorProcess writer;
        QVERIFY(writer.start({QStringLiteral("--fast"), QStringLiteral("--memory"), memory,
                              QStringLiteral("--link"), link}));
        SerialClient port;
        QVERIFY(port.open(link));
        QVERIFY(port.write("A" + frames + "5"));
        QCOMPARE(port.read(kFrameBytes, kAnswerWait), frames);
        port.close();
        QCOMPARE(writer.terminate(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }
    QCOMPARE(bystander.terminate(), 0);

    SimulatorProcess reader;
    QVERIFY(reader.start({QStringLiteral("--fast"), QStringLiteral("--memory"), memory}));
    SerialClient port;
    QVERIFY(port.open(reader.portPath()));
    QVERIFY(port.write("5"));
    QCOMPARE(port.read(kFrameBytes, kAnswerWait), frames);
    port.close();
    QCOMPARE(reader.terminate(), 0);
}

void TestRadioSim::misbehaviourOptionsReachTheLine() {
    SimulatorProcess sim;
    QVERIFY(sim.start({QStringLiteral("--fast"), QStringLiteral("--lowercase"),
                       QStringLiteral("--noise-before-ready"), QStringLiteral("3"),
                       QStringLiteral("--stop-after"), QStringLiteral("2"),
                       QStringLiteral("--noise-before-frames"), QStringLiteral("4")}));
    SerialClient port;
    QVERIFY(port.open(sim.portPath()));

    QVERIFY(port.write("C"));
    const QByteArray ready = port.read(4, kAnswerWait);
    QCOMPARE(ready.size(), 4);
    QCOMPARE(ready.back(), 'c');
    QVERIFY2(!ready.first(3).contains('C') && !ready.first(3).contains('c'), ready);

    QVERIFY(port.write("5"));
    const QByteArray read = port.read(4 + 2 * kFrameLength, kAnswerWait);
    QCOMPARE(read.size(), 4 + 2 * kFrameLength);
    QCOMPARE(read.sliced(4), emptyFrame(3) + emptyFrame(1));
    QCOMPARE(port.read(1, kQuietWait), QByteArray());
    port.close();
    QCOMPARE(sim.terminate(), 0);
}

void TestRadioSim::silentRadioHearsButSaysNothing() {
    const QString log = path("traffic.log");
    SimulatorProcess sim;
    QVERIFY(sim.start(
        {QStringLiteral("--fast"), QStringLiteral("--silent"), QStringLiteral("--log"), log}));
    SerialClient port;
    QVERIFY(port.open(sim.portPath()));
    QVERIFY(port.write("C5"));
    // Proof that the bytes arrived, so the quiet below is the radio's doing.
    QTRY_COMPARE_WITH_TIMEOUT(logLines(log).size(), 2, 5000);
    QCOMPARE(port.read(1, kQuietWait), QByteArray());
    QCOMPARE(logLines(log).size(), 2);
    port.close();
    QCOMPARE(sim.terminate(), 0);
}

void TestRadioSim::readKeepsTheLinePaceWithoutSpinning() {
    // Two frames: long enough to measure the pace, short enough for a quick test.
    constexpr int kBytes = 2 * kFrameLength;
    constexpr qint64 kPaceMicros = 1000000 / 120;
    const QString log = path("traffic.log");
    SimulatorProcess sim;
    QVERIFY(sim.start(
        {QStringLiteral("--stop-after"), QStringLiteral("2"), QStringLiteral("--log"), log}));
    SerialClient port;
    QVERIFY(port.open(sim.portPath()));

    const qint64 ticksBefore = cpuTicks(sim.processId());
    QElapsedTimer wall;
    wall.start();
    QVERIFY(port.write("5"));
    QCOMPARE(port.read(kBytes, kAnswerWait), emptyFrame(3) + emptyFrame(1));
    const qint64 wallMs = wall.elapsed();
    const qint64 ticksAfter = cpuTicks(sim.processId());

    QTRY_COMPARE_WITH_TIMEOUT(logLines(log).size(), 1 + kBytes, 5000);
    const LoggedTraffic entries = parseLog(log);
    QCOMPARE(entries.size(), 1 + kBytes);
    // Never faster than the line allows. The stamps are taken after each
    // write, so the first may lag its byte; one character time covers that.
    const qint64 span = entries.back().micros - entries[1].micros;
    QVERIFY2(span >= (kBytes - 2) * kPaceMicros, qPrintable(QString::number(span)));
    QVERIFY2(span < 4 * (kBytes - 1) * kPaceMicros, qPrintable(QString::number(span)));

    // Waiting between characters must not burn the CPU.
    QVERIFY(ticksBefore >= 0 && ticksAfter >= 0);
    const qint64 cpuMs = (ticksAfter - ticksBefore) * 1000 / ::sysconf(_SC_CLK_TCK);
    QVERIFY2(cpuMs * 4 < wallMs,
             qPrintable(QStringLiteral("%1 ms CPU in %2 ms").arg(cpuMs).arg(wallMs)));

    port.close();
    QCOMPARE(sim.terminate(), 0);
}

void TestRadioSim::badOptionsAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("more frames than the radio has") << QStringList{"--stop-after", "17"};
    QTest::newRow("negative noise") << QStringList{"--noise-before-ready", "-1"};
    QTest::newRow("not a number") << QStringList{"--noise-before-frames", "many"};
    QTest::newRow("unknown option") << QStringList{"--baud", "9600"};
    QTest::newRow("stray argument") << QStringList{"/dev/ttyS0"};
    QTest::newRow("hang up after more frames than there are")
        << QStringList{"--hang-up-after", "17"};
    QTest::newRow("letter in frame 0") << QStringList{"--non-digit-in-frame", "0"};
    QTest::newRow("fast and half pace") << QStringList{"--fast", "--half-pace"};
}

void TestRadioSim::badOptionsAreRefused() {
    // A mistyped option must not leave a test talking to a radio that behaves normally.
    QFETCH(QStringList, arguments);
    QByteArray output;
    const int code = SimulatorProcess::runToEnd(arguments, &output);
    QVERIFY2(code > 0, qPrintable(QString::number(code)));
    QCOMPARE(output, QByteArray());
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "tst_radiosim.moc"
