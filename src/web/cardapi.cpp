// SPDX-License-Identifier: GPL-3.0-or-later
// The channel card and the licence-free services for the page: the card's
// layout as the window draws it and which word stands in which cell, for the
// 16 channels as the radio would hold them after a write; a service's check
// of the table.
#include "kernel/card.h"
#include "kernel/services.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

// A cell as the page takes it: its text, or the number of its word in the
// page's card words (0 for none).
val cellJs(const std::string& text, card::Word word) {
    val cell = val::object();
    cell.set("text", text);
    cell.set("word", static_cast<int>(word));
    return cell;
}

val cardJs(const std::string& squelch, const val& table) {
    const ChannelRows rows = radioForm(toRows(table));
    val widths = val::array();
    for (std::size_t c = 0; c < card::kColumnWidthsMm.size(); ++c)
        widths.set(c, card::kColumnWidthsMm[c]);
    val cells = val::array();
    val strip = val::array();
    for (int k = 1; k <= kChannelCount; ++k) {
        val row = val::array();
        const std::array<card::Cell, 8> c = card::cells(k, rows[k - 1]);
        for (std::size_t i = 0; i < c.size(); ++i)
            row.set(i, cellJs(c[i].text, c[i].word));
        cells.set(k - 1, row);
        const card::StripCell s = card::stripCell(rows[k - 1]);
        val cell = val::object();
        cell.set("mark", static_cast<int>(s.mark));
        cell.set("frequency", s.frequency);
        cell.set("tones", s.tones);
        cell.set("empty", s.empty);
        strip.set(k - 1, cell);
    }
    val out = val::object();
    out.set("squelch", radioSquelch(squelch));
    out.set("widthsMm", widths);
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
