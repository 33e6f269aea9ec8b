// SPDX-License-Identifier: GPL-3.0-or-later
#include "framecompare.h"

#include "channelframe.h"

namespace zt41 {

namespace {

struct FieldPlace {
    FrameField field;
    int from; // 0-based position in the frame
    int width;
    Field decoded; // the row field that shows it, or No for the squelch
};

constexpr FieldPlace kPlaces[] = {
    {FrameField::Squelch, 0, 2, Field::No},
    {FrameField::Power, 2, 1, Field::Pw},
    {FrameField::Shift, 3, 1, Field::Bt},
    {FrameField::ReceiveFrequency, 4, 8, Field::Rf},
    {FrameField::TransmitFrequency, 12, 8, Field::Tf},
    {FrameField::ReceiveTone, 20, 4, Field::Rct},
    {FrameField::TransmitTone, 24, 4, Field::Tct},
};

// The frame the radio gives back after a write of a row: sent, held and
// sent again, so what no frame carries (power on an empty channel) never
// counts. Frames 2 to 16 get a fixed slot, which is never compared.
QString frameOf(int k, const QString& squelch, ChannelRecord row) {
    row[Field::No] = QString::number(k);
    const QString sent = EncodeChannelFrame(k, squelch, row);
    ChannelRecord held = row;
    const QString heldSquelch = DecodeChannelFrame(sent, k, held);
    return EncodeChannelFrame(k, heldSquelch, held);
}

} // namespace

QList<FieldDifference> compareInFrameForm(const QString& expectedSquelch,
                                          const ChannelRows& expected, const QString& actualSquelch,
                                          const ChannelRows& actual) {
    QList<FieldDifference> out;
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString a = frameOf(k, expectedSquelch, expected[k - 1]);
        const QString b = frameOf(k, actualSquelch, actual[k - 1]);
        ChannelRecord shownA, shownB;
        const QString squelchA = DecodeChannelFrame(a, k, shownA);
        const QString squelchB = DecodeChannelFrame(b, k, shownB);
        for (const FieldPlace& place : kPlaces) {
            if (place.field == FrameField::Squelch && k != 1)
                continue;
            if (a.mid(place.from, place.width) == b.mid(place.from, place.width))
                continue;
            if (place.field == FrameField::Squelch)
                out.append({k, place.field, squelchA, squelchB});
            else
                out.append(
                    {k, place.field, shownA.text(place.decoded), shownB.text(place.decoded)});
        }
    }
    return out;
}

} // namespace zt41
