// SPDX-License-Identifier: GPL-3.0-or-later
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
int servicesCommand(const QStringList& arguments);
int checkCommand(const QStringList& arguments);
int planCommand(const QStringList& arguments);
int cardCommand(const QStringList& arguments);
// card draws with fonts: it runs in a GUI application of its own, offscreen.
int cardMain(int argc, char* argv[]);

} // namespace zt41::cli
