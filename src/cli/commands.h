#pragma once

#include <QStringList>

namespace zt41::cli {

// Each command takes its own arguments (the command's name first) and gives
// the exit status.
int portsCommand(const QStringList& arguments);
int readCommand(const QStringList& arguments);
int writeCommand(const QStringList& arguments);
int verifyCommand(const QStringList& arguments);
int showCommand(const QStringList& arguments);
int diffCommand(const QStringList& arguments);
int convertCommand(const QStringList& arguments);
int doctorCommand(const QStringList& arguments);

} // namespace zt41::cli
