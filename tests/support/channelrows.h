// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QStringList>

// A channel row from its number and its six data fields, rf to pw.
inline zt41::ChannelRecord makeRow(const QString& no, const QStringList& six) {
    zt41::ChannelRecord row;
    row[zt41::Field::No] = no;
    for (int f = 1; f <= 6; ++f)
        row.fields[f] = six.value(f - 1);
    return row;
}

inline zt41::ChannelRecord makeRow(int no, const QStringList& six) {
    return makeRow(QString::number(no), six);
}
