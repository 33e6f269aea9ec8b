// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chirpcsv.h"

#include <QList>
#include <QString>

namespace zt41 {

class ChannelTable;
class MessageSink;

// Words for the outcomes of a CSV import or export, in the window's Chinese
// or the tool's English.
enum class ChirpLanguage { Chinese, English };
QString chirpRefusalText(ChirpRefusal refusal, ChirpLanguage language);
QString chirpWarningText(const ChirpWarning& warning, ChirpLanguage language);
// All warnings of an import as one message: a heading line, then one line each.
QString chirpWarningsMessage(const QList<ChirpWarning>& warnings, ChirpLanguage language);

// The window's commands in one call each: the outcome shown through `messages`
// in Chinese (a refusal as an error, the warnings of an import as one list).
bool importTableFromChirpCsv(ChannelTable& table, const QString& path, MessageSink& messages);
bool exportTableToChirpCsv(const ChannelTable& table, const QString& path, MessageSink& messages);

} // namespace zt41
