// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "kernel/frames.h"

#include <QList>
#include <QString>

namespace zt41 {

// The parts of a frame that carry something the user set.
using kernel::FrameField;

// One field that differs between two sets of channels as the radio holds
// them. The values are in the form a read gives back ("440.00000", "67.0").
struct FieldDifference {
    int channel = 0; // 1 to 16
    FrameField field = FrameField::Squelch;
    QString expected;
    QString actual;
    bool operator==(const FieldDifference&) const = default;
};

// Compares two sets of 16 rows and squelch levels in the form the frames
// carry them: what the radio would hold after a write of each. Texts that
// travel alike ("67" and "67.0", an empty channel's "off" and "") are equal.
// The channel numbers are not compared: a read never gives them.
QList<FieldDifference> compareInFrameForm(const QString& expectedSquelch,
                                          const ChannelRows& expected, const QString& actualSquelch,
                                          const ChannelRows& actual);

} // namespace zt41
