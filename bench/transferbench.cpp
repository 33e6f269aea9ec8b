// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-transferbench: one full write and one full read of the 16 channels
// against zt41-radio at the line's real pace, wired as the main window wires
// them, and how they compare with their targets. Run by bench/transfers.sh.
//
// Exit status: 0 all targets met, 2 a target missed, 1 a transfer or the set-up failed.

#include "link/channelframe.h"
#include "linkrig.h"
#include "linksamples.h"
#include "simulatorprocess.h"
#include "trafficlogreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace zt41;
using namespace zt41::sim;

namespace {

constexpr int kReadyWaitMs = 5000;
constexpr int kWriteWaitMs = (kChannelCount + 2) * LinkRig::kWriteMs + 5000;
constexpr int kReadWaitMs = LinkRig::kReadGuardMs + 5000;
constexpr int kLogWaitMs = 5000;

// 448 characters of 10 bits at 1200 bit/s.
constexpr double kLineLimitS = kChannelCount * kFrameLength * 10 / 1200.0;
constexpr double kReadTarget = 1.05; // x the line limit, plus the radio's pause after "5"
constexpr double kCpuTarget = 0.05;  // of the wall time
constexpr double kSpacingTargetMs = 15;
constexpr double kSpacingMs = LinkRig::kWriteMs;

struct Span {
    qint64 wallNs = 0;
    qint64 cpuNs = 0;
    double cpuShare() const { return wallNs > 0 ? double(cpuNs) / double(wallNs) : 0; }
};

// Runs `transfer` until `done` holds and measures the wall and CPU time it took.
bool measure(LinkRig& rig, const std::function<void()>& transfer, const std::function<bool()>& done,
             int timeoutMs, Span& span) {
    const qint64 cpuBefore = processCpuNs();
    QElapsedTimer wall;
    wall.start();
    transfer();
    const bool ok = rig.waitUntil(done, timeoutMs);
    span.wallNs = wall.nsecsElapsed();
    span.cpuNs = processCpuNs() - cpuBefore;
    return ok;
}

int fail(const QString& why) {
    std::fprintf(stderr, "zt41-transferbench: %s\n", qPrintable(why));
    return 1;
}

bool report(const char* figure, double ratio, const QString& target, bool met,
            const QString& details) {
    std::printf("%-25s %-7.4f %-10s %-7s %s\n", figure, ratio, qPrintable(target),
                met ? "ok" : "MISSED", qPrintable(details));
    return met;
}

} // namespace

int main(int argc, char* argv[]) {
    // The radio's notes on every command would bury the figures.
    qputenv("QT_LOGGING_RULES", "*.info=false");
    QCoreApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString logPath = dir.filePath(QStringLiteral("traffic.log"));
    SimulatorProcess sim;
    if (!sim.start({QStringLiteral("--log"), logPath}))
        return fail(QStringLiteral("zt41-radio did not start"));

    LinkRig rig(sim.portPath());
    QString error;
    if (!rig.start(&error))
        return fail(error);
    if (!rig.waitUntil([&] { return rig.becameReady(); }, kReadyWaitMs))
        return fail(QStringLiteral("the radio never answered the ready poll"));

    const ChannelRows rows = sampleRows();
    if (!rig.table().replaceDataFields(rows))
        return fail(rig.table().errorString());
    rig.setSquelchText(sampleSquelch());
    const ChannelRows written = rig.table().rows();

    Span write;
    if (!measure(
            rig, [&] { rig.commandWrite(); }, [&] { return !rig.writer().isRunning(); },
            kWriteWaitMs, write) ||
        rig.status() != LinkStatus::Written || !rig.failures().isEmpty())
        return fail(QStringLiteral("the write did not complete: %1").arg(rig.failureTrail()));

    // Read once the radio is heard again, as a user would.
    const qsizetype afterWrite = rig.statuses().size();
    if (!rig.waitUntil([&] { return rig.becameReady(afterWrite); }, kReadyWaitMs))
        return fail(QStringLiteral("the radio was not ready after the write"));
    if (!rig.table().replaceDataFields(emptyRows(written)))
        return fail(rig.table().errorString());
    rig.setSquelchText(QStringLiteral("3"));

    Span read;
    if (!measure(
            rig, [&] { rig.commandRead(); }, [&] { return !rig.readResults().isEmpty(); },
            kReadWaitMs, read) ||
        rig.readResults() != QList<bool>{true})
        return fail(QStringLiteral("the read did not complete: %1").arg(rig.failureTrail()));
    if (rig.table().rows() != written || rig.squelchText() != sampleSquelch())
        return fail(QStringLiteral("the read did not give back what was written"));

    std::optional<LoggedTraffic> log;
    std::optional<LoggedWrite> loggedWrite;
    std::optional<LoggedRead> loggedRead;
    const bool logged = rig.waitUntil(
        [&] {
            log = readTrafficLog(logPath, &error);
            if (!log)
                return false;
            loggedWrite = findWrite(*log);
            loggedRead = findRead(*log);
            return loggedWrite && loggedWrite->frames.size() == kChannelCount && loggedRead &&
                   loggedRead->sentCount == kChannelCount * kFrameLength;
        },
        kLogWaitMs);
    if (!logged)
        return fail(QStringLiteral("the radio's log lacks the transfers %1").arg(error));

    const double readS = rig.lastReadNs() / 1e9;
    const double pauseS = (loggedRead->firstSentMicros - loggedRead->requestMicros) / 1e6;
    const double radioS = (loggedRead->lastSentMicros - loggedRead->requestMicros) / 1e6;
    const double readRatio = readS / kLineLimitS;
    const double readLimit = kReadTarget + pauseS / kLineLimitS;
    const double deviationMs =
        largestDeviationMicros(frameGapsMicros(*loggedWrite), qint64(kSpacingMs * 1000)) / 1000.0;

    std::printf("zt41 transfers against zt41-radio at 1200 bit/s; line limit of a read: "
                "448 characters x 10 bit / 1200 bit/s = %.3f s\n\n",
                kLineLimitS);
    std::printf("%-25s %-7s %-10s %-7s %s\n", "figure", "ratio", "target", "", "details");
    bool met = true;
    met &= report("read time / line limit", readRatio,
                  QStringLiteral("<= %1").arg(readLimit, 0, 'f', 3), readRatio <= readLimit,
                  QStringLiteral("%1 s from \"5\" to the last frame; target %2 x + %3 s pause "
                                 "after \"5\"; the radio sent its last character %4 s after \"5\"")
                      .arg(readS, 0, 'f', 3)
                      .arg(kReadTarget, 0, 'f', 2)
                      .arg(pauseS, 0, 'f', 4)
                      .arg(radioS, 0, 'f', 3));
    met &= report("read CPU / wall time", read.cpuShare(),
                  QStringLiteral("< %1").arg(kCpuTarget, 0, 'f', 3), read.cpuShare() < kCpuTarget,
                  QStringLiteral("%1 s CPU in %2 s")
                      .arg(read.cpuNs / 1e9, 0, 'f', 3)
                      .arg(read.wallNs / 1e9, 0, 'f', 3));
    met &= report("write CPU / wall time", write.cpuShare(),
                  QStringLiteral("< %1").arg(kCpuTarget, 0, 'f', 3), write.cpuShare() < kCpuTarget,
                  QStringLiteral("%1 s CPU in %2 s")
                      .arg(write.cpuNs / 1e9, 0, 'f', 3)
                      .arg(write.wallNs / 1e9, 0, 'f', 3));
    met &= report("frame spacing deviation", deviationMs / kSpacingMs,
                  QStringLiteral("<= %1").arg(kSpacingTargetMs / kSpacingMs, 0, 'f', 3),
                  deviationMs <= kSpacingTargetMs,
                  QStringLiteral("largest %1 ms from %2 ms over the 16 gaps (target %3 ms)")
                      .arg(deviationMs, 0, 'f', 1)
                      .arg(kSpacingMs, 0, 'f', 0)
                      .arg(kSpacingTargetMs, 0, 'f', 0));
    return met ? 0 : 2;
}
