// SPDX-License-Identifier: GPL-3.0-or-later
// The guarded job's outcomes against a radio made of bytes: what it ends
// with, and whether anything was written to the radio.
#include "kernel/frames.h"
#include "kernel/guardedjob.h"
#include "scriptedjob.h"

#include <QtTest>

using namespace zt41::kernel;
using zt41::test::JobClock;
using zt41::test::ScriptedRadio;

namespace {

using Job = GuardedJob;

// Keeps its backups at once or later, or refuses them.
struct BackupHost : JobClock {
    bool refuse = false;
    int saved = 0;
    std::optional<std::string> saveBackup(const std::string&, const ChannelRows&) override {
        ++saved;
        const std::optional<std::string> outcome =
            refuse ? std::nullopt : std::optional<std::string>("backup");
        if (savesLater)
            keepLater(outcome);
        return outcome;
    }
};

ChannelSet tableWith(const char* receive) {
    ChannelSet set{"3", {}};
    for (int k = 1; k <= kChannelCount; ++k)
        set.rows[k - 1][Field::No] = std::to_string(k);
    for (Field f : {Field::Rf, Field::Tf})
        set.rows[4][f] = receive;
    set.rows[4][Field::Bt] = "off";
    set.rows[4][Field::Pw] = "H";
    return set;
}

std::string framesOf(const ChannelSet& set) {
    std::string frames;
    for (int k = 1; k <= kChannelCount; ++k)
        frames += encodeFrame(k, set.squelch, set.rows[k - 1]);
    return frames;
}

} // namespace

class TestGuardedJob : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data();
    void outcomes();
};

enum Radio { Answers, Silent, Looped, CorruptsFrame5, StopsAfter10 };
enum Backup { NoBackup, KeptAtOnce, RefusedAtOnce, KeptLater, RefusedLater };

void TestGuardedJob::outcomes_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("radio");
    QTest::addColumn<int>("backup");
    QTest::addColumn<bool>("restoring");
    QTest::addColumn<QString>("receive"); // channel 5's receive frequency in the table
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("written"); // the radio heard "A"

    const int write = int(Job::Operation::Write), verify = int(Job::Operation::Verify);
    QTest::newRow("written and verified")
        << write << int(Answers) << int(KeptAtOnce) << false << QString("146.50000")
        << int(Job::Failure::None) << true;
    QTest::newRow("backup kept later: written")
        << write << int(Answers) << int(KeptLater) << false << QString("146.50000")
        << int(Job::Failure::None) << true;
    QTest::newRow("backup refused: nothing written")
        << write << int(Answers) << int(RefusedAtOnce) << false << QString("146.50000")
        << int(Job::Failure::BackupNotSaved) << false;
    QTest::newRow("backup refused later: nothing written")
        << write << int(Answers) << int(RefusedLater) << false << QString("146.50000")
        << int(Job::Failure::BackupNotSaved) << false;
    QTest::newRow("radio silent") << write << int(Silent) << int(KeptAtOnce) << false
                                  << QString("146.50000") << int(Job::Failure::NoAnswer) << false;
    QTest::newRow("backup read cut short: nothing written")
        << write << int(StopsAfter10) << int(KeptAtOnce) << false << QString("146.50000")
        << int(Job::Failure::Transfer) << false;
    QTest::newRow("radio stores frame 5 wrong")
        << write << int(CorruptsFrame5) << int(KeptAtOnce) << false << QString("146.50000")
        << int(Job::Failure::Differences) << true;
    QTest::newRow("looped cable") << write << int(Looped) << int(NoBackup) << false
                                  << QString("146.50000") << int(Job::Failure::Echo) << true;
    QTest::newRow("600 MHz from the table is not sent")
        << write << int(Answers) << int(KeptAtOnce) << false << QString("600.00000")
        << int(Job::Failure::Transfer) << false;
    QTest::newRow("600 MHz from a backup goes back")
        << write << int(Answers) << int(NoBackup) << true << QString("600.00000")
        << int(Job::Failure::None) << true;
    QTest::newRow("check only: equal") << verify << int(Answers) << int(NoBackup) << false
                                       << QString("146.50000") << int(Job::Failure::None) << false;
    QTest::newRow("check only: frame 5 differs")
        << verify << int(CorruptsFrame5) << int(NoBackup) << false << QString("146.50000")
        << int(Job::Failure::Differences) << false;
}

void TestGuardedJob::outcomes() {
    QFETCH(int, operation);
    QFETCH(int, radio);
    QFETCH(int, backup);
    QFETCH(bool, restoring);
    QFETCH(QString, receive);
    QFETCH(int, failure);
    QFETCH(bool, written);

    const ChannelSet table = tableWith(receive.toUtf8().constData());
    ScriptedRadio r;
    r.memory = framesOf(tableWith("430.02500"));
    if (operation == int(Job::Operation::Verify))
        r.memory = framesOf(table);
    const std::string before = r.memory;
    r.silent = radio == Silent;
    r.looped = radio == Looped;
    r.corruptFrame = radio == CorruptsFrame5 ? 5 : 0;
    r.framesSent = radio == StopsAfter10 ? 10 : kChannelCount;

    BufferedLink link;
    link.setMayOpen(true);
    BackupHost host;
    host.refuse = backup == RefusedAtOnce || backup == RefusedLater;
    host.savesLater = backup == KeptLater || backup == RefusedLater;
    Job::Options options;
    options.operation = static_cast<Job::Operation>(operation);
    options.toSend = table;
    options.backup = backup != NoBackup;
    options.restoring = restoring;
    Job job(link, host, options);
    zt41::test::runJob(r, link, job, host);

    QVERIFY(job.isDone());
    QCOMPARE(int(job.result().failure), failure);
    QVERIFY(!host.wroteBeforeBackupKept);
    if (!r.looped)
        QCOMPARE(r.heardWrite, written);
    QCOMPARE(job.radioMayHaveChanged(), written);
    if (!written)
        QCOMPARE(r.memory, before);
    else if (!r.looped)
        QCOMPARE(r.memory, framesOf(table));
    if (failure == int(Job::Failure::Differences)) {
        QVERIFY(!job.result().differences.empty());
        for (const FieldDifference& d : job.result().differences)
            QCOMPARE(d.channel, 5);
    }
    QCOMPARE(host.saved, options.backup && radio != Silent && radio != StopsAfter10 ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestGuardedJob)
#include "tst_guardedjob.moc"
