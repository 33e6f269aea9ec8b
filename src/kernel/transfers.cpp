// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfers.h"

#include "channelcheck.h"

namespace zt41::kernel {

std::optional<char> BufferedLink::readByte() {
    if (!m_open || m_in.empty())
        return std::nullopt;
    const char c = m_in.front();
    m_in.pop_front();
    return c;
}

bool BufferedLink::send(const std::string& bytes) {
    if (!m_open)
        return false;
    m_out += bytes;
    return true;
}

void BufferedLink::setOpen(bool open, int port) {
    m_open = open;
    m_mayOpen = open;
    m_port = port;
    if (!open)
        m_in.clear();
}

std::string BufferedLink::takeOutgoing() {
    std::string out;
    out.swap(m_out);
    return out;
}

ChannelRows RowStore::rows() const {
    ChannelRows out;
    for (int k = 0; k < kChannelCount; ++k)
        out[k] = row(k);
    return out;
}

void ReadyPoll::tick() {
    if (!m_link.isOpen()) {
        if (!m_reopen || !m_link.open())
            return;
        m_reopen = false;
    }
    if (!takeAnswer())
        m_link.send(std::string(1, kReadyAnswer));
}

bool ReadyPoll::takeAnswer() {
    if (!m_link.isOpen())
        return false;
    for (int reads = 0; reads < kMaxReadsPerTick; ++reads) {
        const std::optional<char> c = m_link.readByte();
        if (!c)
            break;
        if (*c == kReadyAnswer) {
            m_host.setStatus(LinkStatus::Ready);
            m_host.stopTimer(SessionTimer::ReadyPoll);
            m_host.radioAnswered();
            return true;
        }
    }
    return false;
}

RowsThatCannotTravel firstRowThatCannotTravel(const RowStore& rows, WriteRules rules) {
    for (int r = 0; r < kChannelCount; ++r) {
        ChannelRecord row = rows.row(r);
        if (r == 0)
            row[Field::No] = "1"; // the command stores it before sending
        FrameProblem problem = frameProblem(r + 1, row);
        // A value the editing rules refuse (a file's 600.00000, a tone off the
        // set, a row out of its place) is no more sent than one no frame holds.
        // An off-step frequency travels exactly and goes out.
        if (problem == FrameProblem::None && rules == WriteRules::Editing &&
            !refusals(checkRow(r + 1, row)).empty())
            problem = FrameProblem::BreaksRule;
        if (problem != FrameProblem::None)
            return {r + 1, problem};
    }
    return {};
}

namespace {

TransferOutcome writeOutcome(TransferOutcome::Kind kind, int frame = 0,
                             FrameProblem problem = FrameProblem::None) {
    return {Transfer::Write, kind, frame, problem};
}

TransferOutcome readOutcome(TransferOutcome::Kind kind, int frame = 0) {
    return {Transfer::Read, kind, frame, FrameProblem::None};
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
    if (const RowsThatCannotTravel stop = firstRowThatCannotTravel(m_rows, rules); stop.any()) {
        m_host.report(
            writeOutcome(TransferOutcome::Kind::RowCannotTravel, stop.frame, stop.problem));
        m_rows.setCurrentRow(stop.frame - 1);
        return;
    }
    m_host.stopTimer(SessionTimer::ReadyPoll);
    m_rows.numberFirstRow();
    if (!m_link.send(std::string(1, kWriteCommand))) {
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
        // Frame k always carries row k, wherever the user has moved the cursor
        // meanwhile; the row is read now, so edits made during the write still go out.
        const ChannelRecord row = m_rows.row(frameNumber - 1);
        const FrameProblem problem = frameProblem(frameNumber, row);
        if (problem != FrameProblem::None) {
            m_rows.setCurrentRow(frameNumber - 1);
            fail(writeOutcome(TransferOutcome::Kind::RowCannotTravel, frameNumber, problem));
            return;
        }
        const std::string frame = encodeFrame(frameNumber, m_rows.squelchText(), row);
        m_link.readByte();
        if (!m_link.send(frame)) {
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

void ReadTransfer::command() {
    m_host.setTransfer(Transfer::Read);
    m_host.startTimer(SessionTimer::Read);
}

void ReadTransfer::tick() {
    m_rows.setCurrentRow(0);
    m_host.stopTimer(SessionTimer::ReadyPoll);
    m_host.stopTimer(SessionTimer::Read);
    if (m_reading)
        return;
    m_reading = true;
    m_frame.clear();
    m_frames.clear();
    // Whatever arrived before the request is no part of the answer.
    m_link.discardInput();
    if (!m_link.isOpen()) {
        fail(readOutcome(TransferOutcome::Kind::PortNotOpen, 1));
        return;
    }
    if (!m_link.send(std::string(1, kReadRequest))) {
        fail(readOutcome(TransferOutcome::Kind::SendFailed, 1));
        return;
    }
    m_deadline.start();
    collect();
}

void ReadTransfer::collect() {
    if (!m_reading)
        return;
    while (m_frames.size() < kChannelCount && m_link.waitingCount() > 0) {
        const std::optional<char> c = m_link.readByte();
        if (!c)
            break;
        // The radio may still answer a "C" the ready poll sent just before "5";
        // that answer comes ahead of the frames, which are digits only.
        if (m_frames.empty() && m_frame.empty() && *c == kReadyAnswer)
            continue;
        m_frame += *c;
        if (m_frame.size() == kFrameLength) {
            m_frames.push_back(m_frame);
            m_frame.clear();
            m_deadline.start();
            m_host.frameDone(Transfer::Read, static_cast<int>(m_frames.size()));
            if (!m_reading)
                return; // a front end ended the session meanwhile
        }
    }
    if (m_frames.size() == kChannelCount) {
        complete();
        return;
    }
    // The rest of the frame can come in one piece: no need to hear of each character.
    m_link.setWakeThreshold(kFrameLength - static_cast<int>(m_frame.size()));
}

void ReadTransfer::complete() {
    m_deadline.stop();
    m_link.setWakeThreshold(1);
    ChannelRows rows = m_rows.rows();
    std::string squelchText;
    for (int k = 1; k <= kChannelCount; ++k) {
        const std::string& frame = m_frames[k - 1];
        if (!isWellFormedFrame(frame)) {
            fail(readOutcome(TransferOutcome::Kind::ReadMalformed, k));
            return;
        }
        if (!isAlignedFrame(frame, k)) {
            fail(readOutcome(TransferOutcome::Kind::ReadOutOfPlace, k));
            return;
        }
        const std::string s = decodeFrame(frame, k, rows[k - 1]);
        if (k == 1)
            squelchText = s;
    }
    if (!m_rows.store(rows, squelchText)) {
        fail(readOutcome(TransferOutcome::Kind::NotStored));
        return;
    }
    m_reading = false;
    m_rows.setCurrentRow(0);
    m_host.setStatus(LinkStatus::Read);
    m_host.report(readOutcome(TransferOutcome::Kind::Done));
    m_host.startTimer(SessionTimer::StatusClear);
    m_host.startTimer(SessionTimer::ReadyPoll);
    m_host.setTransfer(Transfer::None);
    if (onFinished)
        onFinished(true);
}

void ReadTransfer::expire() {
    if (m_reading)
        fail(readOutcome(TransferOutcome::Kind::ReadTimedOut,
                         static_cast<int>(m_frames.size()) + 1));
}

void ReadTransfer::linkLost() {
    if (m_reading)
        fail(readOutcome(TransferOutcome::Kind::LinkLost, static_cast<int>(m_frames.size()) + 1));
}

void ReadTransfer::fail(const TransferOutcome& outcome) {
    m_deadline.stop();
    m_link.setWakeThreshold(1);
    m_reading = false;
    m_host.report(outcome);
    m_host.startTimer(SessionTimer::ReadyPoll);
    m_host.setStatus(LinkStatus::Empty);
    m_host.setTransfer(Transfer::None);
    if (onFinished)
        onFinished(false);
}

} // namespace zt41::kernel
