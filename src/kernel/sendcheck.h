// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one judgement before anything goes to a radio: how a channel set's rows
// are numbered when they go out, which rows no write may send, and what is
// worth a word. Every way of writing or checking a radio asks it.

#include "channelcheck.h"
#include "frames.h"
#include "record.h"

#include <vector>

namespace zt41::kernel {

// What a write holds its rows to: the rules of the window's editing, or, for
// a radio's own backup going back into it, only what a frame can carry.
enum class WriteRules { Editing, FramesOnly };

// A write sends the set; a check compares the radio with it and sends nothing.
enum class SendPurpose { Write, Verify };

// A row that cannot go out: no frame holds it, or (BreaksRule) the editing
// rules refuse a value of it.
struct StuckRow {
    int channel = 0; // 1..16
    FrameProblem problem = FrameProblem::None;
    bool operator==(const StuckRow&) const = default;
};

struct SendCheck {
    // The set as it goes out: a write numbers the first row "1" before it sends.
    ChannelSet set;
    // The rows that cannot go out, in channel order. A check is only kept
    // from a row no frame can carry: there is nothing to compare it with.
    std::vector<StuckRow> stuck;
    // The editing rules' findings on the squelch level and the rows, in
    // channel order; none when only the frames count.
    Findings findings;

    // Whether it may go: no stuck row, and for a write no refusal, the
    // squelch level's included.
    bool mayGo = true;

    Findings refusals() const { return kernel::refusals(findings); }
    Findings warnings() const { return kernel::warnings(findings); }
};

SendCheck sendCheck(const ChannelSet& set, WriteRules rules,
                    SendPurpose purpose = SendPurpose::Write);

} // namespace zt41::kernel
