// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zt41::cli {

// The tool's exit statuses; the README lists them.
enum ExitStatus : int {
    kDone = 0,
    kUsage = 1,       // bad command line, unknown port name
    kPortOrRadio = 2, // a port did not open, the radio did not answer or a transfer failed
    kDifferences = 3, // what the radio holds (or the second file) differs
    kBadInput = 4,    // an input file is missing, malformed, or holds a row that cannot travel
    kCannotSave = 5,  // an output or backup file could not be written
    kInterrupted = 130,
};

} // namespace zt41::cli
