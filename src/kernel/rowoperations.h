// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record.h"

namespace zt41::kernel {

// What the grid's context menu does to whole channels. The channel numbers
// 1 to 16 stay where they are; only the six data fields move.
enum class RowOperation {
    Insert,        // the current channel and those below move down one place
    Delete,        // those below move up; channel 16 becomes empty
    MoveUp,        // the current channel swaps with the one above
    MoveDown,      // ... with the one below
    SortByReceive, // channels with a receive frequency first, ascending
};

struct RowOperationResult {
    enum class Kind {
        Done,
        Nothing,              // no current row, or nowhere to move
        LastChannelHoldsData, // an insert would push channel 16 out
    };
    Kind kind = Kind::Nothing;
    ChannelRows rows{};
    int current = -1; // the row the cursor goes to
};

RowOperationResult applyRowOperation(const ChannelRows& rows, int current, RowOperation op);

// Whether any of the six data fields holds more than blanks.
bool holdsData(const ChannelRecord& row);
// How many rows differ in their six data fields.
int rowsChanged(const ChannelRows& a, const ChannelRows& b);

} // namespace zt41::kernel
