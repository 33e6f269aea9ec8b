// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"
#include "kernel/edithistory.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace zt41 {

class ChannelTable;

// The edits of the session, each one step that can be undone and redone: a
// typed edit with its rule's result, a pick, a squelch change, a paste, a row
// operation, a file opened, a read, a backup loaded. What happens between the
// outermost begin() and end() is one step; undo puts back exactly the earlier
// values, nulls included, in one transaction.
class EditHistory : public QObject {
    Q_OBJECT
public:
    using SquelchGetter = std::function<QString()>;
    using SquelchSetter = std::function<void(const QString&)>;

    // Done, Nothing (nothing to undo or redo, or nothing would change),
    // Refused (a write runs and more than one row would change), BreaksRule
    // (a write runs and the row would hold what a write refuses), NotStored
    // (the database refused; nothing changed).
    using Kind = kernel::EditHistory::Kind;
    using Outcome = kernel::EditHistory::Outcome;

    static constexpr int kDepth = kernel::EditHistory::kDepth;

    EditHistory(ChannelTable& table, SquelchGetter get, SquelchSetter set,
                QObject* parent = nullptr);
    ~EditHistory() override;

    void begin() { m_history->begin(); }
    void end(Kind kind = Kind::Edit) { m_history->end(kind); }
    // A typed squelch level is complete: the next keystroke starts a step of its own.
    void endSquelchTyping() { m_history->endSquelchTyping(); }

    // begin() and end() around a scope; a null history records nothing.
    class Step {
    public:
        explicit Step(EditHistory* history, Kind kind = Kind::Edit)
            : m_history(history)
            , m_kind(kind) {
            if (m_history)
                m_history->begin();
        }
        ~Step() {
            if (m_history)
                m_history->end(m_kind);
        }
        Q_DISABLE_COPY_MOVE(Step)

    private:
        EditHistory* m_history;
        Kind m_kind;
    };

    bool canUndo() const { return m_history->canUndo(); }
    bool canRedo() const { return m_history->canRedo(); }
    int undoCount() const { return m_history->undoCount(); }

    // While a write runs (`writing`), a change of more than one row is
    // refused, so that the radio never gets frames from two tables; a change
    // of one row goes out with the frames still to come, as a typed edit does,
    // if the row then passes the rules a write holds its rows to.
    Outcome undo(bool writing);
    Outcome redo(bool writing);
    // Stores new rows (a paste, a row operation) as one step.
    Outcome replaceRows(const ChannelRows& rows, bool writing);

Q_SIGNALS:
    // canUndo() or canRedo() may have changed.
    void changed();

private:
    // The channel table and the squelch list as the kernel's history sees them.
    class Table;
    std::unique_ptr<Table> m_table;
    std::unique_ptr<kernel::EditHistory> m_history;
};

} // namespace zt41
