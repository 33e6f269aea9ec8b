// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "kernel/channelfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace zt41 {

class ChannelTable;

using kernel::kChannelFileValues;

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
using kernel::EdgeBlanks;
std::optional<QByteArray> channelValueBytes(const QString& text,
                                            EdgeBlanks edges = EdgeBlanks::Keep);

// The file's bytes: 97 values, each followed by one comma, no line break.
// A null field is written as "Null". Every field reads back exactly, the
// squelch text but for blanks at its ends. Nothing when a value cannot be carried.
std::optional<QByteArray> encodeChannelFile(const QString& squelch, const ChannelRows& rows);

// The kernel's splitter of a channel file as its bytes stream in, with the
// values it has read as text.
class ChannelValueSplitter {
public:
    using Error = kernel::ChannelValueSplitter::Error;
    static constexpr int kMaxValueLength = kernel::ChannelValueSplitter::kMaxValueLength;
    static constexpr int kMaxRunawayBytes = kernel::ChannelValueSplitter::kMaxRunawayBytes;

    explicit ChannelValueSplitter(int wanted = kChannelFileValues)
        : m_splitter(wanted) {}
    // Returns false once enough values are read or the input is bad; feed no more then.
    bool feed(const char* data, qsizetype size);
    void finish();
    bool complete() const { return m_splitter.complete(); }
    Error error() const { return m_splitter.error(); }
    const QStringList& values() const { return m_values; }

private:
    void takeNewValues();

    kernel::ChannelValueSplitter m_splitter;
    QStringList m_values;
};

// Whether a value is "a number" in a channel file: an optional sign, digits
// with at most one ".", an optional exponent, and nothing else.
bool isChannelFileNumber(const QString& value);

// Converts the 97 values as they are stored: numbers take their canonical
// forms, anything else is kept as it is. Fails on a number too large for a double.
bool convertChannelValues(const QStringList& values, ChannelFileContents& out);

using kernel::ChannelFileError;

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
