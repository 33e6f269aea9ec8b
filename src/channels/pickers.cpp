// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickers.h"

#include "channeltable.h"
#include "tones.h"

namespace zt41 {

QStringList Pickers::items(Picker picker) {
    switch (picker) {
    case Picker::BothTones:
        return QStringList{QStringLiteral("   ")} + toneSet();
    case Picker::TransmitTone:
        return QStringList{QStringLiteral("  ")} + toneSet();
    case Picker::Shift:
        return {QStringLiteral("off"), QStringLiteral("on"), QStringLiteral("  ")};
    case Picker::Power:
        return {QStringLiteral("H"), QStringLiteral("L")};
    }
    return {};
}

std::vector<Field> Pickers::fields(Picker picker) {
    switch (picker) {
    case Picker::BothTones:
        return {Field::Rct, Field::Tct};
    case Picker::TransmitTone:
        return {Field::Tct};
    case Picker::Shift:
        return {Field::Bt};
    case Picker::Power:
        return {Field::Pw};
    }
    return {};
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
    switch (field) {
    case Field::Rct:
        return Picker::BothTones;
    case Field::Tct:
        return Picker::TransmitTone;
    case Field::Bt:
        return Picker::Shift;
    case Field::Pw:
        return Picker::Power;
    default:
        return std::nullopt;
    }
}

} // namespace zt41
