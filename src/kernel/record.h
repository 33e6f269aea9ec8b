// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A channel row and the radio's whole set, in standard C++: text is UTF-8.

#include <array>
#include <optional>
#include <string>

namespace zt41::kernel {

// Field positions of a channel row; the grid's column index is the same number.
enum class Field : int { No = 0, Rf = 1, Rct = 2, Tf = 3, Tct = 4, Bt = 5, Pw = 6 };

constexpr int kFieldCount = 7;
constexpr int kChannelCount = 16;

// A field either holds text (possibly empty) or no value at all (a database null).
using FieldValue = std::optional<std::string>;

struct ChannelRecord {
    std::array<FieldValue, kFieldCount> fields{};

    const FieldValue& operator[](Field f) const { return fields[static_cast<int>(f)]; }
    FieldValue& operator[](Field f) { return fields[static_cast<int>(f)]; }

    // The text of a field, a null reading as empty text.
    std::string text(Field f) const { return (*this)[f].value_or(std::string()); }

    bool operator==(const ChannelRecord&) const = default;
};

using ChannelRows = std::array<ChannelRecord, kChannelCount>;

// What a radio holds, or is to hold: the squelch level and the 16 rows.
struct ChannelSet {
    std::string squelch;
    ChannelRows rows{};
    bool operator==(const ChannelSet&) const = default;
};

// The database names of the fields, in position order.
inline constexpr std::array<const char*, kFieldCount> kFieldNames = {"no",  "rf", "rct", "tf",
                                                                     "tct", "bt", "pw"};

} // namespace zt41::kernel
