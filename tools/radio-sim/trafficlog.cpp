// SPDX-License-Identifier: GPL-3.0-or-later
#include "trafficlog.h"

namespace zt41::sim {

namespace {

QByteArray formatLine(qint64 elapsedNs, TrafficLog::Direction direction, char byte) {
    const auto code = static_cast<unsigned char>(byte);
    const char shown = code > 0x20 && code < 0x7f ? byte : '.';
    const qint64 micros = elapsedNs / 1000;
    return QByteArray::number(micros / 1000000) + '.' +
           QByteArray::number(micros % 1000000).rightJustified(6, '0') +
           (direction == TrafficLog::Direction::Received ? " RX " : " TX ") +
           QByteArray::number(code, 16).rightJustified(2, '0').toUpper() + ' ' + shown + '\n';
}

} // namespace

bool TrafficLog::open(const QString& path, QString& error) {
    m_file.setFileName(path);
    // Unbuffered so that a reader following the file sees each line as it is written.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        error = QStringLiteral("cannot open the log %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void TrafficLog::record(Direction direction, char byte) {
    if (m_file.isOpen())
        m_file.write(formatLine(m_clock.nsecsElapsed(), direction, byte));
}

} // namespace zt41::sim
