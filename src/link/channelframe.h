// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "kernel/frames.h"

#include <QString>

namespace zt41 {

using kernel::kFrameLength;
using kernel::kReadRequest;
using kernel::kWriteCommand;

// Builds the 28-digit frame for one row. Frame 1 carries the squelch level in
// its slot field, frames 2 to 16 the row's channel number minus 1.
QString EncodeChannelFrame(int frameNumber, const QString& squelchText, const ChannelRecord& row);

// Writes the six data fields decoded from a frame into `row` (never `no`) and,
// for frame 1, returns the squelch text (the frame's second character).
QString DecodeChannelFrame(const QString& frame, int frameNumber, ChannelRecord& row);

// Whether a received frame is what the radio sends: exactly 28 ASCII digits.
bool isWellFormedFrame(const QString& frame);

// Whether a received frame stands in its place: the program writes row k of
// 2 to 16 with its channel number k minus 1 in the slot field, so frames 2 to
// 16 carry "01" to "15" there. A stream shifted by a stray character fails
// this; frame 1's slot holds the squelch level and is not checked.
bool isAlignedFrame(const QString& frame, int frameNumber);

// What keeps a row from travelling in a frame: a negative count, a count with
// more digits than its word holds, or a channel number whose slot is not 00..99.
using kernel::FrameProblem;
FrameProblem frameProblem(int frameNumber, const ChannelRecord& row);

} // namespace zt41
