// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel as the page calls it: embind functions over plain JavaScript
// values. A row is an array of seven texts or nulls (no, rf, rct, tf, tct, bt,
// pw), a table an array of sixteen rows. Nothing is decided here: every
// function converts, calls the kernel and converts back.
#include "kernel/cellrule.h"
#include "kernel/channelcheck.h"
#include "kernel/frames.h"
#include "kernel/numbers.h"
#include "kernel/pickers.h"
#include "kernel/squelch.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

val fromOutcome(const CellRuleOutcome& o) {
    val writes = val::array();
    for (std::size_t i = 0; i < o.writes.size(); ++i) {
        val w = val::array();
        w.set(0, static_cast<int>(o.writes[i].first));
        w.set(1, o.writes[i].second);
        writes.set(i, w);
    }
    val out = val::object();
    out.set("writes", writes);
    out.set("outOfRange", o.outOfRange);
    return out;
}

val fromFindings(const Findings& findings) {
    val out = val::array();
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const ChannelFinding& f = findings[i];
        val v = val::object();
        v.set("channel", f.channel);
        v.set("field", static_cast<int>(f.field));
        v.set("value", f.value);
        v.set("reason", static_cast<int>(f.reason));
        v.set("refuses", f.refuses());
        out.set(i, v);
    }
    return out;
}

val finishEditJs(const val& row, int column, const std::string& typed) {
    return fromOutcome(finishEdit(toRecord(row), column, typed));
}

val evaluateCellRuleJs(const val& row, int column) {
    return fromOutcome(evaluateCellRule(toRecord(row), column));
}

val pickerItemsJs(int picker) {
    return fromStrings(pickerItems(static_cast<Picker>(picker)));
}

val pickerFieldsJs(int picker) {
    val out = val::array();
    const std::vector<Field> fields = pickerFields(static_cast<Picker>(picker));
    for (std::size_t i = 0; i < fields.size(); ++i)
        out.set(i, static_cast<int>(fields[i]));
    return out;
}

int pickerForFieldJs(int field) {
    const std::optional<Picker> p = pickerForField(static_cast<Field>(field));
    return p ? static_cast<int>(*p) : -1;
}

val checkChannelSetJs(const std::string& squelchText, const val& rows) {
    return fromFindings(checkChannelSet(squelchText, toRows(rows)));
}

std::string encodeFrameJs(int frameNumber, const std::string& squelchText, const val& row) {
    return encodeFrame(frameNumber, squelchText, toRecord(row));
}

// The decoded row (its `no` as given) and, for frame 1, the squelch text.
val decodeFrameJs(const std::string& frame, int frameNumber, const val& row) {
    ChannelRecord r = toRecord(row);
    const std::string squelchText = decodeFrame(frame, frameNumber, r);
    val out = val::object();
    out.set("row", fromRecord(r));
    out.set("squelch", squelchText);
    return out;
}

int frameProblemJs(int frameNumber, const val& row) {
    return static_cast<int>(frameProblem(frameNumber, toRecord(row)));
}

val compareJs(const std::string& expectedSquelch, const val& expected,
              const std::string& actualSquelch, const val& actual) {
    const auto diffs =
        compareInFrameForm(expectedSquelch, toRows(expected), actualSquelch, toRows(actual));
    val out = val::array();
    for (std::size_t i = 0; i < diffs.size(); ++i) {
        val v = val::object();
        v.set("channel", diffs[i].channel);
        v.set("field", static_cast<int>(diffs[i].field));
        v.set("expected", diffs[i].expected);
        v.set("actual", diffs[i].actual);
        out.set(i, v);
    }
    return out;
}

val squelchItemsJs() {
    return fromStrings(squelch::items());
}
bool squelchRefusedJs(const std::string& text) {
    return squelch::isRefused(text);
}
std::string squelchInitialJs() {
    return squelch::initialText();
}
val toneSetJs() {
    return fromStrings(toneSet());
}
bool isNoValueJs(const val& v) {
    return isNoValue(toField(v));
}

} // namespace

EMSCRIPTEN_BINDINGS(zt41_kernel) {
    emscripten::function("finishEdit", &finishEditJs);
    emscripten::function("evaluateCellRule", &evaluateCellRuleJs);
    emscripten::function("pickerItems", &pickerItemsJs);
    emscripten::function("pickerFields", &pickerFieldsJs);
    emscripten::function("pickerForField", &pickerForFieldJs);
    emscripten::function("checkChannelSet", &checkChannelSetJs);
    emscripten::function("encodeFrame", &encodeFrameJs);
    emscripten::function("decodeFrame", &decodeFrameJs);
    emscripten::function(
        "isWellFormedFrame", +[](const std::string& f) { return isWellFormedFrame(f); });
    emscripten::function(
        "isAlignedFrame", +[](const std::string& f, int n) { return isAlignedFrame(f, n); });
    emscripten::function("frameProblem", &frameProblemJs);
    emscripten::function("compareInFrameForm", &compareJs);
    emscripten::function("squelchItems", &squelchItemsJs);
    emscripten::function("squelchRefused", &squelchRefusedJs);
    emscripten::function("squelchInitial", &squelchInitialJs);
    emscripten::function("toneSet", &toneSetJs);
    emscripten::function("isNoValue", &isNoValueJs);
}
