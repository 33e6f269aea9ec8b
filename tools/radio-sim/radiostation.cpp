// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiostation.h"

#include <QDebug>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <unistd.h>

namespace zt41::sim {

RadioStation::RadioStation(int masterFd, RadioModel& model, PacedSender& sender, TrafficLog& log,
                           QObject* parent)
    : QObject(parent)
    , m_fd(masterFd)
    , m_model(model)
    , m_sender(sender)
    , m_log(log)
    , m_notifier(masterFd, QSocketNotifier::Read) {
    m_clock.start();
    connect(&m_notifier, &QSocketNotifier::activated, this, &RadioStation::receive);
    connect(&m_sender, &PacedSender::sent, this, [this](char byte) {
        m_log.record(TrafficLog::Direction::Sent, byte);
        hangUpWhenSent();
    });
}

void RadioStation::receive() {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            handle(QByteArrayView(buffer, n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n < 0 && errno == EINTR)
            continue;
        // The slave end is held open here, so this should not happen; should
        // it, stop listening rather than spin on a dead descriptor.
        qWarning().noquote() << "the line went dead:"
                             << (n == 0 ? "end of file" : std::strerror(errno));
        m_notifier.setEnabled(false);
        return;
    }
}

void RadioStation::handle(QByteArrayView bytes) {
    if (m_hangingUp)
        return;
    for (const char byte : bytes)
        m_log.record(TrafficLog::Direction::Received, byte);
    const auto now = std::chrono::milliseconds(m_clock.elapsed());
    const RadioModel::Outcome outcome = m_model.feed(bytes, now);
    for (const QString& note : outcome.notes)
        qInfo().noquote() << note;
    if (outcome.stored)
        emit framesStored();
    m_sender.send(outcome.reply);
    if (outcome.hangUp) {
        m_hangingUp = true;
        hangUpWhenSent();
    }
}

void RadioStation::hangUpWhenSent() {
    if (m_hangingUp && m_sender.pending() == 0) {
        m_hangingUp = false;
        m_notifier.setEnabled(false);
        emit hungUp();
    }
}

} // namespace zt41::sim
