// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvwords.h"

#include "words.h"

namespace zt41::cli {

QString csvRefusalText(ChirpRefusal refusal) {
    switch (refusal) {
    case ChirpRefusal::None:
        return QString();
    case ChirpRefusal::CannotOpen:
        return Words::tr("cannot open the file");
    case ChirpRefusal::TooLarge:
        return Words::tr("the file is far too large for a channel list");
    case ChirpRefusal::NotText:
        return Words::tr("not a text file, so not CSV");
    case ChirpRefusal::UnclosedQuote:
        return Words::tr("a quoted value never ends: not a valid CSV file");
    case ChirpRefusal::NoHeader:
        return Words::tr("the file is empty: no header line");
    case ChirpRefusal::NoFrequencyColumn:
        return Words::tr("the header line has no Frequency column: not a CHIRP CSV file");
    case ChirpRefusal::NoUsableRow:
        return Words::tr("no row has a usable receive frequency");
    case ChirpRefusal::CannotStore:
        return Words::tr("the channel database could not be written");
    case ChirpRefusal::CannotWrite:
        return Words::tr("the file could not be written");
    }
    return QString();
}

namespace {

// What a CSV column holds, with the column's own name beside it.
QString columnLabel(const QString& column) {
    struct Text {
        const char* source;
        const char* comment;
    };
    struct Label {
        const char* column;
        Text words;
    };
    static const Label labels[] = {
        {"Frequency", QT_TRANSLATE_NOOP3("Words", "receive frequency", "a CSV column")},
        {"Offset", QT_TRANSLATE_NOOP3("Words", "transmit frequency", "a CSV column")},
        {"Duplex", QT_TRANSLATE_NOOP3("Words", "duplex", "a CSV column")},
        {"rToneFreq", QT_TRANSLATE_NOOP3("Words", "transmit tone", "a CSV column")},
        {"cToneFreq", QT_TRANSLATE_NOOP3("Words", "tone", "a CSV column")},
        {"Tone", QT_TRANSLATE_NOOP3("Words", "tone mode", "a CSV column")},
        {"CrossMode", QT_TRANSLATE_NOOP3("Words", "cross mode", "a CSV column")},
        {"Power", QT_TRANSLATE_NOOP3("Words", "power", "a CSV column")},
        {"Mode", QT_TRANSLATE_NOOP3("Words", "mode", "a CSV column")},
        {"Location", QT_TRANSLATE_NOOP3("Words", "location", "a CSV column")},
    };
    for (const Label& l : labels)
        if (column == QLatin1String(l.column))
            //: A CSV column: what it holds, then its name in the file.
            return Words::tr("%1 (%2)").arg(Words::tr(l.words.source, l.words.comment), column);
    return column;
}

QString problemText(ChirpWarningKind kind) {
    using K = ChirpWarningKind;
    switch (kind) {
    case K::NotANumber:
        return Words::tr("is not a number; left empty");
    case K::OutOfRange:
        return Words::tr("is outside 130 to 500 MHz; left empty");
    case K::OffStep:
        return Words::tr("is on neither the 5 kHz nor the 6.25 kHz step; left empty");
    case K::UnknownDuplex:
        return Words::tr("is not known; transmit frequency left empty");
    case K::ToneNotInSet:
        return Words::tr("is not one of the radio's 39 CTCSS tones; left empty");
    case K::UnsupportedToneMode:
        return Words::tr("is not supported by the radio; tones left empty");
    case K::UnknownPower:
        return Words::tr("is not known; left empty");
    case K::NotFm:
        return Words::tr("is not FM, the radio's only mode; imported as FM");
    case K::BadLocation:
        return Words::tr("is not a whole number; the row was placed last");
    case K::FinerThan10Hz:
        return Words::tr("has digits finer than the radio's 10 Hz; left empty");
    case K::NegativeOffset:
        return Words::tr(
            "is negative while Duplex gives the direction; transmit frequency left empty");
    case K::TonesDiffer:
        return Words::tr("differs from cToneFreq; TSQL uses cToneFreq both ways");
    case K::NoReceiveFrequency:
    case K::RowsLeftOut:
        break;
    }
    return QString();
}

} // namespace

QString csvWarningText(const ChirpWarning& w) {
    if (w.kind == ChirpWarningKind::RowsLeftOut)
        return Words::tr("%1 rows beyond the 16 channels were left out").arg(w.text);
    if (w.kind == ChirpWarningKind::NoReceiveFrequency)
        return Words::tr("channel %1: the frequency \"%2\" stands without a usable receive "
                         "frequency, which a CHIRP row needs; the channel was left out")
            .arg(w.channel)
            .arg(w.text);
    QString where;
    if (w.line == 0) // a warning of the file as a whole
        where = Words::tr("channel %1: ").arg(w.channel);
    else if (w.channel > 0)
        where = Words::tr("line %1 (channel %2): ").arg(w.line).arg(w.channel);
    else
        where = Words::tr("line %1: ").arg(w.line);
    //: Where, which column, the value and what is wrong with it.
    return Words::tr("%1%2 \"%3\" %4")
        .arg(where, columnLabel(w.column), w.text, problemText(w.kind));
}

} // namespace zt41::cli
