// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-cli as a user runs it: against zt41-radio on pseudo-terminals at
// --fast pace, with good and bad files, silent and broken radios.

#include "channels/channeltable.h"
#include "filebytes.h"
#include "files/channelfile.h"
#include "link/framecompare.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "linksamples.h"
#include "pseudoradio.h"
#include "simulatorprocess.h"
#include "toolrun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace zt41;

namespace {

// A write is 17 ticks of 300 ms; with a backup and a check two reads more.
constexpr int kRunMs = 60000;

ChannelRows otherRows() {
    ChannelRows rows = emptyRows(sampleRows());
    rows[0][Field::Rf] = QStringLiteral("145.01250");
    rows[0][Field::Rct] = QStringLiteral("67.0");
    rows[0][Field::Tf] = QStringLiteral("145.01250");
    rows[0][Field::Bt] = QStringLiteral("off");
    rows[0][Field::Pw] = QStringLiteral("H");
    rows[15][Field::Rf] = QStringLiteral("435.50000");
    rows[15][Field::Bt] = QStringLiteral("on");
    rows[15][Field::Pw] = QStringLiteral("L");
    return rows;
}

// The tool's words are matched in English: the variables that would choose
// another language are cleared.
QProcessEnvironment environment(const QString& dataHome, const QString& lang = "C.UTF-8") {
    return toolEnvironment({{"LANG", lang}, {"XDG_DATA_HOME", dataHome}});
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void readToFile();
    void writeKeepsABackupAndChecks();
    void verifyNamesTheChannelStoredDifferently_data();
    void verifyNamesTheChannelStoredDifferently();
    void whatARadioHeldGoesBackIntoIt();
    void failingRadiosAndPorts_data();
    void failingRadiosAndPorts();
    void badInput_data();
    void badInput();
    void closedOutputNeverCutsATransfer_data();
    void closedOutputNeverCutsATransfer();
    void fourRadiosOneSilent();
    void jsonForScripts();
    void progressOnATerminalUpdatesInPlace();
    void interruptedWriteClosesThePorts();
    void programmingLine();
    void cablePulledMidTransfer_data();
    void cablePulledMidTransfer();
    void databaseIsOnlyRead();
    void diffComparesAsTheRadioHoldsThem_data();
    void diffComparesAsTheRadioHoldsThem();
    void portsListsWhatOpens();
    void csvToTheRadioAndBack();
    void readNeverReplacesTheDatabase_data();
    void readNeverReplacesTheDatabase();
    void lineTakesSerialPortsAndFollowsItsFolder();
    void secondCtrlCEndsEveryUnitAtOnce();
    void echoingCableFailsTheWrite();
    void reportThatCannotBeWrittenStopsTheLine();

private:
    ToolRun cli(const QStringList& arguments, int timeoutMs = kRunMs,
                const QString& lang = QStringLiteral("C.UTF-8"));
    // Starts a radio holding `rows` (squelch `squelch`) in a memory file of its own.
    SimulatorProcess* radio(const QStringList& quirks, const ChannelRows& rows = sampleRows(),
                            const QString& squelch = sampleSquelch(), bool fast = true);
    QString channelFile(const char* name, const ChannelRows& rows, const QString& squelch);
    QString path(const QString& name) const { return m_dir->filePath(name); }
    // A write left running, for a test that interrupts it.
    bool startTool(QProcess& p, const QStringList& arguments) const {
        p.setProcessEnvironment(environment(path(QStringLiteral("data"))));
        p.start(QStringLiteral(ZT41_CLI_PATH), arguments);
        return p.waitForStarted();
    }
    bool startWrite(QProcess& p, const QString& port, const QString& file) const {
        return startTool(p, {"write", "--port", port, file});
    }
    QString memoryOf(const SimulatorProcess* sim) const;
    QStringList backups() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<SimulatorProcess>> m_sims;
};

void TestCli::init() {
    // The radio's notes on every command would bury the test's own output.
    qputenv("QT_LOGGING_RULES", "*.info=false");
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCli::cleanup() {
    m_sims.clear();
    m_dir.reset();
}

ToolRun TestCli::cli(const QStringList& arguments, int timeoutMs, const QString& lang) {
    return runTool(QStringLiteral(ZT41_CLI_PATH), arguments,
                   environment(path(QStringLiteral("data")), lang), timeoutMs);
}

QString TestCli::channelFile(const char* name, const ChannelRows& rows, const QString& squelch) {
    const QString file = path(QString::fromLatin1(name));
    if (saveChannelFile(file, squelch, rows) != ChannelFileError::None)
        return QString();
    return file;
}

SimulatorProcess* TestCli::radio(const QStringList& quirks, const ChannelRows& rows,
                                 const QString& squelch, bool fast) {
    const QString memory = path(QStringLiteral("radio%1.doc").arg(m_sims.size()));
    if (saveChannelFile(memory, squelch, rows) != ChannelFileError::None)
        return nullptr;
    auto sim = std::make_unique<SimulatorProcess>();
    const QStringList pace = fast ? QStringList{QStringLiteral("--fast")} : QStringList{};
    if (!sim->start(pace + QStringList{QStringLiteral("--memory"), memory} + quirks))
        return nullptr;
    m_sims.push_back(std::move(sim));
    return m_sims.back().get();
}

QString TestCli::memoryOf(const SimulatorProcess* sim) const {
    for (size_t i = 0; i < m_sims.size(); ++i)
        if (m_sims[i].get() == sim)
            return m_dir->filePath(QStringLiteral("radio%1.doc").arg(i));
    return QString();
}

QStringList TestCli::backups() const {
    const QDir dir(m_dir->filePath(QStringLiteral("data/zt41/backups")));
    QStringList files;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

void TestCli::readToFile() {
    SimulatorProcess* sim = radio({});
    QVERIFY(sim);
    const QString out = path(QStringLiteral("read.doc"));
    const ToolRun run = cli({"read", "--port", sim->portPath(), "-o", out});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const ChannelFileRead read = readChannelFile(out);
    QCOMPARE(read.error, ChannelFileError::None);
    QCOMPARE(compareInFrameForm(sampleSquelch(), sampleRows(), read.contents.squelch,
                                read.contents.rows),
             QList<FieldDifference>{});

    // Without -o the channels come as a table.
    const ToolRun shown = cli({"read", "--port", sim->portPath()});
    QCOMPARE(shown.status, 0);
    QVERIFY2(shown.out.contains(QStringLiteral("squelch level: 6")), qPrintable(shown.out));
    QVERIFY(shown.out.contains(QRegularExpression(
        QStringLiteral("\\n 1  430\\.01250  67\\.0 +145\\.61250  103\\.5 +on +L\\n"))));
}

void TestCli::writeKeepsABackupAndChecks() {
    SimulatorProcess* sim = radio({});
    QVERIFY(sim);
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("  2"));
    const ToolRun run = cli({"write", "--port", sim->portPath(), file});
    QVERIFY2(run.status == 0, qPrintable(run.out + run.err));
    QVERIFY(run.err.isEmpty());
    // Not a terminal: one plain line per step.
    const QString port = sim->portPath() + QStringLiteral(": ");
    QStringList steps;
    for (const QString& line : run.out.split(u'\n'))
        if (line.startsWith(port))
            steps << line.mid(port.size());
    QCOMPARE(steps, (QStringList{"opening", "waiting for the radio", "backup", "write",
                                 "waiting for the radio", "verify", "done"}));

    // The backup holds what the radio held before, and its path is printed.
    const QStringList saved = backups();
    QCOMPARE(saved.size(), 1);
    QVERIFY2(run.out.contains(saved.first()), qPrintable(run.out));
    QVERIFY(QFileInfo(saved.first()).fileName().contains(QStringLiteral("dev-pts-")));
    const ChannelFileRead backup = readChannelFile(saved.first());
    QCOMPARE(backup.error, ChannelFileError::None);
    QCOMPARE(compareInFrameForm(sampleSquelch(), sampleRows(), backup.contents.squelch,
                                backup.contents.rows),
             QList<FieldDifference>{});

    // The radio now holds the new channels.
    const ChannelFileRead now = readChannelFile(memoryOf(sim));
    QCOMPARE(compareInFrameForm(QStringLiteral("2"), otherRows(), now.contents.squelch,
                                now.contents.rows),
             QList<FieldDifference>{});

    // --no-backup keeps no file.
    QCOMPARE(cli({"write", "--no-backup", "--no-verify", "--port", sim->portPath(), file}).status,
             0);
    QCOMPARE(backups().size(), 1);
}

void TestCli::whatARadioHeldGoesBackIntoIt() {
    // Another program left channel 1 at 600 MHz off every step, channel 2 off every step.
    ChannelRows held = sampleRows();
    held[0][Field::Rf] = held[0][Field::Tf] = QStringLiteral("600.00130");
    held[1][Field::Rf] = QStringLiteral("146.52130");
    SimulatorProcess* sim = radio({}, held);
    QVERIFY(sim);
    // A file off the steps is written, with one warning line: exit 0.
    ChannelRows offStep = otherRows();
    offStep[3][Field::Rf] = offStep[3][Field::Tf] = QStringLiteral("146.52130");
    ToolRun run = cli({"write", "--port", sim->portPath(), channelFile("new.doc", offStep, "2")});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(run.err.count(QStringLiteral("on neither the 5 kHz nor")), 2); // rf and tf
    QCOMPARE(run.err.count(u'\n'), 2);
    // The backup goes back whole; verify of it compares, only warning.
    QCOMPARE(backups().size(), 1);
    const QString backup = backups().first();
    run = cli({"write", "--port", sim->portPath(), backup});
    QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(run.err));
    const ChannelFileRead now = readChannelFile(memoryOf(sim));
    QCOMPARE(compareInFrameForm(sampleSquelch(), held, now.contents.squelch, now.contents.rows),
             QList<FieldDifference>{});
    run = cli({"verify", "--port", sim->portPath(), backup});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY2(run.err.contains("receive frequency \"600.00130\": outside 130 to 500"),
             qPrintable(run.err));
}

void TestCli::verifyNamesTheChannelStoredDifferently_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("command");
    QTest::newRow("write checks channel 1") << 1 << "write";
    QTest::newRow("write checks channel 16") << 16 << "write";
    QTest::newRow("verify alone, channel 7") << 7 << "verify";
}

void TestCli::verifyNamesTheChannelStoredDifferently() {
    QFETCH(int, channel);
    QFETCH(QString, command);
    SimulatorProcess* sim = radio({"--corrupt-channel", QString::number(channel)});
    QVERIFY(sim);
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("2"));
    if (command == u"verify") // the radio takes the channels, storing one wrong
        QCOMPARE(
            cli({"write", "--no-verify", "--no-backup", "--port", sim->portPath(), file}).status,
            0);
    const ToolRun run = cli({command, "--port", sim->portPath(), file});
    QCOMPARE(run.status, 3);
    const QString named = QStringLiteral("channel %1: receive frequency").arg(channel);
    QVERIFY2(run.err.contains(named), qPrintable(run.err));
    // Only that channel differs.
    QCOMPARE(run.err.count(QStringLiteral("channel ")), 2); // the summary and its one line
}

void TestCli::failingRadiosAndPorts_data() {
    QTest::addColumn<QStringList>("quirks"); // empty with a port: no radio at all
    QTest::addColumn<QString>("port");       // used when no radio is started
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("writes"); // whether the radio's memory may have changed
    QTest::newRow("silent radio") << QStringList{"--silent"} << ""
                                  << "write" << 2 << "no answer from the radio within 1 s" << false;
    QTest::newRow("stops after 5 frames: the backup fails, nothing is written")
        << QStringList{"--stop-after", "5"} << ""
        << "write" << 2 << "backup: the radio stopped sending: frame 6 of 16 did not come" << false;
    QTest::newRow("stops after 5 frames: read fails")
        << QStringList{"--stop-after", "5"} << ""
        << "read" << 2 << "read: the radio stopped sending: frame 6 of 16 did not come" << false;
    QTest::newRow("missing port") << QStringList{} << "/dev/zt41-no-such-port"
                                  << "write" << 2 << "/dev/zt41-no-such-port: no such device"
                                  << false;
    QTest::newRow("unknown port name") << QStringList{} << "COM12"
                                       << "read" << 1 << "unknown port \"COM12\"" << false;
    QTest::newRow("unmapped COM number") << QStringList{} << "COM3"
                                         << "read" << 1 << "COM3 is not mapped" << false;
    // Refused before the radio is read, so no read is lost to where it goes.
    QTest::newRow("read -o into a folder that does not exist")
        << QStringList{"--fast"} << ""
        << "read -o no-folder/x.doc" << 1 << "the folder" << false;
    QTest::newRow("read -o a folder") << QStringList{"--fast"} << ""
                                      << "read -o /tmp" << 1 << "/tmp is not a plain file" << false;
    QTest::newRow("one device under two names")
        << QStringList{} << "/dev/ptmx"
        << "read --port /dev/../dev/ptmx" << 1 << "/dev/ptmx is given twice" << false;
    QTest::newRow("--squelch the window would refuse")
        << QStringList{"--fast"} << ""
        << "write --squelch 12" << 1 << "--squelch: \"12\" is no squelch level: give 0 to 9"
        << false;
}

void TestCli::failingRadiosAndPorts() {
    QFETCH(QStringList, quirks);
    QFETCH(QString, port);
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(bool, writes);
    SimulatorProcess* sim = nullptr;
    if (!quirks.isEmpty()) {
        sim = radio(quirks);
        QVERIFY(sim);
        port = sim->portPath();
    }
    const QByteArray before = sim ? fileBytes(memoryOf(sim)) : QByteArray();
    QStringList args = command.split(u' ');
    args << QStringList{"--wait", "1", "--ports", "/dev/zt41-com1", "--port", port};
    if (args.first() == u"write")
        args << channelFile("new.doc", otherRows(), QStringLiteral("2"));
    const ToolRun run = cli(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    // A failed radio's last step is told as failed, never as done.
    QVERIFY2(!run.out.contains(QStringLiteral(": done")), qPrintable(run.out));
    if (sim && !writes)
        QCOMPARE(fileBytes(memoryOf(sim)), before);
    QVERIFY(backups().isEmpty());
}

void TestCli::badInput_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("lines");      // on stderr
    QTest::addColumn<int>("showStatus"); // show names what write refuses, and shows it
    QTest::newRow("missing file") << QByteArray() << "no such file" << 1 << 4;
    QTest::newRow("too few values") << QByteArray("3,145.0,,") << "fewer than 97 values" << 1 << 4;
    const QByteArray good = encodeChannelFile(QStringLiteral("3"), sampleRows()).value();
    const auto changed = [&good](const char* from, const char* to) {
        return QByteArray(good).replace(from, to);
    };
    QTest::newRow("a row that cannot travel")
        << changed("430.01250", "1430.01250") // nine digits in the receive word
        << "channel 1: the receive frequency cannot be sent" << 1 << 0;
    QTest::newRow("600 MHz") << changed("430.01250", "600.00000")
                             << "channel 1: receive frequency \"600.00000\": outside 130 to 500"
                             << 2 << 0;
    QTest::newRow("letters, that would empty the channel but send its tones")
        << changed("430.01250", "abc") << "channel 1: receive frequency \"abc\": not a number" << 2
        << 0;
    QTest::newRow("a tone off the set")
        << changed("67.0", "77.7") << "receive tone \"77.7\": not one of the radio's 39" << 5
        << 0; // as receive and transmit tones
    QTest::newRow("squelch 12") << "12" + good.mid(1) << "squelch level \"12\": not a squelch" << 2
                                << 0;
    QTest::newRow("binary garbage")
        << QByteArray("\x00\x01\x02", 3) << "not a channel file" << 1 << 4;
}

void TestCli::badInput() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(int, lines);
    QFETCH(int, showStatus);
    const QString file = path(QStringLiteral("input.doc"));
    if (!content.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    }
    const QString log = path(QStringLiteral("radio.log"));
    SimulatorProcess* sim = radio({QStringLiteral("--log"), log});
    QVERIFY(sim);
    // The file is judged before the radio hears anything: not even a "C".
    // Verify sends nothing: only a file that is no channel set stops it.
    for (const char* command : {"write", "verify"}) {
        if (command == QByteArrayView("verify") && lines > 1)
            continue;
        const ToolRun run = cli({command, "--port", sim->portPath(), file});
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), lines);
    }
    QVERIFY2(!fileBytes(log).contains(" RX "), fileBytes(log).constData());
    const ToolRun shown = cli({"show", file});
    QCOMPARE(shown.status, showStatus);
    QVERIFY2(shown.err.contains(message) || lines == 1, qPrintable(shown.err));
}

void TestCli::closedOutputNeverCutsATransfer_data() {
    QTest::addColumn<bool>("pipeClosed"); // else a full disk: /dev/full
    QTest::newRow("| head that has gone") << true;
    QTest::newRow("> /dev/full") << false;
}

void TestCli::closedOutputNeverCutsATransfer() {
    QFETCH(bool, pipeClosed);
    SimulatorProcess* sim = radio({}, sampleRows());
    QVERIFY(sim);
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("2"));
    QProcess p;
    p.setProcessEnvironment(environment(path(QStringLiteral("data"))));
    const QStringList write{ZT41_CLI_PATH, "write", "--port", sim->portPath(), file};
    if (pipeClosed) // a reader that ends at once, as head does after its lines
        p.start("bash", QStringList{"-c", "\"$@\" | true; exit ${PIPESTATUS[0]}", "sh"} + write);
    else
        p.setStandardOutputFile(QStringLiteral("/dev/full"));
    if (!pipeClosed)
        p.start(write.first(), write.mid(1));
    QVERIFY(p.waitForFinished(kRunMs));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit); // no SIGPIPE
    QCOMPARE(p.exitCode(), 5);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral(": ok\n")) &&
                 err.contains(QStringLiteral("standard output could not be written")),
             qPrintable(err));
    const ChannelFileRead held = readChannelFile(memoryOf(sim));
    QVERIFY(
        compareInFrameForm("2", otherRows(), held.contents.squelch, held.contents.rows).isEmpty());
}

void TestCli::fourRadiosOneSilent() {
    std::vector<SimulatorProcess*> sims;
    for (int i = 0; i < 4; ++i) {
        sims.push_back(radio(i == 2 ? QStringList{"--silent"} : QStringList{}));
        QVERIFY(sims.back());
    }
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("2"));
    QElapsedTimer wall;
    wall.start();
    const ToolRun run = cli({"write", "--wait", "2", "--port", sims[0]->portPath(), "--port",
                             sims[1]->portPath() + u',' + sims[2]->portPath(), "--port",
                             sims[3]->portPath(), file});
    const qint64 ms = wall.elapsed();
    QCOMPARE(run.status, 2);
    // All at once: about one radio's time, not four.
    QVERIFY2(ms < 2 * 15000, qPrintable(QString::number(ms)));
    const QStringList lines = run.out.split(u'\n');
    for (int i = 0; i < 4; ++i) {
        // The final table: "PORT  ok" or "PORT  FAILED (status): why".
        QString line;
        for (const QString& l : lines)
            if (l.startsWith(sims[i]->portPath() + u' '))
                line = l;
        QVERIFY2(line.contains(i == 2 ? QStringLiteral("FAILED (2)") : QStringLiteral("  ok")),
                 qPrintable(run.out));
        const ChannelFileRead now = readChannelFile(memoryOf(sims[i]));
        const bool written = compareInFrameForm(QStringLiteral("2"), otherRows(),
                                                now.contents.squelch, now.contents.rows)
                                 .isEmpty();
        QCOMPARE(written, i != 2);
    }
    QCOMPARE(backups().size(), 3);
}

void TestCli::jsonForScripts() {
    SimulatorProcess* good = radio({});
    SimulatorProcess* broken = radio({"--corrupt-channel", "3"});
    QVERIFY(good && broken);
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("2"));
    const ToolRun run =
        cli({"write", "--json", "--port", good->portPath(), "--port", broken->portPath(), file});
    QCOMPARE(run.status, 3);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(run.out));
    QCOMPARE(doc[QStringLiteral("status")].toInt(), 3);
    const QJsonArray radios = doc[QStringLiteral("radios")].toArray();
    QCOMPARE(radios.size(), 2);
    QCOMPARE(radios[0][QStringLiteral("ok")].toBool(), true);
    QVERIFY(QFile::exists(radios[0][QStringLiteral("backup")].toString()));
    QCOMPARE(radios[1][QStringLiteral("status")].toInt(), 3);
    const QJsonArray diffs = radios[1][QStringLiteral("differences")].toArray();
    QCOMPARE(diffs.size(), 1);
    QCOMPARE(diffs[0][QStringLiteral("channel")].toInt(), 3);
    QCOMPARE(diffs[0][QStringLiteral("field")].toString(), QStringLiteral("receive frequency"));

    // A set the rules refuse: nothing sent, the document says why and agrees with the status.
    ChannelRows bad = otherRows();
    bad[4][Field::Rct] = QStringLiteral("77.7");
    const ToolRun refused = cli({"write", "--json", "--port", good->portPath(),
                                 channelFile("bad.doc", bad, QStringLiteral("2"))});
    QCOMPARE(refused.status, 4);
    const QJsonDocument why = QJsonDocument::fromJson(refused.out.toUtf8());
    QCOMPARE(why[QStringLiteral("status")].toInt(), 4);
    QCOMPARE(why[QStringLiteral("radios")].toArray().size(), 0);
    const QJsonObject finding = why[QStringLiteral("findings")][0].toObject();
    QCOMPARE(finding[QStringLiteral("channel")].toInt(), 5);
    QCOMPARE(finding[QStringLiteral("reason")].toString(), QStringLiteral("not a tone"));
}

void TestCli::progressOnATerminalUpdatesInPlace() {
    SimulatorProcess* a = radio({});
    SimulatorProcess* b = radio({});
    QVERIFY(a && b);
    // The tool's standard output is a terminal: the slave of a pseudo-terminal.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QByteArray slave = ::ptsname(master);
    QProcess p;
    p.setProcessEnvironment(environment(path(QStringLiteral("data"))));
    p.setChildProcessModifier([slave] {
        const int fd = ::open(slave.constData(), O_RDWR | O_NOCTTY);
        if (fd >= 0)
            ::dup2(fd, STDOUT_FILENO);
    });
    p.start(QStringLiteral(ZT41_CLI_PATH),
            {"read", "--port", a->portPath(), "--port", b->portPath()});
    QVERIFY(p.waitForFinished(kRunMs));
    QCOMPARE(p.exitCode(), 0);
    QByteArray screen;
    char buffer[4096];
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    for (qsizetype n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
        screen.append(buffer, n);
    ::close(master);
    // Each redraw goes back to the first radio's line and rewrites both lines.
    QVERIFY2(screen.count("\x1b[2F") >= 16, screen.constData());
    QVERIFY(
        screen.contains((a->portPath() + ": read [################] frame 16 of 16").toLatin1()));
    QVERIFY(screen.contains((b->portPath() + ": done, ok").toLatin1()));

    // On a narrow terminal each progress line is cut to its width, so none wraps.
    const int narrow = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(narrow >= 0 && ::grantpt(narrow) == 0 && ::unlockpt(narrow) == 0);
    const winsize size{1, 30, 0, 0};
    QCOMPARE(::ioctl(narrow, TIOCSWINSZ, &size), 0);
    const QByteArray narrowSlave = ::ptsname(narrow);
    p.setChildProcessModifier([narrowSlave] {
        const int fd = ::open(narrowSlave.constData(), O_RDWR | O_NOCTTY);
        if (fd >= 0)
            ::dup2(fd, STDOUT_FILENO);
    });
    p.start(QStringLiteral(ZT41_CLI_PATH), {"read", "--port", a->portPath()});
    QVERIFY(p.waitForFinished(kRunMs));
    screen.clear();
    ::fcntl(narrow, F_SETFL, O_NONBLOCK);
    for (qsizetype n; (n = ::read(narrow, buffer, sizeof buffer)) > 0;)
        screen.append(buffer, n);
    ::close(narrow);
    const QList<QByteArray> drawn = screen.split('\x1b');
    QVERIFY(drawn.size() > 16);
    for (const QByteArray& piece : drawn)
        if (piece.startsWith("[2K"))
            QVERIFY2(piece.mid(3).split('\r').first().split('\n').first().size() <= 29,
                     piece.constData());
}

void TestCli::interruptedWriteClosesThePorts() {
    SimulatorProcess* sim = radio({});
    QVERIFY(sim);
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("2"));
    QProcess p;
    QVERIFY(startWrite(p, sim->portPath(), file));
    // Into the frames: the backup is read within a second at --fast pace.
    QByteArray progress;
    QTRY_VERIFY_WITH_TIMEOUT((progress += p.readAllStandardOutput()).contains(": write"), 15000);
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 130);
    QVERIFY(p.readAllStandardError().contains("interrupted"));
    // The port is free again for the next run.
    const ToolRun ports = cli({"ports", "--ports", sim->portPath()});
    QVERIFY2(ports.out.contains(QRegularExpression(QStringLiteral("COM1 .*  opens\n"))),
             qPrintable(ports.out));
}

void TestCli::programmingLine() {
    const QString watch = path(QStringLiteral("watch")), report = path(QStringLiteral("line.csv"));
    QVERIFY(QDir().mkpath(watch));
    // Plugged in before the line starts: left alone with --only-new.
    SimulatorProcess early;
    QVERIFY(early.start({"--fast", "--link", watch + "/early"}));
    QProcess line;
    line.setProcessEnvironment(environment(path(QStringLiteral("data"))));
    line.start(QStringLiteral(ZT41_CLI_PATH),
               {"write", "--watch", "--watch-dir", watch, "--only-new", "--report", report,
                "--wait", "2", channelFile("new.doc", otherRows(), QStringLiteral("2"))});
    QVERIFY(line.waitForStarted());
    QTest::qWait(500);
    const auto records = [&] {
        return QString::fromUtf8(fileBytes(report)).split(u'\n', Qt::SkipEmptyParts);
    };
    SimulatorProcess good, off, silent;
    QVERIFY(good.start({"--fast", "--link", watch + "/good"}));
    QTRY_COMPARE_WITH_TIMEOUT(records().size(), 2, 20000); // the heading and the good radio
    QVERIFY(good.terminate() == 0);
    QVERIFY(off.start({"--fast", "--corrupt-channel", "16", "--link", watch + "/good"}));
    QTRY_COMPARE_WITH_TIMEOUT(records().size(), 3, 20000); // plugged in again: a new unit
    QVERIFY(silent.start({"--silent", "--link", watch + "/silent"}));
    QTest::qWait(700); // the silent one is in progress: Ctrl+C lets it end
    ::kill(static_cast<pid_t>(line.processId()), SIGINT);
    QVERIFY(line.waitForFinished(10000));
    QCOMPARE(line.exitCode(), 3); // the largest: a difference; no answer is 2
    const QStringList r = records();
    QCOMPARE(r.size(), 4);
    QVERIFY2(r[1].contains(",ok,0,") && r[1].contains(watch + "/good"), qPrintable(r[1]));
    QVERIFY2(r[2].contains(",3,") && r[2].contains("channel 16: receive frequency"),
             qPrintable(r[2]));
    QVERIFY2(r[3].contains("no answer") && r[3].contains(watch + "/silent"), qPrintable(r[3]));
    QVERIFY(!fileBytes(report).contains("early"));
}

void TestCli::cablePulledMidTransfer_data() {
    QTest::addColumn<QString>("step"); // the progress line after which the radio goes
    QTest::addColumn<QString>("message");
    QTest::newRow("during the backup read")
        << "backup"
        << "backup: the port went away during the read (cable pulled?)";
    QTest::newRow("during the write") << "write"
                                      << "write: the write failed at frame";
}

void TestCli::cablePulledMidTransfer() {
    QFETCH(QString, step);
    QFETCH(QString, message);
    // At the real pace a read takes seconds, long enough to be cut.
    SimulatorProcess* sim = radio({}, sampleRows(), sampleSquelch(), step != u"backup");
    QVERIFY(sim);
    const QByteArray before = fileBytes(memoryOf(sim));
    const QString file = channelFile("new.doc", otherRows(), QStringLiteral("2"));
    QProcess p;
    QVERIFY(startWrite(p, sim->portPath(), file));
    QByteArray progress;
    const QByteArray line = (": " + step + "\n").toLatin1();
    QTRY_VERIFY_WITH_TIMEOUT((progress += p.readAllStandardOutput()).contains(line), 15000);
    QTest::qWait(500);
    QCOMPARE(::kill(static_cast<pid_t>(sim->processId()), SIGKILL), 0);
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
    QCOMPARE(err.count(u'\n'), 1); // reported once
    if (step == u"backup") {
        QVERIFY(backups().isEmpty()); // no half backup, and nothing written
        QCOMPARE(fileBytes(memoryOf(sim)), before);
    }
}

void TestCli::databaseIsOnlyRead() {
    const QString db = path(ChannelTable::defaultFileName());
    {
        ChannelTable table;
        QVERIFY(table.open(db));
        QVERIFY(table.replaceDataFields(otherRows()));
    }
    const QByteArray before = fileBytes(db);
    const QDateTime modified = QFileInfo(db).lastModified();
    SimulatorProcess* sim = radio({});
    QVERIFY(sim);
    const ToolRun run =
        cli({"write", "--no-backup", "--squelch", "4", "--port", sim->portPath(), db});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const ChannelFileRead now = readChannelFile(memoryOf(sim));
    QCOMPARE(compareInFrameForm(QStringLiteral("4"), otherRows(), now.contents.squelch,
                                now.contents.rows),
             QList<FieldDifference>{});
    QCOMPARE(cli({"show", db}).status, 0);
    QCOMPARE(fileBytes(db), before);
    QCOMPARE(QFileInfo(db).lastModified(), modified);
    QVERIFY(!QFile::exists(db + QStringLiteral("-journal")));
}

void TestCli::diffComparesAsTheRadioHoldsThem_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("difference"); // empty: none
    QTest::newRow("same channels") << 0 << int(Field::Rf) << "430.01250"
                                   << "";
    QTest::newRow("a tone written without its .0 is the same tone") << 0 << int(Field::Rct) << "67"
                                                                    << "";
    QTest::newRow("a tone changed") << 1 << int(Field::Rct) << "88.5"
                                    << "channel 2: receive tone: 71.9 in";
    QTest::newRow("power changed") << 15 << int(Field::Pw) << "L"
                                   << "channel 16: power: H in";
    QTest::newRow("finer than 10 Hz never reaches the radio") << 2 << int(Field::Tf) << "185.687501"
                                                              << "";
}

void TestCli::diffComparesAsTheRadioHoldsThem() {
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, difference);
    ChannelRows changed = sampleRows();
    changed[row].fields[field] = value;
    const QString a = channelFile("a.doc", sampleRows(), QStringLiteral("6"));
    const QString b = channelFile("b.doc", changed, QStringLiteral("6"));
    const ToolRun run = cli({"diff", a, b});
    QCOMPARE(run.status, difference.isEmpty() ? 0 : 3);
    if (difference.isEmpty())
        QCOMPARE(run.out, QStringLiteral("no differences\n"));
    else
        QVERIFY2(run.out.startsWith(difference) && run.out.count(u'\n') == 1, qPrintable(run.out));
}

void TestCli::portsListsWhatOpens() {
    SimulatorProcess* sim = radio({});
    SimulatorProcess* silent = radio({"--silent"});
    SimulatorProcess* held = radio({});
    QVERIFY(sim && silent && held);
    // Another program holds the third radio's port, reached through a link of its own.
    const QString ttyA = path(QStringLiteral("ttyA"));
    QVERIFY(QFile::link(held->portPath(), ttyA));
    QSerialPortLink holder(*PortMap::fromList(ttyA));
    QVERIFY(holder.open());
    const ToolRun run = cli({"ports", "--probe", "--ports",
                             sim->portPath() + u',' + silent->portPath() +
                                 ",/dev/zt41-no-such-port," + held->portPath()});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(u'\n');
    const auto lineOf = [&](const QString& port) {
        for (const QString& l : lines)
            if (l.startsWith(port + u' '))
                return l;
        return QString();
    };
    QVERIFY2(lineOf("COM1").contains("a radio answers"), qPrintable(run.out));
    QVERIFY2(lineOf("COM2").contains("no radio answers"), qPrintable(run.out));
    QVERIFY2(lineOf("COM3").contains("no such device"), qPrintable(run.out));
    QVERIFY2(lineOf("COM4").contains("busy: another program holds it"), qPrintable(run.out));
    QVERIFY2(lineOf("COM5").contains("not mapped"), qPrintable(run.out));
}

void TestCli::csvToTheRadioAndBack() {
    SimulatorProcess* sim = radio({});
    QVERIFY(sim);
    // A repeater list as a directory exports it; the third row lies off the steps.
    const QString list = path(QStringLiteral("repeaters.csv"));
    {
        QFile f(list);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
            "CrossMode,Mode,Power,Comment\r\n"
            "1,W1AW,146.940000,-,0.600000,Tone,100.0,88.5,Tone->Tone,FM,5.0W,\r\n"
            "2,\"HILL, NORTH\",442.500000,+,5.000000,TSQL,88.5,141.3,Tone->Tone,FM,Low,bt=on\r\n"
            "3,ODD,146.522500,,0.000000,,88.5,88.5,Tone->Tone,FM,5.0W,\r\n");
    }
    const QString port = sim->portPath();
    ToolRun run = cli({"write", "--no-backup", "--squelch", "5", "--port", port, list});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    // The warning comes once, before the radios are served.
    QCOMPARE(run.err.count(u'\n'), 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("zt41-cli: ") + list +
                                QStringLiteral(": line 4 (channel 3): receive frequency")),
             qPrintable(run.err));
    const ChannelFileRead held = readChannelFile(memoryOf(sim));
    QCOMPARE(held.error, ChannelFileError::None);
    QCOMPARE(held.contents.squelch.toInt(), 5);
    // Channel 3 emptied in its place; the radio's old channels 4 to 16 are gone.
    ChannelRows expected = emptyRows(sampleRows());
    const QStringList first{"146.94000", "", "146.34000", "100.0", "off", "H"};
    const QStringList second{"442.50000", "141.3", "447.50000", "141.3", "on", "L"};
    for (int f = 1; f < kFieldCount; ++f) {
        expected[0].fields[f] = first[f - 1];
        expected[1].fields[f] = second[f - 1];
    }
    expected[2][Field::Bt] = QStringLiteral("off");
    expected[2][Field::Pw] = QStringLiteral("H");
    QCOMPARE(compareInFrameForm(QStringLiteral("5"), expected, held.contents.squelch,
                                held.contents.rows),
             QList<FieldDifference>{});

    QCOMPARE(cli({"verify", "--squelch", "5", "--port", port, list}).status, 0);
    // Without --squelch the CSV stands for level 3, which the radio does not hold.
    run = cli({"verify", "--port", port, list});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.err.contains(QStringLiteral(": squelch level: 3 expected, 5 in the radio\n")),
             qPrintable(run.err));

    // Scripts read the same English keys and field names whatever the language.
    run = cli({"verify", "--json", "--port", port, list}, kRunMs, QStringLiteral("zh_CN.UTF-8"));
    QCOMPARE(run.status, 3);
    const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8());
    const QJsonObject radio = doc[QStringLiteral("radios")][0].toObject();
    QCOMPARE(radio[QStringLiteral("differences")][0][QStringLiteral("field")].toString(),
             QStringLiteral("squelch level"));
    QVERIFY2(
        radio[QStringLiteral("message")].toString().contains(QStringLiteral("校验发现 1 处不同")),
        qPrintable(run.out));

    // Read back into CSV: what the radio holds, ready for CHIRP, and the same channels again.
    const QString back = path(QStringLiteral("back.csv"));
    run = cli({"read", "--port", port, "-o", back});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    const QByteArray csv = fileBytes(back);
    QVERIFY2(csv.contains("\r\n1,CH01,146.940000,-,0.600000,Tone,100.0,"), csv.constData());
    QVERIFY2(csv.contains("\r\n2,CH02,442.500000,+,5.000000,TSQL,141.3,141.3,"), csv.constData());
    QCOMPARE(csv.count("\r\n"), 3); // the header and two channels
    QCOMPARE(cli({"verify", "--squelch", "5", "--port", port, back}).status, 0);
}

void TestCli::readNeverReplacesTheDatabase_data() {
    QTest::addColumn<QString>("name"); // the output, in the test's folder unless absolute
    QTest::addColumn<QString>("what"); // a copy of the database, a link to it, a report, ...
    // %1: the output, %2: the channel file read, %3: the test's folder
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("message");
    const QStringList read{"read", "--port", "/dev/zt41-no-such-port", "-o", "%1"};
    const QStringList line{"write", "--watch", "--watch-dir", "%3", "--report", "%1", "%2"};
    const QString database = QStringLiteral("is a channel database: zt41-cli never changes one");
    QTest::newRow("the database by its name") << "ZT41XE.mdb"
                                              << "" << read << database;
    QTest::newRow("a database under a channel file's name") << "old.doc"
                                                            << "copy" << read << database;
    QTest::newRow("a card onto a link to the database")
        << "card.pdf"
        << "link" << QStringList{"card", "%2", "-o", "%1"} << database;
    QTest::newRow("a plan onto a database named .csv")
        << "x.csv"
        << "copy" << QStringList{"plan", "--service", "pmr446", "-o", "%1"} << database;
    QTest::newRow("a report onto a database") << "line.csv"
                                              << "copy" << line << database;
    QTest::newRow("a report onto /dev/full") << "/dev/full"
                                             << "" << line << "/dev/full is not a plain file";
    QTest::newRow("a report onto the input") << "in.doc"
                                             << "input" << line << "is the file being read";
    QTest::newRow("a JSON lines report onto a CSV report")
        << "line.jsonl"
        << "csv report" << line << "is not a JSON lines report";
    QTest::newRow("a report onto a CHIRP CSV file") << "chirp.csv"
                                                    << "chirp" << line << "is not a CSV report";
}

void TestCli::readNeverReplacesTheDatabase() {
    QFETCH(QString, name);
    QFETCH(QString, what);
    QFETCH(QStringList, command);
    QFETCH(QString, message);
    const QString db = path(ChannelTable::defaultFileName());
    {
        ChannelTable table;
        QVERIFY(table.open(db));
        QVERIFY(table.replaceDataFields(otherRows()));
    }
    const QString target = QDir(m_dir->path()).filePath(name);
    const QString input = what == u"input" ? target : path("in.doc");
    QVERIFY(!channelFile("in.doc", otherRows(), QStringLiteral("2")).isEmpty());
    if (what == u"copy")
        QVERIFY(QFile::copy(db, target));
    if (what == u"link")
        QVERIFY(QFile::link(db, target));
    if (what == u"csv report")
        QVERIFY(writeBytes(target, "time,device,name,result,status,backup,first difference\n"));
    if (what == u"chirp")
        QCOMPARE(cli({"convert", input, target}).status, 0);
    const bool plain = QFileInfo(target).isFile();
    const QByteArray before = plain ? fileBytes(target) : QByteArray();
    const QByteArray dbBefore = fileBytes(db);
    for (QString& a : command)
        a.replace("%1", target).replace("%2", input).replace("%3", m_dir->path());
    // Refused before any port or radio is touched: none is needed to see it.
    const ToolRun run = cli(command, 10000);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (plain)
        QCOMPARE(fileBytes(target), before);
    QCOMPARE(fileBytes(db), dbBefore);
}

void TestCli::lineTakesSerialPortsAndFollowsItsFolder() {
    // udev makes /dev/serial/by-id with the first cable and removes it with the last.
    const QString byId = path(QStringLiteral("serial/by-id"));
    const QString report = path(QStringLiteral("line.jsonl"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("serial"))));
    QProcess line;
    QVERIFY(startTool(line, {"write", "--watch", "--watch-dir", byId, "--json", "--report", report,
                             "--no-backup", "--no-verify",
                             channelFile("new.doc", otherRows(), QStringLiteral("2"))}));
    QTest::qWait(500);
    const auto records = [&] {
        return QString::fromUtf8(fileBytes(report)).split(u'\n', Qt::SkipEmptyParts);
    };
    QVERIFY(QDir().mkpath(byId));
    // None of these is a serial port: no bell, no record.
    QVERIFY(writeBytes(byId + "/notes.txt", "not a radio"));
    QVERIFY(QFile::link("/dev/null", byId + "/null"));
    QVERIFY(QFile::link(byId + "/nothing", byId + "/dangling"));
    QCOMPARE(::mkfifo(QFile::encodeName(byId + "/fifo").constData(), 0600), 0);
    SimulatorProcess first, second;
    QVERIFY(first.start({"--fast", "--link", byId + "/first"}));
    QTRY_COMPARE_WITH_TIMEOUT(records().size(), 1, 20000);
    QVERIFY(first.terminate() == 0);
    QVERIFY(QDir(byId).removeRecursively());
    QTest::qWait(300);
    QVERIFY(QDir().mkpath(byId));
    QVERIFY(second.start({"--fast", "--link", byId + "/second"}));
    QTRY_COMPARE_WITH_TIMEOUT(records().size(), 2, 20000);
    ::kill(static_cast<pid_t>(line.processId()), SIGINT);
    QVERIFY(line.waitForFinished(10000));
    QCOMPARE(line.exitCode(), 0);
    const QStringList r = records();
    QVERIFY2(r[0].contains(byId + "/first") && r[1].contains(byId + "/second"),
             qPrintable(r.join(u'\n')));
    // One JSON document a line on standard output too, one per radio.
    const QList<QByteArray> out = line.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(out.size(), 2);
    for (const QByteArray& o : out)
        QCOMPARE(QJsonDocument::fromJson(o).object().value("status").toInt(-1), 0);
}

void TestCli::secondCtrlCEndsEveryUnitAtOnce() {
    const QString watch = path(QStringLiteral("watch")), report = path(QStringLiteral("line.csv"));
    QVERIFY(QDir().mkpath(watch));
    // At the radio's own pace, so that the writes are long under way.
    SimulatorProcess a, b;
    QVERIFY(a.start({"--link", watch + "/a"}) && b.start({"--link", watch + "/b"}));
    QProcess line;
    QVERIFY(startTool(line, {"write", "--watch", "--watch-dir", watch, "--report", report,
                             channelFile("new.doc", otherRows(), QStringLiteral("2"))}));
    QTRY_COMPARE_WITH_TIMEOUT(backups().size(), 2, 20000); // backed up: the writes begin
    ::kill(static_cast<pid_t>(line.processId()), SIGINT);
    QTest::qWait(100);
    QElapsedTimer timer;
    timer.start();
    ::kill(static_cast<pid_t>(line.processId()), SIGINT);
    QVERIFY(line.waitForFinished(10000));
    QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(line.exitCode(), 130);
    const QStringList r = QString::fromUtf8(fileBytes(report)).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(r.size(), 3);
    for (int i = 1; i <= 2; ++i)
        QVERIFY2(r[i].contains(",interrupted,130,") && r[i].contains("/backups/"),
                 qPrintable(r[i]));
}

void TestCli::echoingCableFailsTheWrite() {
    // A looped cable: every byte sent comes straight back.
    PseudoRadio loop;
    QVERIFY(loop.open());
    ::fcntl(loop.master, F_SETFL, ::fcntl(loop.master, F_GETFL) | O_NONBLOCK);
    QProcess p;
    QVERIFY(startTool(p, {"write", "--no-backup", "--no-verify", "--port", loop.slavePath,
                          channelFile("new.doc", otherRows(), QStringLiteral("2"))}));
    while (!p.waitForFinished(5)) {
        char buf[256];
        const ssize_t n = ::read(loop.master, buf, sizeof buf);
        if (n > 0)
            QCOMPARE(::write(loop.master, buf, size_t(n)), n);
    }
    const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    QCOMPARE(p.exitCode(), 2);
    QVERIFY2(out.contains("our own bytes came back"), qPrintable(out));
}

void TestCli::reportThatCannotBeWrittenStopsTheLine() {
    const QString watch = path(QStringLiteral("watch")), report = path(QStringLiteral("line.csv"));
    QVERIFY(QDir().mkpath(watch));
    const QByteArray header = "time,device,name,result,status,backup,first difference\n";
    SimulatorProcess radio;
    QVERIFY(radio.start({"--fast", "--link", watch + "/radio"}));
    QProcess line;
    // The disk fills after the header and the port's lock: no file grows further.
    line.setChildProcessModifier([size = header.size()] {
        const rlimit limit{rlim_t(size + 40), rlim_t(size + 40)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);
    });
    QVERIFY(startTool(line, {"write", "--watch", "--watch-dir", watch, "--report", report,
                             "--no-backup", channelFile("new.doc", otherRows(), "2")}));
    // The line stops by itself once the radio's record could not be kept.
    QVERIFY(line.waitForFinished(30000));
    QCOMPARE(line.exitCode(), 5);
    const QString err = QString::fromUtf8(line.readAllStandardError());
    QVERIFY2(err.contains("could not be written") && err.contains(watch + "/radio,ok,0,"),
             qPrintable(err));
    QCOMPARE(fileBytes(report), header);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
