// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace zt41::sim {

// Reads back what TrafficLog writes: one byte a line, "seconds RX|TX hex
// char", timed from the simulator's start.
struct TrafficByte {
    qint64 micros = 0;
    bool received = false; // received by the radio, i.e. sent by the program
    char byte = 0;
};
using LoggedTraffic = QList<TrafficByte>;

// Nothing, with the reason, when the file cannot be read or a line is not
// one the radio writes (a line still being written counts as bad).
std::optional<LoggedTraffic> readTrafficLog(const QString& path, QString* error = nullptr);

// The bytes of one direction, in order.
QByteArray trafficBytes(const LoggedTraffic& log, bool received);
// How many times the byte went in that direction.
int trafficCount(const LoggedTraffic& log, bool received, char byte);

// The first write on the line: the "A" and the frames received after it.
struct LoggedWrite {
    qint64 commandMicros = 0;
    QList<QByteArray> frames;  // complete frames only
    QList<qint64> frameMicros; // when the first character of each arrived
};
std::optional<LoggedWrite> findWrite(const LoggedTraffic& log);

// The gaps from the "A" to frame 1 and from each frame's first character to
// the next one's: the write's pace as the radio saw it.
QList<qint64> frameGapsMicros(const LoggedWrite& write);
// The largest |gap - expected|, or -1 without gaps.
qint64 largestDeviationMicros(const QList<qint64>& gaps, qint64 expected);

// The first read on the line (a "5" that is not one of a write's digits):
// when the "5" arrived, and when the radio sent the first and the last
// character of its answer (all it sent before the program spoke again).
struct LoggedRead {
    qint64 requestMicros = 0;
    qint64 firstSentMicros = -1;
    qint64 lastSentMicros = -1;
    int sentCount = 0;
};
std::optional<LoggedRead> findRead(const LoggedTraffic& log);

} // namespace zt41::sim
