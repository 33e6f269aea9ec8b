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

CellRule::EditResult CellRule::applyEdit(ChannelTable& table, int rowIndex, int column,
                                         const QString& typed) {
    if (rowIndex < 0 || rowIndex >= kChannelCount || column < 0 || column >= kFieldCount)
        return {};
    // The typed text goes first, so a field the rule leaves alone keeps it.
    const Outcome outcome =
        fromKernel(kernel::finishEdit(toKernel(table.row(rowIndex)), column, toKernel(typed)));
    if (!table.writeFieldsAt(rowIndex, outcome.writes))
        return {};
    return {true, outcome.outOfRange};
}

} // namespace zt41
