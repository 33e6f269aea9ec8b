// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"
#include "kernel/rowoperations.h"

namespace zt41 {

// What the grid's context menu does to whole channels. The channel numbers
// 1 to 16 stay where they are; only the six data fields move.
using kernel::RowOperation;

struct RowOperationResult {
    using Kind = kernel::RowOperationResult::Kind;
    Kind kind = Kind::Nothing;
    ChannelRows rows{};
    int current = -1; // the row the cursor goes to
};

RowOperationResult applyRowOperation(const ChannelRows& rows, int current, RowOperation op);

// Whether any of the six data fields holds more than blanks.
bool holdsData(const ChannelRecord& row);
// How many rows differ in their six data fields.
int rowsChanged(const ChannelRows& a, const ChannelRows& b);

} // namespace zt41
