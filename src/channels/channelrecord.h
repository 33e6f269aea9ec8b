// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/record.h"

#include <QString>

#include <array>
#include <optional>

namespace zt41 {

// Field positions, counts and the database names of the fields are the kernel's.
using kernel::Field;
using kernel::kChannelCount;
using kernel::kFieldCount;
using kernel::kFieldNames;

// A field either holds text (possibly empty) or no value at all (a database null).
using FieldValue = std::optional<QString>;

// One row of the table Chane.
struct ChannelRecord {
    std::array<FieldValue, kFieldCount> fields{};

    const FieldValue& operator[](Field f) const { return fields[static_cast<int>(f)]; }
    FieldValue& operator[](Field f) { return fields[static_cast<int>(f)]; }

    // The text of a field, a null reading as empty text.
    QString text(Field f) const { return (*this)[f].value_or(QString()); }

    bool operator==(const ChannelRecord&) const = default;
};

using ChannelRows = std::array<ChannelRecord, kChannelCount>;

// What a radio holds, or is to hold: the squelch level and the 16 rows.
struct ChannelSet {
    QString squelch;
    ChannelRows rows{};
};

} // namespace zt41
