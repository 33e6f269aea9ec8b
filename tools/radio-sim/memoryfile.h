// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/channelfile.h"
#include "radiomodel.h"

#include <QString>

#include <optional>

namespace zt41::sim {

// The radio's memory as the program's channel file holds it. The file keeps
// what the channels mean, not the frames' bytes: a frame that is not what the
// program would send for its row comes back as the frame the program would send.
RadioFrames framesFromChannelFile(const ChannelFileContents& contents);
ChannelFileContents channelFileFromFrames(const RadioFrames& frames);

// Keeps the memory in a channel file so that a write to one simulator run can
// be read back by a later one.
class MemoryFile {
public:
    explicit MemoryFile(QString path)
        : m_path(std::move(path)) {}

    // A file that is not there yet gives the empty radio; one that cannot be
    // read gives nothing, and `error` says why.
    std::optional<RadioFrames> load(QString& error) const;
    bool save(const RadioFrames& frames) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace zt41::sim
