// SPDX-License-Identifier: GPL-3.0-or-later
#include "channeltext.h"

#include "link/seriallink.h"
#include "link/sessionhost.h"
#include "words.h"

#include <QStringList>

namespace zt41::cli {

namespace {

QString shown(const QString& value) {
    return value.isEmpty() ? Words::tr("(none)") : value;
}

} // namespace

QString channelTable(const QString& squelch, const ChannelRows& rows) {
    const QStringList heads{Words::tr("CH"),     Words::tr("RX MHz"),  Words::tr("RX tone"),
                            Words::tr("TX MHz"), Words::tr("TX tone"), Words::tr("shift"),
                            Words::tr("power")};
    QList<QStringList> lines{heads};
    for (int r = 0; r < kChannelCount; ++r) {
        QStringList cells{QString::number(r + 1)};
        for (int f = 1; f < kFieldCount; ++f)
            cells << (rows[r].fields[f] ? *rows[r].fields[f] : QStringLiteral("Null"));
        lines << cells;
    }
    QList<qsizetype> widths(heads.size(), 0);
    for (const QStringList& cells : lines)
        for (qsizetype c = 0; c < cells.size(); ++c)
            widths[c] = qMax(widths[c], displayWidth(cells[c]));
    QString out = Words::tr("squelch level: %1").arg(shown(squelch.trimmed())) + u'\n';
    for (const QStringList& cells : lines) {
        QString line;
        for (qsizetype c = 0; c < cells.size(); ++c)
            line += (c == 0 ? padLeft(cells[c], widths[c]) : padRight(cells[c], widths[c])) +
                    QStringLiteral("  ");
        while (line.endsWith(u' '))
            line.chop(1);
        out += line + u'\n';
    }
    return out;
}

QString fieldKey(FrameField field) {
    switch (field) {
    case FrameField::Squelch:
        return QStringLiteral("squelch level");
    case FrameField::Power:
        return QStringLiteral("power");
    case FrameField::Shift:
        return QStringLiteral("shift");
    case FrameField::ReceiveFrequency:
        return QStringLiteral("receive frequency");
    case FrameField::TransmitFrequency:
        return QStringLiteral("transmit frequency");
    case FrameField::ReceiveTone:
        return QStringLiteral("receive tone");
    case FrameField::TransmitTone:
        return QStringLiteral("transmit tone");
    }
    return QString();
}

QString fieldName(FrameField field) {
    switch (field) {
    case FrameField::Squelch:
        return Words::tr("squelch level");
    case FrameField::Power:
        return Words::tr("power");
    case FrameField::Shift:
        return Words::tr("shift");
    case FrameField::ReceiveFrequency:
        return Words::tr("receive frequency");
    case FrameField::TransmitFrequency:
        return Words::tr("transmit frequency");
    case FrameField::ReceiveTone:
        return Words::tr("receive tone");
    case FrameField::TransmitTone:
        return Words::tr("transmit tone");
    }
    return QString();
}

namespace {

FrameField frameFieldOf(Field f) {
    switch (f) {
    case Field::Rf:
        return FrameField::ReceiveFrequency;
    case Field::Rct:
        return FrameField::ReceiveTone;
    case Field::Tf:
        return FrameField::TransmitFrequency;
    case Field::Tct:
        return FrameField::TransmitTone;
    case Field::Bt:
        return FrameField::Shift;
    case Field::Pw:
        return FrameField::Power;
    case Field::No:
        break;
    }
    return FrameField::Squelch;
}

QString reasonText(CheckReason r) {
    switch (r) {
    case CheckReason::NotANumber:
        return Words::tr("not a number");
    case CheckReason::OutOfRange:
        return Words::tr("outside 130 to 500 MHz");
    case CheckReason::OffStep:
        return Words::tr("on neither the 5 kHz nor the 6.25 kHz step");
    case CheckReason::FinerThan10Hz:
        return Words::tr("finer than the radio's 10 Hz");
    case CheckReason::NotATone:
        return Words::tr("not one of the radio's 39 CTCSS tones");
    case CheckReason::NotAChoice:
        return Words::tr("neither on nor off, H nor L");
    case CheckReason::SquelchLevel:
        return Words::tr("not a squelch level from 0 to 9");
    case CheckReason::ChannelNumber:
        return Words::tr("not the channel's place: the rows are out of order");
    }
    return QString();
}

QString reasonKey(CheckReason r) {
    switch (r) {
    case CheckReason::NotANumber:
        return QStringLiteral("not a number");
    case CheckReason::OutOfRange:
        return QStringLiteral("out of range");
    case CheckReason::OffStep:
        return QStringLiteral("off step");
    case CheckReason::FinerThan10Hz:
        return QStringLiteral("finer than 10 Hz");
    case CheckReason::NotATone:
        return QStringLiteral("not a tone");
    case CheckReason::NotAChoice:
        return QStringLiteral("not a choice");
    case CheckReason::SquelchLevel:
        return QStringLiteral("squelch level");
    case CheckReason::ChannelNumber:
        return QStringLiteral("channel number");
    }
    return QString();
}

bool isSquelch(const ChannelFinding& f) {
    return f.channel == 0;
}

} // namespace

QString findingLine(const ChannelFinding& f) {
    if (isSquelch(f))
        //: "squelch level "12": not a squelch level from 0 to 9"
        return Words::tr("squelch level \"%1\": %2").arg(f.value, reasonText(f.reason));
    const QString field =
        f.field == Field::No ? Words::tr("channel number") : fieldName(frameFieldOf(f.field));
    //: "channel 1: receive frequency "600.00000": outside 130 to 500 MHz"
    return Words::tr("channel %1: %2 \"%3\": %4")
        .arg(f.channel)
        .arg(field, f.value, reasonText(f.reason));
}

QJsonObject findingJson(const ChannelFinding& f) {
    const QString field = isSquelch(f)           ? fieldKey(FrameField::Squelch)
                          : f.field == Field::No ? QStringLiteral("channel number")
                                                 : fieldKey(frameFieldOf(f.field));
    return {{"channel", f.channel},
            {"field", field},
            {"value", f.value},
            {"reason", reasonKey(f.reason)}};
}

QString differenceLine(const FieldDifference& d, const QString& expectedName,
                       const QString& actualName) {
    // The level belongs to the radio, not to channel 1 whose frame carries it.
    if (d.field == FrameField::Squelch)
        //: "squelch level: 3 in a.doc, 9 in b.doc"
        return Words::tr("squelch level: %1 %2, %3 %4")
            .arg(shown(d.expected), expectedName, shown(d.actual), actualName);
    //: "channel 3: receive tone: 67.0 expected, 71.9 in the radio"
    return Words::tr("channel %1: %2: %3 %4, %5 %6")
        .arg(d.channel)
        .arg(fieldName(d.field), shown(d.expected), expectedName, shown(d.actual), actualName);
}

QString portListText(const PortListRefusal& refusal) {
    if (refusal.kind == PortListRefusal::Kind::NoDevice)
        return Words::tr("--ports names no device");
    return Words::tr("--ports names %1 devices; at most 8 (COM1 to COM8)").arg(refusal.devices);
}

QString describeOpenFailure(const PortOpenFailure& f) {
    using Kind = PortOpenFailure::Kind;
    switch (f.kind) {
    case Kind::None:
        return Words::tr("opens");
    case Kind::NotMapped:
        return Words::tr("COM%1 is not mapped to a device").arg(f.port);
    case Kind::Missing:
        return Words::tr("%1: no such device").arg(f.device);
    case Kind::Busy:
        return Words::tr("%1 is busy: another program holds it").arg(f.device);
    case Kind::NoPermission:
        if (f.group.isEmpty())
            return Words::tr("%1: no permission to open it").arg(f.device);
        return Words::tr("%1: no permission to open it; membership in group %2 grants access")
            .arg(f.device, f.group);
    case Kind::SettingsRefused:
        return Words::tr("%1 refuses 1200 bit/s 8N1: %2").arg(f.device, f.detail);
    case Kind::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(f.device, f.detail);
}

QString describeOutcome(const TransferOutcome& o) {
    using Kind = TransferOutcome::Kind;
    const QString what = o.transfer == Transfer::Write ? Words::tr("write") : Words::tr("read");
    switch (o.kind) {
    case Kind::Done:
        return Words::tr("%1 done").arg(what);
    case Kind::PortNotOpen:
        return Words::tr("the port is not open");
    case Kind::SendFailed:
        return Words::tr("the %1 failed at frame %2 of 16: the port refused data (cable pulled?)")
            .arg(what)
            .arg(o.frame);
    case Kind::RowCannotTravel:
        return Words::tr("channel %1 holds a value the radio cannot take").arg(o.frame);
    case Kind::ReadTimedOut:
        return Words::tr("the radio stopped sending: frame %1 of 16 did not come").arg(o.frame);
    case Kind::ReadMalformed:
        return Words::tr("the radio sent garbage: frame %1 of 16 is not 28 digits").arg(o.frame);
    case Kind::ReadOutOfPlace:
        return Words::tr("frame %1 of 16 is out of place: its channel number is not %2 (a radio "
                         "written with misnumbered channels, or a lost character)")
            .arg(o.frame)
            .arg(o.frame - 1);
    case Kind::LinkLost:
        return Words::tr("the port went away during the read (cable pulled?)");
    case Kind::NotStored:
        return Words::tr("the channels read could not be kept");
    }
    return QString();
}

} // namespace zt41::cli
