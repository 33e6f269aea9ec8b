// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"
#include "kernel/channelcheck.h"

#include <QList>
#include <QString>

#include <optional>

namespace zt41 {

// Why a value may not go to the radio as it stands, or is worth a word. What
// the radio cannot take, or would take wrongly, is refused: a frequency
// outside 130..500 MHz or finer than its 10 Hz, a text that is no number, a
// tone off the tone set, words the pickers never write, a squelch level the
// squelch check refuses, a row out of its place. A frequency off the 5 and
// 6.25 kHz steps travels exactly and is only named: a radio that held it must
// get it back from its backup.
using kernel::CheckReason;

// One value a rule rejects. `channel` is 1..16, or 0 for the squelch level.
struct ChannelFinding {
    int channel = 0;
    Field field = Field::No;
    QString value; // as it stands, "(null)" never: a null field breaks no rule
    CheckReason reason = CheckReason::NotANumber;
    bool operator==(const ChannelFinding&) const = default;
    // A refusal keeps the set from the radio; anything else is a warning.
    bool refuses() const { return reason != CheckReason::OffStep; }
};

// "Null" (the channel file's database null), empty text and blanks: no value.
bool isNoValue(const FieldValue& value);

std::optional<CheckReason> frequencyProblem(const FieldValue& value);
std::optional<CheckReason> toneProblem(const FieldValue& value);

// The rules on row `channel` (1..16). Channel 1's number is not judged: a
// write numbers it "1" before it sends.
QList<ChannelFinding> checkRow(int channel, const ChannelRecord& row);
// The rules on the squelch level and all 16 rows, in channel order.
QList<ChannelFinding> checkChannelSet(const QString& squelch, const ChannelRows& rows);
// May this go to the radio: the findings that refuse it. What the user needs
// to know: the ones that do not.
QList<ChannelFinding> refusals(const QList<ChannelFinding>& findings);
QList<ChannelFinding> warnings(const QList<ChannelFinding>& findings);

} // namespace zt41
