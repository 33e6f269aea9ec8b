// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QWidget>

namespace zt41 {

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
        p.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(p);
}

} // namespace zt41
