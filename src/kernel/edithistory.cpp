// SPDX-License-Identifier: GPL-3.0-or-later
#include "edithistory.h"

#include "channelcheck.h"
#include "rowoperations.h"

#include <utility>

namespace zt41::kernel {

EditHistory::EditHistory(EditTable& table, std::function<void()> changed)
    : m_table(table)
    , m_changed(std::move(changed)) {}

EditHistory::Snapshot EditHistory::snapshot() const {
    return {m_table.rows(), m_table.squelch()};
}

void EditHistory::begin() {
    // Undo and redo set the squelch level, whose change would begin a step of its own.
    if (m_applying)
        return;
    if (m_depth++ == 0) {
        m_before = snapshot();
        // A message during the step (a refused level) may end the typing meanwhile.
        m_joinsTyping = m_typingOpen;
    }
}

void EditHistory::end(Kind kind) {
    if (m_applying || m_depth == 0 || --m_depth > 0)
        return;
    const Snapshot after = snapshot();
    EditStep step;
    for (int r = 0; r < kChannelCount; ++r)
        for (int f = 1; f < kFieldCount; ++f)
            if (m_before.rows[r].fields[f] != after.rows[r].fields[f])
                step.cells.push_back({r, static_cast<Field>(f), m_before.rows[r].fields[f],
                                      after.rows[r].fields[f]});
    step.squelchChanged = m_before.squelch != after.squelch;
    step.squelchBefore = m_before.squelch;
    step.squelchAfter = after.squelch;
    push(std::move(step), kind);
}

void EditHistory::push(EditStep step, Kind kind) {
    const bool typing = kind == Kind::SquelchTyping && step.cells.empty();
    if (typing && m_joinsTyping && m_redo.empty() && !m_undo.empty() &&
        m_undo.back().typedSquelch) {
        // Keystrokes of one typed level are one step; typed back to where it began, none.
        EditStep& top = m_undo.back();
        top.squelchAfter = step.squelchAfter;
        if (top.squelchAfter == top.squelchBefore)
            m_undo.pop_back();
        notify();
        return;
    }
    if (step.cells.empty() && !step.squelchChanged)
        return;
    step.typedSquelch = typing;
    m_typingOpen = typing;
    m_undo.push_back(std::move(step));
    if (m_undo.size() > std::size_t(kDepth))
        m_undo.pop_front();
    m_redo.clear();
    notify();
}

EditHistory::Outcome EditHistory::store(const ChannelRows& rows, bool writing) {
    const ChannelRows now = m_table.rows();
    const int changing = rowsChanged(now, rows);
    if (writing && changing > 1)
        return Outcome::Refused;
    if (writing)
        for (int k = 1; k <= kChannelCount; ++k)
            if (rows[k - 1] != now[k - 1] && !refusals(checkRow(k, rows[k - 1])).empty())
                return Outcome::BreaksRule;
    if (changing > 0 && !m_table.replaceDataFields(rows))
        return Outcome::NotStored;
    return changing > 0 ? Outcome::Done : Outcome::Nothing;
}

EditHistory::Outcome EditHistory::replaceRows(const ChannelRows& rows, bool writing) {
    begin();
    const Outcome outcome = store(rows, writing);
    end();
    return outcome;
}

EditHistory::Outcome EditHistory::undo(bool writing) {
    return move(m_undo, m_redo, true, writing);
}

EditHistory::Outcome EditHistory::redo(bool writing) {
    return move(m_redo, m_undo, false, writing);
}

EditHistory::Outcome EditHistory::move(std::deque<EditStep>& from, std::deque<EditStep>& to,
                                       bool undoing, bool writing) {
    if (from.empty() || m_depth > 0)
        return Outcome::Nothing;
    const EditStep& step = from.back();
    ChannelRows rows = m_table.rows();
    for (const CellChange& c : step.cells)
        rows[c.row][c.field] = undoing ? c.before : c.after;
    const Outcome stored = store(rows, writing);
    if (stored != Outcome::Done && stored != Outcome::Nothing)
        return stored;
    if (step.squelchChanged) {
        m_applying = true;
        m_table.setSquelch(undoing ? step.squelchBefore : step.squelchAfter);
        m_applying = false;
    }
    m_typingOpen = false;
    to.push_back(std::move(from.back()));
    from.pop_back();
    notify();
    return Outcome::Done;
}

} // namespace zt41::kernel
