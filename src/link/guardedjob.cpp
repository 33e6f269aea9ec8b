// SPDX-License-Identifier: GPL-3.0-or-later
#include "guardedjob.h"

#include "channelframe.h"
#include "linksession.h"
#include "readypoll.h"
#include "writetransfer.h"

#include <QDateTime>
#include <QTimer>

namespace zt41 {

GuardedJob::GuardedJob(SerialLink& link, const QString& port, Options options, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_port(port)
    , m_options(std::move(options))
    , m_rows(m_options.toSend.rows, m_options.toSend.squelch) {
    m_session = new LinkSession(m_link, m_rows, this);
    m_readyWait.setSingleShot(true);
    m_readyWait.setInterval(m_options.readyWaitMs);
    connect(&m_readyWait, &QTimer::timeout, this, [this] { finish(Failure::NoAnswer); });
    connect(m_session, &LinkSession::readyChanged, this, &GuardedJob::radioReady);
    connect(m_session, &LinkSession::finished, this, &GuardedJob::transferEnded);
    connect(m_session, &LinkSession::progress, this, [this](Transfer, int frame) {
        m_frame = frame;
        Q_EMIT changed();
    });
}

GuardedJob::~GuardedJob() {
    m_session->stopAll();
}

WriteRules GuardedJob::writeRules() const {
    return m_options.restoring ? WriteRules::FramesOnly : WriteRules::Editing;
}

void GuardedJob::setStep(Step step) {
    m_step = step;
    m_frame = 0;
    Q_EMIT changed();
}

void GuardedJob::start() {
    setStep(Step::Opening);
    if (m_options.operation == Operation::Write && m_options.backup &&
        m_options.backup->prepare() != BackupStore::Problem::None) {
        m_result.backupPath = m_options.backup->folder();
        finish(Failure::BackupFolder);
        return;
    }
    if (!m_link.isOpen()) {
        if (!m_link.open()) {
            m_result.openFailure = m_link.openFailure();
            finish(Failure::PortNotOpened);
            return;
        }
        m_openedLink = true;
    }
    connect(&m_link, &SerialLink::linkLost, this, [this](const QString&) {
        if (m_step == Step::WaitingForRadio)
            finish(Failure::PortLost);
    });
    // Each step starts the moment the one before has ended: the radio's "C"
    // is taken as it arrives, not at the poll's next tick.
    connect(&m_link, &SerialLink::inputArrived, this, [this] {
        if (m_step == Step::WaitingForRadio &&
            m_session->timer(SessionTimer::ReadyPoll)->isActive())
            m_session->poll().takeAnswer();
        else if (m_step == Step::Writing)
            listenForEcho();
    });
    switch (m_options.operation) {
    case Operation::Read:
        m_afterReady = Step::Reading;
        break;
    case Operation::Verify:
        m_afterReady = Step::Verifying;
        break;
    case Operation::Write:
        m_afterReady = m_options.backup ? Step::Backup : Step::Writing;
        break;
    }
    m_session->startPollNow();
    waitForRadio();
}

void GuardedJob::waitForRadio() {
    setStep(Step::WaitingForRadio);
    if (m_session->isReady()) {
        afterReady();
        return;
    }
    m_readyWait.start();
}

void GuardedJob::radioReady(bool ready) {
    if (ready && m_step == Step::WaitingForRadio)
        afterReady();
}

void GuardedJob::afterReady() {
    m_readyWait.stop();
    setStep(m_afterReady);
    if (m_step == Step::Writing) {
        m_sentWrite = true;
        m_session->write(writeRules());
    } else {
        m_session->read();
        m_session->readTick(); // "5" now, not a tick of Timer4 later
    }
}

void GuardedJob::transferEnded(const TransferOutcome& outcome) {
    if (m_step == Step::Done)
        return;
    if (!outcome.ok()) {
        m_result.transfer = outcome;
        m_result.failedStep = m_step;
        finish(Failure::Transfer);
        return;
    }
    // The session ends the transfer (lock, poll) once this returns; go on after that.
    const Step ended = m_step;
    QMetaObject::invokeMethod(
        this, [this, ended] { continueAfter(ended); }, Qt::QueuedConnection);
}

void GuardedJob::continueAfter(Step ended) {
    if (m_step == Step::Done)
        return;
    switch (ended) {
    case Step::Backup: {
        const std::optional<QString> path = m_options.backup->add(
            m_port, m_rows.receivedSquelch(), m_rows.receivedRows(), QDateTime::currentDateTime());
        if (!path) {
            m_result.backupPath = m_options.backup->folder();
            m_result.failedStep = Step::Backup;
            finish(Failure::BackupNotSaved);
            return;
        }
        m_result.backupPath = *path;
        setStep(Step::Writing);
        m_sentWrite = true;
        m_session->write(writeRules());
        return;
    }
    case Step::Writing:
        if (!m_options.verify) {
            finish(Failure::None);
            return;
        }
        // Check once the radio is heard again after the write.
        m_afterReady = Step::Verifying;
        waitForRadio();
        return;
    case Step::Verifying:
        m_result.differences = compareInFrameForm(m_options.toSend.squelch, m_options.toSend.rows,
                                                  m_rows.receivedSquelch(), m_rows.receivedRows());
        m_result.read = {m_rows.receivedSquelch(), m_rows.receivedRows()};
        finish(m_result.differences.isEmpty() ? Failure::None : Failure::Differences);
        return;
    case Step::Reading:
        m_result.haveRead = true;
        m_result.read = {m_rows.receivedSquelch(), m_rows.receivedRows()};
        finish(Failure::None);
        return;
    default:
        return;
    }
}

// The radio says nothing while it takes a write but, perhaps, "C". Bytes
// that follow what was sent, in its order, are that write coming back.
void GuardedJob::listenForEcho() {
    if (m_sent.isEmpty()) {
        m_sent = QByteArray(1, kWriteCommand);
        for (int k = 1; k <= kChannelCount; ++k)
            m_sent += EncodeChannelFrame(k, m_options.toSend.squelch, m_rows.row(k - 1)).toLatin1();
    }
    while (m_link.waitingCount() > 0) {
        const QString c = m_link.readChar();
        if (c.isEmpty())
            break;
        if (c == u"C")
            continue;
        ++m_heard;
        const qsizetype at = m_sent.indexOf(c.toLatin1(), m_matched);
        if (at < 0) {
            m_matched = m_sent.size() + 1; // not an echo: never one from here on
            continue;
        }
        m_matched = at + 1;
    }
    constexpr qsizetype kEchoBytes = 3;
    if (m_heard >= kEchoBytes && m_matched <= m_sent.size()) {
        m_result.failedStep = Step::Writing;
        finish(Failure::Echo);
    }
}

void GuardedJob::abort() {
    if (m_step != Step::Done)
        finish(Failure::Interrupted);
}

void GuardedJob::finish(Failure failure) {
    m_readyWait.stop();
    m_session->stopAll();
    if (m_openedLink)
        m_link.close();
    disconnect(&m_link, nullptr, this, nullptr);
    m_result.failure = failure;
    m_step = Step::Done;
    Q_EMIT changed();
    Q_EMIT finished();
}

} // namespace zt41
