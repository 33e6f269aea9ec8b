// SPDX-License-Identifier: GPL-3.0-or-later
// The channel file reader. However the file's bytes arrive in pieces, the
// values and the verdict are the same; a value counts as a number exactly
// when it has the number's form, and a file is refused for a number too large
// exactly when one of its numbers is too large for a double.
#include "files/channelfile.h"
#include "fuzzdata.h"

#include <QBuffer>

#include <cmath>
#include <cstdlib>

using namespace zt41;

namespace {

// "A number": [sign] digits with at most one point (at least one digit), then
// an optional exponent of "e" or "E", [sign] and digits; nothing else.
bool hasNumberForm(const QString& v) {
    qsizetype i = 0;
    const auto digit = [&v](qsizetype at) {
        return at < v.size() && v[at] >= u'0' && v[at] <= u'9';
    };
    if (i < v.size() && (v[i] == u'+' || v[i] == u'-'))
        ++i;
    int digits = 0;
    while (digit(i))
        ++i, ++digits;
    if (i < v.size() && v[i] == u'.')
        for (++i; digit(i); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < v.size() && (v[i] == u'e' || v[i] == u'E')) {
        ++i;
        if (i < v.size() && (v[i] == u'+' || v[i] == u'-'))
            ++i;
        if (!digit(i))
            return false;
        while (digit(i))
            ++i;
    }
    return i == v.size();
}

struct Split {
    ChannelValueSplitter::Error error;
    QStringList values;
};

Split split(const QByteArray& bytes, unsigned seed) {
    ChannelValueSplitter splitter;
    qsizetype at = 0;
    bool more = true;
    while (more && at < bytes.size()) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype piece = qMin<qsizetype>(1 + (seed >> 16) % 37, bytes.size() - at);
        more = splitter.feed(bytes.constData() + at, piece);
        at += piece;
    }
    if (more)
        splitter.finish();
    return {splitter.error(), splitter.values()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const ChannelFileRead read = readChannelFile(buffer);

    const Split whole = split(bytes, 0);
    const Split pieces = split(bytes, data[0]);
    ChannelValueSplitter oneByOne;
    for (qsizetype i = 0; i < bytes.size() && oneByOne.feed(bytes.constData() + i, 1); ++i) {
    }
    oneByOne.finish();
    if (pieces.error != whole.error || pieces.values != whole.values ||
        oneByOne.error() != whole.error || oneByOne.values() != whole.values)
        fuzzFail("the pieces the file arrived in changed what was read");

    if (whole.error != ChannelValueSplitter::Error::None) {
        if (read.error == ChannelFileError::None)
            fuzzFail("a file the splitter refused was read");
        return 0;
    }
    if (whole.values.size() != kChannelFileValues)
        fuzzFail("a complete file without 97 values");
    bool tooLarge = false;
    for (qsizetype i = 0; i < whole.values.size(); ++i) {
        const QString& v = whole.values[i];
        if (v.size() > ChannelValueSplitter::kMaxValueLength)
            fuzzFail("a value over the length limit was accepted", v.left(40));
        if (isChannelFileNumber(v) != hasNumberForm(v))
            fuzzFail("wrong number form for", v);
        // Every value but pw (the sixth of each row) is converted when it is a number.
        const bool power = i > 0 && (i - 1) % 6 == 5;
        if (!power && hasNumberForm(v) && std::isinf(std::strtod(qPrintable(v), nullptr)))
            tooLarge = true;
    }
    const ChannelFileError expected =
        tooLarge ? ChannelFileError::BadNumber : ChannelFileError::None;
    if (read.error != expected)
        fuzzFail("a number too large was judged wrongly");
    return 0;
}
