// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The radio's 28-digit channel frame, both ways, and the comparison of two
// channel sets in the form the frames carry them.

#include "record.h"

#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

constexpr int kFrameLength = 28;
constexpr char kWriteCommand = 'A';
constexpr char kReadRequest = '5';
constexpr char kReadyAnswer = 'C';

// Builds the 28-digit frame for one row. Frame 1 carries the squelch level in
// its slot field, frames 2 to 16 the row's channel number minus 1.
std::string encodeFrame(int frameNumber, std::string_view squelchText, const ChannelRecord& row);

// Writes the six data fields decoded from a frame into `row` (never `no`) and,
// for frame 1, returns the squelch text (the frame's second character). A
// frame is one byte a character; a byte that is no digit ends a number.
std::string decodeFrame(std::string_view frame, int frameNumber, ChannelRecord& row);

// Whether a received frame is what the radio sends: exactly 28 ASCII digits.
bool isWellFormedFrame(std::string_view frame);

// Whether a received frame stands in its place: the program writes row k of
// 2 to 16 with its channel number k minus 1 in the slot field, so frames 2 to
// 16 carry "01" to "15" there. A stream shifted by a stray character fails
// this; frame 1's slot holds the squelch level and is not checked.
bool isAlignedFrame(std::string_view frame, int frameNumber);

// What keeps a row from travelling in a frame: a negative count, a count with
// more digits than its word holds, or a channel number whose slot is not 00..99.
enum class FrameProblem {
    None,
    ChannelNumber,
    ReceiveFrequency,
    TransmitFrequency,
    ReceiveTone,
    TransmitTone,
    BreaksRule, // it fits a frame, but the editing rules refuse a value of it
};
FrameProblem frameProblem(int frameNumber, const ChannelRecord& row);

// The parts of a frame that carry something the user set.
enum class FrameField {
    Squelch, // frame 1's slot field
    Power,
    Shift,
    ReceiveFrequency,
    TransmitFrequency,
    ReceiveTone,
    TransmitTone,
};

// One field that differs between two sets of channels as the radio holds
// them. The values are in the form a read gives back ("440.00000", "67.0").
struct FieldDifference {
    int channel = 0; // 1 to 16
    FrameField field = FrameField::Squelch;
    std::string expected;
    std::string actual;
    bool operator==(const FieldDifference&) const = default;
};

// Compares two sets of 16 rows and squelch levels in the form the frames
// carry them: what the radio would hold after a write of each. Texts that
// travel alike ("67" and "67.0", an empty channel's "off" and "") are equal.
// The channel numbers are not compared: a read never gives them.
std::vector<FieldDifference> compareInFrameForm(std::string_view expectedSquelch,
                                                const ChannelRows& expected,
                                                std::string_view actualSquelch,
                                                const ChannelRows& actual);

} // namespace zt41::kernel
