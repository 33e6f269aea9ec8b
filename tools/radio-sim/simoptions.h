// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiomodel.h"

#include <QString>
#include <QStringList>

namespace zt41::sim {

struct SimOptions {
    QString linkPath;
    QString memoryPath;
    QString logPath;
    bool fast = false;
    bool halfPace = false;
    RadioQuirks quirks;
};

// Reads the command line. Returns false when the simulator should not run:
// `message` then holds the help text (`isError` false) or what was wrong.
bool parseSimOptions(const QStringList& arguments, SimOptions& options, QString& message,
                     bool& isError);

} // namespace zt41::sim
