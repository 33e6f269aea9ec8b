// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardfonts.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace zt41 {

inline const QColor kPureBlue{0, 0, 255};
inline const QColor kPureRed{255, 0, 0};
inline const QColor kPurple{192, 0, 192};

// Colours the text of a widget while it is enabled; a disabled one stays grey.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace zt41
