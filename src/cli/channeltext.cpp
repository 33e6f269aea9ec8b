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

QString differenceLine(const FieldDifference& d, const QString& expectedName,
                       const QString& actualName) {
    //: "channel 3: receive tone: 67.0 expected, 71.9 in the radio"
    return Words::tr("channel %1: %2: %3 %4, %5 %6")
        .arg(d.channel)
        .arg(fieldName(d.field), shown(d.expected), expectedName, shown(d.actual), actualName);
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
    case Kind::LinkLost:
        return Words::tr("the port went away during the read (cable pulled?)");
    case Kind::NotStored:
        return Words::tr("the channels read could not be kept");
    }
    return QString();
}

} // namespace zt41::cli
