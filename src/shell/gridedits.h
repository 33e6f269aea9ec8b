// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/cellpaste.h"
#include "channels/edithistory.h"
#include "channels/rowoperations.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QTableView;

namespace zt41 {

class ChannelGridDelegate;
class ChannelTable;
class LinkSession;
class MessageSink;

// The grid's spreadsheet edits: a rectangle of cells selected by drag or
// Shift, undo and redo, cut, copy, paste and clear through the clipboard, and
// the row operations, on keys and in the grid's context menu. The rules and
// the history are the library's; this only wires keys, selection, clipboard,
// menu and messages.
class GridEdits : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget* window;
        QTableView* grid;
        ChannelGridDelegate* delegate;
        ChannelTable& table;
        EditHistory& history;
        LinkSession& session;
        MessageSink& messages;
        std::function<bool()> transferRunning; // a write, or a tool holding the port
        std::function<void()> commitPendingEdit;
    };

    GridEdits(Parts parts, QObject* parent);

    QMenu* contextMenu() const { return m_menu; }

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void clear();
    void rowOperation(RowOperation op);

private:
    // An entry of the menu whose keys work in `owner`: the grid, or the whole window.
    QAction* addAction(const char* name, const QList<QKeySequence>& keys, QWidget* owner,
                       const std::function<void()>& act);
    QList<GridCell> selectedCells() const;
    bool reading() const;
    bool typing() const;
    bool store(const ChannelRows& rows);
    // Says why an edit did not happen; true when it did, or had nothing to do.
    bool tell(EditHistory::Outcome outcome);
    void showMenu(const QPoint& viewportPos);

    Parts m_parts;
    QMenu* m_menu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    bool m_readStep = false;
};

} // namespace zt41
