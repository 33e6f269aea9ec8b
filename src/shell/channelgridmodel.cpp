// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelgridmodel.h"

#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "language.h"
#include "windowwords.h"

namespace zt41 {

ChannelGridModel::ChannelGridModel(ChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table) {
    connect(&m_table, &ChannelTable::fieldChanged, this, [this](int row, Field field) {
        const QModelIndex cell = index(row, static_cast<int>(field));
        Q_EMIT dataChanged(cell, cell);
    });
    connect(&m_table, &ChannelTable::rowsReplaced, this,
            [this] { Q_EMIT dataChanged(index(0, 0), index(kChannelCount - 1, kFieldCount - 1)); });
}

QStringList ChannelGridModel::captions() {
    return {tr(" 信道号"),       tr("  接收频率"),   tr(" 收哑音      "), tr("   发送频率"),
            tr(" 发哑音      "), tr(" 拍频       "), tr(" 功率       ")};
}

const QList<int>& ChannelGridModel::columnWidthsInTwips() {
    static const QList<int> widths{1065, 1695, 1140, 1785, 1050, 960, 990};
    return widths;
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_table.isOpen() ? 0 : kChannelCount;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFieldCount;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto field = static_cast<Field>(index.column());
    if (role == Qt::AccessibleTextRole)
        return spokenValue(field, m_table.row(index.row()).text(field));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return m_table.row(index.row()).text(field);
}

bool ChannelGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // The edit may end with a click on another row or an arrow key, which
    // moves the cursor before the text arrives here: the rule acts on the
    // edited row, never on the row the user moved to.
    bool outOfRangeDue = false;
    const EditHistory::Step step(m_history);
    if (!CellRule::applyEdit(m_table, index.row(), index.column(), value.toString(),
                             &outOfRangeDue)) {
        Q_EMIT dataChanged(index, index); // the cell shows what is stored
        return false;
    }
    if (outOfRangeDue)
        Q_EMIT outOfRange();
    return true;
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // A screen reader reads the captions without their padding, and the
    // blank row headers as the channel numbers.
    if (role == Qt::AccessibleTextRole)
        return orientation == Qt::Horizontal ? spokenColumnName(static_cast<Field>(section))
                                             : QString::number(section + 1);
    // An English caption wider than its column is read whole in its tool tip.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal &&
        windowLanguage() == Language::English)
        return captions().value(section).trimmed();
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return captions().value(section);
    return {};
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == static_cast<int>(Field::Rf) ||
        index.column() == static_cast<int>(Field::Tf))
        f |= Qt::ItemIsEditable;
    return f;
}

} // namespace zt41
