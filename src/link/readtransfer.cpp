// SPDX-License-Identifier: GPL-3.0-or-later
#include "readtransfer.h"

namespace zt41 {

ReadTransfer::ReadTransfer(kernel::ReadTransfer& read, QObject* parent)
    : QObject(parent)
    , m_read(read) {
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    m_deadline.setInterval(kFrameDeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &ReadTransfer::expire);
    m_read.onFinished = [this](bool ok) {
        Q_EMIT finished(ok);
    };
}

} // namespace zt41
