// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickers.h"

#include "squelch.h"

namespace zt41::kernel {

std::vector<std::string> pickerItems(Picker picker) {
    std::vector<std::string> items;
    switch (picker) {
    case Picker::BothTones:
        items = {"   "};
        break;
    case Picker::TransmitTone:
        items = {"  "};
        break;
    case Picker::Shift:
        return {"off", "on", "  "};
    case Picker::Power:
        return {"H", "L"};
    }
    items.insert(items.end(), toneSet().begin(), toneSet().end());
    return items;
}

std::vector<Field> pickerFields(Picker picker) {
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

std::optional<Picker> pickerForField(Field field) {
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

} // namespace zt41::kernel
