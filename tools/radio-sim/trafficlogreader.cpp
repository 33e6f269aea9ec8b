// SPDX-License-Identifier: GPL-3.0-or-later
#include "trafficlogreader.h"

#include "link/channelframe.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdlib>

namespace zt41::sim {

std::optional<LoggedTraffic> readTrafficLog(const QString& path, QString* error) {
    const auto refuse = [error](const QString& why) -> std::optional<LoggedTraffic> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray text = file.readAll();
    if (!text.isEmpty() && !text.endsWith('\n'))
        return refuse(QStringLiteral("%1 ends in the middle of a line").arg(path));

    static const QRegularExpression line(
        QStringLiteral("^(\\d+)\\.(\\d{6}) (RX|TX) ([0-9A-F]{2}) (\\S)$"));
    LoggedTraffic log;
    for (const QByteArray& raw : text.split('\n')) {
        if (raw.isEmpty())
            continue;
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(raw));
        if (!m.hasMatch())
            return refuse(QStringLiteral("bad log line \"%1\"").arg(QString::fromLatin1(raw)));
        TrafficByte b;
        b.micros = m.captured(1).toLongLong() * 1000000 + m.captured(2).toLongLong();
        b.received = m.captured(3) == u"RX";
        b.byte = static_cast<char>(m.captured(4).toInt(nullptr, 16));
        const bool visible = b.byte > 0x20 && b.byte < 0x7f;
        if (m.captured(5)[0] != (visible ? QChar::fromLatin1(b.byte) : u'.'))
            return refuse(QStringLiteral("hex and character disagree in \"%1\"")
                              .arg(QString::fromLatin1(raw)));
        log << b;
    }
    return log;
}

QByteArray trafficBytes(const LoggedTraffic& log, bool received) {
    QByteArray bytes;
    for (const TrafficByte& b : log)
        if (b.received == received)
            bytes += b.byte;
    return bytes;
}

int trafficCount(const LoggedTraffic& log, bool received, char byte) {
    int n = 0;
    for (const TrafficByte& b : log)
        n += b.received == received && b.byte == byte;
    return n;
}

std::optional<LoggedWrite> findWrite(const LoggedTraffic& log) {
    qsizetype i = 0;
    while (i < log.size() && !(log[i].received && log[i].byte == zt41::kWriteCommand))
        ++i;
    if (i == log.size())
        return std::nullopt;
    LoggedWrite write;
    write.commandMicros = log[i].micros;
    QByteArray frame;
    qint64 frameStart = 0;
    for (++i; i < log.size() && write.frames.size() < zt41::kChannelCount; ++i) {
        if (!log[i].received)
            continue;
        if (frame.isEmpty())
            frameStart = log[i].micros;
        frame += log[i].byte;
        if (frame.size() == zt41::kFrameLength) {
            write.frames << frame;
            write.frameMicros << frameStart;
            frame.clear();
        }
    }
    return write;
}

QList<qint64> frameGapsMicros(const LoggedWrite& write) {
    QList<qint64> gaps;
    qint64 previous = write.commandMicros;
    for (const qint64 start : write.frameMicros) {
        gaps << start - previous;
        previous = start;
    }
    return gaps;
}

qint64 largestDeviationMicros(const QList<qint64>& gaps, qint64 expected) {
    qint64 largest = -1;
    for (const qint64 gap : gaps)
        largest = std::max(largest, std::abs(gap - expected));
    return largest;
}

std::optional<LoggedRead> findRead(const LoggedTraffic& log) {
    // A "5" among a write's frames is a digit, not a request.
    qsizetype i = 0;
    int writeBytesLeft = 0;
    for (; i < log.size(); ++i) {
        if (!log[i].received)
            continue;
        if (writeBytesLeft > 0)
            --writeBytesLeft;
        else if (log[i].byte == zt41::kWriteCommand)
            writeBytesLeft = zt41::kChannelCount * zt41::kFrameLength;
        else if (log[i].byte == zt41::kReadRequest)
            break;
    }
    if (i == log.size())
        return std::nullopt;
    LoggedRead read;
    read.requestMicros = log[i].micros;
    // The answer ends where the program speaks again.
    for (++i; i < log.size() && !log[i].received; ++i) {
        if (read.firstSentMicros < 0)
            read.firstSentMicros = log[i].micros;
        read.lastSentMicros = log[i].micros;
        ++read.sentCount;
    }
    return read;
}

} // namespace zt41::sim
