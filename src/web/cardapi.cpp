// SPDX-License-Identifier: GPL-3.0-or-later
// The channel card and the licence-free services for the page: the card's
// words and layout as the window draws it, for the 16 channels as the radio
// would hold them after a write; a service's check of the table.
#include "kernel/card.h"
#include "kernel/services.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

val cardJs(const std::string& squelch, const val& table, const std::string& isoDate) {
    const ChannelRows rows = radioForm(toRows(table));
    val columns = val::array();
    for (std::size_t c = 0; c < card::kColumns.size(); ++c) {
        val col = val::object();
        col.set("title", std::string(card::kColumns[c].title));
        col.set("widthMm", card::kColumns[c].widthMm);
        columns.set(c, col);
    }
    val cells = val::array();
    val strip = val::array();
    for (int k = 1; k <= kChannelCount; ++k) {
        const std::array<std::string, 8> row = card::cells(k, rows[k - 1]);
        cells.set(k - 1, fromStrings({row.begin(), row.end()}));
        const card::StripCell s = card::stripCell(rows[k - 1]);
        val cell = val::object();
        cell.set("mark", s.mark);
        cell.set("frequency", s.frequency);
        cell.set("tones", s.tones);
        cell.set("empty", s.empty);
        strip.set(k - 1, cell);
    }
    val out = val::object();
    out.set("title", card::title());
    out.set("dateLine", card::dateLine(isoDate));
    out.set("squelchLine", card::squelchLine(radioSquelch(squelch)));
    out.set("stripCaption", card::stripCaption());
    out.set("columns", columns);
    out.set("cells", cells);
    out.set("strip", strip);
    out.set("marginMm", card::kMarginMm);
    out.set("rowMm", card::kRowMm);
    out.set("stripCellMm", card::kStripCellMm);
    return out;
}

// The findings of the table against service number `index` of services().
val checkServiceJs(int index, const val& table) {
    const std::vector<ServiceFinding> findings = checkChannels(services().at(index), toRows(table));
    val out = val::array();
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const ServiceFinding& f = findings[i];
        val v = val::object();
        v.set("channel", f.channel);
        v.set("field", static_cast<int>(f.field));
        v.set("kind", static_cast<int>(f.kind));
        v.set("value", f.value);
        v.set("nearest", f.nearest);
        v.set("nearestValue", f.nearestValue);
        v.set("watts", f.watts);
        v.set("limitWatts", f.limitWatts);
        out.set(i, v);
    }
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(zt41_card) {
    emscripten::function("card", &cardJs);
    emscripten::function("checkService", &checkServiceJs);
}
