#include "readypoll.h"

#include "linkhost.h"
#include "seriallink.h"

namespace zt41 {

void ReadyPoll::tick() {
    if (!m_link.isOpen())
        return;
    for (int reads = 0; reads < kMaxReadsPerTick; ++reads) {
        const QString c = m_link.readChar();
        if (c == u"C") {
            m_host.setStatus(status::kReady);
            m_host.stopTimer(WindowTimer::ReadyPoll);
            return;
        }
        if (c.isEmpty())
            break;
    }
    m_link.send(QByteArrayLiteral("C"));
}

int probePorts(SerialLink& link, QStringList* failures) {
    link.close();
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n) {
        link.selectPort(n);
        if (link.open())
            return n;
        if (failures)
            *failures << QStringLiteral("COM%1: %2").arg(n).arg(link.openFailure());
    }
    return 0;
}

} // namespace zt41
