// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

namespace zt41 {

class ChannelTable;
class EditHistory;

// The channel table as the grid DataGrid1 shows it. Only the receive and
// transmit frequency columns take typed input. A finished edit runs the cell
// rule on the edited row, and the typed text and the rule's result are stored
// in one step; outOfRange() then asks for the message, which the window shows
// once the editor has closed.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelGridModel(ChannelTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The column captions, in the window's language.
    static QStringList captions();
    // Column widths in twips.
    static const QList<int>& columnWidthsInTwips();
    // Each finished edit becomes one step of `history`.
    void setHistory(EditHistory* history) { m_history = history; }

Q_SIGNALS:
    void outOfRange();

private:
    ChannelTable& m_table;
    EditHistory* m_history = nullptr;
};

} // namespace zt41
