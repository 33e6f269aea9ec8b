// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowstore.h"

#include "channels/channeltable.h"

namespace zt41 {

ChannelRows RowStore::rows() const {
    ChannelRows out{};
    for (int r = 0; r < kChannelCount; ++r)
        out[r] = row(r);
    return out;
}

TableRows::TableRows(ChannelTable& table, SquelchGetter get, SquelchSetter set)
    : m_table(table)
    , m_get(std::move(get))
    , m_set(std::move(set)) {}

ChannelRecord TableRows::row(int index) const {
    return m_table.row(index);
}

ChannelRows TableRows::rows() const {
    return m_table.rows();
}

bool TableRows::store(const ChannelRows& rows, const QString& squelch) {
    if (!m_table.replaceDataFields(rows))
        return false;
    m_set(squelch);
    return true;
}

void TableRows::setCurrentRow(int index) {
    m_table.setCurrentRow(index);
}

void TableRows::numberFirstRow() {
    m_table.moveFirst();
    m_table.writeField(Field::No, QStringLiteral("1"));
}

bool FixedRows::store(const ChannelRows& rows, const QString& squelch) {
    m_received = rows;
    for (int r = 0; r < kChannelCount; ++r)
        m_received[r][Field::No] = m_rows[r][Field::No];
    m_receivedSquelch = squelch;
    return true;
}

} // namespace zt41
