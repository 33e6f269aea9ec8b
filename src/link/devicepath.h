// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41 {

// The device a port name stands for, with links and ".." resolved: a cable
// reached as /dev/ttyUSB0 and as /dev/serial/by-id/... is one device, and the
// port's lock file is named after it. A name that does not exist (yet) is
// given back cleaned but unresolved.
QString realDevicePath(const QString& name);

// Whether a path (after links) is a serial port: a character device of the
// terminal class that is neither a console nor the controlling terminal
// (ttyS, ttyUSB, ttyACM and the like), or a pseudo-terminal's other end, as
// the simulated radio and a looped test cable give. `sysRoot` is where the
// system describes its devices; tests give a tree of their own.
bool isSerialDevice(const QString& path, const QString& sysRoot = QStringLiteral("/sys"));

} // namespace zt41
