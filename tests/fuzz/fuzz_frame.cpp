// SPDX-License-Identifier: GPL-3.0-or-later
// The frame codec. Any 28 bytes decode into the texts a row may hold; every
// frame the program would send is 28 digits and survives decoding and
// encoding again: Encode(Decode(F)) = F.
#include "fuzzdata.h"
#include "link/channelframe.h"

#include <QRegularExpression>

using namespace zt41;

namespace {

bool matches(const QRegularExpression& re, const FieldValue& v) {
    return v && re.match(*v).hasMatch();
}

QRegularExpression anchored(const char* pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
}

void checkDecodedRow(const ChannelRecord& row, const QString& frame) {
    static const QRegularExpression frequency = anchored("(|[1-9][0-9]*\\.[0-9]{5}|\\.[0-9]{5})");
    static const QRegularExpression tone = anchored("(|[1-9][0-9]*\\.[0-9]|\\.[0-9])");
    static const QRegularExpression shift = anchored("(|on|off)");
    static const QRegularExpression power = anchored("(|H|L)");
    if (!matches(frequency, row[Field::Rf]) || !matches(frequency, row[Field::Tf]) ||
        !matches(tone, row[Field::Rct]) || !matches(tone, row[Field::Tct]) ||
        !matches(shift, row[Field::Bt]) || !matches(power, row[Field::Pw]))
        fuzzFail("decoded a text no row may hold from", frame);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int frameNumber = data[0] % kChannelCount + 1;

    // Whatever arrives decodes without failing; 28 digits, the only frames a
    // read accepts, decode into the texts a row may hold.
    const QString received =
        QString::fromLatin1(reinterpret_cast<const char*>(data + 1),
                            static_cast<qsizetype>(qMin<size_t>(size - 1, 40)));
    QString digits;
    for (QChar c : received.left(kFrameLength))
        digits += QChar(u'0' + c.unicode() % 10);
    for (const QString& frame : {received, digits}) {
        ChannelRecord decoded;
        const QString squelch = DecodeChannelFrame(frame, frameNumber, decoded);
        if (squelch != (frameNumber == 1 ? frame.mid(1, 1) : QString()))
            fuzzFail("squelch decoded from the wrong place in", frame);
        if (isWellFormedFrame(frame))
            checkDecodedRow(decoded, frame);
    }

    // A row and squelch text made of the input's pieces: the frame it sends.
    const QByteArrayList pieces = fuzzPieces(data + 1, size - 1);
    ChannelRecord row;
    for (int f = 0; f <= 6; ++f) {
        const QByteArray piece = pieces.value(f + 1);
        if (!isNullPiece(piece))
            row.fields[f] = QString::fromUtf8(piece);
    }
    const QString squelchText = QString::fromUtf8(pieces.value(0));
    if (frameProblem(frameNumber, row) != FrameProblem::None)
        return 0; // the write refuses such a row before "A"
    const QString sent = EncodeChannelFrame(frameNumber, squelchText, row);
    if (!isWellFormedFrame(sent))
        fuzzFail("sent a frame that is not 28 digits:", sent);
    if (row[Field::No] == QString::number(frameNumber) && !isAlignedFrame(sent, frameNumber))
        fuzzFail("a row numbered as its frame went out misaligned:", sent);

    ChannelRecord back;
    back[Field::No] = row[Field::No];
    const QString squelchBack = DecodeChannelFrame(sent, frameNumber, back);
    checkDecodedRow(back, sent);
    QString again = EncodeChannelFrame(frameNumber, squelchBack, back);
    // A read gives an empty channel (zero receive word) no power, so its power
    // flag cannot come back; the radio has nothing to transmit on there anyway.
    if (sent.mid(4, 8) == QString(8, u'0'))
        again[2] = sent[2];
    if (again != sent)
        fuzzFail("Encode(Decode(F)) differs from F:", sent + " -> " + again);
    return 0;
}
