// SPDX-License-Identifier: GPL-3.0-or-later
#include "linksession.h"

#include "readtransfer.h"
#include "readypoll.h"
#include "seriallink.h"
#include "statusclear.h"
#include "writetransfer.h"

#include <QTimer>

namespace zt41 {

SessionClock::SessionClock(QObject* owner, const std::function<void(SessionTimer)>& tick) {
    for (SessionTimer t : {SessionTimer::Write, SessionTimer::StatusClear, SessionTimer::ReadyPoll,
                           SessionTimer::Read}) {
        auto* timer = new QTimer(owner);
        timer->setObjectName(QStringLiteral("Timer%1").arg(static_cast<int>(t)));
        timer->setInterval(kernel::timerPeriodMs(t));
        // The write's frames go out 300 ms apart; a coarse timer would let them drift.
        timer->setTimerType(t == SessionTimer::Write ? Qt::PreciseTimer : Qt::CoarseTimer);
        QObject::connect(timer, &QTimer::timeout, owner, [tick, t] { tick(t); });
        m_timers[static_cast<int>(t) - 1] = timer;
    }
}

LinkSession::LinkSession(SerialLink& link, RowStore& rows, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_kernelLink(link)
    , m_kernelRows(rows)
    , m_session(m_kernelLink, m_kernelRows, m_frontEnd)
    , m_clock(this, [this](SessionTimer t) { m_session.tick(t); })
    , m_poll(std::make_unique<ReadyPoll>(m_session.poll()))
    , m_write(std::make_unique<WriteTransfer>(m_session.writer()))
    , m_statusClear(std::make_unique<StatusClear>(m_session.statusClear()))
    , m_read(new ReadTransfer(m_session.reader(), this)) {
    qRegisterMetaType<TransferOutcome>();
    connect(&m_link, &SerialLink::inputArrived, this, [this] { m_session.inputArrived(); });
    connect(&m_link, &SerialLink::linkLost, this,
            [this] { m_session.linkLost(m_link.mayComeBack()); });
}

void LinkSession::reopenWhenBack() {
    if (m_link.mayComeBack())
        m_session.reopenWhenBack();
}

LinkSession::~LinkSession() {
    // No tick may reach the transfers while the members go.
    stopAll();
}

void LinkSession::FrontEnd::startTimer(SessionTimer t) {
    m_s.timer(t)->start();
}

void LinkSession::FrontEnd::stopTimer(SessionTimer t) {
    m_s.timer(t)->stop();
}

void LinkSession::FrontEnd::startFrameDeadline() {
    m_s.m_read->frameDeadline().start();
}

void LinkSession::FrontEnd::stopFrameDeadline() {
    m_s.m_read->frameDeadline().stop();
}

void LinkSession::FrontEnd::readyChanged(bool ready) {
    Q_EMIT m_s.readyChanged(ready);
}

void LinkSession::FrontEnd::transferChanged(Transfer transfer) {
    Q_EMIT m_s.transferChanged(transfer);
}

void LinkSession::FrontEnd::progress(Transfer transfer, int frame) {
    Q_EMIT m_s.progress(transfer, frame);
}

void LinkSession::FrontEnd::statusChanged(LinkStatus status) {
    Q_EMIT m_s.statusChanged(status);
}

void LinkSession::FrontEnd::finished(const TransferOutcome& outcome) {
    Q_EMIT m_s.finished(outcome);
}

void LinkSession::FrontEnd::readStarted() {
    Q_EMIT m_s.readStarted();
}

} // namespace zt41
