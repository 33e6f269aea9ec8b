// SPDX-License-Identifier: GPL-3.0-or-later
#include "linksession.h"

#include "readtransfer.h"
#include "readypoll.h"
#include "seriallink.h"
#include "statusclear.h"
#include "writetransfer.h"

#include <QTimer>

namespace zt41 {

LinkSession::LinkSession(SerialLink& link, RowStore& rows, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_poll(std::make_unique<ReadyPoll>(link, host()))
    , m_write(std::make_unique<WriteTransfer>(link, rows, host()))
    , m_statusClear(std::make_unique<StatusClear>(host()))
    , m_read(new ReadTransfer(link, rows, host(), this)) {
    qRegisterMetaType<TransferOutcome>();
    // The write's frames go out 300 ms apart; a coarse timer would let them drift.
    connect(addTimer(SessionTimer::Write, kWriteMs, Qt::PreciseTimer), &QTimer::timeout, this,
            [this] { m_write->tick(); });
    connect(addTimer(SessionTimer::StatusClear, kStatusClearMs, Qt::CoarseTimer), &QTimer::timeout,
            this, [this] { m_statusClear->tick(); });
    connect(addTimer(SessionTimer::ReadyPoll, kReadyPollMs, Qt::CoarseTimer), &QTimer::timeout,
            this, [this] { m_poll->tick(); });
    connect(addTimer(SessionTimer::Read, kReadMs, Qt::CoarseTimer), &QTimer::timeout, this,
            &LinkSession::readTick);
    connect(&m_link, &SerialLink::linkLost, this, &LinkSession::linkLost);
}

void LinkSession::reopenWhenBack() {
    if (m_link.mayComeBack())
        m_poll->reopenWhenBack();
}

void LinkSession::linkLost() {
    // The same port opens again when its device comes back; the poll then
    // asks for the radio. A transfer under way fails by itself and restarts
    // the poll at its end.
    reopenWhenBack();
    if (isBusy())
        return;
    setStatus(LinkStatus::Empty);
    startPoll();
}

LinkSession::~LinkSession() {
    // No tick may reach the transfers while the members go.
    stopAll();
}

QTimer* LinkSession::addTimer(SessionTimer t, int intervalMs, Qt::TimerType type) {
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer%1").arg(static_cast<int>(t)));
    timer->setInterval(intervalMs);
    timer->setTimerType(type);
    m_timers[static_cast<int>(t) - 1] = timer;
    return timer;
}

QTimer* LinkSession::timer(SessionTimer t) const {
    return m_timers[static_cast<int>(t) - 1];
}

void LinkSession::startPoll() {
    startTimer(SessionTimer::ReadyPoll);
}

void LinkSession::startPollNow() {
    startPoll();
    m_poll->tick();
}

void LinkSession::stopPoll() {
    stopTimer(SessionTimer::ReadyPoll);
}

void LinkSession::stopAll() {
    for (QTimer* t : m_timers)
        if (t)
            t->stop();
}

void LinkSession::write(WriteRules rules) {
    if (m_transfer == Transfer::Read)
        return;
    m_write->command(rules);
}

void LinkSession::read() {
    if (m_transfer == Transfer::Write || m_read->isReading())
        return;
    m_read->command();
}

void LinkSession::readTick() {
    m_read->tick();
    if (m_read->isReading())
        Q_EMIT readStarted();
}

void LinkSession::startTimer(SessionTimer t) {
    if (t == SessionTimer::ReadyPoll)
        setReady(false);
    timer(t)->start();
}

void LinkSession::stopTimer(SessionTimer t) {
    timer(t)->stop();
}

void LinkSession::setStatus(LinkStatus status) {
    Q_EMIT statusChanged(status);
}

void LinkSession::radioAnswered() {
    setReady(true);
}

void LinkSession::setReady(bool ready) {
    if (m_ready == ready)
        return;
    m_ready = ready;
    Q_EMIT readyChanged(ready);
}

void LinkSession::setTransfer(Transfer transfer) {
    if (m_transfer == transfer)
        return;
    m_transfer = transfer;
    Q_EMIT transferChanged(transfer);
}

void LinkSession::frameDone(Transfer transfer, int frame) {
    Q_EMIT progress(transfer, frame);
}

void LinkSession::report(const TransferOutcome& outcome) {
    Q_EMIT finished(outcome);
}

} // namespace zt41
