// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelcheck.h"

#include "cellrule.h"
#include "numbers.h"
#include "squelch.h"
#include "tones.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zt41 {

namespace {

// The count in `unit`s that a value travels as, or nothing when it has finer digits.
std::optional<qint64> wholeCount(double value, double unitsPerOne) {
    const double count = roundToSignificant15(value * unitsPerOne);
    if (!std::isfinite(count) || count != std::floor(count) || std::abs(count) > 1e15)
        return std::nullopt;
    return static_cast<qint64>(count);
}

} // namespace

bool isNoValue(const FieldValue& value) {
    if (!value)
        return true;
    const QString text = value->trimmed();
    return text.isEmpty() || text == u"Null";
}

std::optional<CheckReason> frequencyProblem(const FieldValue& value) {
    if (isNoValue(value))
        return std::nullopt;
    const QString text = value->trimmed();
    if (!isPlainNumber(text))
        return CheckReason::NotANumber;
    const double mhz = numericValue(text);
    if (mhz == 0) // the cell rule's empty channel
        return std::nullopt;
    if (!CellRule::inRange(mhz))
        return CheckReason::OutOfRange;
    const std::optional<qint64> tensOfHz = wholeCount(mhz, 100000);
    if (!tensOfHz)
        return CheckReason::FinerThan10Hz;
    if (*tensOfHz % 625 != 0 && *tensOfHz % 500 != 0)
        return CheckReason::OffStep;
    return std::nullopt;
}

std::optional<CheckReason> toneProblem(const FieldValue& value) {
    if (isNoValue(value))
        return std::nullopt;
    const QString text = value->trimmed();
    if (!isPlainNumber(text))
        return CheckReason::NotANumber;
    const std::optional<qint64> tenths = wholeCount(numericValue(text), 10);
    if (tenths == 0) // travels as no tone, as the frame's "0000" reads back
        return std::nullopt;
    if (!tenths || !toneSet().contains(formatTone(static_cast<double>(*tenths) / 10)))
        return CheckReason::NotATone;
    return std::nullopt;
}

QList<ChannelFinding> checkRow(int channel, const ChannelRecord& row) {
    QList<ChannelFinding> out;
    const auto note = [&](Field f, std::optional<CheckReason> reason) {
        if (reason)
            out.append({channel, f, row.text(f), *reason});
    };
    if (channel != 1) {
        const QString no = row.text(Field::No).trimmed();
        if (!isPlainNumber(no) || numericValue(no) != channel)
            note(Field::No, CheckReason::ChannelNumber);
    }
    note(Field::Rf, frequencyProblem(row[Field::Rf]));
    note(Field::Rct, toneProblem(row[Field::Rct]));
    note(Field::Tf, frequencyProblem(row[Field::Tf]));
    note(Field::Tct, toneProblem(row[Field::Tct]));
    // Shift and power as the pickers write them; a blank reads as off and H.
    const FieldValue& bt = row[Field::Bt];
    if (!isNoValue(bt) && *bt != u"on" && *bt != u"off")
        note(Field::Bt, CheckReason::NotAChoice);
    const QString pw = row.text(Field::Pw).trimmed();
    if (!isNoValue(pw) && pw != u"H" && pw != u"L")
        note(Field::Pw, CheckReason::NotAChoice);
    return out;
}

QList<ChannelFinding> checkChannelSet(const QString& squelch, const ChannelRows& rows) {
    QList<ChannelFinding> out;
    if (!Squelch::isAcceptable(squelch))
        out.append({0, Field::No, squelch, CheckReason::SquelchLevel});
    for (int k = 1; k <= kChannelCount; ++k)
        out += checkRow(k, rows[k - 1]);
    return out;
}

QList<ChannelFinding> refusals(const QList<ChannelFinding>& findings) {
    QList<ChannelFinding> out;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(out),
                 [](const ChannelFinding& f) { return f.refuses(); });
    return out;
}

QList<ChannelFinding> warnings(const QList<ChannelFinding>& findings) {
    QList<ChannelFinding> out;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(out),
                 [](const ChannelFinding& f) { return !f.refuses(); });
    return out;
}

} // namespace zt41
