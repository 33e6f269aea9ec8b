// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelfile.h"

#include "numbers.h"
#include "text.h"

#include <cmath>

namespace zt41::kernel {

namespace {

constexpr int kDataFields = 6;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool hasEdgeBlank(std::string_view bytes) {
    return !bytes.empty() && (isBlank(bytes.front()) || isBlank(bytes.back()));
}

std::string_view withoutEdgeBlanks(std::string_view bytes) {
    std::size_t from = 0, to = bytes.size();
    while (from < to && isBlank(bytes[from]))
        ++from;
    while (to > from && isBlank(bytes[to - 1]))
        --to;
    return bytes.substr(from, to - from);
}

bool holds(std::string_view bytes, char c) {
    return bytes.find(c) != std::string_view::npos;
}

} // namespace

std::optional<std::string> channelValueBytes(std::string_view text, EdgeBlanks edges) {
    // A text that is no UTF-8 as it stands, that holds NUL or begins with a
    // byte-order mark (which the reader drops) would load as something else,
    // or not at all.
    if (holds(text, '\0') || !isValidUtf8(text) || text.starts_with(kByteOrderMark) ||
        utf16Length(text) > static_cast<std::size_t>(ChannelValueSplitter::kMaxValueLength))
        return std::nullopt;
    const std::string_view core = edges == EdgeBlanks::MayDrop ? withoutEdgeBlanks(text) : text;
    // Nor may one follow the blanks the reader is allowed to drop: "  <BOM>3"
    // would come back as "3".
    if (core.starts_with(kByteOrderMark))
        return std::nullopt;
    // A value that begins with a quote is read as a quoted one, and a quoted
    // value ends at its next quote: there is no way to write a quote into it.
    if (core.starts_with('"'))
        return std::nullopt;
    const bool splits = holds(text, ',') || holds(text, '\r') || holds(text, '\n');
    if (!splits && (edges == EdgeBlanks::MayDrop || !hasEdgeBlank(text)))
        return std::string(text);
    if (holds(text, '"'))
        return std::nullopt;
    return '"' + std::string(text) + '"';
}

std::optional<std::string> formatChannelFile(const ChannelSet& set) {
    // The squelch text is only ever used without its blanks; the list's own
    // items carry leading ones ("  3") and are written as they are.
    std::optional<std::string> out = channelValueBytes(set.squelch, EdgeBlanks::MayDrop);
    if (!out)
        return std::nullopt;
    *out += ',';
    for (const ChannelRecord& row : set.rows) {
        for (int f = 1; f <= kDataFields; ++f) {
            const FieldValue& v = row.fields[f];
            if (!v) {
                *out += "Null,";
                continue;
            }
            const std::optional<std::string> bytes = channelValueBytes(*v);
            if (!bytes)
                return std::nullopt;
            *out += *bytes + ',';
        }
    }
    // What the loader would refuse is not saved: a number too large for a
    // double ("-1e400") is carried byte for byte, yet no load takes it back.
    if (parseChannelFile(*out).error != ChannelFileError::None)
        return std::nullopt;
    return out;
}

bool ChannelValueSplitter::feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (m_error != Error::None || m_values.size() == m_wanted)
            return false;
        const char c = data[i];
        if (c == '\0') {
            m_error = Error::NotText;
            return false;
        }
        switch (m_state) {
        case State::AfterCarriageReturn:
            m_state = State::BeforeValue;
            if (c == '\n')
                break;
            [[fallthrough]];
        case State::BeforeValue:
        case State::AfterComma:
            if (isBlank(c))
                break;
            if (c == '\r' || c == '\n') {
                // A line end right after a comma belongs to that comma.
                if (m_state != State::AfterComma)
                    emitValue();
                endLine(c);
            } else if (c == ',') {
                emitValue();
                m_state = State::AfterComma;
            } else if (c == '"') {
                m_state = State::Quoted;
            } else {
                m_value += c;
                m_state = State::Unquoted;
            }
            break;
        case State::Unquoted:
            if (endsValue(c))
                break;
            if (isBlank(c)) {
                // Blanks at a value's end are dropped, however many; those
                // inside it are kept as they are.
                if (m_value.size() + m_pendingBlanks.size() <= kMaxRunawayBytes)
                    m_pendingBlanks += c;
                else
                    m_blanksOverflowed = true;
            } else {
                if (m_blanksOverflowed)
                    m_error = Error::ValueTooLong;
                m_value += m_pendingBlanks;
                m_pendingBlanks.clear();
                m_value += c;
            }
            break;
        case State::Quoted:
            if (c == '"')
                m_state = State::AfterQuote;
            else
                m_value += c;
            break;
        case State::AfterQuote:
            // Anything between the closing quote and the value's end is dropped.
            endsValue(c);
            break;
        }
        // A runaway value is caught early, before the whole file is in memory.
        if (m_value.size() > kMaxRunawayBytes)
            m_error = Error::ValueTooLong;
    }
    return m_error == Error::None && m_values.size() < m_wanted;
}

bool ChannelValueSplitter::endsValue(char c) {
    if (c == ',') {
        emitValue();
        m_state = State::AfterComma;
        return true;
    }
    if (c == '\r' || c == '\n') {
        emitValue();
        endLine(c);
        return true;
    }
    return false;
}

void ChannelValueSplitter::endLine(char c) {
    m_state = c == '\r' ? State::AfterCarriageReturn : State::BeforeValue;
}

void ChannelValueSplitter::emitValue() {
    std::string value = validUtf8(m_value);
    // A byte-order mark that begins a value is no part of it.
    if (value.starts_with(kByteOrderMark))
        value.erase(0, kByteOrderMark.size());
    m_value.clear();
    m_pendingBlanks.clear();
    m_blanksOverflowed = false;
    if (utf16Length(value) > static_cast<std::size_t>(kMaxValueLength)) {
        m_error = Error::ValueTooLong;
        return;
    }
    m_values.push_back(std::move(value));
}

void ChannelValueSplitter::finish() {
    if (m_error != Error::None || m_values.size() == m_wanted)
        return;
    // The end of the file ends a value that has begun; it reads no new one.
    if (m_state == State::Unquoted || m_state == State::Quoted || m_state == State::AfterQuote)
        emitValue();
    if (m_error == Error::None && m_values.size() < m_wanted)
        m_error = Error::TooFewValues;
}

bool isChannelFileNumber(std::string_view value) {
    return isPlainNumber(value);
}

bool convertChannelValues(const std::vector<std::string>& values, ChannelSet& out) {
    if (values.size() < static_cast<std::size_t>(kChannelFileValues))
        return false;
    bool ok = true;
    const auto number = [&ok](const std::string& v) {
        const double d = numericValue(v);
        if (!std::isfinite(d))
            ok = false;
        return d;
    };
    const auto shortest = [&](const std::string& v) {
        return isChannelFileNumber(v) ? shortestDecimal(number(v)) : v;
    };
    const auto frequency = [&](const std::string& v) {
        return isChannelFileNumber(v) ? formatFrequency(number(v)) : v;
    };

    out.squelch = shortest(values[0]);
    for (int r = 0; r < kChannelCount; ++r) {
        const std::size_t base = 1 + static_cast<std::size_t>(kDataFields * r);
        ChannelRecord& row = out.rows[r];
        row[Field::Rf] = frequency(values[base]);
        row[Field::Rct] = shortest(values[base + 1]);
        row[Field::Tf] = frequency(values[base + 2]);
        row[Field::Tct] = shortest(values[base + 3]);
        row[Field::Bt] = shortest(values[base + 4]);
        row[Field::Pw] = values[base + 5];
    }
    return ok;
}

ChannelFileRead readSplitValues(const ChannelValueSplitter& splitter) {
    ChannelFileRead result;
    switch (splitter.error()) {
    case ChannelValueSplitter::Error::None:
        break;
    case ChannelValueSplitter::Error::TooFewValues:
        result.error = ChannelFileError::TooFewValues;
        return result;
    case ChannelValueSplitter::Error::ValueTooLong:
        result.error = ChannelFileError::ValueTooLong;
        return result;
    case ChannelValueSplitter::Error::NotText:
        result.error = ChannelFileError::NotText;
        return result;
    }
    if (!convertChannelValues(splitter.values(), result.contents))
        result.error = ChannelFileError::BadNumber;
    return result;
}

ChannelFileRead parseChannelFile(std::string_view bytes) {
    ChannelValueSplitter splitter;
    if (splitter.feed(bytes.data(), bytes.size()))
        splitter.finish();
    return readSplitValues(splitter);
}

} // namespace zt41::kernel
