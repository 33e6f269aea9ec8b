// SPDX-License-Identifier: GPL-3.0-or-later
#include "guardedjob.h"

namespace zt41::kernel {

bool FixedRows::store(const ChannelRows& rows, const std::string& squelch) {
    m_received = rows;
    for (int r = 0; r < kChannelCount; ++r)
        m_received[r][Field::No] = m_rows[r][Field::No];
    m_receivedSquelch = squelch;
    return true;
}

GuardedJob::GuardedJob(ByteLink& link, GuardedJobHost& host, Options options)
    : m_link(link)
    , m_host(host)
    , m_options(std::move(options))
    , m_rows(m_options.toSend.rows, m_options.toSend.squelch)
    , m_session(link, m_rows, *this) {}

WriteRules GuardedJob::writeRules() const {
    return m_options.restoring ? WriteRules::FramesOnly : WriteRules::Editing;
}

void GuardedJob::setStep(Step step) {
    m_step = step;
    m_frame = 0;
    m_host.changed();
}

void GuardedJob::start() {
    setStep(Step::Opening);
    if (m_options.operation == Operation::Write && m_options.backup &&
        !m_host.backupFolderReady()) {
        m_result.backupPath = m_host.backupFolder();
        finish(Failure::BackupFolder);
        return;
    }
    if (!m_link.isOpen()) {
        if (!m_link.open()) {
            finish(Failure::PortNotOpened);
            return;
        }
        m_openedLink = true;
    }
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
    m_session.startPollNow();
    waitForRadio();
}

void GuardedJob::waitForRadio() {
    setStep(Step::WaitingForRadio);
    if (m_session.isReady()) {
        afterReady();
        return;
    }
    m_host.startReadyWait(m_options.readyWaitMs);
}

void GuardedJob::readyWaitPassed() {
    if (m_step == Step::WaitingForRadio)
        finish(Failure::NoAnswer);
}

void GuardedJob::readyChanged(bool ready) {
    if (ready && m_step == Step::WaitingForRadio)
        afterReady();
}

void GuardedJob::progress(Transfer, int frame) {
    m_frame = frame;
    m_host.changed();
}

void GuardedJob::afterReady() {
    m_host.stopReadyWait();
    setStep(m_afterReady);
    if (m_step == Step::Writing) {
        sendWrite();
    } else {
        m_session.read();
        m_session.tick(SessionTimer::Read); // "5" now, not a tick of Timer4 later
    }
}

void GuardedJob::sendWrite() {
    m_sentWrite = true;
    m_session.write(writeRules());
}

// Each step starts the moment the one before has ended: the radio's "C" is
// taken as it arrives, not at the poll's next tick.
void GuardedJob::inputArrived() {
    m_session.inputArrived();
    if (m_step == Step::WaitingForRadio && m_session.isRunning(SessionTimer::ReadyPoll))
        m_session.poll().takeAnswer();
    else if (m_step == Step::Writing)
        listenForEcho();
}

void GuardedJob::linkLost(bool mayComeBack) {
    m_session.linkLost(mayComeBack);
    if (m_step == Step::WaitingForRadio)
        finish(Failure::PortLost);
}

void GuardedJob::finished(const TransferOutcome& outcome) {
    if (m_step == Step::Done)
        return;
    if (!outcome.ok()) {
        // A write refused before its "A" has left the radio as it was.
        if (m_step == Step::Writing && (outcome.kind == TransferOutcome::Kind::PortNotOpen ||
                                        outcome.kind == TransferOutcome::Kind::RowCannotTravel))
            m_sentWrite = false;
        m_result.transfer = outcome;
        m_result.failedStep = m_step;
        finish(Failure::Transfer);
        return;
    }
    // The session ends the transfer (lock, poll) once this returns; go on after that.
    m_ended.push_back(m_step);
    m_host.callSoon();
}

void GuardedJob::resume() {
    if (m_ended.empty())
        return;
    const Step ended = m_ended.front();
    m_ended.pop_front();
    continueAfter(ended);
}

void GuardedJob::continueAfter(Step ended) {
    if (m_step == Step::Done)
        return;
    switch (ended) {
    case Step::Backup: {
        const std::optional<std::string> path =
            m_host.saveBackup(m_rows.receivedSquelch(), m_rows.receivedRows());
        if (m_host.savesBackupLater())
            m_awaitingBackup = true;
        else
            writeAfterBackup(path);
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
        finish(m_result.differences.empty() ? Failure::None : Failure::Differences);
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

void GuardedJob::backupSaved(const std::optional<std::string>& path) {
    if (!m_awaitingBackup || m_step == Step::Done)
        return;
    m_awaitingBackup = false;
    writeAfterBackup(path);
}

// Nothing goes to the radio unless what it held is kept.
void GuardedJob::writeAfterBackup(const std::optional<std::string>& path) {
    if (!path) {
        m_result.backupPath = m_host.backupFolder();
        m_result.failedStep = Step::Backup;
        finish(Failure::BackupNotSaved);
        return;
    }
    m_result.backupPath = *path;
    setStep(Step::Writing);
    sendWrite();
}

// The radio says nothing while it takes a write but, perhaps, "C". Bytes
// that follow what was sent, in its order, are that write coming back.
void GuardedJob::listenForEcho() {
    if (m_sent.empty()) {
        m_sent = std::string(1, kWriteCommand);
        for (int k = 1; k <= kChannelCount; ++k)
            m_sent += encodeFrame(k, m_options.toSend.squelch, m_rows.row(k - 1));
    }
    while (m_link.waitingCount() > 0) {
        const std::optional<char> c = m_link.readByte();
        if (!c)
            break;
        if (*c == kReadyAnswer)
            continue;
        ++m_heard;
        const std::size_t at = m_sent.find(*c, m_matched);
        if (at == std::string::npos) {
            m_matched = m_sent.size() + 1; // not an echo: never one from here on
            continue;
        }
        m_matched = at + 1;
    }
    constexpr std::size_t kEchoBytes = 3;
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
    m_host.stopReadyWait();
    m_session.stopAll();
    if (m_openedLink)
        m_link.close();
    m_result.failure = failure;
    m_step = Step::Done;
    m_host.changed();
    m_host.finished();
}

} // namespace zt41::kernel
