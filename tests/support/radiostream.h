// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// What the radio sends on "5": frame 1 carries squelch `squelch` and the
// sample row (440 / 445 MHz, tones 67.0 / 250.3, shift on, low power), frame 2
// a row at 438.5 MHz with tone 88.5, frames 3 to 16 empty rows.
inline QByteArray radioStream(char squelch = '3') {
    QByteArray s = QByteArray("0") + squelch + "11000086410000504470060325";
    s += "0100000071410000854385080000";
    for (int k = 3; k <= 16; ++k)
        s += QByteArray::number(k - 1).rightJustified(2, '0') + QByteArray(26, '0');
    return s;
}
