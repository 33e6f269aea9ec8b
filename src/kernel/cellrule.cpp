// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellrule.h"

#include "numbers.h"

#include <cmath>
#include <cstdint>

namespace zt41::kernel {

namespace {

bool isEmptyChannelValue(const FieldValue& v) {
    return !v || numericValue(*v) == 0;
}

CellRuleOutcome receive(const ChannelRecord& row) {
    const FieldValue& rf = row[Field::Rf];
    if (isEmptyChannelValue(rf))
        return {{{Field::Rf, {}},
                 {Field::Rct, {}},
                 {Field::Tf, {}},
                 {Field::Tct, {}},
                 {Field::Bt, {}},
                 {Field::Pw, {}}},
                false};
    const double v = numericValue(*rf);
    if (!frequencyInRange(v))
        return {{{Field::Rf, {}}}, true};
    const std::string t = normaliseFrequency(v);
    return {{{Field::Rf, t}, {Field::Tf, t}, {Field::Bt, "off"}, {Field::Pw, "H"}}, false};
}

CellRuleOutcome transmit(const ChannelRecord& row) {
    const FieldValue& tf = row[Field::Tf];
    if (isEmptyChannelValue(row[Field::Rf]) || isEmptyChannelValue(tf))
        return {{{Field::Tf, {}}}, false};
    const double v = numericValue(*tf);
    if (!frequencyInRange(v))
        return {{{Field::Tf, {}}}, true};
    return {{{Field::Tf, normaliseFrequency(v)}}, false};
}

} // namespace

bool frequencyInRange(double mhz) {
    return std::isfinite(mhz) && mhz >= 130 && mhz <= 500;
}

std::string normaliseFrequency(double mhz) {
    // 64 bits on every target: a count of 10 Hz up to 500 MHz needs 26 bits,
    // but the product is taken before the range is known to callers.
    const auto tensOfHz = static_cast<std::int64_t>(roundHalfEven(mhz * 100000));
    // On a step, the text is written from the step's own count: formatting
    // the typed value could round the other way at a half (145.137505 is on
    // the 6.25 kHz step 145.13750, yet reads "145.13751"), off every step.
    if (tensOfHz % 625 == 0 || tensOfHz % 500 == 0)
        return formatFrequency(static_cast<double>(tensOfHz) / 100000);
    return formatFrequency(static_cast<double>(tensOfHz / 500 * 500) / 100000);
}

CellRuleOutcome evaluateCellRule(const ChannelRecord& row, int column) {
    if (column == static_cast<int>(Field::Rf))
        return receive(row);
    if (column == static_cast<int>(Field::Tf))
        return transmit(row);
    return {};
}

CellRuleOutcome finishEdit(const ChannelRecord& row, int column, const std::string& typed) {
    if (column < 0 || column >= kFieldCount)
        return {};
    ChannelRecord edited = row;
    const Field field = static_cast<Field>(column);
    edited[field] = typed;
    CellRuleOutcome outcome = evaluateCellRule(edited, column);
    outcome.writes.insert(outcome.writes.begin(), {field, typed});
    return outcome;
}

} // namespace zt41::kernel
