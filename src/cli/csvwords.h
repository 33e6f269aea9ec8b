// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/chirpcsv.h"

#include <QString>

namespace zt41::cli {

// The tool's words for what a CSV import or export reports.
QString csvRefusalText(ChirpRefusal refusal);
QString csvWarningText(const ChirpWarning& warning);

} // namespace zt41::cli
