// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelframe.h"
#include "channels/channelcheck.h"
#include "channels/channelrecord.h"
#include "kernel/sendcheck.h"

#include <QList>

namespace zt41 {

// What a write holds its rows to: the rules of the window's editing, or, for
// a radio's own backup going back into it, only what a frame can carry.
using kernel::WriteRules;
// A write sends the set; a check compares the radio with it and sends nothing.
using kernel::SendPurpose;
// A row that cannot go out: no frame holds it, or the editing rules refuse it.
using kernel::StuckRow;

// The one judgement before a set goes to a radio, or is checked against one:
// the rows as numbered to go out, the rows that cannot (for a check, only a
// row no frame can carry), the editing rules' findings (none with
// WriteRules::FramesOnly), and whether it may go.
struct SendCheck {
    ChannelSet set;
    QList<StuckRow> stuck;
    QList<ChannelFinding> findings;
    bool mayGo = true;

    QList<ChannelFinding> refusals() const { return zt41::refusals(findings); }
    QList<ChannelFinding> warnings() const { return zt41::warnings(findings); }
};

SendCheck sendCheck(const ChannelSet& set, WriteRules rules,
                    SendPurpose purpose = SendPurpose::Write);

} // namespace zt41
