// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel file, bytes in and bytes out: 97 values (the squelch text, then
// the six data fields of the 16 rows), each followed by one comma.

#include "record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

constexpr int kChannelFileValues = 97;

// How one value is written so that it reads back exactly: plain, or in
// quotes when it holds a comma or a line end or has blanks at its ends (the
// reader drops those of a plain value; with MayDrop they may go). Nothing when
// the format cannot carry it unchanged: a leading quote, a quote in a value
// that needs quotes, NUL, bytes that are no UTF-8, a byte-order mark at the
// start, or more than 1024 characters.
enum class EdgeBlanks { Keep, MayDrop };
std::optional<std::string> channelValueBytes(std::string_view text,
                                             EdgeBlanks edges = EdgeBlanks::Keep);

// The file's bytes, no line break. A null field is written as "Null". Every
// field reads back exactly, the squelch text but for blanks at its ends.
// Nothing when a value cannot be carried or would not load back.
std::optional<std::string> formatChannelFile(const ChannelSet& set);

// Splits the values of a channel file as they stream in: a value ends at a
// comma, a line end or the end of the file; blanks and tabs around it are
// dropped; a value that begins with a double quote runs to the next one.
// Values come out as UTF-8, bytes that are no UTF-8 each as U+FFFD, without
// a byte-order mark at their start.
class ChannelValueSplitter {
public:
    enum class Error { None, TooFewValues, ValueTooLong, NotText };
    static constexpr int kMaxValueLength = 1024;
    // Bytes a value may reach while it is read (UTF-8 takes up to 4 a character).
    static constexpr int kMaxRunawayBytes = 4 * kMaxValueLength;

    explicit ChannelValueSplitter(int wanted = kChannelFileValues)
        : m_wanted(static_cast<std::size_t>(wanted)) {}
    // Returns false once enough values are read or the input is bad; feed no more then.
    bool feed(const char* data, std::size_t size);
    void finish();
    bool complete() const { return m_values.size() == m_wanted && m_error == Error::None; }
    Error error() const { return m_error; }
    const std::vector<std::string>& values() const { return m_values; }

private:
    enum class State { BeforeValue, AfterComma, AfterCarriageReturn, Unquoted, Quoted, AfterQuote };
    void emitValue();
    void endLine(char c);
    // A comma or a line end ends the value being read.
    bool endsValue(char c);

    std::size_t m_wanted;
    State m_state = State::BeforeValue;
    std::string m_value;
    std::string m_pendingBlanks;
    bool m_blanksOverflowed = false;
    std::vector<std::string> m_values;
    Error m_error = Error::None;
};

// Whether a value is "a number" in a channel file: an optional sign, digits
// with at most one ".", an optional exponent, and nothing else.
bool isChannelFileNumber(std::string_view value);

// Converts the 97 values as they are stored: numbers take their canonical
// forms, anything else is kept as it is. Fails on a number too large for a
// double. The rows' `no` stays null.
bool convertChannelValues(const std::vector<std::string>& values, ChannelSet& out);

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
    ChannelSet contents;
};

// The verdict on a splitter that has had the file (finished, or stopped
// early): its error, or the values converted.
ChannelFileRead readSplitValues(const ChannelValueSplitter& splitter);

// Reads and checks the first 97 values of a file's bytes; nothing after them matters.
ChannelFileRead parseChannelFile(std::string_view bytes);

} // namespace zt41::kernel
