// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QString>
#include <QStringList>

// Sixteen filled channels in the forms a read gives back (frequencies with
// five decimals, tones with one, "on"/"off", "H"/"L"), so that a table written
// and read again compares equal field for field.
inline zt41::ChannelRows sampleRows() {
    static const QStringList tones = {"67.0",  "71.9",  "88.5",  "",     "103.5",
                                      "131.8", "151.4", "250.3", "100.0"};
    zt41::ChannelRows rows;
    for (int r = 0; r < zt41::kChannelCount; ++r) {
        zt41::ChannelRecord& row = rows[r];
        row[zt41::Field::No] = QString::number(r + 1);
        row[zt41::Field::Rf] = QString::number(430.0125 + r * 1.5125, 'f', 5);
        row[zt41::Field::Rct] = tones[r % tones.size()];
        row[zt41::Field::Tf] = QString::number(145.61250 + r * 20.0375, 'f', 5);
        row[zt41::Field::Tct] = tones[(r + 4) % tones.size()];
        row[zt41::Field::Bt] = r % 3 == 0 ? QStringLiteral("on") : QStringLiteral("off");
        row[zt41::Field::Pw] = r % 2 == 0 ? QStringLiteral("L") : QStringLiteral("H");
    }
    return rows;
}

// The same rows with their six data fields empty, their numbers kept.
inline zt41::ChannelRows emptyRows(const zt41::ChannelRows& numbered) {
    zt41::ChannelRows rows = numbered;
    for (zt41::ChannelRecord& row : rows)
        for (int f = 1; f < zt41::kFieldCount; ++f)
            row.fields[f] = QString();
    return rows;
}

// A squelch level other than the table's initial 3.
inline QString sampleSquelch() {
    return QStringLiteral("6");
}
