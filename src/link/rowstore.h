// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QString>

#include <functional>

namespace zt41 {

class ChannelTable;

// Where a write takes its squelch level and rows from, and where a read puts
// what it brought. A write reads each row when its frame goes out.
class RowStore {
public:
    virtual ~RowStore() = default;
    virtual QString squelchText() const = 0;
    virtual ChannelRecord row(int index) const = 0;
    virtual ChannelRows rows() const;
    // Replaces the six data fields of the 16 rows and the squelch text at
    // once; false, with nothing changed, when they cannot be stored.
    virtual bool store(const ChannelRows& rows, const QString& squelch) = 0;

    // The cursor a transfer walks: 0 to 15, or -1 past the last row. Only a
    // store someone looks at has one.
    virtual void setCurrentRow(int /*index*/) {}
    // A write numbers the first row 1 before it sends "A".
    virtual void numberFirstRow() {}
};

// The channel table with its cursor, and the squelch list that lives beside
// it in the window.
class TableRows : public RowStore {
public:
    using SquelchGetter = std::function<QString()>;
    // Setting the squelch text runs the squelch check, as any change of the list does.
    using SquelchSetter = std::function<void(const QString&)>;

    TableRows(ChannelTable& table, SquelchGetter get, SquelchSetter set);

    QString squelchText() const override { return m_get(); }
    ChannelRecord row(int index) const override;
    ChannelRows rows() const override;
    bool store(const ChannelRows& rows, const QString& squelch) override;
    void setCurrentRow(int index) override;
    void numberFirstRow() override;

private:
    ChannelTable& m_table;
    SquelchGetter m_get;
    SquelchSetter m_set;
};

// A fixed set of 16 rows and a squelch text that a write sends, held by
// value. What a read brings is kept apart, so a read (a backup, a check
// afterwards) never changes what the next write sends.
class FixedRows : public RowStore {
public:
    FixedRows() = default;
    FixedRows(const ChannelRows& rows, const QString& squelch)
        : m_rows(rows)
        , m_squelch(squelch) {}

    QString squelchText() const override { return m_squelch; }
    ChannelRecord row(int index) const override { return m_rows.at(index); }
    ChannelRows rows() const override { return m_rows; }
    // Keeps the rows read, with the numbers of the rows to send.
    bool store(const ChannelRows& rows, const QString& squelch) override;

    const ChannelRows& receivedRows() const { return m_received; }
    const QString& receivedSquelch() const { return m_receivedSquelch; }

private:
    ChannelRows m_rows{};
    QString m_squelch;
    ChannelRows m_received{};
    QString m_receivedSquelch;
};

} // namespace zt41
