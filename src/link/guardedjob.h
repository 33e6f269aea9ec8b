// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "files/backupstore.h"
#include "framecompare.h"
#include "rowstore.h"
#include "seriallink.h"
#include "sessionhost.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace zt41 {

namespace kernel {
enum class WriteRules;
} // namespace kernel
using kernel::WriteRules;

class LinkSession;

// One radio on one port, from the radio's "C" to the end: read it; or keep
// what it holds as a backup, write, read it back and compare field by field;
// or only compare. Each step starts as soon as the one before has ended.
// Reports its step, frame k of 16 and its outcome as values; the window and
// the tool word them. Runs on the event loop beside any number of others.
class GuardedJob : public QObject {
    Q_OBJECT
public:
    enum class Operation { Read, Write, Verify };
    enum class Step { Queued, Opening, WaitingForRadio, Backup, Writing, Verifying, Reading, Done };
    enum class Failure {
        None,
        PortNotOpened, // openFailure says why
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
    Step step() const { return m_step; }
    // Frames done in the running transfer, 0 to 16.
    int frame() const { return m_frame; }
    bool isDone() const { return m_step == Step::Done; }
    const Result& result() const { return m_result; }
    // Whether the radio may hold other channels than before: "A" was sent.
    bool radioMayHaveChanged() const { return m_sentWrite; }

Q_SIGNALS:
    void changed();
    void finished();

private:
    void setStep(Step step);
    WriteRules writeRules() const;
    void waitForRadio();
    void radioReady(bool ready);
    void afterReady();
    void transferEnded(const TransferOutcome& outcome);
    void continueAfter(Step ended);
    void finish(Failure failure);
    void listenForEcho();

    SerialLink& m_link;
    bool m_openedLink = false;
    QString m_port;
    Options m_options;
    FixedRows m_rows;
    LinkSession* m_session = nullptr;
    QTimer m_readyWait;
    Step m_step = Step::Queued;
    Step m_afterReady = Step::Queued;
    int m_frame = 0;
    bool m_sentWrite = false;
    QByteArray m_sent;       // what the write sends: "A" and the 16 frames
    qsizetype m_matched = 0; // how far what came back follows it
    qsizetype m_heard = 0;   // bytes that came back during the write, "C" aside
    Result m_result;
};

} // namespace zt41
