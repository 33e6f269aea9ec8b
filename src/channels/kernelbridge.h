// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one place where the Qt side's values become the kernel's and back:
// QString <-> UTF-8 std::string, rows, row sets and lists. A null or empty
// QString becomes empty text; empty text comes back as a null QString, as
// the rules always wrote their empty fields.

#include "channelrecord.h"
#include "kernel/record.h"

#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <string>
#include <vector>

namespace zt41 {

inline std::string toKernel(const QString& text) {
    return text.toStdString();
}

inline QString fromKernel(const std::string& text) {
    if (text.empty())
        return QString();
    // QString::fromStdString would drop a byte-order mark that begins the text.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

inline kernel::FieldValue toKernel(const FieldValue& value) {
    return value ? kernel::FieldValue(toKernel(*value)) : std::nullopt;
}

inline FieldValue fromKernel(const kernel::FieldValue& value) {
    return value ? FieldValue(fromKernel(*value)) : std::nullopt;
}

inline kernel::ChannelRecord toKernel(const ChannelRecord& row) {
    kernel::ChannelRecord out;
    for (int f = 0; f < kFieldCount; ++f)
        out.fields[f] = toKernel(row.fields[f]);
    return out;
}

inline ChannelRecord fromKernel(const kernel::ChannelRecord& row) {
    ChannelRecord out;
    for (int f = 0; f < kFieldCount; ++f)
        out.fields[f] = fromKernel(row.fields[f]);
    return out;
}

inline kernel::ChannelRows toKernel(const ChannelRows& rows) {
    kernel::ChannelRows out;
    for (int k = 0; k < kChannelCount; ++k)
        out[k] = toKernel(rows[k]);
    return out;
}

inline ChannelRows fromKernel(const kernel::ChannelRows& rows) {
    ChannelRows out;
    for (int k = 0; k < kChannelCount; ++k)
        out[k] = fromKernel(rows[k]);
    return out;
}

inline QStringList fromKernel(const std::vector<std::string>& texts) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& t : texts)
        out.append(QString::fromStdString(t));
    return out;
}

// A list of kernel values as a QList of the Qt side's, one conversion each.
template <typename To, typename From, typename Convert>
QList<To> listFromKernel(const std::vector<From>& items, Convert convert) {
    QList<To> out;
    out.reserve(static_cast<qsizetype>(items.size()));
    for (const From& item : items)
        out.append(convert(item));
    return out;
}

} // namespace zt41
