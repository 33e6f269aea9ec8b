// SPDX-License-Identifier: GPL-3.0-or-later
// The channel file for the page: the bytes a user chose, read as the window
// reads a file; the bytes the window would save, for a download.
#include "kernel/channelfile.h"

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

} // namespace

EMSCRIPTEN_BINDINGS(zt41_files) {
    emscripten::function("readChannelFile", &readChannelFileJs);
    emscripten::function("formatChannelFile", &formatChannelFileJs);
}
