// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "files/backupstore.h"
#include "framecompare.h"
#include "kernel/guardedjob.h"
#include "kernel/sendcheck.h"
#include "kerneladapters.h"
#include "linksession.h"
#include "rowstore.h"
#include "seriallink.h"
#include "sessionhost.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace zt41 {

using kernel::WriteRules;

// One radio on one port, from the radio's "C" to the end: read it; or keep
// what it holds as a backup, write, read it back and compare field by field;
// or only compare. Each step starts as soon as the one before has ended.
// Reports its step, frame k of 16 and its outcome as values; the window and
// the tool word them. Runs on the event loop beside any number of others.
// The kernel's job decides; this gives it QTimers, the serial port and the
// backup folder.
class GuardedJob : public QObject {
    Q_OBJECT
public:
    using Operation = kernel::GuardedJob::Operation;
    using Step = kernel::GuardedJob::Step;
    // PortNotOpened: openFailure says why.
    using Failure = kernel::GuardedJob::Failure;

    struct Options {
        Operation operation = Operation::Read;
        ChannelSet toSend;                 // Write and Verify
        std::optional<BackupStore> backup; // Write: where the backup goes, or none
        bool verify = true;                // Write
        // Write: a backup goes back as the radio held it, whatever the editing
        // rules think of its values; a table is held to them.
        bool restoring = false;
        int readyWaitMs = 3000; // how long to wait for the radio's "C"
    };

    struct Result {
        Failure failure = Failure::None;
        Step failedStep = Step::Queued;
        PortOpenFailure openFailure;
        TransferOutcome transfer;
        QString backupPath; // the backup kept, or the one that could not be saved
        QList<FieldDifference> differences;
        bool haveRead = false; // Read: `read` holds what the radio gave
        ChannelSet read;
        bool ok() const { return failure == Failure::None; }
    };

    // `port` names the radio in backups; `link` is opened by start() unless
    // it is open already, and left as it was found.
    GuardedJob(SerialLink& link, const QString& port, Options options, QObject* parent = nullptr);
    ~GuardedJob() override;
    Q_DISABLE_COPY_MOVE(GuardedJob)

    void start();
    // Ends the job at once (a signal to the process).
    void abort();

    const QString& port() const { return m_port; }
    Step step() const { return m_job.step(); }
    // Frames done in the running transfer, 0 to 16.
    int frame() const { return m_job.frame(); }
    bool isDone() const { return m_job.isDone(); }
    const Result& result() const { return m_result; }
    // Whether the radio may hold other channels than before: "A" was sent.
    bool radioMayHaveChanged() const { return m_job.radioMayHaveChanged(); }

Q_SIGNALS:
    void changed();
    void finished();

private:
    // The kernel job's host: the QTimers, the backup folder and this job's signals.
    class Host : public kernel::GuardedJobHost {
    public:
        explicit Host(GuardedJob& job)
            : m_j(job) {}
        void startTimer(SessionTimer timer) override;
        void stopTimer(SessionTimer timer) override;
        void startFrameDeadline() override { m_j.m_frameDeadline.start(); }
        void stopFrameDeadline() override { m_j.m_frameDeadline.stop(); }
        void startReadyWait(int ms) override { m_j.m_readyWait.start(ms); }
        void stopReadyWait() override { m_j.m_readyWait.stop(); }
        void callSoon() override;
        bool backupFolderReady() override;
        std::string backupFolder() const override;
        std::optional<std::string> saveBackup(const std::string& squelch,
                                              const kernel::ChannelRows& rows) override;
        void changed() override;
        void finished() override;

    private:
        GuardedJob& m_j;
    };

    static kernel::GuardedJob::Options toKernel(const Options& options);
    // Rows a read brought, with the channel numbers of the rows to send as they were.
    ChannelRows receivedRows(const kernel::ChannelRows& rows) const;
    void takeResult();

    SerialLink& m_link;
    KernelLink m_kernelLink;
    QString m_port;
    Options m_options;
    Host m_host{*this};
    SessionClock m_clock;
    QTimer m_frameDeadline;
    QTimer m_readyWait;
    kernel::GuardedJob m_job;
    Result m_result;
};

} // namespace zt41
