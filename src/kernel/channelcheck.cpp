// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelcheck.h"

#include "cellrule.h"
#include "numbers.h"
#include "squelch.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace zt41::kernel {

namespace {

// The count in `unit`s that a value travels as, or nothing when it has finer digits.
std::optional<std::int64_t> wholeCount(double value, double unitsPerOne) {
    const double count = roundToSignificant15(value * unitsPerOne);
    if (!std::isfinite(count) || count != std::floor(count) || std::abs(count) > 1e15)
        return std::nullopt;
    return static_cast<std::int64_t>(count);
}

Findings filtered(const Findings& findings, bool refusing) {
    Findings out;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(out),
                 [refusing](const ChannelFinding& f) { return f.refuses() == refusing; });
    return out;
}

} // namespace

bool isNoValue(const FieldValue& value) {
    if (!value)
        return true;
    const std::string text = trimmed(*value);
    return text.empty() || text == "Null";
}

std::optional<CheckReason> frequencyProblem(const FieldValue& value) {
    if (isNoValue(value))
        return std::nullopt;
    const std::string text = trimmed(*value);
    if (!isPlainNumber(text))
        return CheckReason::NotANumber;
    const double mhz = numericValue(text);
    if (mhz == 0) // the cell rule's empty channel
        return std::nullopt;
    if (!frequencyInRange(mhz))
        return CheckReason::OutOfRange;
    const std::optional<std::int64_t> tensOfHz = wholeCount(mhz, 100000);
    if (!tensOfHz)
        return CheckReason::FinerThan10Hz;
    if (*tensOfHz % 625 != 0 && *tensOfHz % 500 != 0)
        return CheckReason::OffStep;
    return std::nullopt;
}

std::optional<CheckReason> toneProblem(const FieldValue& value) {
    if (isNoValue(value))
        return std::nullopt;
    const std::string text = trimmed(*value);
    if (!isPlainNumber(text))
        return CheckReason::NotANumber;
    const std::optional<std::int64_t> tenths = wholeCount(numericValue(text), 10);
    if (tenths == 0) // travels as no tone, as the frame's "0000" reads back
        return std::nullopt;
    if (!tenths)
        return CheckReason::NotATone;
    const auto& tones = toneSet();
    if (std::find(tones.begin(), tones.end(), formatTone(static_cast<double>(*tenths) / 10)) ==
        tones.end())
        return CheckReason::NotATone;
    return std::nullopt;
}

Findings checkRow(int channel, const ChannelRecord& row) {
    Findings out;
    const auto note = [&](Field f, std::optional<CheckReason> reason) {
        if (reason)
            out.push_back({channel, f, row.text(f), *reason});
    };
    if (channel != 1) {
        const std::string no = trimmed(row.text(Field::No));
        if (!isPlainNumber(no) || numericValue(no) != channel)
            note(Field::No, CheckReason::ChannelNumber);
    }
    note(Field::Rf, frequencyProblem(row[Field::Rf]));
    note(Field::Rct, toneProblem(row[Field::Rct]));
    note(Field::Tf, frequencyProblem(row[Field::Tf]));
    note(Field::Tct, toneProblem(row[Field::Tct]));
    // Shift and power as the pickers write them; a blank reads as off and H.
    const FieldValue& bt = row[Field::Bt];
    if (!isNoValue(bt) && *bt != "on" && *bt != "off")
        note(Field::Bt, CheckReason::NotAChoice);
    const std::string pw = trimmed(row.text(Field::Pw));
    if (!isNoValue(pw) && pw != "H" && pw != "L")
        note(Field::Pw, CheckReason::NotAChoice);
    return out;
}

Findings checkChannelSet(const std::string& squelchText, const ChannelRows& rows) {
    Findings out;
    if (squelch::isRefused(squelchText))
        out.push_back({0, Field::No, squelchText, CheckReason::SquelchLevel});
    for (int k = 1; k <= kChannelCount; ++k) {
        const Findings row = checkRow(k, rows[k - 1]);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Findings refusals(const Findings& findings) {
    return filtered(findings, true);
}

Findings warnings(const Findings& findings) {
    return filtered(findings, false);
}

} // namespace zt41::kernel
