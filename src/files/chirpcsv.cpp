// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirpcsv.h"

#include "channelfile.h"
#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "channels/numbers.h"
#include "channels/radiopower.h"
#include "channels/tones.h"
#include "filetarget.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <optional>

namespace zt41 {

namespace {

// Repeater directories run to a few thousand rows; anything far beyond that
// is not a channel list and is not read into memory.
constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

constexpr double kUnitsPerMhz = 100000; // 10 Hz units, as the channel steps count

const QStringList& columnNames() {
    static const QStringList names = {
        QStringLiteral("Location"),     QStringLiteral("Name"),       QStringLiteral("Frequency"),
        QStringLiteral("Duplex"),       QStringLiteral("Offset"),     QStringLiteral("Tone"),
        QStringLiteral("rToneFreq"),    QStringLiteral("cToneFreq"),  QStringLiteral("DtcsCode"),
        QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
        QStringLiteral("Mode"),         QStringLiteral("TStep"),      QStringLiteral("Skip"),
        QStringLiteral("Power"),        QStringLiteral("Comment"),    QStringLiteral("URCALL"),
        QStringLiteral("RPT1CALL"),     QStringLiteral("RPT2CALL"),   QStringLiteral("DVCODE"),
    };
    return names;
}

// ---- splitting ----------------------------------------------------------

struct CsvRecord {
    int line = 0;
    QStringList fields;

    bool blank() const {
        return std::all_of(fields.begin(), fields.end(),
                           [](const QString& f) { return f.trimmed().isEmpty(); });
    }
};

// Values end at commas, records at CR, LF or CR LF; a value that starts with a
// double quote runs to the closing one, with "" standing for one quote inside.
ChirpRefusal splitCsv(const QString& text, QChar separator, QList<CsvRecord>& records) {
    int line = 1;
    CsvRecord record{line, {}};
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endField = [&] {
        record.fields << field;
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (!record.blank())
            records << record;
        record = CsvRecord{line, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
                ++line;
            field += c;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord();
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            field.clear(); // blanks before the opening quote
        } else {
            field += c;
            if (c != u' ' && c != u'\t')
                fieldStarted = true;
        }
    }
    if (quoted)
        return ChirpRefusal::UnclosedQuote;
    endRecord();
    return ChirpRefusal::None;
}

// ---- values -------------------------------------------------------------

class Columns {
public:
    explicit Columns(const QStringList& header) {
        for (int i = 0; i < header.size(); ++i) {
            const QString key = header[i].trimmed().toLower();
            if (!m_index.contains(key))
                m_index.insert(key, i);
        }
    }
    bool has(const QString& name) const { return m_index.contains(name.toLower()); }
    QString value(const CsvRecord& record, const QString& name) const {
        const int i = m_index.value(name.toLower(), -1);
        return i >= 0 && i < record.fields.size() ? record.fields[i].trimmed() : QString();
    }

private:
    QHash<QString, int> m_index;
};

std::optional<double> numberIn(const QString& text) {
    if (!isChannelFileNumber(text))
        return std::nullopt;
    return numericValue(text);
}

// The typed-cell rule for a frequency: in range and on a channel step, or a
// warning kind. The frequency text is the canonical "###.00000". What the
// cell rule would lower or round is refused, never silently changed.
std::optional<ChirpWarningKind> checkFrequency(double mhz, QString& text) {
    if (!CellRule::inRange(mhz))
        return ChirpWarningKind::OutOfRange;
    const double count = roundToSignificant15(mhz * kUnitsPerMhz);
    if (count != std::floor(count))
        return ChirpWarningKind::FinerThan10Hz;
    const auto tensOfHz = static_cast<qint64>(count);
    if (tensOfHz % 500 != 0 && tensOfHz % 625 != 0)
        return ChirpWarningKind::OffStep;
    text = formatFrequency(count / kUnitsPerMhz);
    return std::nullopt;
}

// Far beyond any radio, and beyond what a count of 10 Hz units may hold safely.
bool isWithinAnyBand(double mhz) {
    return std::isfinite(mhz) && std::abs(mhz) <= 1000;
}

QString mhzText(double mhz) {
    return QString::number(mhz, 'f', 6);
}

qint64 units(double mhz) {
    return std::llround(mhz * kUnitsPerMhz);
}

// One placed row turned into a channel; warnings collect as it goes.
class RowReader {
public:
    RowReader(const Columns& columns, const CsvRecord& record, int channel,
              QList<ChirpWarning>& warnings)
        : m_columns(columns)
        , m_record(record)
        , m_channel(channel)
        , m_warnings(warnings) {}

    ChannelRecord read() {
        ChannelRecord row;
        for (int f = 1; f < kFieldCount; ++f)
            row.fields[f] = QString();
        const QString rx = receive();
        if (rx.isEmpty())
            return row; // an empty channel: the other fields mean nothing without it
        row[Field::Rf] = rx;
        row[Field::Tf] = transmit(rx);
        tones(row);
        row[Field::Bt] = beatShift();
        row[Field::Pw] = power();
        checkMode();
        return row;
    }

private:
    QString value(const QString& column) const { return m_columns.value(m_record, column); }

    void warn(const QString& column, ChirpWarningKind kind, const QString& text) {
        m_warnings << ChirpWarning{m_record.line, m_channel, column, kind, text};
    }

    QString receive() {
        const QString column = QStringLiteral("Frequency");
        const QString text = value(column);
        if (text.isEmpty())
            return QString();
        const auto mhz = numberIn(text);
        if (!mhz) {
            warn(column, ChirpWarningKind::NotANumber, text);
            return QString();
        }
        QString rf;
        if (const auto problem = checkFrequency(*mhz, rf)) {
            warn(column, *problem, text);
            return QString();
        }
        return rf;
    }

    QString transmit(const QString& rf) {
        const QString column = QStringLiteral("Offset");
        const QString duplex = value(QStringLiteral("Duplex")).toLower();
        if (duplex.isEmpty())
            return rf;
        if (duplex == u"off")
            return QString();
        const bool plus = duplex == u"+";
        if (!plus && duplex != u"-" && duplex != u"split") {
            warn(QStringLiteral("Duplex"), ChirpWarningKind::UnknownDuplex,
                 value(QStringLiteral("Duplex")));
            return QString();
        }
        const QString offsetText = value(column);
        const auto offset = numberIn(offsetText);
        if (!offset || !std::isfinite(*offset)) {
            warn(column, ChirpWarningKind::NotANumber, offsetText);
            return QString();
        }
        if (!isWithinAnyBand(*offset)) {
            warn(column, ChirpWarningKind::OutOfRange, offsetText);
            return QString();
        }
        if (duplex != u"split" && *offset < 0) {
            warn(column, ChirpWarningKind::NegativeOffset, offsetText);
            return QString();
        }
        double tx = *offset;
        QString shown = offsetText;
        if (duplex != u"split") {
            // Summed in 10 Hz units so that 146.94 - 0.6 lands on 146.34 exactly.
            const qint64 sum = units(numericValue(rf)) + (plus ? 1 : -1) * units(*offset);
            tx = static_cast<double>(sum) / kUnitsPerMhz;
            shown = mhzText(tx);
        }
        QString tf;
        if (const auto problem = checkFrequency(tx, tf)) {
            warn(column, *problem, shown);
            return QString();
        }
        return tf;
    }

    QString tone(const QString& column) {
        const QString text = value(column);
        if (const auto hz = numberIn(text)) {
            const QString t = formatTone(*hz);
            if (std::isfinite(*hz) && toneSet().contains(t))
                return t;
        }
        warn(column, ChirpWarningKind::ToneNotInSet, text);
        return QString();
    }

    void tones(ChannelRecord& row) {
        const QString r = QStringLiteral("rToneFreq");
        const QString c = QStringLiteral("cToneFreq");
        const QString modeText = value(QStringLiteral("Tone"));
        const QString mode = modeText.toLower();
        if (mode.isEmpty())
            return;
        if (mode == u"tone") {
            row[Field::Tct] = tone(r);
        } else if (mode == u"tsql") {
            const QString both = tone(c);
            // CHIRP leaves rToneFreq at its default 88.5 where it means nothing;
            // any other value there was meant for something.
            const QString other = value(r);
            const std::optional<double> otherHz = numberIn(other);
            if (!both.isEmpty() && otherHz && *otherHz != 88.5 && otherHz != numberIn(value(c)))
                warn(r, ChirpWarningKind::TonesDiffer, other);
            row[Field::Rct] = both;
            row[Field::Tct] = both;
        } else if (mode == u"cross") {
            const QString cross = value(QStringLiteral("CrossMode"));
            if (cross.compare(u"Tone->Tone", Qt::CaseInsensitive) == 0) {
                row[Field::Tct] = tone(r);
                row[Field::Rct] = tone(c);
            } else if (cross.compare(u"->Tone", Qt::CaseInsensitive) == 0) {
                row[Field::Rct] = tone(c);
            } else if (cross.compare(u"Tone->", Qt::CaseInsensitive) == 0) {
                row[Field::Tct] = tone(r);
            } else {
                warn(QStringLiteral("CrossMode"), ChirpWarningKind::UnsupportedToneMode, cross);
            }
        } else {
            warn(QStringLiteral("Tone"), ChirpWarningKind::UnsupportedToneMode, modeText);
        }
    }

    QString beatShift() const {
        static const QRegularExpression on(
            QStringLiteral("(^|[^a-z0-9_])bt\\s*=\\s*on($|[^a-z0-9_])"),
            QRegularExpression::CaseInsensitiveOption);
        return on.match(value(QStringLiteral("Comment"))).hasMatch() ? QStringLiteral("on")
                                                                     : QStringLiteral("off");
    }

    QString power() {
        static const QRegularExpression watts(
            QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)\\s*w?$"),
            QRegularExpression::CaseInsensitiveOption);
        const QString column = QStringLiteral("Power");
        const QString text = value(column);
        if (text.isEmpty())
            return QStringLiteral("H");
        if (const auto m = watts.match(text); m.hasMatch())
            return numericValue(m.captured(1)) >= 2 ? QStringLiteral("H") : QStringLiteral("L");
        if (text.startsWith(u'H', Qt::CaseInsensitive))
            return QStringLiteral("H");
        if (text.startsWith(u'L', Qt::CaseInsensitive))
            return QStringLiteral("L");
        warn(column, ChirpWarningKind::UnknownPower, text);
        return QString();
    }

    void checkMode() {
        const QString column = QStringLiteral("Mode");
        const QString mode = value(column);
        if (!mode.isEmpty() && mode.compare(u"FM", Qt::CaseInsensitive) != 0 &&
            mode.compare(u"NFM", Qt::CaseInsensitive) != 0)
            warn(column, ChirpWarningKind::NotFm, mode);
    }

    const Columns& m_columns;
    const CsvRecord& m_record;
    int m_channel;
    QList<ChirpWarning>& m_warnings;
};

struct PlacedRow {
    const CsvRecord* record = nullptr;
    std::optional<qint64> location;
};

// Rows go to channels in Location order. When every Location is a distinct
// number from 1 to 16 (as this program writes them), each row keeps its own
// channel, so a gap in the list stays a gap.
bool keepsOwnChannels(const QList<PlacedRow>& rows) {
    QList<qint64> seen;
    for (const PlacedRow& r : rows) {
        if (!r.location || *r.location < 1 || *r.location > kChannelCount ||
            seen.contains(*r.location))
            return false;
        seen << *r.location;
    }
    return true;
}

QString toneOf(const FieldValue& field) {
    const double hz = numericValue(field);
    return hz != 0 && std::isfinite(hz) ? formatTone(hz) : QString();
}

QByteArray csvValue(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n'))
        return '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

} // namespace

ChirpImport parseChirpCsv(const QByteArray& bytes) {
    ChirpImport result;
    for (int k = 0; k < kChannelCount; ++k) {
        result.rows[k][Field::No] = QString::number(k + 1);
        for (int f = 1; f < kFieldCount; ++f)
            result.rows[k].fields[f] = QString();
    }

    if (bytes.size() > kMaxFileSize) {
        result.refusal = ChirpRefusal::TooLarge;
        return result;
    }
    QString text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // Spreadsheets on Windows save "Unicode text" so; the mark says the byte order.
        QStringDecoder decode(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                           : QStringDecoder::Utf16BE);
        text = decode(bytes.mid(2));
        if (decode.hasError() || text.contains(QChar(0))) {
            result.refusal = ChirpRefusal::NotText;
            return result;
        }
    } else {
        if (bytes.contains('\0')) {
            result.refusal = ChirpRefusal::NotText;
            return result;
        }
        text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    }
    // Where the decimal mark is a comma, spreadsheets separate values by semicolons.
    const QString header = text.left(text.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))));
    const QChar separator = !header.contains(u',') && header.contains(u';') ? u';' : u',';

    QList<CsvRecord> records;
    if ((result.refusal = splitCsv(text, separator, records)) != ChirpRefusal::None)
        return result;
    if (separator == u';') {
        // ... and write numbers with their decimal comma: "145,5".
        static const QRegularExpression decimalComma(
            QStringLiteral("^\\s*[+-]?[0-9]*,[0-9]+\\s*$"));
        for (CsvRecord& record : records)
            for (QString& field : record.fields)
                if (decimalComma.match(field).hasMatch())
                    field.replace(u',', u'.');
    }
    if (records.isEmpty()) {
        result.refusal = ChirpRefusal::NoHeader;
        return result;
    }
    const Columns columns(records.first().fields);
    if (!columns.has(QStringLiteral("Frequency"))) {
        result.refusal = ChirpRefusal::NoFrequencyColumn;
        return result;
    }

    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]{1,15}$"));
    const bool hasLocation = columns.has(QStringLiteral("Location"));
    QList<PlacedRow> rows;
    for (qsizetype i = 1; i < records.size(); ++i) {
        PlacedRow placed{&records[i], std::nullopt};
        const QString location = columns.value(records[i], QStringLiteral("Location"));
        if (whole.match(location).hasMatch())
            placed.location = location.toLongLong();
        rows << placed;
    }

    const bool ownChannels = hasLocation && keepsOwnChannels(rows);
    if (!ownChannels) {
        // Numbered rows first in Location order, the others after them as they stand.
        std::stable_sort(rows.begin(), rows.end(), [](const PlacedRow& a, const PlacedRow& b) {
            if (a.location && b.location)
                return *a.location < *b.location;
            return a.location.has_value() && !b.location.has_value();
        });
    }

    QList<ChirpWarning> warnings;
    for (qsizetype i = 0; i < rows.size() && i < kChannelCount; ++i) {
        const int channel = ownChannels ? static_cast<int>(*rows[i].location) : int(i) + 1;
        if (hasLocation && !rows[i].location)
            warnings << ChirpWarning{rows[i].record->line, channel, QStringLiteral("Location"),
                                     ChirpWarningKind::BadLocation,
                                     columns.value(*rows[i].record, QStringLiteral("Location"))};
        ChannelRecord row = RowReader(columns, *rows[i].record, channel, warnings).read();
        row[Field::No] = QString::number(channel);
        if (!row.text(Field::Rf).isEmpty())
            ++result.channels;
        result.rows[channel - 1] = row;
    }
    std::stable_sort(
        warnings.begin(), warnings.end(),
        [](const ChirpWarning& a, const ChirpWarning& b) { return a.channel < b.channel; });
    if (rows.size() > kChannelCount)
        warnings << ChirpWarning{0, 0, QString(), ChirpWarningKind::RowsLeftOut,
                                 QString::number(rows.size() - kChannelCount)};
    result.warnings = warnings;
    if (result.channels == 0)
        result.refusal = ChirpRefusal::NoUsableRow;
    return result;
}

ChirpImport readChirpCsv(const QString& path) {
    ChirpImport result;
    QFile file(path);
    if (!isReadableFileTarget(path) || !file.open(QIODevice::ReadOnly)) {
        result.refusal = ChirpRefusal::CannotOpen;
        return result;
    }
    // One byte past the limit tells a file that is too large from one that fits.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.refusal = ChirpRefusal::CannotOpen;
        return result;
    }
    return parseChirpCsv(bytes);
}

QByteArray encodeChirpCsv(const ChannelRows& rows) {
    static const qint64 standardOffsets[] = {60000, 160000, 500000, 760000}; // 10 Hz units
    const QString defaultTone = QStringLiteral("88.5");
    QByteArray out = columnNames().join(u',').toUtf8() + "\r\n";
    for (int k = 0; k < kChannelCount; ++k) {
        const ChannelRecord& row = rows[k];
        const double rx = numericValue(row[Field::Rf]);
        if (rx == 0 || !isWithinAnyBand(rx))
            continue;

        QString duplex;
        QString offset = mhzText(0);
        const double tx = numericValue(row[Field::Tf]);
        if (tx == 0 || !std::isfinite(tx)) {
            duplex = QStringLiteral("off");
        } else if (!isWithinAnyBand(tx)) {
            duplex = QStringLiteral("split");
            offset = mhzText(tx);
        } else if (const qint64 shift = units(tx) - units(rx); shift != 0) {
            const qint64 size = std::abs(shift);
            if (std::find(std::begin(standardOffsets), std::end(standardOffsets), size) !=
                std::end(standardOffsets)) {
                duplex = shift > 0 ? QStringLiteral("+") : QStringLiteral("-");
                offset = mhzText(static_cast<double>(size) / kUnitsPerMhz);
            } else {
                duplex = QStringLiteral("split");
                offset = mhzText(tx);
            }
        }

        const QString receiveTone = toneOf(row[Field::Rct]);
        const QString transmitTone = toneOf(row[Field::Tct]);
        QString mode;
        QString crossMode = QStringLiteral("Tone->Tone");
        QString rTone = defaultTone;
        QString cTone = defaultTone;
        if (!transmitTone.isEmpty() && receiveTone == transmitTone) {
            mode = QStringLiteral("TSQL");
            rTone = cTone = transmitTone;
        } else if (!transmitTone.isEmpty() && receiveTone.isEmpty()) {
            mode = QStringLiteral("Tone");
            rTone = transmitTone;
        } else if (!receiveTone.isEmpty()) {
            mode = QStringLiteral("Cross");
            cTone = receiveTone;
            if (transmitTone.isEmpty()) {
                crossMode = QStringLiteral("->Tone");
            } else {
                rTone = transmitTone;
            }
        }

        const bool low = row.text(Field::Pw).trimmed().startsWith(u'L', Qt::CaseInsensitive);
        const bool beat = row.text(Field::Bt).trimmed().compare(u"on", Qt::CaseInsensitive) == 0;
        const QStringList values = {
            QString::number(k + 1),
            QStringLiteral("CH%1").arg(k + 1, 2, 10, QLatin1Char('0')),
            mhzText(rx),
            duplex,
            offset,
            mode,
            rTone,
            cTone,
            QStringLiteral("023"),
            QStringLiteral("NN"),
            QStringLiteral("023"),
            crossMode,
            QStringLiteral("FM"),
            QStringLiteral("5.00"),
            QString(),
            powerText(low ? kLowPowerWatts : kHighPowerWatts),
            beat ? QStringLiteral("bt=on") : QString(),
            QString(),
            QString(),
            QString(),
            QString(),
        };
        QByteArrayList encoded;
        for (const QString& v : values)
            encoded << csvValue(v);
        out += encoded.join(',') + "\r\n";
    }
    return out;
}

QList<ChirpWarning> chirpExportLeftOut(const ChannelRows& rows) {
    QList<ChirpWarning> out;
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = rows[k - 1];
        const double rx = numericValue(row[Field::Rf]);
        if (rx != 0 && isWithinAnyBand(rx))
            continue;
        // A frequency no row can carry: the receive frequency too far out, or
        // a transmit frequency alone (tones alone are no channel).
        for (Field f : {Field::Rf, Field::Tf}) {
            if (numericValue(row[f]) != 0) {
                out << ChirpWarning{
                    0, k, f == Field::Rf ? QStringLiteral("Frequency") : QStringLiteral("Offset"),
                    ChirpWarningKind::NoReceiveFrequency, row.text(f)};
                break;
            }
        }
    }
    return out;
}

ChirpRefusal saveChirpCsv(const QString& path, const ChannelRows& rows) {
    if (!isWritableFileTarget(path))
        return ChirpRefusal::CannotWrite;
    return replaceFileWith(path, encodeChirpCsv(rows)) ? ChirpRefusal::None
                                                       : ChirpRefusal::CannotWrite;
}

ChirpImport importChirpCsv(ChannelTable& table, const QString& path) {
    ChirpImport result = readChirpCsv(path);
    if (result.refusal != ChirpRefusal::None)
        return result;
    if (!table.replaceDataFields(result.rows)) {
        result.refusal = ChirpRefusal::CannotStore;
        return result;
    }
    table.moveFirst();
    return result;
}

ChirpRefusal exportChirpCsv(const ChannelTable& table, const QString& path) {
    // Never over the channel database itself, under whatever name.
    if (isSameFile(path, table.filePath()))
        return ChirpRefusal::CannotWrite;
    return saveChirpCsv(path, table.rows());
}

bool isChirpCsvFileName(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

} // namespace zt41
