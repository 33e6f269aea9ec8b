// SPDX-License-Identifier: GPL-3.0-or-later
#include "readtransfer.h"

#include "seriallink.h"

namespace zt41 {

ReadTransfer::ReadTransfer(SerialLink& link, RowStore& rows, SessionHost& host, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_rows(rows)
    , m_read(m_link, m_rows, host, *this) {
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    m_deadline.setInterval(kFrameDeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &ReadTransfer::expire);
    connect(&link, &SerialLink::inputArrived, this, [this] { m_read.collect(); });
    connect(&link, &SerialLink::linkLost, this, [this] { m_read.linkLost(); });
    m_read.onFinished = [this](bool ok) {
        Q_EMIT finished(ok);
    };
}

} // namespace zt41
