// SPDX-License-Identifier: GPL-3.0-or-later
#include "readypoll.h"

#include "seriallink.h"
#include "sessionhost.h"

namespace zt41 {

void ReadyPoll::tick() {
    if (!m_link.isOpen()) {
        if (!m_reopen || !m_link.open())
            return;
        m_reopen = false;
    }
    if (!takeAnswer())
        m_link.send(QByteArrayLiteral("C"));
}

bool ReadyPoll::takeAnswer() {
    if (!m_link.isOpen())
        return false;
    for (int reads = 0; reads < kMaxReadsPerTick; ++reads) {
        const QString c = m_link.readChar();
        if (c == u"C") {
            m_host.setStatus(LinkStatus::Ready);
            m_host.stopTimer(SessionTimer::ReadyPoll);
            m_host.radioAnswered();
            return true;
        }
        if (c.isEmpty())
            break;
    }
    return false;
}

int probePorts(SerialLink& link, QList<PortOpenFailure>* failures) {
    link.close();
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n) {
        link.selectPort(n);
        if (link.open())
            return n;
        if (failures)
            *failures << link.openFailure();
    }
    return 0;
}

} // namespace zt41
