// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrows.h"
#include "link/channelframe.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

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

// The 16 frames the program sends for a table whose channels 1, 2, ... hold
// `channels` (six fields each), squelch `squelch`: the channels after them
// empty, or `channels` again from the start when `repeat`.
inline QByteArray framesOf(const QList<QStringList>& channels, const QString& squelch,
                           bool repeat = false) {
    QByteArray frames;
    for (int k = 1; k <= zt41::kChannelCount; ++k) {
        const QStringList six = repeat ? channels[(k - 1) % channels.size()]
                                       : channels.value(k - 1, QStringList(6, QString()));
        frames += zt41::EncodeChannelFrame(k, squelch, makeRow(k, six)).toLatin1();
    }
    return frames;
}
