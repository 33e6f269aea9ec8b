// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Channel lists in CHIRP's CSV form, the exchange format of hobby radio
// programmers, bytes in and bytes out. Columns are found by their header
// names, in any order; unknown ones are ignored. The radio has no names, modes
// or DTCS, so only frequencies, CTCSS tones and power travel; the
// beat-frequency shift rides in Comment as "bt=on".

#include "record.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

// Repeater directories run to a few thousand rows; anything far beyond that
// is not a channel list and is not read.
constexpr std::int64_t kChirpMaxFileSize = 8 * 1024 * 1024;

// Why a file cannot be imported, or a list not exported. Nothing is changed then.
enum class ChirpRefusal {
    None,
    CannotOpen,        // missing, a folder, unreadable
    TooLarge,          // far larger than any channel list
    NotText,           // NUL bytes: a binary file
    UnclosedQuote,     // a quoted value runs to the end of the file
    NoHeader,          // empty, or only blank lines
    NoFrequencyColumn, // the first line names no Frequency column
    NoUsableRow,       // no row gives a channel with a receive frequency
    CannotStore,       // the channel database refused the rows
    CannotWrite,       // export: the file could not be written
};

enum class ChirpWarningKind {
    NotANumber,          // a frequency or offset that is not a number
    OutOfRange,          // a receive or transmit frequency outside 130..500 MHz
    OffStep,             // neither a 5 kHz nor a 6.25 kHz multiple
    UnknownDuplex,       // Duplex other than "", "+", "-", "split", "off"
    ToneNotInSet,        // not one of the radio's 39 CTCSS tones
    UnsupportedToneMode, // DTCS and the other modes the radio cannot do
    UnknownPower,        // neither a wattage nor a word starting with H or L
    NotFm,               // Mode other than FM: the channel is taken as FM
    BadLocation,         // Location is not a whole number: the row goes last
    RowsLeftOut,         // more rows than channels; `text` holds how many
    FinerThan10Hz,       // a frequency with digits finer than the radio's 10 Hz
    NegativeOffset,      // "+" or "-" with a negative Offset: which way was meant?
    TonesDiffer,         // TSQL with rToneFreq other than cToneFreq: cToneFreq taken
    NoReceiveFrequency,  // export: a channel with data but no receive frequency, left out
};

// One thing an import could not take as it stood. The value in question was
// left empty (or, for NotFm and BadLocation, taken as described) and never
// silently changed.
struct ChirpWarning {
    int line = 0;    // line of the file where the row starts (the header is line 1); 0 for the file
    int channel = 0; // channel 1..16 the row went into; 0 when it was left out
    std::string column; // the CSV column the value came from ("Frequency", "Offset", ...)
    ChirpWarningKind kind = ChirpWarningKind::NotANumber;
    std::string
        text; // the value as the file has it (for an offset: the transmit frequency it gave)

    bool operator==(const ChirpWarning&) const = default;
};

struct ChirpImport {
    ChirpRefusal refusal = ChirpRefusal::None;
    ChannelRows rows{};                 // all 16 channels, `no` numbered 1..16 as frames need it
    std::vector<ChirpWarning> warnings; // in channel order, the left-out rows last
    int channels = 0;                   // channels that received a receive frequency
};

// Parses the bytes of a CSV file: UTF-8 (an optional byte-order mark) or
// UTF-16 with its byte-order mark, any line ends, values separated by commas
// or, where the header holds no comma, by semicolons as many spreadsheets write them.
// A UTF-16 file's unpaired surrogates read as U+FFFD.
ChirpImport importChirpCsv(std::string_view bytes);

// One row per channel with a receive frequency, Location 1..16, Name "CH01"...,
// CRLF line ends, which every spreadsheet reads.
std::string encodeChirpCsv(const ChannelRows& rows);
// The channels an export leaves out, because no CSV row can carry them: data
// but no receive frequency (a transmit frequency alone, say).
std::vector<ChirpWarning> chirpExportLeftOut(const ChannelRows& rows);

struct ChirpExport {
    std::string text;
    std::vector<ChirpWarning> leftOut;
};
inline ChirpExport exportChirpCsv(const ChannelRows& rows) {
    return {encodeChirpCsv(rows), chirpExportLeftOut(rows)};
}

// Whether a file name chosen in a dialog means CHIRP CSV (".csv", any case).
bool isChirpCsvFileName(std::string_view path);

} // namespace zt41::kernel
