// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirpcsv.h"

#include "cellrule.h"
#include "channelfile.h"
#include "numbers.h"
#include "radiopower.h"
#include "squelch.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

namespace zt41::kernel {

namespace {

constexpr double kUnitsPerMhz = 100000; // 10 Hz units, as the channel steps count
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr const char* kColumnNames[] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The white space of a pattern's \s: ASCII only.
bool isPatternSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters in lower case. The column names and words compared with it
// are ASCII without a "k" or an "s", so no other character's lower case
// (the Kelvin sign's is "k") could make a text equal to one of them.
std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && lowerCase(a) == lowerCase(b);
}

bool startsWithIgnoringCase(std::string_view text, char c) {
    return !text.empty() && lowerAscii(text.front()) == lowerAscii(c);
}

bool holdsLoneSurrogate(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) == 0xed &&
            static_cast<unsigned char>(text[i + 1]) >= 0xa0)
            return true;
    return false;
}

// A text as a warning shows it: an unpaired surrogate as U+FFFD.
std::string asShown(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i + 2 < out.size(); ++i)
        if (static_cast<unsigned char>(out[i]) == 0xed &&
            static_cast<unsigned char>(out[i + 1]) >= 0xa0)
            out.replace(i, 3, "\xEF\xBF\xBD");
    return out;
}

bool startsWithMark(std::string_view text) {
    return text.starts_with(kByteOrderMark);
}

// ---- splitting ----------------------------------------------------------

struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;

    bool blank() const {
        return std::all_of(fields.begin(), fields.end(),
                           [](const std::string& f) { return trimmed(f).empty(); });
    }
};

// Values end at commas, records at CR, LF or CR LF; a value that starts with a
// double quote runs to the closing one, with "" standing for one quote inside.
ChirpRefusal splitCsv(const std::string& text, char separator, std::vector<CsvRecord>& records) {
    int line = 1;
    CsvRecord record{line, {}};
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endField = [&] {
        record.fields.push_back(field);
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (!record.blank())
            records.push_back(std::move(record));
        record = CsvRecord{line, {}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                ++line;
            field += c;
        } else if (c == separator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRecord();
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            field.clear(); // blanks before the opening quote
        } else {
            field += c;
            if (c != ' ' && c != '\t')
                fieldStarted = true;
        }
    }
    if (quoted)
        return ChirpRefusal::UnclosedQuote;
    endRecord();
    return ChirpRefusal::None;
}

// The text of a UTF-16 file after its mark; false for one that holds NUL. An
// unpaired surrogate is kept in UTF-8's form (ED A0..BF xx), which no valid
// UTF-8 holds: no pattern matches a text with one, and it shows as U+FFFD.
bool decodeUtf16(std::string_view bytes, bool littleEndian, std::string& text) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? (b << 8 | a) : (a << 8 | b);
    };
    const std::size_t units = bytes.size() / 2; // an odd last byte is no character
    text.reserve(bytes.size());
    for (std::size_t k = 0; k < units; ++k) {
        char32_t c = unit(2 * k);
        if (c >= 0xd800 && c <= 0xdbff && k + 1 < units) {
            const char32_t low = unit(2 * k + 2);
            if (low >= 0xdc00 && low <= 0xdfff) {
                c = 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00);
                ++k;
            }
        }
        if (c == 0)
            return false;
        appendUtf8(text, c); // an unpaired surrogate too, to be told apart below
    }
    return true;
}

// ---- values -------------------------------------------------------------

class Columns {
public:
    explicit Columns(const std::vector<std::string>& header) {
        for (std::size_t i = 0; i < header.size(); ++i)
            m_index.emplace(lowerCase(trimmed(header[i])), i); // the first of a name counts
    }
    bool has(std::string_view name) const { return m_index.count(lowerCase(name)) != 0; }
    std::string value(const CsvRecord& record, std::string_view name) const {
        const auto at = m_index.find(lowerCase(name));
        return at != m_index.end() && at->second < record.fields.size()
                   ? trimmed(record.fields[at->second])
                   : std::string();
    }

private:
    std::map<std::string, std::size_t> m_index;
};

std::optional<double> numberIn(std::string_view text) {
    if (!isChannelFileNumber(text))
        return std::nullopt;
    return numericValue(text);
}

// The typed-cell rule for a frequency: in range and on a channel step, or a
// warning kind. The frequency text is the canonical "###.00000". What the
// cell rule would lower or round is refused, never silently changed.
std::optional<ChirpWarningKind> checkFrequency(double mhz, std::string& text) {
    if (!frequencyInRange(mhz))
        return ChirpWarningKind::OutOfRange;
    const double count = roundToSignificant15(mhz * kUnitsPerMhz);
    if (count != std::floor(count))
        return ChirpWarningKind::FinerThan10Hz;
    const auto tensOfHz = static_cast<std::int64_t>(count);
    if (tensOfHz % 500 != 0 && tensOfHz % 625 != 0)
        return ChirpWarningKind::OffStep;
    text = formatFrequency(count / kUnitsPerMhz);
    return std::nullopt;
}

// Far beyond any radio, and beyond what a count of 10 Hz units may hold safely.
bool isWithinAnyBand(double mhz) {
    return std::isfinite(mhz) && std::abs(mhz) <= 1000;
}

std::string mhzText(double mhz) {
    return fixedDecimals(mhz, 6);
}

std::int64_t units(double mhz) {
    return std::llround(mhz * kUnitsPerMhz);
}

bool isToneOfTheRadio(const std::string& tone) {
    const std::vector<std::string>& tones = toneSet();
    return std::find(tones.begin(), tones.end(), tone) != tones.end();
}

// A character a pattern's [a-z0-9_] takes regardless of case: the ASCII
// letters, digits and "_", and the long s and the Kelvin sign, whose cases are "s" and "k".
bool isWordCharacter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == 0x17f || c == 0x212a;
}

// Whether a comment holds "bt=on" as a word of its own, any case, blanks
// around the "=" allowed.
bool holdsBeatShiftOn(std::string_view text) {
    if (holdsLoneSurrogate(text))
        return false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (lowerAscii(text[i]) != 'b' || lowerAscii(text[i + 1]) != 't')
            continue;
        if (i > 0) {
            std::size_t before = i - 1;
            while (before > 0 && (static_cast<unsigned char>(text[before]) & 0xc0) == 0x80)
                --before;
            if (isWordCharacter(nextCodePoint(text, before)))
                continue;
        }
        std::size_t at = i + 2;
        while (at < text.size() && isPatternSpace(text[at]))
            ++at;
        if (at >= text.size() || text[at] != '=')
            continue;
        ++at;
        while (at < text.size() && isPatternSpace(text[at]))
            ++at;
        if (at + 2 > text.size())
            continue;
        if (lowerAscii(text[at]) != 'o' || lowerAscii(text[at + 1]) != 'n')
            continue;
        at += 2;
        if (at == text.size() || !isWordCharacter(nextCodePoint(text, at)))
            return true;
    }
    return false;
}

// A wattage: digits with an optional point, or a point and digits, then
// optional blanks and "W". The number part, or nothing.
std::optional<std::string> wattage(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at > 0) {
        if (at < text.size() && text[at] == '.')
            ++at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
    } else {
        if (at >= text.size() || text[at] != '.')
            return std::nullopt;
        ++at;
        const std::size_t digits = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        if (at == digits)
            return std::nullopt;
    }
    const std::size_t end = at;
    while (at < text.size() && isPatternSpace(text[at]))
        ++at;
    if (at < text.size() && lowerAscii(text[at]) == 'w')
        ++at;
    if (at != text.size())
        return std::nullopt;
    return std::string(text.substr(0, end));
}

// A number written with a decimal comma, "145,5", blanks around it allowed.
bool hasDecimalComma(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isPatternSpace(text[at]))
        ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at >= text.size() || text[at] != ',')
        return false;
    const std::size_t digits = ++at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at == digits)
        return false;
    while (at < text.size() && isPatternSpace(text[at]))
        ++at;
    return at == text.size();
}

// A whole number of at most 15 digits with an optional sign.
std::optional<std::int64_t> wholeNumber(std::string_view text) {
    const std::size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (text.size() == digits || text.size() - digits > 15 ||
        !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(), isDigit))
        return std::nullopt;
    return std::strtoll(std::string(text).c_str(), nullptr, 10);
}

// One placed row turned into a channel; warnings collect as it goes.
class RowReader {
public:
    RowReader(const Columns& columns, const CsvRecord& record, int channel,
              std::vector<ChirpWarning>& warnings)
        : m_columns(columns)
        , m_record(record)
        , m_channel(channel)
        , m_warnings(warnings) {}

    ChannelRecord read() {
        ChannelRecord row;
        for (int f = 1; f < kFieldCount; ++f)
            row.fields[f] = std::string();
        const std::string rx = receive();
        if (rx.empty())
            return row; // an empty channel: the other fields mean nothing without it
        row[Field::Rf] = rx;
        row[Field::Tf] = transmit(rx);
        tones(row);
        row[Field::Bt] = holdsBeatShiftOn(value("Comment")) ? "on" : "off";
        row[Field::Pw] = power();
        checkMode();
        return row;
    }

private:
    std::string value(std::string_view column) const { return m_columns.value(m_record, column); }

    void warn(const std::string& column, ChirpWarningKind kind, const std::string& text) {
        m_warnings.push_back(ChirpWarning{m_record.line, m_channel, column, kind, asShown(text)});
    }

    std::string receive() {
        const std::string column = "Frequency";
        const std::string text = value(column);
        if (text.empty())
            return {};
        const auto mhz = numberIn(text);
        if (!mhz) {
            warn(column, ChirpWarningKind::NotANumber, text);
            return {};
        }
        std::string rf;
        if (const auto problem = checkFrequency(*mhz, rf)) {
            warn(column, *problem, text);
            return {};
        }
        return rf;
    }

    std::string transmit(const std::string& rf) {
        const std::string column = "Offset";
        const std::string duplex = lowerCase(value("Duplex"));
        if (duplex.empty())
            return rf;
        if (duplex == "off")
            return {};
        const bool plus = duplex == "+";
        if (!plus && duplex != "-" && duplex != "split") {
            warn("Duplex", ChirpWarningKind::UnknownDuplex, value("Duplex"));
            return {};
        }
        const std::string offsetText = value(column);
        const auto offset = numberIn(offsetText);
        if (!offset || !std::isfinite(*offset)) {
            warn(column, ChirpWarningKind::NotANumber, offsetText);
            return {};
        }
        if (!isWithinAnyBand(*offset)) {
            warn(column, ChirpWarningKind::OutOfRange, offsetText);
            return {};
        }
        if (duplex != "split" && *offset < 0) {
            warn(column, ChirpWarningKind::NegativeOffset, offsetText);
            return {};
        }
        double tx = *offset;
        std::string shown = offsetText;
        if (duplex != "split") {
            // Summed in 10 Hz units so that 146.94 - 0.6 lands on 146.34 exactly.
            const std::int64_t sum = units(numericValue(rf)) + (plus ? 1 : -1) * units(*offset);
            tx = static_cast<double>(sum) / kUnitsPerMhz;
            shown = mhzText(tx);
        }
        std::string tf;
        if (const auto problem = checkFrequency(tx, tf)) {
            warn(column, *problem, shown);
            return {};
        }
        return tf;
    }

    std::string tone(const std::string& column) {
        const std::string text = value(column);
        if (const auto hz = numberIn(text)) {
            const std::string t = formatTone(*hz);
            if (std::isfinite(*hz) && isToneOfTheRadio(t))
                return t;
        }
        warn(column, ChirpWarningKind::ToneNotInSet, text);
        return {};
    }

    void tones(ChannelRecord& row) {
        const std::string r = "rToneFreq";
        const std::string c = "cToneFreq";
        const std::string modeText = value("Tone");
        const std::string mode = lowerCase(modeText);
        if (mode.empty())
            return;
        if (mode == "tone") {
            row[Field::Tct] = tone(r);
        } else if (mode == "tsql") {
            const std::string both = tone(c);
            // CHIRP leaves rToneFreq at its default 88.5 where it means nothing;
            // any other value there was meant for something.
            const std::string other = value(r);
            const std::optional<double> otherHz = numberIn(other);
            if (!both.empty() && otherHz && *otherHz != 88.5 && otherHz != numberIn(value(c)))
                warn(r, ChirpWarningKind::TonesDiffer, other);
            row[Field::Rct] = both;
            row[Field::Tct] = both;
        } else if (mode == "cross") {
            const std::string cross = value("CrossMode");
            if (equalsIgnoringCase(cross, "Tone->Tone")) {
                row[Field::Tct] = tone(r);
                row[Field::Rct] = tone(c);
            } else if (equalsIgnoringCase(cross, "->Tone")) {
                row[Field::Rct] = tone(c);
            } else if (equalsIgnoringCase(cross, "Tone->")) {
                row[Field::Tct] = tone(r);
            } else {
                warn("CrossMode", ChirpWarningKind::UnsupportedToneMode, cross);
            }
        } else {
            warn("Tone", ChirpWarningKind::UnsupportedToneMode, modeText);
        }
    }

    std::string power() {
        const std::string column = "Power";
        const std::string text = value(column);
        if (text.empty())
            return "H";
        if (const std::optional<std::string> watts = wattage(text))
            return numericValue(*watts) >= 2 ? "H" : "L";
        if (startsWithIgnoringCase(text, 'H'))
            return "H";
        if (startsWithIgnoringCase(text, 'L'))
            return "L";
        warn(column, ChirpWarningKind::UnknownPower, text);
        return {};
    }

    void checkMode() {
        const std::string column = "Mode";
        const std::string mode = value(column);
        if (!mode.empty() && !equalsIgnoringCase(mode, "FM") && !equalsIgnoringCase(mode, "NFM"))
            warn(column, ChirpWarningKind::NotFm, mode);
    }

    const Columns& m_columns;
    const CsvRecord& m_record;
    int m_channel;
    std::vector<ChirpWarning>& m_warnings;
};

struct PlacedRow {
    const CsvRecord* record = nullptr;
    std::optional<std::int64_t> location;
};

// Rows go to channels in Location order. When every Location is a distinct
// number from 1 to 16 (as this program writes them), each row keeps its own
// channel, so a gap in the list stays a gap.
bool keepsOwnChannels(const std::vector<PlacedRow>& rows) {
    std::vector<std::int64_t> seen;
    for (const PlacedRow& r : rows) {
        if (!r.location || *r.location < 1 || *r.location > kChannelCount ||
            std::find(seen.begin(), seen.end(), *r.location) != seen.end())
            return false;
        seen.push_back(*r.location);
    }
    return true;
}

std::string toneOf(const FieldValue& field) {
    const double hz = numericValue(field);
    return hz != 0 && std::isfinite(hz) ? formatTone(hz) : std::string();
}

std::string csvValue(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + '"';
}

// The text of the file's bytes, or the refusal.
ChirpRefusal fileText(std::string_view bytes, std::string& text) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        // Spreadsheets on Windows save "Unicode text" so; the mark says the byte order.
        if (!decodeUtf16(bytes.substr(2), bytes.starts_with("\xFF\xFE"), text))
            return ChirpRefusal::NotText;
    } else {
        if (bytes.find('\0') != std::string_view::npos)
            return ChirpRefusal::NotText;
        text = validUtf8(startsWithMark(bytes) ? bytes.substr(kByteOrderMark.size()) : bytes);
    }
    // A second mark goes as the first did.
    if (startsWithMark(text))
        text.erase(0, kByteOrderMark.size());
    return ChirpRefusal::None;
}

} // namespace

ChirpImport importChirpCsv(std::string_view bytes) {
    ChirpImport result;
    for (int k = 0; k < kChannelCount; ++k) {
        result.rows[k][Field::No] = std::to_string(k + 1);
        for (int f = 1; f < kFieldCount; ++f)
            result.rows[k].fields[f] = std::string();
    }

    if (static_cast<std::int64_t>(bytes.size()) > kChirpMaxFileSize) {
        result.refusal = ChirpRefusal::TooLarge;
        return result;
    }
    std::string text;
    if ((result.refusal = fileText(bytes, text)) != ChirpRefusal::None)
        return result;
    // Where the decimal mark is a comma, spreadsheets separate values by
    // semicolons. (In a text with an unpaired surrogate no line end is found.)
    const std::string_view header = std::string_view(text).substr(
        0, holdsLoneSurrogate(text) ? std::string::npos : text.find_first_of("\r\n"));
    const char separator =
        header.find(',') == std::string_view::npos && header.find(';') != std::string_view::npos
            ? ';'
            : ',';

    std::vector<CsvRecord> records;
    if ((result.refusal = splitCsv(text, separator, records)) != ChirpRefusal::None)
        return result;
    if (separator == ';') {
        // ... and write numbers with their decimal comma: "145,5".
        for (CsvRecord& record : records)
            for (std::string& field : record.fields)
                if (hasDecimalComma(field))
                    std::replace(field.begin(), field.end(), ',', '.');
    }
    if (records.empty()) {
        result.refusal = ChirpRefusal::NoHeader;
        return result;
    }
    const Columns columns(records.front().fields);
    if (!columns.has("Frequency")) {
        result.refusal = ChirpRefusal::NoFrequencyColumn;
        return result;
    }

    const bool hasLocation = columns.has("Location");
    std::vector<PlacedRow> rows;
    for (std::size_t i = 1; i < records.size(); ++i)
        rows.push_back({&records[i], wholeNumber(columns.value(records[i], "Location"))});

    const bool ownChannels = hasLocation && keepsOwnChannels(rows);
    if (!ownChannels) {
        // Numbered rows first in Location order, the others after them as they stand.
        std::stable_sort(rows.begin(), rows.end(), [](const PlacedRow& a, const PlacedRow& b) {
            if (a.location && b.location)
                return *a.location < *b.location;
            return a.location.has_value() && !b.location.has_value();
        });
    }

    std::vector<ChirpWarning> warnings;
    for (std::size_t i = 0; i < rows.size() && i < static_cast<std::size_t>(kChannelCount); ++i) {
        const int channel = ownChannels ? static_cast<int>(*rows[i].location) : int(i) + 1;
        if (hasLocation && !rows[i].location)
            warnings.push_back(ChirpWarning{rows[i].record->line, channel, "Location",
                                            ChirpWarningKind::BadLocation,
                                            asShown(columns.value(*rows[i].record, "Location"))});
        ChannelRecord row = RowReader(columns, *rows[i].record, channel, warnings).read();
        row[Field::No] = std::to_string(channel);
        if (!row.text(Field::Rf).empty())
            ++result.channels;
        result.rows[channel - 1] = row;
    }
    std::stable_sort(
        warnings.begin(), warnings.end(),
        [](const ChirpWarning& a, const ChirpWarning& b) { return a.channel < b.channel; });
    if (rows.size() > static_cast<std::size_t>(kChannelCount))
        warnings.push_back(ChirpWarning{0, 0, std::string(), ChirpWarningKind::RowsLeftOut,
                                        std::to_string(rows.size() - kChannelCount)});
    result.warnings = std::move(warnings);
    if (result.channels == 0)
        result.refusal = ChirpRefusal::NoUsableRow;
    return result;
}

std::string encodeChirpCsv(const ChannelRows& rows) {
    static const std::int64_t standardOffsets[] = {60000, 160000, 500000, 760000}; // 10 Hz units
    const std::string defaultTone = "88.5";
    std::string out;
    for (const char* name : kColumnNames)
        out += std::string(out.empty() ? "" : ",") + name;
    out += "\r\n";
    for (int k = 0; k < kChannelCount; ++k) {
        const ChannelRecord& row = rows[k];
        const double rx = numericValue(row[Field::Rf]);
        if (rx == 0 || !isWithinAnyBand(rx))
            continue;

        std::string duplex;
        std::string offset = mhzText(0);
        const double tx = numericValue(row[Field::Tf]);
        if (tx == 0 || !std::isfinite(tx)) {
            duplex = "off";
        } else if (!isWithinAnyBand(tx)) {
            duplex = "split";
            offset = mhzText(tx);
        } else if (const std::int64_t shift = units(tx) - units(rx); shift != 0) {
            const std::int64_t size = std::abs(shift);
            if (std::find(std::begin(standardOffsets), std::end(standardOffsets), size) !=
                std::end(standardOffsets)) {
                duplex = shift > 0 ? "+" : "-";
                offset = mhzText(static_cast<double>(size) / kUnitsPerMhz);
            } else {
                duplex = "split";
                offset = mhzText(tx);
            }
        }

        const std::string receiveTone = toneOf(row[Field::Rct]);
        const std::string transmitTone = toneOf(row[Field::Tct]);
        std::string mode;
        std::string crossMode = "Tone->Tone";
        std::string rTone = defaultTone;
        std::string cTone = defaultTone;
        if (!transmitTone.empty() && receiveTone == transmitTone) {
            mode = "TSQL";
            rTone = cTone = transmitTone;
        } else if (!transmitTone.empty() && receiveTone.empty()) {
            mode = "Tone";
            rTone = transmitTone;
        } else if (!receiveTone.empty()) {
            mode = "Cross";
            cTone = receiveTone;
            if (transmitTone.empty())
                crossMode = "->Tone";
            else
                rTone = transmitTone;
        }

        const bool low = startsWithIgnoringCase(trimmed(row.text(Field::Pw)), 'L');
        const bool beat = equalsIgnoringCase(trimmed(row.text(Field::Bt)), "on");
        char name[16];
        std::snprintf(name, sizeof name, "CH%02d", k + 1);
        const std::string values[] = {
            std::to_string(k + 1),
            name,
            mhzText(rx),
            duplex,
            offset,
            mode,
            rTone,
            cTone,
            "023",
            "NN",
            "023",
            crossMode,
            "FM",
            "5.00",
            "",
            powerText(low ? kLowPowerWatts : kHighPowerWatts),
            beat ? "bt=on" : "",
            "",
            "",
            "",
            "",
        };
        bool first = true;
        for (const std::string& v : values) {
            if (!first)
                out += ',';
            out += csvValue(v);
            first = false;
        }
        out += "\r\n";
    }
    return out;
}

std::vector<ChirpWarning> chirpExportLeftOut(const ChannelRows& rows) {
    std::vector<ChirpWarning> out;
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = rows[k - 1];
        const double rx = numericValue(row[Field::Rf]);
        if (rx != 0 && isWithinAnyBand(rx))
            continue;
        // A frequency no row can carry: the receive frequency too far out, or
        // a transmit frequency alone (tones alone are no channel).
        for (Field f : {Field::Rf, Field::Tf}) {
            if (numericValue(row[f]) != 0) {
                out.push_back(ChirpWarning{0, k, f == Field::Rf ? "Frequency" : "Offset",
                                           ChirpWarningKind::NoReceiveFrequency, row.text(f)});
                break;
            }
        }
    }
    return out;
}

bool isChirpCsvFileName(std::string_view path) {
    // The last four characters, compared as their cases fold: the long s folds to "s".
    std::vector<char32_t> last;
    for (std::size_t pos = 0; pos < path.size();) {
        last.push_back(nextCodePoint(path, pos));
        if (last.size() > 4)
            last.erase(last.begin());
    }
    const char32_t wanted[] = {'.', 'c', 's', 'v'};
    if (last.size() < 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        char32_t c = last[static_cast<std::size_t>(i)];
        if (c == 0x17f)
            c = 's';
        if (c < 128)
            c = static_cast<char32_t>(lowerAscii(static_cast<char>(c)));
        if (c != wanted[i])
            return false;
    }
    return true;
}

} // namespace zt41::kernel
