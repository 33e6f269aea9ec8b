// SPDX-License-Identifier: GPL-3.0-or-later
#include "edithistory.h"

#include "channeltable.h"
#include "kernelbridge.h"

namespace zt41 {

class EditHistory::Table : public kernel::EditTable {
public:
    Table(ChannelTable& table, SquelchGetter get, SquelchSetter set)
        : m_table(table)
        , m_get(std::move(get))
        , m_set(std::move(set)) {}

    kernel::ChannelRows rows() const override { return toKernel(m_table.rows()); }
    bool replaceDataFields(const kernel::ChannelRows& rows) override {
        return m_table.replaceDataFields(fromKernel(rows));
    }
    std::string squelch() const override { return toKernel(m_get()); }
    void setSquelch(const std::string& level) override { m_set(fromKernel(level)); }

private:
    ChannelTable& m_table;
    SquelchGetter m_get;
    SquelchSetter m_set;
};

EditHistory::EditHistory(ChannelTable& table, SquelchGetter get, SquelchSetter set, QObject* parent)
    : QObject(parent)
    , m_table(std::make_unique<Table>(table, std::move(get), std::move(set)))
    , m_history(std::make_unique<kernel::EditHistory>(*m_table, [this] { Q_EMIT changed(); })) {}

EditHistory::~EditHistory() = default;

EditHistory::Outcome EditHistory::undo(bool writing) {
    return m_history->undo(writing);
}

EditHistory::Outcome EditHistory::redo(bool writing) {
    return m_history->redo(writing);
}

EditHistory::Outcome EditHistory::replaceRows(const ChannelRows& rows, bool writing) {
    return m_history->replaceRows(toKernel(rows), writing);
}

} // namespace zt41
