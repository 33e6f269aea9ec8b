// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zt41::cli {

// The squelch level and 16 rows the tool works with; rows numbered 1 to 16.
using zt41::ChannelSet;

// Reads a channel file (.doc), a CHIRP CSV file (.csv) or the window's
// channel database (ZT41XE.mdb, opened read-only and never changed). A CSV
// file and a database hold no squelch level: `squelchIfNone` stands in for it.
// Nothing, with one line saying why, when the file cannot be used; with
// `mustTravel`, a row the frames cannot carry counts too. What a CSV import
// could not take as it stood comes in `warnings`, one line each.
std::optional<ChannelSet> loadChannelSet(const QString& path, const QString& squelchIfNone,
                                         bool mustTravel, QString* error,
                                         QStringList* warnings = nullptr);

// The kinds of file the tool writes.
enum class OutputKind { ChannelFile, ChirpCsv };

// Whether the tool may write `path` (an -o, a report): the library's output
// check, never onto one of `inputs`; false with one line saying why.
bool acceptOutput(const QString& path, const QStringList& inputs, QString* error);

// What to write under `path`: CSV for ".csv", a channel file for ".doc" (and,
// unless `onlyKnownNames`, for any other name). Nothing, with one line saying
// why, when acceptOutput() refuses it: the tool never changes a database.
std::optional<OutputKind> outputKindFor(const QString& path, bool onlyKnownNames, QString* error,
                                        const QStringList& inputs = {});

// Saves through a temporary file, so a failure leaves an existing file intact.
bool saveChannelSet(const QString& path, OutputKind kind, const ChannelSet& set, QString* error);

} // namespace zt41::cli
