// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace zt41::sim {

// Puts bytes on the line no faster than a serial line of the radio's speed
// would deliver them. The bytes leave on a fixed grid of send times, so timer
// lateness on one byte does not stretch the whole stream.
class PacedSender : public QObject {
    Q_OBJECT
public:
    // At 1200 bit/s a character of 10 bits takes 1/120 s.
    static constexpr std::chrono::nanoseconds kLinePace{1'000'000'000 / 120};

    // Writes without blocking; returns how many bytes went, or -1 with errno set.
    using Writer = std::function<qint64(const char*, qint64)>;

    // A spacing of zero sends everything as soon as it is queued.
    PacedSender(Writer writer, std::chrono::nanoseconds spacing, QObject* parent = nullptr);

    void send(const QByteArray& bytes);
    qsizetype pending() const { return m_pending.size(); }

signals:
    void sent(char byte);

private:
    void pump();
    // Returns false when the line would not take the bytes now.
    bool writeOut(qint64 count);
    void wake(std::chrono::nanoseconds after);
    std::chrono::nanoseconds now() const {
        return std::chrono::nanoseconds(m_clock.nsecsElapsed());
    }

    Writer m_writer;
    std::chrono::nanoseconds m_spacing;
    QByteArray m_pending;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::chrono::nanoseconds m_nextDue{};
};

} // namespace zt41::sim
