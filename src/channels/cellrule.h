// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"

#include <QString>

#include <utility>
#include <vector>

namespace zt41 {

class ChannelTable;

// The rule that runs when the user finishes typing into a grid cell: column 1
// (receive frequency) and column 3 (transmit frequency) are checked against
// 130..500 MHz, snapped to the channel steps and written back as "###.00000";
// a receive frequency also fills in the row's defaults. Other columns do nothing.
class CellRule {
public:
    // What finishing an edit leaves in the row: the typed text and the rule's
    // writes, in the order they are made, and whether the out-of-range message is due.
    struct Outcome {
        std::vector<std::pair<Field, QString>> writes;
        bool outOfRange = false;
    };

    // The rule on a row as it stands after `column` was edited.
    static Outcome evaluate(const ChannelRecord& row, int column);

    // What finishing an edit did: whether the table stored it, and whether
    // the out-of-range message is due.
    struct EditResult {
        bool stored = false;
        bool outOfRange = false;
    };

    // The user finished typing `typed` into `column` of row `rowIndex`: the
    // typed text and the rule's result are stored together, in one
    // transaction, so nothing ever reads the raw text the rule is about to
    // replace. The row acted on is the edited one, wherever the cursor has
    // moved since. Nothing is stored when the table refuses the write.
    static EditResult applyEdit(ChannelTable& table, int rowIndex, int column,
                                const QString& typed);

    // 130 and 500 themselves are in range; an infinite value never is.
    static bool inRange(double mhz);
    // The frequency text of an in-range value on the radio's channel steps:
    // 6.25 kHz and 5 kHz multiples stay, anything else drops to the 5 kHz step below.
    static QString normalise(double mhz);
};

} // namespace zt41
