// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPointer>

#include <functional>

#include <QMenu>
class QTableView;

namespace zt41 {

class ChannelTable;
class EditHistory;

// The grid from the keyboard and for a screen reader. Tab and Shift+Tab leave
// the grid (the arrows move inside it); on the tone, shift and power columns
// F2, Space or Alt+Down open the choices the picker of that column offers,
// and a choice writes into that cell's row as the picker writes into the
// current row. A changed cell under the cursor tells the screen reader its new
// value.
class GridKeys : public QObject {
    Q_OBJECT
public:
    GridKeys(QTableView* grid, ChannelTable& table, std::function<EditHistory*()> history,
             QObject* parent);

    // Opens the choices for `cell`; null on a column without a picker.
    QMenu* openChoices(const QModelIndex& cell);
    QMenu* choices() const { return m_choices; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool opensChoices(const QKeyEvent& key) const;
    void cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    QTableView* m_grid;
    ChannelTable& m_table;
    std::function<EditHistory*()> m_history;
    QPointer<QMenu> m_choices;
};

} // namespace zt41
