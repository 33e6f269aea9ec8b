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

std::optional<PortMap> PortMap::fromList(const QString& list, QString* error) {
    const auto refuse = [error](const QString& why) -> std::optional<PortMap> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    PortMap map;
    for (const QString& entry : list.split(u','))
        map.m_devices << entry.trimmed();
    while (!map.m_devices.isEmpty() && map.m_devices.last().isEmpty())
        map.m_devices.removeLast();
    if (map.m_devices.isEmpty())
        return refuse(QStringLiteral("--ports names no device"));
    if (map.m_devices.size() > SerialLink::kLastPort)
        return refuse(QStringLiteral("--ports names %1 devices; at most 8 (COM1 to COM8)")
                          .arg(map.m_devices.size()));
    return map;
}

QString PortMap::device(int number) const {
    return m_devices.value(number - SerialLink::kFirstPort);
}

} // namespace zt41
