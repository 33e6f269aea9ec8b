// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridkeys.h"

#include "accessibility.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "channels/pickers.h"
#include "language.h"
#include "windowwords.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>

namespace zt41 {

namespace {

std::optional<Picker> pickerAt(const QModelIndex& cell) {
    return cell.isValid() ? Pickers::forField(static_cast<Field>(cell.column())) : std::nullopt;
}

} // namespace

GridKeys::GridKeys(QTableView* grid, ChannelTable& table, std::function<EditHistory*()> history,
                   QObject* parent)
    : QObject(parent)
    , m_grid(grid)
    , m_table(table)
    , m_history(std::move(history)) {
    m_grid->setTabKeyNavigation(false);
    sayInWindowLanguage(m_grid, [grid = m_grid] { grid->setAccessibleName(tr("信道表")); });
    m_grid->installEventFilter(this);
    connect(m_grid->model(), &QAbstractItemModel::dataChanged, this, &GridKeys::cellsChanged);
}

bool GridKeys::opensChoices(const QKeyEvent& key) const {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (!pickerAt(m_grid->currentIndex()))
        return false;
    return ((key.key() == Qt::Key_F2 || key.key() == Qt::Key_Space) && mods == Qt::NoModifier) ||
           (key.key() == Qt::Key_Down && mods == Qt::AltModifier);
}

bool GridKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_grid)
        return false;
    // Alt+Down on these columns opens the list, as on a picker; elsewhere it moves the channel.
    if (event->type() == QEvent::ShortcutOverride &&
        opensChoices(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && opensChoices(*static_cast<QKeyEvent*>(event))) {
        openChoices(m_grid->currentIndex());
        return true;
    }
    return false;
}

QMenu* GridKeys::openChoices(const QModelIndex& cell) {
    const std::optional<Picker> picker = pickerAt(cell);
    if (!picker)
        return nullptr;
    if (m_choices)
        m_choices->deleteLater();
    const auto field = static_cast<Field>(cell.column());
    const int row = cell.row();
    m_choices = new QMenu(m_grid);
    m_choices->setObjectName(QStringLiteral("单元格选项"));
    m_choices->setAttribute(Qt::WA_DeleteOnClose);
    m_choices->setAccessibleName(spokenColumnName(field));
    const QString now = cell.data(Qt::EditRole).toString();
    QAction* current = nullptr;
    for (const QString& item : Pickers::items(*picker)) {
        // Shown as the picker shows it, with the word beside a letter or in place of blanks.
        const QString word = spokenValue(field, item);
        const QString shown = item.trimmed().isEmpty() || word == item.trimmed()
                                  ? word
                                  : item.trimmed() + QStringLiteral("  ") + word;
        QAction* a = m_choices->addAction(shown, this, [this, row, p = *picker, item] {
            const EditHistory::Step step(m_history());
            Pickers::pickAt(m_table, row, p, item);
        });
        if (item == now)
            current = a;
    }
    const QRect cellRect = m_grid->visualRect(cell);
    m_choices->popup(m_grid->viewport()->mapToGlobal(cellRect.bottomLeft()), current);
    if (current)
        m_choices->setActiveAction(current);
    return m_choices;
}

void GridKeys::cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    // The cell under the cursor says its new value; a whole table replaced is
    // told by the table's own change event.
    const QModelIndex current = m_grid->currentIndex();
    if (topLeft != bottomRight || current != topLeft)
        return;
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(m_grid);
    QAccessibleTableInterface* table = grid ? grid->tableInterface() : nullptr;
    QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
    if (!cell)
        return;
    QAccessibleValueChangeEvent value(cell, current.data(Qt::AccessibleTextRole));
    tellScreenReader(&value);
    QAccessibleEvent name(cell, QAccessible::NameChanged);
    tellScreenReader(&name);
}

} // namespace zt41
