// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kernel's values as the page's JavaScript holds them: a field is a text
// or null, a row an array of seven fields (no, rf, rct, tf, tct, bt, pw), a
// table an array of sixteen rows, bytes a Uint8Array.
#include "kernel/record.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace zt41::web {

using emscripten::val;

inline kernel::FieldValue toField(const val& v) {
    if (v.isNull() || v.isUndefined())
        return std::nullopt;
    return v.as<std::string>();
}

inline val fromField(const kernel::FieldValue& f) {
    return f ? val(*f) : val::null();
}

inline kernel::ChannelRecord toRecord(const val& row) {
    kernel::ChannelRecord r;
    for (int i = 0; i < kernel::kFieldCount; ++i)
        r.fields[i] = toField(row[i]);
    return r;
}

inline val fromRecord(const kernel::ChannelRecord& r) {
    val row = val::array();
    for (int i = 0; i < kernel::kFieldCount; ++i)
        row.set(i, fromField(r.fields[i]));
    return row;
}

inline kernel::ChannelRows toRows(const val& rows) {
    kernel::ChannelRows out;
    for (int i = 0; i < kernel::kChannelCount; ++i)
        out[i] = toRecord(rows[i]);
    return out;
}

inline val fromRows(const kernel::ChannelRows& rows) {
    val out = val::array();
    for (int i = 0; i < kernel::kChannelCount; ++i)
        out.set(i, fromRecord(rows[i]));
    return out;
}

inline val fromStrings(const std::vector<std::string>& list) {
    val out = val::array();
    for (std::size_t i = 0; i < list.size(); ++i)
        out.set(i, list[i]);
    return out;
}

inline std::string fromBytes(const val& bytes) {
    const std::vector<unsigned char> v =
        emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return std::string(v.begin(), v.end());
}

// A copy, made while `s` lives.
inline val toBytes(const std::string& s) {
    return val::global("Uint8Array").new_(emscripten::typed_memory_view(s.size(), s.data()));
}

} // namespace zt41::web
