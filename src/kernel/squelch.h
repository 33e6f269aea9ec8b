// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

// The radio-wide squelch level, which is nothing but the text of its list.
namespace squelch {

inline std::string initialText() {
    return "3";
}

// "  0" to "  9": each digit behind two blanks.
std::vector<std::string> items();

// Whether the check refuses a text: it rounds above 9, or it is a number too
// large for a double ("-1e400"), which no channel file could load back.
bool isRefused(std::string_view text);

// The check that runs on every change of the list's text: a refused level is
// replaced by "3". Returns the text the list should show afterwards.
inline std::string afterCheck(std::string_view text) {
    return isRefused(text) ? initialText() : std::string(text);
}

// The level as a frame carries it: rounded as the check rounds and held to 0..9.
int levelForFrame(std::string_view text);

} // namespace squelch

// The 39 CTCSS tones the radio knows, in Hz, in picker order.
const std::vector<std::string>& toneSet();

} // namespace zt41::kernel
