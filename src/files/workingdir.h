#pragma once

#include <QString>

namespace zt41 {

class MessageSink;

// The working directory, taken before a file dialog and set back after it:
// the channel database is found relative to it.
// On failure GetCurDir shows "Error" and gives empty text.
QString GetCurDir(MessageSink& messages);
// On failure (an empty path included) shows "ERROR" and gives false.
bool SetCurDir(const QString& path, MessageSink& messages);

} // namespace zt41
