// SPDX-License-Identifier: GPL-3.0-or-later
#include "squelch.h"

#include "numbers.h"
#include "text.h"

#include <algorithm>
#include <cmath>

namespace zt41::kernel {

std::vector<std::string> squelch::items() {
    std::vector<std::string> list;
    for (char level = '0'; level <= '9'; ++level)
        list.push_back(std::string("  ") + level);
    return list;
}

bool squelch::isRefused(std::string_view text) {
    const double level = roundHalfEven(numericValue(trimmed(text)));
    return !std::isfinite(level) || level > 9;
}

int squelch::levelForFrame(std::string_view text) {
    const double level = roundHalfEven(numericValue(trimmed(text)));
    if (std::isnan(level))
        return 0;
    return static_cast<int>(std::clamp(level, 0.0, 9.0));
}

const std::vector<std::string>& toneSet() {
    static const std::vector<std::string> tones = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
        "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3",
    };
    return tones;
}

} // namespace zt41::kernel
