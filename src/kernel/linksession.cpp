// SPDX-License-Identifier: GPL-3.0-or-later
#include "linksession.h"

namespace zt41::kernel {

void StatusClear::tick() {
    if (++m_count > kTicks) {
        m_host.setStatus(LinkStatus::Empty);
        m_count = 0;
        m_host.stopTimer(SessionTimer::StatusClear);
    }
}

Session::Session(ByteLink& link, RowStore& rows, SessionFrontEnd& frontEnd)
    : m_frontEnd(frontEnd)
    , m_poll(link, host())
    , m_write(link, rows, host())
    , m_read(link, rows, host(), deadline())
    , m_statusClear(host()) {}

void Session::startPoll() {
    startTimer(SessionTimer::ReadyPoll);
}

void Session::stopPoll() {
    stopTimer(SessionTimer::ReadyPoll);
}

void Session::startPollNow() {
    startPoll();
    m_poll.tick();
}

void Session::reopenWhenBack() {
    m_poll.reopenWhenBack();
}

void Session::stopAll() {
    for (SessionTimer t : {SessionTimer::Write, SessionTimer::StatusClear, SessionTimer::ReadyPoll,
                           SessionTimer::Read})
        stopTimer(t);
}

void Session::write(WriteRules rules) {
    if (m_transfer == Transfer::Read)
        return;
    m_write.command(rules);
}

void Session::read() {
    if (m_transfer == Transfer::Write || m_read.isReading())
        return;
    m_read.command();
}

void Session::tick(SessionTimer timer) {
    switch (timer) {
    case SessionTimer::Write:
        m_write.tick();
        return;
    case SessionTimer::StatusClear:
        m_statusClear.tick();
        return;
    case SessionTimer::ReadyPoll:
        m_poll.tick();
        return;
    case SessionTimer::Read:
        m_read.tick();
        if (m_read.isReading())
            m_frontEnd.readStarted();
        return;
    }
}

void Session::frameDeadlinePassed() {
    m_read.expire();
}

void Session::inputArrived() {
    m_read.collect();
}

void Session::linkLost(bool mayComeBack) {
    // A read under way fails; it restarts the poll at its end.
    m_read.linkLost();
    // The same port opens again when its device comes back; the poll then
    // asks for the radio.
    if (mayComeBack)
        reopenWhenBack();
    if (isBusy())
        return;
    setStatus(LinkStatus::Empty);
    startPoll();
}

void Session::startTimer(SessionTimer timer) {
    if (timer == SessionTimer::ReadyPoll)
        setReady(false);
    m_running[index(timer)] = true;
    m_frontEnd.startTimer(timer);
}

void Session::stopTimer(SessionTimer timer) {
    m_running[index(timer)] = false;
    m_frontEnd.stopTimer(timer);
}

void Session::setStatus(LinkStatus status) {
    m_frontEnd.statusChanged(status);
}

void Session::radioAnswered() {
    setReady(true);
}

void Session::setReady(bool ready) {
    if (m_ready == ready)
        return;
    m_ready = ready;
    m_frontEnd.readyChanged(ready);
}

void Session::setTransfer(Transfer transfer) {
    if (m_transfer == transfer)
        return;
    m_transfer = transfer;
    m_frontEnd.transferChanged(transfer);
}

void Session::frameDone(Transfer transfer, int frame) {
    m_frontEnd.progress(transfer, frame);
}

void Session::report(const TransferOutcome& outcome) {
    m_frontEnd.finished(outcome);
}

void Session::start() {
    m_frontEnd.startFrameDeadline();
}

void Session::stop() {
    m_frontEnd.stopFrameDeadline();
}

} // namespace zt41::kernel
