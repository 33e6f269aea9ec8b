// SPDX-License-Identifier: GPL-3.0-or-later
#include "portmap.h"

#include "seriallink.h"

namespace zt41 {

PortMap PortMap::platformDefault() {
    PortMap map;
#ifdef Q_OS_WIN
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n)
        map.m_devices << QStringLiteral("COM%1").arg(n);
#else
    map.m_devices = {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1"),
                     QStringLiteral("/dev/ttyUSB2"), QStringLiteral("/dev/ttyUSB3"),
                     QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/ttyACM1"),
                     QStringLiteral("/dev/ttyS0"),   QStringLiteral("/dev/ttyS1")};
#endif
    return map;
}

std::optional<PortMap> PortMap::fromList(const QString& list, PortListRefusal* refusal) {
    PortMap map;
    for (const QString& entry : list.split(u','))
        map.m_devices << entry.trimmed();
    while (!map.m_devices.isEmpty() && map.m_devices.last().isEmpty())
        map.m_devices.removeLast();
    const qsizetype devices = map.m_devices.size();
    if (devices > 0 && devices <= SerialLink::kLastPort)
        return map;
    if (refusal)
        *refusal = {devices == 0 ? PortListRefusal::Kind::NoDevice
                                 : PortListRefusal::Kind::TooManyDevices,
                    devices};
    return std::nullopt;
}

QString PortMap::device(int number) const {
    return m_devices.value(number - SerialLink::kFirstPort);
}

} // namespace zt41
