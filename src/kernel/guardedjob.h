// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One radio on one port, from the radio's "C" to the end: read it; or keep
// what it holds as a backup, write, read it back and compare field by field;
// or only compare. Each step starts as soon as the one before has ended.
//
// How a front end drives a job (the window and the tool with QTimers and a
// serial port, the page with setTimeout and Web Serial through a
// BufferedLink):
//  - it implements GuardedJobHost: the session's clock (startTimer,
//    stopTimer, startFrameDeadline, stopFrameDeadline, as in linksession.h),
//    the wait for the radio (startReadyWait(ms): call readyWaitPassed() once
//    that long from now unless stopReadyWait() comes first), callSoon() (call
//    resume() once, after the current call has returned: a zero timeout),
//    the backup folder and the saving of a backup, and changed()/finished();
//  - it calls start(), then tick(t), frameDeadlinePassed(), readyWaitPassed()
//    and resume() as asked, inputArrived() after handing received bytes to
//    the link, linkLost() when the port goes away, abort() to stop;
//  - it shows step() and frame() on changed(), and result() on finished().
// The link is opened by start() unless it is open already, and closed at
// the end only if start() opened it.

#include "frames.h"
#include "linksession.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zt41::kernel {

// A fixed set of 16 rows and a squelch text that a write sends, held by
// value. What a read brings is kept apart, so a read (a backup, a check
// afterwards) never changes what the next write sends.
class FixedRows : public RowStore {
public:
    FixedRows(const ChannelRows& rows, const std::string& squelch)
        : m_rows(rows)
        , m_squelch(squelch) {}

    std::string squelchText() const override { return m_squelch; }
    ChannelRecord row(int index) const override { return m_rows[index]; }
    ChannelRows rows() const override { return m_rows; }
    // Keeps the rows read, with the numbers of the rows to send.
    bool store(const ChannelRows& rows, const std::string& squelch) override;

    const ChannelRows& receivedRows() const { return m_received; }
    const std::string& receivedSquelch() const { return m_receivedSquelch; }

private:
    ChannelRows m_rows;
    std::string m_squelch;
    ChannelRows m_received{};
    std::string m_receivedSquelch;
};

class GuardedJobHost {
public:
    virtual ~GuardedJobHost() = default;
    // The session's clock, as SessionFrontEnd.
    virtual void startTimer(SessionTimer timer) = 0;
    virtual void stopTimer(SessionTimer timer) = 0;
    virtual void startFrameDeadline() = 0;
    virtual void stopFrameDeadline() = 0;
    // The wait for the radio's "C".
    virtual void startReadyWait(int ms) = 0;
    virtual void stopReadyWait() = 0;
    // Asks for one call of resume() once the current call has returned.
    virtual void callSoon() = 0;
    // Whether the backup folder is there and can be written.
    virtual bool backupFolderReady() = 0;
    // The folder, for a message that it could not be written.
    virtual std::string backupFolder() const = 0;
    // Saves what the radio held; the backup's path, or nothing when it could
    // not be saved.
    virtual std::optional<std::string> saveBackup(const std::string& squelch,
                                                  const ChannelRows& rows) = 0;
    // Whether saveBackup() only starts the saving and its return means
    // nothing: the front end calls GuardedJob::backupSaved() once the backup
    // is kept or refused, and the write waits for it. (A file is written at
    // once; a browser's storage answers later.)
    virtual bool savesBackupLater() const { return false; }
    // The step, the frame or the result has changed.
    virtual void changed() {}
    // The job has ended: result() holds how.
    virtual void finished() {}
};

class GuardedJob : private SessionFrontEnd {
public:
    enum class Operation { Read, Write, Verify };
    enum class Step { Queued, Opening, WaitingForRadio, Backup, Writing, Verifying, Reading, Done };
    enum class Failure {
        None,
        PortNotOpened, // the link did not open
        NoAnswer,      // no "C" within the wait
        PortLost,      // the port went away while waiting for the radio
        Transfer,      // a transfer failed: `transfer` says how, `failedStep` where
        BackupFolder,  // the backup folder cannot be written: nothing was read
        BackupNotSaved,
        Differences, // the radio holds something else: `differences`
        Interrupted,
        Echo, // what was sent came back: a looped cable, or a device that is not the radio
    };

    struct Options {
        Operation operation = Operation::Read;
        ChannelSet toSend;   // Write and Verify
        bool backup = false; // Write: keep what the radio holds first
        bool verify = true;  // Write
        // Write: a backup goes back as the radio held it, whatever the editing
        // rules think of its values; a table is held to them.
        bool restoring = false;
        int readyWaitMs = 3000; // how long to wait for the radio's "C"
    };

    struct Result {
        Failure failure = Failure::None;
        Step failedStep = Step::Queued;
        TransferOutcome transfer;
        std::string backupPath; // the backup kept, or the folder that could not take it
        std::vector<FieldDifference> differences;
        bool haveRead = false; // Read: `read` holds what the radio gave
        ChannelSet read;
        bool ok() const { return failure == Failure::None; }
    };

    // The link and the host must outlive the job.
    GuardedJob(ByteLink& link, GuardedJobHost& host, Options options);

    void start();
    // Ends the job at once (a signal to the process).
    void abort();

    // The host's clock, port and callSoon().
    void tick(SessionTimer timer) { m_session.tick(timer); }
    void frameDeadlinePassed() { m_session.frameDeadlinePassed(); }
    void readyWaitPassed();
    void resume();
    void inputArrived();
    // The outcome of a backup saved later (savesBackupLater()): its path, or
    // nothing when it could not be kept.
    void backupSaved(const std::optional<std::string>& path);
    void linkLost(bool mayComeBack = true);

    Step step() const { return m_step; }
    // Frames done in the running transfer, 0 to 16.
    int frame() const { return m_frame; }
    bool isDone() const { return m_step == Step::Done; }
    const Result& result() const { return m_result; }
    // Whether the radio may hold other channels than before: "A" was sent.
    bool radioMayHaveChanged() const { return m_sentWrite; }
    Session& session() { return m_session; }

private:
    // SessionFrontEnd
    void startTimer(SessionTimer timer) override { m_host.startTimer(timer); }
    void stopTimer(SessionTimer timer) override { m_host.stopTimer(timer); }
    void startFrameDeadline() override { m_host.startFrameDeadline(); }
    void stopFrameDeadline() override { m_host.stopFrameDeadline(); }
    void readyChanged(bool ready) override;
    void progress(Transfer transfer, int frame) override;
    void finished(const TransferOutcome& outcome) override;

    void setStep(Step step);
    WriteRules writeRules() const;
    void waitForRadio();
    void afterReady();
    void sendWrite();
    void continueAfter(Step ended);
    void writeAfterBackup(const std::optional<std::string>& path);
    void finish(Failure failure);
    void listenForEcho();

    ByteLink& m_link;
    GuardedJobHost& m_host;
    Options m_options;
    FixedRows m_rows;
    Session m_session;
    bool m_openedLink = false;
    Step m_step = Step::Queued;
    Step m_afterReady = Step::Queued;
    int m_frame = 0;
    bool m_sentWrite = false;
    bool m_awaitingBackup = false;
    std::deque<Step> m_ended;  // transfers that ended well, waiting for resume()
    std::string m_sent;        // what the write sends: "A" and the 16 frames
    std::size_t m_matched = 0; // how far what came back follows it
    std::size_t m_heard = 0;   // bytes that came back during the write, "C" aside
    Result m_result;
};

} // namespace zt41::kernel
