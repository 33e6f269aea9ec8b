// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zt41::kernel {

// The table an edit history works on: 16 rows that are stored all at once,
// and the squelch level beside them.
class EditTable {
public:
    virtual ~EditTable() = default;
    virtual ChannelRows rows() const = 0;
    // Replaces the six data fields of the 16 rows at once; false, with
    // nothing changed, when they cannot be stored.
    virtual bool replaceDataFields(const ChannelRows& rows) = 0;
    virtual std::string squelch() const = 0;
    virtual void setSquelch(const std::string& level) = 0;
};

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
    std::vector<CellChange> cells;
    bool squelchChanged = false;
    std::string squelchBefore;
    std::string squelchAfter;
    bool typedSquelch = false; // a keystroke in the squelch list, which the next one joins
};

// The edits of the session, each one step that can be undone and redone: a
// typed edit with its rule's result, a pick, a squelch change, a paste, a row
// operation, a file opened, a read, a backup loaded. What happens between the
// outermost begin() and end() is one step; undo puts back exactly the earlier
// values, nulls included, in one store.
class EditHistory {
public:
    enum class Kind { Edit, SquelchTyping };
    enum class Outcome {
        Done,
        Nothing,    // nothing to undo or redo, or nothing would change
        Refused,    // a write runs and more than one row would change
        BreaksRule, // a write runs and the row would hold what a write refuses
        NotStored,  // the table refused; nothing changed
    };

    static constexpr int kDepth = 1000;

    // `changed` runs whenever canUndo() or canRedo() may have changed.
    explicit EditHistory(EditTable& table, std::function<void()> changed = {});

    void begin();
    void end(Kind kind = Kind::Edit);
    // A typed squelch level is complete: the next keystroke starts a step of its own.
    void endSquelchTyping() { m_typingOpen = false; }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    int undoCount() const { return static_cast<int>(m_undo.size()); }

    // While a write runs (`writing`), a change of more than one row is
    // refused, so that the radio never gets frames from two tables; a change
    // of one row goes out with the frames still to come, as a typed edit does,
    // if the row then passes the rules a write holds its rows to.
    Outcome undo(bool writing);
    Outcome redo(bool writing);
    // Stores new rows (a paste, a row operation) as one step.
    Outcome replaceRows(const ChannelRows& rows, bool writing);

private:
    struct Snapshot {
        ChannelRows rows{};
        std::string squelch;
    };
    Snapshot snapshot() const;
    Outcome store(const ChannelRows& rows, bool writing);
    Outcome move(std::deque<EditStep>& from, std::deque<EditStep>& to, bool undoing, bool writing);
    void push(EditStep step, Kind kind);
    void notify() const {
        if (m_changed)
            m_changed();
    }

    EditTable& m_table;
    std::function<void()> m_changed;
    std::deque<EditStep> m_undo;
    std::deque<EditStep> m_redo;
    Snapshot m_before;
    int m_depth = 0;
    bool m_applying = false;
    bool m_typingOpen = false;
    bool m_joinsTyping = false;
};

} // namespace zt41::kernel
