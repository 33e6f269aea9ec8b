// SPDX-License-Identifier: GPL-3.0-or-later
// The files for the page: a channel file or a CHIRP CSV the user chose, read
// as the window reads it; the bytes the window would save, for a download.
#include "kernel/channelfile.h"
#include "kernel/chirpcsv.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

// {error, squelch, rows}: error 0 when the file was read.
val readChannelFileJs(const val& bytes) {
    const std::string data = fromBytes(bytes);
    ChannelValueSplitter splitter;
    if (splitter.feed(data.data(), data.size()))
        splitter.finish();
    const ChannelFileRead read = readSplitValues(splitter);
    val out = val::object();
    out.set("error", static_cast<int>(read.error));
    out.set("squelch", read.contents.squelch);
    out.set("rows", fromRows(read.contents.rows));
    return out;
}

// The file's bytes, or null when the format cannot carry the table unchanged.
val formatChannelFileJs(const std::string& squelch, const val& rows) {
    const std::optional<std::string> bytes = formatChannelFile({squelch, toRows(rows)});
    return bytes ? toBytes(*bytes) : val::null();
}

val fromWarnings(const std::vector<ChirpWarning>& warnings) {
    val out = val::array();
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        const ChirpWarning& w = warnings[i];
        val v = val::object();
        v.set("line", w.line);
        v.set("channel", w.channel);
        v.set("column", w.column);
        v.set("kind", static_cast<int>(w.kind));
        v.set("text", w.text);
        out.set(i, v);
    }
    return out;
}

// {refusal, rows, warnings}: refusal 0 when the rows may replace the table's.
val importChirpCsvJs(const val& bytes) {
    const ChirpImport import = importChirpCsv(fromBytes(bytes));
    val out = val::object();
    out.set("refusal", static_cast<int>(import.refusal));
    out.set("rows", fromRows(import.rows));
    out.set("warnings", fromWarnings(import.warnings));
    return out;
}

// {bytes, leftOut}: the CSV's bytes and the channels it leaves out.
val exportChirpCsvJs(const val& rows) {
    const ChirpExport e = exportChirpCsv(toRows(rows));
    val out = val::object();
    out.set("bytes", toBytes(e.text));
    out.set("leftOut", fromWarnings(e.leftOut));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(zt41_files) {
    emscripten::function("importChirpCsv", &importChirpCsvJs);
    emscripten::function("exportChirpCsv", &exportChirpCsvJs);
    emscripten::function(
        "isChirpCsvFileName", +[](const std::string& name) { return isChirpCsvFileName(name); });
    emscripten::function("readChannelFile", &readChannelFileJs);
    emscripten::function("formatChannelFile", &formatChannelFileJs);
}
