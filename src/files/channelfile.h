#pragma once

#include "channels/channelrecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace zt41 {

class ChannelTable;
class MessageSink;

constexpr int kChannelFileValues = 97;

// The squelch text and the six data fields of the 16 rows (`no` unused).
struct ChannelFileContents {
    QString squelch;
    ChannelRows rows{};
};

// The file's bytes: 97 values, each followed by one comma, no line break.
// A null field is written as "Null".
QByteArray encodeChannelFile(const QString& squelch, const ChannelRows& rows);

// Splits the values of a channel file as they stream in: a value ends at a
// comma, a line end or the end of the file; blanks and tabs around it are
// dropped; a value that begins with a double quote runs to the next one.
class ChannelValueSplitter {
public:
    enum class Error { None, TooFewValues, ValueTooLong, NotText };
    static constexpr int kMaxValueLength = 1024;

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
    qsizetype m_pendingBlanks = 0;
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

const QString& channelFileReadErrorText();
const QString& channelFileSaveErrorText();

// The file commands on the table, after the file name is chosen.
// Save: stores the file; on success no row is current afterwards.
bool saveTableToFile(ChannelTable& table, const QString& squelch, const QString& path,
                     MessageSink& messages);
// Load: replaces all 16 rows at once and makes the first row current; returns
// the squelch text to show, or a null string when nothing was loaded.
QString loadTableFromFile(ChannelTable& table, const QString& path, MessageSink& messages);

} // namespace zt41
