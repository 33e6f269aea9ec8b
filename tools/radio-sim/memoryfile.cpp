// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryfile.h"

#include "channels/squelch.h"

#include <QFileInfo>

namespace zt41::sim {

RadioFrames framesFromChannelFile(const ChannelFileContents& contents) {
    RadioFrames frames;
    for (int k = 1; k <= kChannelCount; ++k) {
        // The file has no channel numbers; the radio's slots are in order.
        ChannelRecord row = contents.rows[k - 1];
        row[Field::No] = QString::number(k);
        frames[k - 1] = EncodeChannelFrame(k, contents.squelch, row).toLatin1();
    }
    return frames;
}

ChannelFileContents channelFileFromFrames(const RadioFrames& frames) {
    ChannelFileContents contents;
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString squelch =
            DecodeChannelFrame(QString::fromLatin1(frames[k - 1]), k, contents.rows[k - 1]);
        // Frame 1's squelch position may hold any byte the line delivered; the
        // radio sends back the level it stands for, and that is what is kept.
        if (k == 1)
            contents.squelch = QString::number(Squelch::levelForFrame(squelch));
    }
    return contents;
}

std::optional<RadioFrames> MemoryFile::load(QString& error) const {
    if (!QFileInfo::exists(m_path))
        return emptyRadioFrames();
    const ChannelFileRead read = readChannelFile(m_path);
    if (read.error != ChannelFileError::None) {
        error = QStringLiteral("cannot read the memory file %1 (error %2)")
                    .arg(m_path)
                    .arg(static_cast<int>(read.error));
        return std::nullopt;
    }
    return framesFromChannelFile(read.contents);
}

bool MemoryFile::save(const RadioFrames& frames) const {
    const ChannelFileContents contents = channelFileFromFrames(frames);
    return saveChannelFile(m_path, contents.squelch, contents.rows) == ChannelFileError::None;
}

} // namespace zt41::sim
