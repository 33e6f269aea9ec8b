// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41 {

// The device a port name stands for, with links and ".." resolved: a cable
// reached as /dev/ttyUSB0 and as /dev/serial/by-id/... is one device, and the
// port's lock file is named after it. A name that does not exist (yet) is
// given back cleaned but unresolved.
QString realDevicePath(const QString& name);

} // namespace zt41
