#pragma once

#include "channels/channelrecord.h"

#include <QString>

#include <optional>

namespace zt41::cli {

// The squelch level and 16 rows the tool works with; rows numbered 1 to 16.
struct ChannelSet {
    QString squelch;
    ChannelRows rows{};
};

// Reads a channel file (.doc) or the window's channel database (ZT41XE.mdb,
// opened read-only and never changed). A database holds no squelch level:
// `databaseSquelch` stands in for it. Nothing, with one line saying why,
// when the file cannot be used; with `mustTravel`, a row the frames cannot
// carry counts too.
std::optional<ChannelSet> loadChannelSet(const QString& path, const QString& databaseSquelch,
                                         bool mustTravel, QString* error);

} // namespace zt41::cli
