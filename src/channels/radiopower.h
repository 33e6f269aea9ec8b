// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/radiopower.h"

#include <QString>

namespace zt41 {

// The radio's output power is the kernel's statement of it: what the power
// column's "H" and "L" stand for in watts. A blank power is high power.
using kernel::kHighPowerWatts;
using kernel::kLowPowerWatts;

inline bool isLowPower(const QString& power) {
    return power.trimmed() == u"L";
}
inline double powerWatts(const QString& power) {
    return isLowPower(power) ? kLowPowerWatts : kHighPowerWatts;
}
// "1.0W", as a CSV file writes it.
inline QString powerText(double watts) {
    return QString::number(watts, 'f', 1) + u'W';
}

} // namespace zt41
