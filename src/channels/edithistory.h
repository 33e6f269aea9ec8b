// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace zt41 {

class ChannelTable;

// One field of one row as a step found it and left it.
struct CellChange {
    int row = 0;
    Field field = Field::Rf;
    FieldValue before;
    FieldValue after;
    bool operator==(const CellChange&) const = default;
};

// What one edit changed: fields of the table and the squelch level.
struct EditStep {
    QList<CellChange> cells;
    bool squelchChanged = false;
    QString squelchBefore;
    QString squelchAfter;
    bool typedSquelch = false; // a keystroke in the squelch list, which the next one joins
};

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

    enum class Kind { Edit, SquelchTyping };
    enum class Outcome {
        Done,
        Nothing,   // nothing to undo or redo, or nothing would change
        Refused,   // a write runs and more than one row would change
        BreaksRule, // a write runs and the row would hold what a write refuses
        NotStored, // the database refused; nothing changed
    };

    static constexpr int kDepth = 1000;

    EditHistory(ChannelTable& table, SquelchGetter get, SquelchSetter set,
                QObject* parent = nullptr);

    void begin();
    void end(Kind kind = Kind::Edit);
    // A typed squelch level is complete: the next keystroke starts a step of its own.
    void endSquelchTyping() { m_typingOpen = false; }

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

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    int undoCount() const { return static_cast<int>(m_undo.size()); }

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
    struct Snapshot {
        ChannelRows rows{};
        QString squelch;
    };
    Snapshot snapshot() const;
    Outcome store(const ChannelRows& rows, bool writing);
    Outcome move(QList<EditStep>& from, QList<EditStep>& to, bool undoing, bool writing);
    void push(EditStep step, Kind kind);

    ChannelTable& m_table;
    SquelchGetter m_get;
    SquelchSetter m_set;
    QList<EditStep> m_undo;
    QList<EditStep> m_redo;
    Snapshot m_before;
    int m_depth = 0;
    bool m_applying = false;
    bool m_typingOpen = false;
    bool m_joinsTyping = false;
};

} // namespace zt41
