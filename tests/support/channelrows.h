// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QStringList>
#include <QTest>

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

// Rows as "k=rf|rct|tf|tct|bt|pw", "~" for a null; rows not named hold empty texts.
inline zt41::ChannelRows rowsFrom(const QStringList& notation, zt41::ChannelRows rows) {
    for (const QString& line : notation) {
        const int k = line.section(u'=', 0, 0).toInt();
        const QStringList six = line.section(u'=', 1).split(u'|');
        for (int f = 1; f < zt41::kFieldCount; ++f)
            rows[k - 1].fields[f] =
                six[f - 1] == u"~" ? zt41::FieldValue() : zt41::FieldValue(six[f - 1]);
    }
    return rows;
}

inline QStringList notationOf(const zt41::ChannelRows& rows) {
    QStringList out;
    for (int r = 0; r < zt41::kChannelCount; ++r) {
        QStringList six;
        for (int f = 1; f < zt41::kFieldCount; ++f)
            six << rows[r].fields[f].value_or(QStringLiteral("~"));
        if (six.join(QString()) != QString())
            out << QStringLiteral("%1=%2").arg(r + 1).arg(six.join(u'|'));
    }
    return out;
}

namespace zt41 {
// Rows as a failing comparison prints them, in the notation of rowsFrom.
inline char* toString(const ChannelRows& rows) {
    return QTest::toString(notationOf(rows).join(QStringLiteral("  ")));
}
inline char* toString(const ChannelRecord& row) {
    QStringList fields;
    for (const FieldValue& f : row.fields)
        fields << f.value_or(QStringLiteral("~"));
    return QTest::toString(fields.join(u'|'));
}
} // namespace zt41
