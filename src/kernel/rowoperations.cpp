// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowoperations.h"

#include "numbers.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace zt41::kernel {

namespace {

using DataFields = std::array<FieldValue, kFieldCount - 1>;

DataFields dataOf(const ChannelRecord& row) {
    DataFields d;
    std::copy(row.fields.begin() + 1, row.fields.end(), d.begin());
    return d;
}

void setData(ChannelRecord& row, const DataFields& d) {
    std::copy(d.begin(), d.end(), row.fields.begin() + 1);
}

DataFields emptyData() {
    DataFields d;
    d.fill(std::string());
    return d;
}

// The receive frequency a sort orders by; none for an empty channel, as the
// cell rule sees one.
std::optional<double> receiveOf(const DataFields& d) {
    const double v = numericValue(d[0]);
    if (v == 0 || std::isnan(v))
        return std::nullopt;
    return v;
}

} // namespace

bool holdsData(const ChannelRecord& row) {
    for (int f = 1; f < kFieldCount; ++f)
        if (!trimmed(row.text(static_cast<Field>(f))).empty())
            return true;
    return false;
}

int rowsChanged(const ChannelRows& a, const ChannelRows& b) {
    int n = 0;
    for (int r = 0; r < kChannelCount; ++r)
        n += dataOf(a[r]) != dataOf(b[r]) ? 1 : 0;
    return n;
}

RowOperationResult applyRowOperation(const ChannelRows& rows, int current, RowOperation op) {
    RowOperationResult out{RowOperationResult::Kind::Done, rows, current};
    std::vector<DataFields> data;
    for (const ChannelRecord& row : rows)
        data.push_back(dataOf(row));
    const bool onRow = current >= 0 && current < kChannelCount;
    const auto nothing = [&] {
        out.kind = RowOperationResult::Kind::Nothing;
        return out;
    };
    switch (op) {
    case RowOperation::Insert:
        if (!onRow)
            return nothing();
        // Nothing is pushed out silently.
        if (holdsData(rows[kChannelCount - 1])) {
            out.kind = RowOperationResult::Kind::LastChannelHoldsData;
            return out;
        }
        data.pop_back();
        data.insert(data.begin() + current, emptyData());
        break;
    case RowOperation::Delete:
        if (!onRow)
            return nothing();
        data.erase(data.begin() + current);
        data.push_back(emptyData());
        break;
    case RowOperation::MoveUp:
    case RowOperation::MoveDown: {
        const int other = current + (op == RowOperation::MoveUp ? -1 : 1);
        if (!onRow || other < 0 || other >= kChannelCount)
            return nothing();
        std::swap(data[current], data[other]);
        out.current = other;
        break;
    }
    case RowOperation::SortByReceive:
        std::stable_sort(data.begin(), data.end(), [](const DataFields& a, const DataFields& b) {
            const std::optional<double> ra = receiveOf(a), rb = receiveOf(b);
            if (!ra || !rb)
                return ra.has_value() && !rb.has_value();
            return *ra < *rb;
        });
        break;
    }
    for (int r = 0; r < kChannelCount; ++r)
        setData(out.rows[r], data[r]);
    if (rowsChanged(rows, out.rows) == 0)
        return nothing();
    return out;
}

} // namespace zt41::kernel
