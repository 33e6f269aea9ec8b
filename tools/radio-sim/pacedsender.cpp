// SPDX-License-Identifier: GPL-3.0-or-later
#include "pacedsender.h"

#include <QDebug>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zt41::sim {

namespace {

// How long to wait before offering bytes again to a line whose buffer is full.
constexpr std::chrono::milliseconds kFullLineRetry{10};

} // namespace

PacedSender::PacedSender(Writer writer, std::chrono::nanoseconds spacing, QObject* parent)
    : QObject(parent)
    , m_writer(std::move(writer))
    , m_spacing(spacing) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedSender::pump);
    m_clock.start();
}

void PacedSender::send(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    const bool wasIdle = m_pending.isEmpty();
    m_pending += bytes;
    if (wasIdle)
        pump();
}

void PacedSender::pump() {
    if (m_pending.isEmpty())
        return;
    if (m_spacing.count() == 0) {
        if (writeOut(m_pending.size()) && m_pending.isEmpty())
            return;
        wake(kFullLineRetry);
        return;
    }

    const auto t = now();
    if (t < m_nextDue) {
        wake(m_nextDue - t);
        return;
    }
    if (!writeOut(1)) {
        wake(kFullLineRetry);
        return;
    }
    // A byte held up for longer than a character time starts a new grid, so
    // that the bytes behind it do not rush out to make up for the delay.
    if (t - m_nextDue > m_spacing)
        m_nextDue = t;
    m_nextDue += m_spacing;
    if (!m_pending.isEmpty())
        wake(m_nextDue - now());
}

bool PacedSender::writeOut(qint64 count) {
    const qint64 written = m_writer(m_pending.constData(), count);
    if (written < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            return false;
        qWarning().noquote() << "write to the line failed:" << std::strerror(errno) << "-"
                             << m_pending.size() << "bytes dropped";
        m_pending.clear();
        return true;
    }
    const QByteArray out = m_pending.left(written);
    m_pending.remove(0, written);
    for (const char byte : out)
        emit sent(byte);
    return written > 0;
}

void PacedSender::wake(std::chrono::nanoseconds after) {
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(
        std::max(after, std::chrono::nanoseconds::zero()));
    m_timer.start(ms);
}

} // namespace zt41::sim
