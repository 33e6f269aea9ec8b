// SPDX-License-Identifier: GPL-3.0-or-later
#include "writetransfer.h"

#include "channelframe.h"
#include "rowstore.h"
#include "sendcheck.h"
#include "seriallink.h"
#include "sessionhost.h"

namespace zt41 {

namespace {

TransferOutcome writeOutcome(TransferOutcome::Kind kind, int frame = 0,
                             FrameProblem problem = FrameProblem::None) {
    return {Transfer::Write, kind, frame, problem};
}

} // namespace

void WriteTransfer::command(WriteRules rules) {
    if (m_running)
        return;
    if (!m_link.isOpen()) {
        m_host.report(writeOutcome(TransferOutcome::Kind::PortNotOpen));
        m_host.startTimer(SessionTimer::ReadyPoll);
        return;
    }
    if (refuseRowsThatCannotTravel(rules))
        return;

    m_host.stopTimer(SessionTimer::ReadyPoll);
    m_rows.numberFirstRow();
    if (!m_link.send(QByteArray(1, kWriteCommand))) {
        m_step = 0;
        fail(writeOutcome(TransferOutcome::Kind::SendFailed));
        return;
    }
    m_running = true;
    m_step = 0;
    m_port = m_link.portNumber();
    m_host.startTimer(SessionTimer::Write);
    m_host.setTransfer(Transfer::Write);
    m_host.setStatus(LinkStatus::Writing);
}

bool WriteTransfer::refuseRowsThatCannotTravel(WriteRules rules) {
    // A squelch level is refused before: the window's list never holds one it
    // refuses, and the tools judge it with the same check before they write.
    const SendCheck check = sendCheck({m_rows.squelchText(), m_rows.rows()}, rules);
    if (check.stuck.isEmpty())
        return false;
    const StuckRow& row = check.stuck.first();
    m_host.report(writeOutcome(TransferOutcome::Kind::RowCannotTravel, row.channel, row.problem));
    m_rows.setCurrentRow(row.channel - 1);
    return true;
}

void WriteTransfer::tick() {
    if (!m_running)
        return;
    if (m_step < kLastFrameStep) {
        // Frames sent on another port than the "A" reach a radio that is not
        // listening for them: that is no successful write.
        const int frameNumber = m_step / kStepPerTick + 1;
        if (!m_link.isOpen() || m_link.portNumber() != m_port) {
            fail(writeOutcome(TransferOutcome::Kind::SendFailed, frameNumber));
            return;
        }
        // Frame k always carries row k, wherever the user has moved the cursor meanwhile;
        // the row is read now, so edits made during the write still go out.
        const ChannelRecord row = m_rows.row(frameNumber - 1);
        const FrameProblem problem = frameProblem(frameNumber, row);
        if (problem != FrameProblem::None) {
            m_rows.setCurrentRow(frameNumber - 1);
            fail(writeOutcome(TransferOutcome::Kind::RowCannotTravel, frameNumber, problem));
            return;
        }
        const QString frame = EncodeChannelFrame(frameNumber, m_rows.squelchText(), row);
        m_link.readChar();
        if (!m_link.send(frame.toLatin1())) {
            fail(writeOutcome(TransferOutcome::Kind::SendFailed, frameNumber));
            return;
        }
        m_rows.setCurrentRow(frameNumber < kChannelCount ? frameNumber : -1);
        m_host.frameDone(Transfer::Write, frameNumber);
    }
    m_step += kStepPerTick;
    if (m_step >= kEndStep)
        finish();
}

void WriteTransfer::finish() {
    m_host.stopTimer(SessionTimer::Write);
    m_rows.setCurrentRow(0);
    m_host.setStatus(LinkStatus::Written);
    m_step = 0;
    m_running = false;
    m_host.report(writeOutcome(TransferOutcome::Kind::Done));
    m_host.setTransfer(Transfer::None);
    m_host.startTimer(SessionTimer::ReadyPoll);
    m_host.startTimer(SessionTimer::StatusClear);
}

void WriteTransfer::fail(const TransferOutcome& outcome) {
    // Stop the ticks first: a front end may show a message with its own event loop.
    m_host.stopTimer(SessionTimer::Write);
    m_running = false;
    m_step = 0;
    m_host.setStatus(LinkStatus::Empty);
    m_host.report(outcome);
    m_host.setTransfer(Transfer::None);
    m_host.startTimer(SessionTimer::ReadyPoll);
}

} // namespace zt41
