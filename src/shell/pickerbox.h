// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessibility.h"

namespace zt41 {

// A picker list over the grid (Combo2 to Combo5). Only a real choice writes
// into the current row: a click on an item, or a key that chooses while the
// list is open. The wheel turning over the closed list, or an arrow or letter
// key on it, would otherwise count as a choice and silently change the row.
class PickerBox : public NamedComboBox {
    Q_OBJECT
public:
    using NamedComboBox::NamedComboBox;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zt41
