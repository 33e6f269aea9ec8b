// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's output power, the one statement of it: what the power column's
// "H" and "L" stand for in watts. A blank power is high power.

#include "numbers.h"
#include "text.h"

#include <string>
#include <string_view>

namespace zt41::kernel {

constexpr double kHighPowerWatts = 5.0;
constexpr double kLowPowerWatts = 1.0;

inline bool isLowPower(std::string_view power) {
    return trimmed(power) == "L";
}
inline double powerWatts(std::string_view power) {
    return isLowPower(power) ? kLowPowerWatts : kHighPowerWatts;
}
// "1.0W", as a CSV file writes it.
inline std::string powerText(double watts) {
    return fixedDecimals(watts, 1) + 'W';
}

} // namespace zt41::kernel
