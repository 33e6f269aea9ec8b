// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zt41 {

// Why a "--ports" list was refused, as a value: each front end words it.
struct PortListRefusal {
    enum class Kind { NoDevice, TooManyDevices };
    Kind kind = Kind::NoDevice;
    qsizetype devices = 0; // how many it named
};

// Turns the port numbers 1 to 8 into devices. On Windows COMn; elsewhere a
// fixed table, so that a number stays the same when a cable is plugged in later.
class PortMap {
public:
    static PortMap platformDefault();
    // "--ports DEV1,DEV2,...": COM1, COM2, ... in order; an empty entry or an
    // unlisted number maps to nothing. Gives nothing, with `refusal` saying
    // why, on bad input.
    static std::optional<PortMap> fromList(const QString& list, PortListRefusal* refusal = nullptr);

    // The device for a port number, or empty text when none is mapped.
    QString device(int number) const;

private:
    QStringList m_devices; // index 0 is COM1
};

} // namespace zt41
