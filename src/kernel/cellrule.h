// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record.h"

#include <string>
#include <utility>
#include <vector>

namespace zt41::kernel {

// The rule that runs when the user finishes typing into a grid cell: column 1
// (receive frequency) and column 3 (transmit frequency) are checked against
// 130..500 MHz, snapped to the channel steps and written back as "###.00000";
// a receive frequency also fills in the row's defaults. Other columns do nothing.
struct CellRuleOutcome {
    // The rule's writes, in the order they are made.
    std::vector<std::pair<Field, std::string>> writes;
    // Whether the out-of-range message is due.
    bool outOfRange = false;
    bool operator==(const CellRuleOutcome&) const = default;
};

// The rule on a row as it stands after `column` was edited.
CellRuleOutcome evaluateCellRule(const ChannelRecord& row, int column);

// The typed text and the rule's writes in the order a table stores them: the
// typed text first, so a field the rule leaves alone keeps it.
CellRuleOutcome finishEdit(const ChannelRecord& row, int column, const std::string& typed);

// 130 and 500 themselves are in range; an infinite value never is.
bool frequencyInRange(double mhz);

// The frequency text of an in-range value on the radio's channel steps:
// 6.25 kHz and 5 kHz multiples stay, anything else drops to the 5 kHz step below.
std::string normaliseFrequency(double mhz);

} // namespace zt41::kernel
