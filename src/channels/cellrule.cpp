// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellrule.h"

#include "channeltable.h"
#include "kernel/cellrule.h"
#include "kernelbridge.h"

namespace zt41 {

namespace {

CellRule::Outcome fromKernel(const kernel::CellRuleOutcome& k) {
    CellRule::Outcome out;
    out.outOfRange = k.outOfRange;
    for (const auto& [field, text] : k.writes)
        out.writes.emplace_back(field, zt41::fromKernel(text));
    return out;
}

} // namespace

bool CellRule::inRange(double mhz) {
    return kernel::frequencyInRange(mhz);
}

QString CellRule::normalise(double mhz) {
    return QString::fromStdString(kernel::normaliseFrequency(mhz));
}

CellRule::Outcome CellRule::evaluate(const ChannelRecord& row, int column) {
    return fromKernel(kernel::evaluateCellRule(toKernel(row), column));
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

} // namespace zt41
