// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickers.h"

#include "channeltable.h"
#include "kernel/pickers.h"
#include "kernelbridge.h"

namespace zt41 {

QStringList Pickers::items(Picker picker) {
    return fromKernel(kernel::pickerItems(picker));
}

std::vector<Field> Pickers::fields(Picker picker) {
    return kernel::pickerFields(picker);
}

bool Pickers::pick(ChannelTable& table, Picker picker, const QString& item) {
    if (!table.hasCurrentRow())
        return false;
    return pickAt(table, table.currentRow(), picker, item);
}

bool Pickers::pickAt(ChannelTable& table, int row, Picker picker, const QString& item) {
    if (row < 0 || row >= kChannelCount)
        return false;
    std::vector<std::pair<Field, QString>> changes;
    for (Field f : fields(picker))
        changes.emplace_back(f, item);
    return table.writeFieldsAt(row, changes);
}

std::optional<Picker> Pickers::forField(Field field) {
    return kernel::pickerForField(field);
}

} // namespace zt41
