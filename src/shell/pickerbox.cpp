// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickerbox.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace zt41 {

void PickerBox::wheelEvent(QWheelEvent* event) {
    event->ignore(); // passed on to the window, as over any other still control
}

void PickerBox::keyPressEvent(QKeyEvent* event) {
    const bool opensList = event->key() == Qt::Key_F4 || event->key() == Qt::Key_Space ||
                           ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
                            (event->modifiers() & Qt::AltModifier));
    if (opensList) {
        NamedComboBox::keyPressEvent(event);
        return;
    }
    // Tab, Return and the like go on to the window; nothing changes the item.
    event->ignore();
}

} // namespace zt41
