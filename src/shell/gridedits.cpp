// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridedits.h"

#include "channelgriddelegate.h"
#include "channelgridmodel.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "language.h"
#include "link/linksession.h"
#include "messagesink.h"
#include "windowwords.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

namespace zt41 {

GridEdits::GridEdits(Parts parts, QObject* parent)
    : QObject(parent)
    , m_parts(std::move(parts)) {
    QTableView* grid = m_parts.grid;
    // A rectangle of cells by drag or Shift; the current cell still carries the cursor.
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);

    m_menu = new QMenu(grid);
    m_menu->setObjectName(QStringLiteral("表格菜单"));
    // Undo and redo anywhere in the window; an open editor keeps them for its text.
    using Keys = QList<QKeySequence>;
    QWidget* window = m_parts.window;
    m_undo = addAction(QT_TR_NOOP("撤销"), {QKeySequence::Undo}, window, [this] { undo(); });
    m_redo = addAction(
        QT_TR_NOOP("重做"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        window, [this] { redo(); });
    m_menu->addSeparator();
    addAction(QT_TR_NOOP("剪切"), {QKeySequence::Cut}, grid, [this] { cut(); });
    addAction(QT_TR_NOOP("复制"), {QKeySequence::Copy}, grid, [this] { copy(); });
    addAction(QT_TR_NOOP("粘贴"), {QKeySequence::Paste}, grid, [this] { paste(); });
    addAction(QT_TR_NOOP("清除"), {QKeySequence(Qt::Key_Delete)}, grid, [this] { clear(); });
    m_menu->addSeparator();
    const auto rowAction = [this, grid](const char* name, const Keys& keys, RowOperation op) {
        addAction(name, keys, grid, [this, op] { rowOperation(op); });
    };
    rowAction(QT_TR_NOOP("插入信道"), {QKeySequence(Qt::CTRL | Qt::Key_I)}, RowOperation::Insert);
    rowAction(QT_TR_NOOP("删除信道"), {QKeySequence(Qt::CTRL | Qt::Key_D)}, RowOperation::Delete);
    rowAction(QT_TR_NOOP("上移"), {QKeySequence(Qt::ALT | Qt::Key_Up)}, RowOperation::MoveUp);
    rowAction(QT_TR_NOOP("下移"), {QKeySequence(Qt::ALT | Qt::Key_Down)}, RowOperation::MoveDown);
    rowAction(QT_TR_NOOP("按接收频率排序"), {}, RowOperation::SortByReceive);

    const auto follow = [this] {
        m_undo->setEnabled(m_parts.history.canUndo());
        m_redo->setEnabled(m_parts.history.canRedo());
    };
    follow();
    connect(&m_parts.history, &EditHistory::changed, this, follow);

    // A level typed into the squelch list is one step once it is complete.
    if (auto* squelch = m_parts.window->findChild<QComboBox*>(QStringLiteral("Combo1"))) {
        connect(squelch, &QComboBox::activated, &m_parts.history, &EditHistory::endSquelchTyping);
        connect(squelch->lineEdit(), &QLineEdit::editingFinished, &m_parts.history,
                &EditHistory::endSquelchTyping);
    }

    // The right button, or the menu key on the current cell.
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, &GridEdits::showMenu);

    // A read, from its command to its end, is one step: the rows and the
    // squelch level it brought.
    connect(&m_parts.session, &LinkSession::transferChanged, this, [this](Transfer t) {
        if (t == Transfer::Read && !m_readStep) {
            m_readStep = true;
            m_parts.history.begin();
        } else if (t == Transfer::None && m_readStep) {
            m_readStep = false;
            m_parts.history.end();
        }
    });
}

QAction* GridEdits::addAction(const char* name, const QList<QKeySequence>& keys, QWidget* owner,
                              const std::function<void()>& act) {
    // Named by its Chinese words, shown in the window's language.
    QAction* a = m_menu->addAction(QString(), this, act);
    a->setObjectName(QString::fromUtf8(name));
    sayInWindowLanguage(a, [a, name] { a->setText(tr(name)); });
    a->setShortcuts(keys);
    a->setShortcutContext(owner == m_parts.grid ? Qt::WidgetWithChildrenShortcut
                                                : Qt::WindowShortcut);
    owner->addAction(a);
    return a;
}

void GridEdits::showMenu(const QPoint& viewportPos) {
    QTableView* grid = m_parts.grid;
    QPoint at = viewportPos;
    // The menu key gives no place worth using: the menu opens on the current cell.
    if (!grid->viewport()->rect().contains(at) || !grid->indexAt(at).isValid())
        at = grid->visualRect(grid->currentIndex()).center();
    m_menu->popup(grid->viewport()->mapToGlobal(at));
}

bool GridEdits::reading() const {
    return m_parts.session.transfer() == Transfer::Read;
}

QList<GridCell> GridEdits::selectedCells() const {
    QList<GridCell> cells;
    for (const QModelIndex& i : m_parts.grid->selectionModel()->selectedIndexes())
        cells.append({i.row(), i.column()});
    const QModelIndex current = m_parts.grid->currentIndex();
    if (cells.isEmpty() && current.isValid())
        cells.append({current.row(), current.column()});
    return cells;
}

bool GridEdits::tell(EditHistory::Outcome outcome) {
    using Outcome = EditHistory::Outcome;
    if (outcome == Outcome::Done || outcome == Outcome::Nothing)
        return true;
    // Refused: frames of two tables would go out; BreaksRule: a value the
    // write would never send would reach a frame still to come.
    const WindowMessage m = outcome == Outcome::Refused      ? fileBusyMessage()
                            : outcome == Outcome::BreaksRule ? outOfRangeMessage()
                                                             : storeFailedMessage();
    m_parts.messages.show(m.text, m.title, m.icon);
    return false;
}

bool GridEdits::store(const ChannelRows& rows) {
    return tell(m_parts.history.replaceRows(rows, m_parts.transferRunning()));
}

bool GridEdits::typing() const {
    // Undo and redo keys in a text being typed are the text's own, whatever
    // keys the platform gives its line edits.
    return m_parts.delegate->hasOpenEditor() ||
           qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
}

void GridEdits::undo() {
    if (!typing() && !reading())
        tell(m_parts.history.undo(m_parts.transferRunning()));
}

void GridEdits::redo() {
    if (!typing() && !reading())
        tell(m_parts.history.redo(m_parts.transferRunning()));
}

void GridEdits::copy() {
    m_parts.commitPendingEdit();
    QApplication::clipboard()->setText(cellBlockText(m_parts.table.rows(), selectedCells()));
}

void GridEdits::cut() {
    if (reading())
        return;
    copy();
    clear();
}

void GridEdits::clear() {
    m_parts.commitPendingEdit();
    if (!reading())
        store(clearCells(m_parts.table.rows(), selectedCells()));
}

void GridEdits::paste() {
    m_parts.commitPendingEdit();
    const QModelIndex current = m_parts.grid->currentIndex();
    if (reading() || !current.isValid())
        return;
    const PasteResult result = pasteText(m_parts.table.rows(), QApplication::clipboard()->text(),
                                         {current.row(), current.column()}, selectedCells());
    if (store(result.rows) &&
        (!result.refused.isEmpty() || result.linesLeftOut > 0 || result.nothingToPaste))
        m_parts.messages.show(pasteRefusedMessage(result));
}

void GridEdits::rowOperation(RowOperation op) {
    m_parts.commitPendingEdit();
    if (reading())
        return;
    const RowOperationResult result =
        applyRowOperation(m_parts.table.rows(), m_parts.table.currentRow(), op);
    if (result.kind == RowOperationResult::Kind::LastChannelHoldsData) {
        m_parts.messages.show(lastChannelHoldsDataMessage());
        return;
    }
    if (result.kind == RowOperationResult::Kind::Done && store(result.rows))
        m_parts.table.setCurrentRow(result.current);
}

} // namespace zt41
