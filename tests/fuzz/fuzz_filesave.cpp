// SPDX-License-Identifier: GPL-3.0-or-later
// Save, then load: any table and squelch text the save accepts loads back,
// always, to the same values (the squelch text but for blanks at its ends); a table of
// plain values is written as plain values, byte for byte. A plain value is
// one the save keeps as it stands: short, no blanks at its ends, letters,
// digits, '.', '-' and blanks, and no number too large for a double.
#include "channels/numbers.h"
#include "files/channelfile.h"
#include "fuzzdata.h"

#include <QBuffer>

#include <cmath>

using namespace zt41;

namespace {

QString withoutEdgeBlanks(QString s) {
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s.remove(0, 1);
    while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
        s.chop(1);
    return s;
}

bool isPlain(const QString& s) {
    if (s.size() > ChannelValueSplitter::kMaxValueLength || s != withoutEdgeBlanks(s))
        return false;
    for (QChar c : s)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u' ')
            return false;
    return std::isfinite(numericValue(s));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayList pieces = fuzzPieces(data, size);
    const QString squelch = QString::fromUtf8(pieces.value(0));
    ChannelRows rows{};
    QStringList written{squelch};
    bool plain = isPlain(squelch);
    for (int r = 0; r < kChannelCount; ++r) {
        for (int f = 1; f <= 6; ++f) {
            const QByteArray piece = pieces.value(1 + 6 * r + (f - 1));
            if (!isNullPiece(piece))
                rows[r].fields[f] = QString::fromUtf8(piece);
            written << rows[r].fields[f].value_or(QStringLiteral("Null"));
            plain = plain && isPlain(written.back());
        }
    }

    const std::optional<QByteArray> bytes = encodeChannelFile(squelch, rows);
    if (!bytes) {
        if (plain)
            fuzzFail("refused to save plain values");
        return 0;
    }
    if (plain && *bytes != written.join(u',').toUtf8() + ',')
        fuzzFail("plain values not written as they are");

    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    ChannelValueSplitter splitter;
    splitter.feed(bytes->constData(), bytes->size());
    splitter.finish();
    if (!splitter.complete())
        fuzzFail("a saved file does not split into 97 values");
    QStringList expected = written;
    if (splitter.values().value(0) != squelch)
        expected[0] = withoutEdgeBlanks(squelch);
    if (splitter.values() != expected)
        fuzzFail("a saved file loads back other values");

    const ChannelFileRead read = readChannelFile(buffer);
    ChannelFileContents converted;
    if (!convertChannelValues(expected, converted) || read.error != ChannelFileError::None)
        fuzzFail("a saved file does not load");
    if (read.contents.squelch != converted.squelch || read.contents.rows != converted.rows)
        fuzzFail("a saved file loads into another table");
    return 0;
}
