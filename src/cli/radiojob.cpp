// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiojob.h"

#include "channeltext.h"
#include "link/portmap.h"
#include "words.h"

namespace zt41::cli {

RadioJob::RadioJob(const QString& port, const QString& device, const Options& options,
                   QObject* parent)
    : QObject(parent)
    , m_port(port)
    , m_device(device)
    , m_readyWaitMs(options.readyWaitMs)
    , m_link(PortMap::fromList(device).value_or(PortMap{}), this) {
    m_link.selectPort(1);
    m_job = new GuardedJob(m_link, port, options, this);
    connect(m_job, &GuardedJob::changed, this, &RadioJob::changed);
    connect(m_job, &GuardedJob::finished, this, &RadioJob::jobFinished);
}

QString RadioJob::stepName(Step step) {
    switch (step) {
    case Step::Queued:
        return Words::tr("queued");
    case Step::Opening:
        return Words::tr("opening");
    case Step::WaitingForRadio:
        return Words::tr("waiting for the radio");
    case Step::Backup:
        return Words::tr("backup");
    case Step::Writing:
        return Words::tr("write");
    case Step::Verifying:
        return Words::tr("verify");
    case Step::Reading:
        return Words::tr("read");
    case Step::Done:
        return Words::tr("done");
    }
    return QString();
}

void RadioJob::abort(const QString& why) {
    m_interruption = why;
    m_job->abort();
}

void RadioJob::jobFinished() {
    using Failure = GuardedJob::Failure;
    const GuardedJob::Result& r = m_job->result();
    m_result.backupPath = r.failure == Failure::BackupFolder ? QString() : r.backupPath;
    m_result.differences = r.differences;
    m_result.haveRead = r.haveRead;
    m_result.read = r.read;
    switch (r.failure) {
    case Failure::None:
        m_result.status = kDone;
        break;
    case Failure::PortNotOpened:
        m_result.status = kPortOrRadio;
        m_result.message =
            Words::tr("the port does not open: %1").arg(describeOpenFailure(r.openFailure));
        break;
    case Failure::NoAnswer:
        m_result.status = kPortOrRadio;
        m_result.message = Words::tr("no answer from the radio within %1 s: is it switched on, on "
                                     "this port, with the cable plugged in?")
                               .arg(m_readyWaitMs / 1000.0);
        break;
    case Failure::PortLost:
        m_result.status = kPortOrRadio;
        m_result.message = Words::tr("the port went away (cable pulled?)");
        break;
    case Failure::Transfer:
        m_result.status = kPortOrRadio;
        m_result.message =
            QStringLiteral("%1: %2").arg(stepName(r.failedStep), describeOutcome(r.transfer));
        break;
    case Failure::BackupFolder:
        m_result.status = kCannotSave;
        m_result.message =
            Words::tr("cannot write backups into %1; nothing was sent").arg(r.backupPath);
        break;
    case Failure::BackupNotSaved:
        m_result.status = kCannotSave;
        m_result.message =
            Words::tr("cannot save the backup %1; nothing was written").arg(r.backupPath);
        break;
    case Failure::Differences:
        m_result.status = kDifferences;
        m_result.message = Words::tr("verify found %1 difference(s), the first: %2")
                               .arg(r.differences.size())
                               .arg(differenceLine(r.differences.first(), Words::tr("expected"),
                                                   Words::tr("in the radio")));
        break;
    case Failure::Echo:
        m_result.status = kPortOrRadio;
        m_result.message = Words::tr("our own bytes came back: a looped cable, or a device that "
                                     "is not the radio");
        break;
    case Failure::Interrupted:
        m_result.status = kInterrupted;
        m_result.message = m_interruption;
        break;
    }
    m_done = true;
    Q_EMIT changed();
    Q_EMIT finished();
}

} // namespace zt41::cli
