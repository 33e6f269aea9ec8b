// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellrule.h"

#include "channeltable.h"
#include "numbers.h"

#include <cmath>

namespace zt41 {

namespace {

bool isEmptyChannelValue(const FieldValue& v) {
    return !v || numericValue(*v) == 0;
}

} // namespace

bool CellRule::inRange(double mhz) {
    return std::isfinite(mhz) && mhz >= 130 && mhz <= 500;
}

QString CellRule::normalise(double mhz) {
    const auto tensOfHz = static_cast<qint64>(roundHalfEven(mhz * 100000));
    // On a step, the text is written from the step's own count: formatting
    // the typed value could round the other way at a half (145.137505 is on
    // the 6.25 kHz step 145.13750, yet reads "145.13751"), off every step.
    if (tensOfHz % 625 == 0 || tensOfHz % 500 == 0)
        return formatFrequency(static_cast<double>(tensOfHz) / 100000);
    return formatFrequency(static_cast<double>(tensOfHz / 500 * 500) / 100000);
}

CellRule::Outcome CellRule::evaluate(const ChannelRecord& row, int column) {
    if (column == static_cast<int>(Field::Rf))
        return receive(row);
    if (column == static_cast<int>(Field::Tf))
        return transmit(row);
    return {};
}

bool CellRule::applyEdit(ChannelTable& table, int rowIndex, int column, const QString& typed,
                         bool* outOfRange) {
    if (outOfRange)
        *outOfRange = false;
    if (rowIndex < 0 || rowIndex >= kChannelCount || column < 0 || column >= kFieldCount)
        return false;
    ChannelRecord edited = table.row(rowIndex);
    const Field field = static_cast<Field>(column);
    edited[field] = typed;
    Outcome outcome = evaluate(edited, column);
    // The typed text goes first, so a field the rule leaves alone keeps it.
    outcome.writes.insert(outcome.writes.begin(), {field, typed});
    if (!table.writeFieldsAt(rowIndex, outcome.writes))
        return false;
    if (outOfRange)
        *outOfRange = outcome.outOfRange;
    return true;
}

CellRule::Outcome CellRule::receive(const ChannelRecord& row) {
    const FieldValue& rf = row[Field::Rf];
    if (isEmptyChannelValue(rf))
        return {{{Field::Rf, QString()},
                 {Field::Rct, QString()},
                 {Field::Tf, QString()},
                 {Field::Tct, QString()},
                 {Field::Bt, QString()},
                 {Field::Pw, QString()}},
                false};
    const double v = numericValue(*rf);
    if (!inRange(v))
        return {{{Field::Rf, QString()}}, true};
    const QString t = normalise(v);
    return {{{Field::Rf, t},
             {Field::Tf, t},
             {Field::Bt, QStringLiteral("off")},
             {Field::Pw, QStringLiteral("H")}},
            false};
}

CellRule::Outcome CellRule::transmit(const ChannelRecord& row) {
    const FieldValue& tf = row[Field::Tf];
    if (isEmptyChannelValue(row[Field::Rf]) || isEmptyChannelValue(tf))
        return {{{Field::Tf, QString()}}, false};
    const double v = numericValue(*tf);
    if (!inRange(v))
        return {{{Field::Tf, QString()}}, true};
    return {{{Field::Tf, normalise(v)}}, false};
}

} // namespace zt41
