// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>

namespace zt41::sim {

// Every byte that crosses the line, one line each, for example
// "12.345678 RX 43 C": seconds since the simulator started, the direction
// seen from the radio, the byte in hex and as a character ('.' when it has no
// visible form, so that a line always splits into four fields).
class TrafficLog {
public:
    enum class Direction { Received, Sent };

    explicit TrafficLog(const QElapsedTimer& clock)
        : m_clock(clock) {}

    bool open(const QString& path, QString& error);
    void record(Direction direction, char byte);

private:
    const QElapsedTimer& m_clock;
    QFile m_file;
};

} // namespace zt41::sim
