// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelfile.h"

#include "channels/channeltable.h"
#include "channels/numbers.h"
#include "filetarget.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

namespace zt41 {

namespace {

constexpr int kDataFields = 6;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool hasEdgeBlank(const QByteArray& bytes) {
    return !bytes.isEmpty() && (isBlank(bytes.front()) || isBlank(bytes.back()));
}

QByteArray withoutEdgeBlanks(const QByteArray& bytes) {
    qsizetype from = 0, to = bytes.size();
    while (from < to && isBlank(bytes[from]))
        ++from;
    while (to > from && isBlank(bytes[to - 1]))
        --to;
    return bytes.mid(from, to - from);
}

} // namespace

std::optional<QByteArray> channelValueBytes(const QString& text, EdgeBlanks edges) {
    if (text.size() > ChannelValueSplitter::kMaxValueLength)
        return std::nullopt;
    const QByteArray bytes = text.toUtf8();
    // A text that UTF-8 cannot carry as it is (a lone surrogate) or that holds
    // NUL would load as something else, or not at all.
    if (bytes.contains('\0') || QString::fromUtf8(bytes) != text)
        return std::nullopt;
    const QByteArray core = edges == EdgeBlanks::MayDrop ? withoutEdgeBlanks(bytes) : bytes;
    // A value that begins with a quote is read as a quoted one, and a quoted
    // value ends at its next quote: there is no way to write a quote into it.
    if (core.startsWith('"'))
        return std::nullopt;
    const bool splits = bytes.contains(',') || bytes.contains('\r') || bytes.contains('\n');
    if (!splits && (edges == EdgeBlanks::MayDrop || !hasEdgeBlank(bytes)))
        return bytes;
    if (bytes.contains('"'))
        return std::nullopt;
    return '"' + bytes + '"';
}

std::optional<QByteArray> encodeChannelFile(const QString& squelch, const ChannelRows& rows) {
    // The squelch text is only ever used without its blanks; the list's own
    // items carry leading ones ("  3") and are written as they are.
    std::optional<QByteArray> out = channelValueBytes(squelch, EdgeBlanks::MayDrop);
    if (!out)
        return std::nullopt;
    *out += ',';
    for (const ChannelRecord& row : rows) {
        for (int f = 1; f <= kDataFields; ++f) {
            const FieldValue& v = row.fields[f];
            if (!v) {
                *out += "Null,";
                continue;
            }
            const std::optional<QByteArray> bytes = channelValueBytes(*v);
            if (!bytes)
                return std::nullopt;
            *out += *bytes + ',';
        }
    }
    // What the loader would refuse is not saved: a number too large for a
    // double ("-1e400") is carried byte for byte, yet no load takes it back.
    ChannelValueSplitter splitter;
    splitter.feed(out->constData(), out->size());
    splitter.finish();
    ChannelFileContents loaded;
    if (!splitter.complete() || !convertChannelValues(splitter.values(), loaded))
        return std::nullopt;
    return out;
}

bool ChannelValueSplitter::feed(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
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
    const QString value = QString::fromUtf8(m_value);
    m_value.clear();
    m_pendingBlanks.clear();
    m_blanksOverflowed = false;
    if (value.size() > kMaxValueLength) {
        m_error = Error::ValueTooLong;
        return;
    }
    m_values << value;
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

bool isChannelFileNumber(const QString& value) {
    return isPlainNumber(value);
}

bool convertChannelValues(const QStringList& values, ChannelFileContents& out) {
    if (values.size() < kChannelFileValues)
        return false;
    bool ok = true;
    const auto number = [&ok](const QString& v) {
        const double d = numericValue(v);
        if (!std::isfinite(d))
            ok = false;
        return d;
    };
    const auto shortest = [&](const QString& v) {
        return isChannelFileNumber(v) ? shortestDecimal(number(v)) : v;
    };
    const auto frequency = [&](const QString& v) {
        return isChannelFileNumber(v) ? formatFrequency(number(v)) : v;
    };

    out.squelch = shortest(values[0]);
    for (int r = 0; r < kChannelCount; ++r) {
        const qsizetype base = 1 + kDataFields * r;
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

ChannelFileRead readChannelFile(QIODevice& device) {
    ChannelFileRead result;
    ChannelValueSplitter splitter;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = device.read(buffer, sizeof buffer);
        if (n < 0) {
            result.error = ChannelFileError::CannotOpen;
            return result;
        }
        if (n == 0) {
            splitter.finish();
            break;
        }
        if (!splitter.feed(buffer, n))
            break;
    }
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

ChannelFileRead readChannelFile(const QString& path) {
    QFile file(path);
    if (!isReadableFileTarget(path) || !file.open(QIODevice::ReadOnly))
        return {ChannelFileError::CannotOpen, {}};
    return readChannelFile(file);
}

ChannelFileError saveChannelFile(const QString& path, const QString& squelch,
                                 const ChannelRows& rows) {
    if (!isWritableFileTarget(path))
        return ChannelFileError::CannotWrite;
    // A table the format cannot carry unchanged is refused before the target is touched.
    const std::optional<QByteArray> bytes = encodeChannelFile(squelch, rows);
    if (!bytes)
        return ChannelFileError::CannotCarry;
    return replaceFileWith(path, *bytes) ? ChannelFileError::None : ChannelFileError::CannotWrite;
}

bool saveTableToFile(ChannelTable& table, const QString& squelch, const QString& path) {
    // Saved under the database's own name, the text file would replace the
    // table the program is working on.
    if (isSameFile(path, table.filePath()) ||
        saveChannelFile(path, squelch, table.rows()) != ChannelFileError::None)
        return false;
    // The save walks past the sixteenth row, so no row stays current.
    table.setCurrentRow(ChannelTable::kNoRow);
    return true;
}

QString loadTableFromFile(ChannelTable& table, const QString& path) {
    const ChannelFileRead read = readChannelFile(path);
    if (read.error != ChannelFileError::None || !table.replaceDataFields(read.contents.rows))
        return QString();
    table.moveFirst();
    return read.contents.squelch.isNull() ? QStringLiteral("") : read.contents.squelch;
}

} // namespace zt41
