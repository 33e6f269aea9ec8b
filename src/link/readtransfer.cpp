// SPDX-License-Identifier: GPL-3.0-or-later
#include "readtransfer.h"

#include "channelframe.h"
#include "rowstore.h"
#include "seriallink.h"
#include "sessionhost.h"

namespace zt41 {

namespace {

TransferOutcome readOutcome(TransferOutcome::Kind kind, int frame = 0) {
    return {Transfer::Read, kind, frame, FrameProblem::None};
}

} // namespace

ReadTransfer::ReadTransfer(SerialLink& link, RowStore& rows, SessionHost& host, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_rows(rows)
    , m_host(host) {
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    m_deadline.setInterval(kFrameDeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &ReadTransfer::expire);
    connect(&m_link, &SerialLink::inputArrived, this, &ReadTransfer::collect);
    connect(&m_link, &SerialLink::linkLost, this, &ReadTransfer::linkLost);
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
    if (!m_link.send(QByteArray(1, kReadRequest))) {
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
        const QString c = m_link.readChar();
        if (c.isEmpty())
            break;
        // The radio may still answer a "C" the ready poll sent just before "5";
        // that answer comes ahead of the frames, which are digits only.
        if (m_frames.isEmpty() && m_frame.isEmpty() && c == u"C")
            continue;
        m_frame += c;
        if (m_frame.size() == kFrameLength) {
            m_frames << m_frame;
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
    QString squelch;
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString& frame = m_frames[k - 1];
        if (!isWellFormedFrame(frame)) {
            fail(readOutcome(TransferOutcome::Kind::ReadMalformed, k));
            return;
        }
        if (!isAlignedFrame(frame, k)) {
            fail(readOutcome(TransferOutcome::Kind::ReadOutOfPlace, k));
            return;
        }
        const QString s = DecodeChannelFrame(frame, k, rows[k - 1]);
        if (k == 1)
            squelch = s;
    }
    if (!m_rows.store(rows, squelch)) {
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
    Q_EMIT finished(true);
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
    Q_EMIT finished(false);
}

} // namespace zt41
