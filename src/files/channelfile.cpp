// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelfile.h"

#include "channels/channeltable.h"
#include "channels/kernelbridge.h"
#include "filetarget.h"

#include <QFile>

namespace zt41 {

namespace {

// UTF-8 carries a text unchanged unless it holds a lone surrogate, which the
// conversion would replace: such a text cannot be written.
bool carriedByUtf8(const QString& text) {
    return QString::fromUtf8(text.toUtf8()) == text;
}

ChannelFileRead fromKernel(const kernel::ChannelFileRead& read) {
    return {read.error,
            {zt41::fromKernel(read.contents.squelch), zt41::fromKernel(read.contents.rows)}};
}

} // namespace

std::optional<QByteArray> channelValueBytes(const QString& text, EdgeBlanks edges) {
    if (!carriedByUtf8(text))
        return std::nullopt;
    const std::optional<std::string> bytes = kernel::channelValueBytes(toKernel(text), edges);
    return bytes ? std::optional<QByteArray>(QByteArray::fromStdString(*bytes)) : std::nullopt;
}

std::optional<QByteArray> encodeChannelFile(const QString& squelch, const ChannelRows& rows) {
    if (!carriedByUtf8(squelch))
        return std::nullopt;
    for (const ChannelRecord& row : rows)
        for (const FieldValue& v : row.fields)
            if (v && !carriedByUtf8(*v))
                return std::nullopt;
    const std::optional<std::string> bytes =
        kernel::formatChannelFile({toKernel(squelch), toKernel(rows)});
    return bytes ? std::optional<QByteArray>(QByteArray::fromStdString(*bytes)) : std::nullopt;
}

bool ChannelValueSplitter::feed(const char* data, qsizetype size) {
    const bool more = m_splitter.feed(data, static_cast<std::size_t>(size));
    takeNewValues();
    return more;
}

void ChannelValueSplitter::finish() {
    m_splitter.finish();
    takeNewValues();
}

void ChannelValueSplitter::takeNewValues() {
    const std::vector<std::string>& values = m_splitter.values();
    for (auto i = static_cast<std::size_t>(m_values.size()); i < values.size(); ++i)
        m_values.append(fromKernel(values[i]));
}

bool isChannelFileNumber(const QString& value) {
    return kernel::isChannelFileNumber(toKernel(value));
}

bool convertChannelValues(const QStringList& values, ChannelFileContents& out) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(values.size()));
    for (const QString& v : values)
        texts.push_back(toKernel(v));
    kernel::ChannelSet set;
    const bool ok = kernel::convertChannelValues(texts, set);
    if (values.size() >= kChannelFileValues) {
        out.squelch = fromKernel(set.squelch);
        for (int r = 0; r < kChannelCount; ++r)
            for (int f = 1; f < kFieldCount; ++f)
                out.rows[r].fields[f] = fromKernel(set.rows[r].fields[f]);
    }
    return ok;
}

ChannelFileRead readChannelFile(QIODevice& device) {
    kernel::ChannelValueSplitter splitter;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = device.read(buffer, sizeof buffer);
        if (n < 0)
            return {ChannelFileError::CannotOpen, {}};
        if (n == 0) {
            splitter.finish();
            break;
        }
        if (!splitter.feed(buffer, static_cast<std::size_t>(n)))
            break;
    }
    return fromKernel(kernel::readSplitValues(splitter));
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
