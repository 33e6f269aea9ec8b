// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelinput.h"
#include "exitstatus.h"
#include "link/guardedjob.h"
#include "link/qserialportlink.h"

#include <QObject>

namespace zt41::cli {

// One radio on one port for the tool: the library's guarded job on a port
// of its own, its outcome as the tool's exit status and one line of words.
class RadioJob : public QObject {
    Q_OBJECT
public:
    using Operation = GuardedJob::Operation;
    using Step = GuardedJob::Step;
    using Options = GuardedJob::Options;

    struct Result {
        int status = kDone;
        QString message; // one line; empty when all went well
        QString backupPath;
        QList<FieldDifference> differences; // Verify, Write with verify
        bool haveRead = false;              // Read: the channels below hold what was read
        ChannelSet read;
    };

    // `port` is the name the user gave; `device` the device it stands for.
    RadioJob(const QString& port, const QString& device, const Options& options,
             QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RadioJob)

    void start() { m_job->start(); }
    // Ends the job at once (a signal to the process): the port is closed.
    void abort(const QString& why);

    const QString& port() const { return m_port; }
    const QString& device() const { return m_device; }
    Step step() const { return m_job->step(); }
    // Frames done in the running transfer, 0 to 16.
    int frame() const { return m_job->frame(); }
    // The job has ended and its result is set.
    bool isDone() const { return m_done; }
    const Result& result() const { return m_result; }
    // What the command did with the radio's answer afterwards failed (saving
    // what was read): the radio's outcome says so.
    void failAfterward(int status, const QString& message) {
        m_result.status = status;
        m_result.message = message;
    }

    static QString stepName(Step step);

Q_SIGNALS:
    void changed();
    void finished();

private:
    void jobFinished();

    QString m_port;
    QString m_device;
    int m_readyWaitMs;
    QString m_interruption;
    QSerialPortLink m_link;
    GuardedJob* m_job = nullptr;
    Result m_result;
    bool m_done = false;
};

} // namespace zt41::cli
