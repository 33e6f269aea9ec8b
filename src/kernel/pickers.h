// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record.h"

#include <optional>
#include <string>
#include <vector>

namespace zt41::kernel {

// The four selection lists that set the fields the grid does not let the user type.
enum class Picker {
    BothTones,    // Combo4: receive tone, then transmit tone
    TransmitTone, // Combo5
    Shift,        // Combo2
    Power,        // Combo3
};

// The items of a list, as the window shows them and writes them unchanged.
std::vector<std::string> pickerItems(Picker picker);
// The fields a choice of the list writes, in order.
std::vector<Field> pickerFields(Picker picker);
// The list that serves a column of the grid, if one does.
std::optional<Picker> pickerForField(Field field);

} // namespace zt41::kernel
