// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace zt41 {

class ChannelTable;

constexpr int kChannelFileValues = 97;

// The squelch text and the six data fields of the 16 rows (`no` unused).
struct ChannelFileContents {
    QString squelch;
    ChannelRows rows{};
};

// How one value is written so that it reads back exactly: plain, or in
// quotes when it holds a comma or a line end or has blanks at its ends (the
// reader drops those of a plain value; with MayDrop they may go). Nothing when
// the format cannot carry it unchanged: a leading quote, a quote in a value
// that needs quotes, NUL, a lone surrogate, or more than 1024 characters.
enum class EdgeBlanks { Keep, MayDrop };
std::optional<QByteArray> channelValueBytes(const QString& text,
                                            EdgeBlanks edges = EdgeBlanks::Keep);

// The file's bytes: 97 values, each followed by one comma, no line break.
// A null field is written as "Null". Every field reads back exactly, the
// squelch text but for blanks at its ends. Nothing when a value cannot be carried.
std::optional<QByteArray> encodeChannelFile(const QString& squelch, const ChannelRows& rows);

// Splits the values of a channel file as they stream in: a value ends at a
// comma, a line end or the end of the file; blanks and tabs around it are
// dropped; a value that begins with a double quote runs to the next one.
class ChannelValueSplitter {
public:
    enum class Error { None, TooFewValues, ValueTooLong, NotText };
    static constexpr int kMaxValueLength = 1024;
    // Bytes a value may reach while it is read (UTF-8 takes up to 4 a character).
    static constexpr int kMaxRunawayBytes = 4 * kMaxValueLength;

    explicit ChannelValueSplitter(int wanted = kChannelFileValues)
        : m_wanted(wanted) {}
    // Returns false once enough values are read or the input is bad; feed no more then.
    bool feed(const char* data, qsizetype size);
    void finish();
    bool complete() const { return m_values.size() == m_wanted && m_error == Error::None; }
    Error error() const { return m_error; }
    const QStringList& values() const { return m_values; }

private:
    enum class State { BeforeValue, AfterComma, AfterCarriageReturn, Unquoted, Quoted, AfterQuote };
    void emitValue();
    void endLine(char c);
    // A comma or a line end ends the value being read.
    bool endsValue(char c);

    int m_wanted;
    State m_state = State::BeforeValue;
    QByteArray m_value;
    QByteArray m_pendingBlanks;
    bool m_blanksOverflowed = false;
    QStringList m_values;
    Error m_error = Error::None;
};

// Whether a value is "a number" in a channel file: an optional sign, digits
// with at most one ".", an optional exponent, and nothing else.
bool isChannelFileNumber(const QString& value);

// Converts the 97 values as they are stored: numbers take their canonical
// forms, anything else is kept as it is. Fails on a number too large for a double.
bool convertChannelValues(const QStringList& values, ChannelFileContents& out);

enum class ChannelFileError {
    None,
    CannotOpen,
    TooFewValues,
    ValueTooLong,
    NotText,
    BadNumber,
    CannotCarry,
    CannotWrite
};

struct ChannelFileRead {
    ChannelFileError error = ChannelFileError::None;
    ChannelFileContents contents;
};

// Reads and checks the first 97 values of a file; nothing after them is read.
ChannelFileRead readChannelFile(const QString& path);
ChannelFileRead readChannelFile(QIODevice& device);

// Writes through a temporary file renamed over the target, so a failed save
// leaves an existing file intact.
ChannelFileError saveChannelFile(const QString& path, const QString& squelch,
                                 const ChannelRows& rows);

// The file commands on the table, after the file name is chosen.
// Save: stores the file; on success no row is current afterwards. False when
// nothing was saved (the front end says "file save error").
bool saveTableToFile(ChannelTable& table, const QString& squelch, const QString& path);
// Load: replaces all 16 rows at once and makes the first row current; returns
// the squelch text to show, or a null string when nothing was loaded.
QString loadTableFromFile(ChannelTable& table, const QString& path);

} // namespace zt41
