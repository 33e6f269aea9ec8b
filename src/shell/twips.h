// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace zt41 {

// Window geometry is given in twips; 15 twips make one logical pixel.
constexpr int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

constexpr QRect twipRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace zt41
