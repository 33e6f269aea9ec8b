// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's spreadsheet edits for the page: the kernel's edit history over
// the page's table, paste judging, copy, clear and the row operations.
#include "kernel/cellpaste.h"
#include "kernel/edithistory.h"
#include "kernel/rowoperations.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

std::vector<GridCell> toCells(const val& cells) {
    std::vector<GridCell> out;
    const int n = cells["length"].as<int>();
    for (int i = 0; i < n; ++i)
        out.push_back({cells[i][0].as<int>(), cells[i][1].as<int>()});
    return out;
}

// The page's table, as the edit history sees it.
class PageTable : public EditTable {
public:
    explicit PageTable(val page)
        : m_page(std::move(page)) {}
    ChannelRows rows() const override { return toRows(m_page.call<val>("rows")); }
    bool replaceDataFields(const ChannelRows& rows) override {
        return m_page.call<bool>("replaceDataFields", fromRows(rows));
    }
    std::string squelch() const override { return m_page.call<std::string>("squelch"); }
    void setSquelch(const std::string& level) override { m_page.call<void>("setSquelch", level); }

private:
    val m_page;
};

class PageHistory {
public:
    explicit PageHistory(val page)
        : m_table(page)
        , m_history(m_table, [page] { page.call<void>("historyChanged"); }) {}
    void begin() { m_history.begin(); }
    void end(int kind) { m_history.end(static_cast<EditHistory::Kind>(kind)); }
    void endSquelchTyping() { m_history.endSquelchTyping(); }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    int undo(bool writing) { return static_cast<int>(m_history.undo(writing)); }
    int redo(bool writing) { return static_cast<int>(m_history.redo(writing)); }
    int replaceRows(const val& rows, bool writing) {
        return static_cast<int>(m_history.replaceRows(toRows(rows), writing));
    }

private:
    PageTable m_table;
    EditHistory m_history;
};

val pasteJs(const val& rows, const std::string& text, const val& at, const val& selection) {
    const PasteResult r =
        pasteText(toRows(rows), text, {at[0].as<int>(), at[1].as<int>()}, toCells(selection));
    val refused = val::array();
    for (std::size_t i = 0; i < r.refused.size(); ++i) {
        const RefusedValue& v = r.refused[i];
        val o = val::object();
        o.set("channel", v.channel);
        o.set("field", static_cast<int>(v.field));
        o.set("value", v.value);
        o.set("before", fromField(v.before));
        o.set("now", fromField(v.now));
        refused.set(i, o);
    }
    val out = val::object();
    out.set("rows", fromRows(r.rows));
    out.set("refused", refused);
    out.set("linesLeftOut", r.linesLeftOut);
    out.set("nothingToPaste", r.nothingToPaste);
    return out;
}

val rowOperationJs(const val& rows, int current, int op) {
    const RowOperationResult r =
        applyRowOperation(toRows(rows), current, static_cast<RowOperation>(op));
    val out = val::object();
    out.set("kind", static_cast<int>(r.kind));
    out.set("rows", fromRows(r.rows));
    out.set("current", r.current);
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(zt41_table) {
    emscripten::class_<PageHistory>("EditHistory")
        .constructor<val>()
        .function("begin", &PageHistory::begin)
        .function("end", &PageHistory::end)
        .function("endSquelchTyping", &PageHistory::endSquelchTyping)
        .function("canUndo", &PageHistory::canUndo)
        .function("canRedo", &PageHistory::canRedo)
        .function("undo", &PageHistory::undo)
        .function("redo", &PageHistory::redo)
        .function("replaceRows", &PageHistory::replaceRows);
    emscripten::function("pasteText", &pasteJs);
    emscripten::function(
        "cellBlockText", +[](const val& rows, const val& cells) {
            return cellBlockText(toRows(rows), toCells(cells));
        });
    emscripten::function(
        "clearCells", +[](const val& rows, const val& cells) {
            return fromRows(clearCells(toRows(rows), toCells(cells)));
        });
    emscripten::function("applyRowOperation", &rowOperationJs);
}
