// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record.h"

#include <optional>
#include <string>
#include <vector>

namespace zt41::kernel {

// Why a value may not go to the radio as it stands, or is worth a word. What
// the radio cannot take, or would take wrongly, is refused: a frequency
// outside 130..500 MHz or finer than its 10 Hz, a text that is no number, a
// tone off the tone set, words the pickers never write, a squelch level the
// squelch check refuses, a row out of its place. A frequency off the 5 and
// 6.25 kHz steps travels exactly and is only named: a radio that held it must
// get it back from its backup.
enum class CheckReason {
    NotANumber,    // a frequency or tone that is not a plain number
    OutOfRange,    // a frequency outside 130..500 MHz
    OffStep,       // a frequency on neither the 5 kHz nor the 6.25 kHz steps: a warning
    FinerThan10Hz, // a frequency with digits the radio cannot hold
    NotATone,      // not one of the radio's 39 CTCSS tones
    NotAChoice,    // a shift other than on/off, a power other than H/L
    SquelchLevel,  // a squelch level that rounds above 9, or no finite number
    ChannelNumber, // a row whose number is not its place
};

// One value a rule rejects. `channel` is 1..16, or 0 for the squelch level.
struct ChannelFinding {
    int channel = 0;
    Field field = Field::No;
    std::string value; // as it stands, "(null)" never: a null field breaks no rule
    CheckReason reason = CheckReason::NotANumber;
    bool operator==(const ChannelFinding&) const = default;

    // A refusal keeps the set from the radio; anything else is a warning.
    bool refuses() const { return reason != CheckReason::OffStep; }
};

using Findings = std::vector<ChannelFinding>;

// "Null" (the channel file's database null), empty text and blanks: no value.
bool isNoValue(const FieldValue& value);

std::optional<CheckReason> frequencyProblem(const FieldValue& value);
std::optional<CheckReason> toneProblem(const FieldValue& value);

// The rules on row `channel` (1..16). Channel 1's number is not judged: a
// write numbers it "1" before it sends.
Findings checkRow(int channel, const ChannelRecord& row);
// The rules on the squelch level and all 16 rows, in channel order.
Findings checkChannelSet(const std::string& squelch, const ChannelRows& rows);

// May this go to the radio: the findings that refuse it. What the user needs
// to know: the ones that do not.
Findings refusals(const Findings& findings);
Findings warnings(const Findings& findings);

} // namespace zt41::kernel
