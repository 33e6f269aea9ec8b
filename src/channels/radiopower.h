// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41 {

// The radio's output power, the one statement of it: what the power column's
// "H" and "L" stand for in watts. A blank power is high power.
constexpr double kHighPowerWatts = 5.0;
constexpr double kLowPowerWatts = 1.0;

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
