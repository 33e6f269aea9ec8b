// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "kernel/chirpcsv.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zt41 {

class ChannelTable;

// Channel lists in CHIRP's CSV form, the exchange format of hobby radio
// programmers. Columns are found by their header names, in any order; unknown
// ones are ignored. The radio has no names, modes or DTCS, so only frequencies,
// CTCSS tones and power travel; the beat-frequency shift rides in Comment as
// "bt=on".

// Why a file cannot be imported, or a list not exported; what an import warns about.
using kernel::ChirpRefusal;
using kernel::ChirpWarningKind;

// One thing an import could not take as it stood. The value in question was
// left empty (or, for NotFm and BadLocation, taken as described) and never
// silently changed.
struct ChirpWarning {
    int line = 0;    // line of the file where the row starts (the header is line 1); 0 for the file
    int channel = 0; // channel 1..16 the row went into; 0 when it was left out
    QString column;  // the CSV column the value came from ("Frequency", "Offset", "cToneFreq", ...)
    ChirpWarningKind kind = ChirpWarningKind::NotANumber;
    QString text; // the value as the file has it (for an offset: the transmit frequency it gave)

    bool operator==(const ChirpWarning&) const = default;
};

struct ChirpImport {
    ChirpRefusal refusal = ChirpRefusal::None;
    ChannelRows rows{};           // all 16 channels, `no` numbered 1..16 as frames need it
    QList<ChirpWarning> warnings; // in channel order, the left-out rows last
    int channels = 0;             // channels that received a receive frequency
};

// Parses the bytes of a CSV file: UTF-8 (an optional byte-order mark) or
// UTF-16 with its byte-order mark, any line ends, values separated by commas
// or, where the header holds no comma, by semicolons as many spreadsheets write them.
ChirpImport parseChirpCsv(const QByteArray& bytes);
ChirpImport readChirpCsv(const QString& path);

// One row per channel with a receive frequency, Location 1..16, Name "CH01"...,
// CRLF line ends, which every spreadsheet reads.
QByteArray encodeChirpCsv(const ChannelRows& rows);
// The channels an export leaves out, because no CSV row can carry them: data
// but no receive frequency (a transmit frequency alone, say).
QList<ChirpWarning> chirpExportLeftOut(const ChannelRows& rows);
// Written through QSaveFile: a failed export leaves an existing file intact.
ChirpRefusal saveChirpCsv(const QString& path, const ChannelRows& rows);

// The table commands, for the window and the tool alike.
// Import: all 16 rows replaced in one transaction, first row current after;
// on a refusal the table is untouched.
ChirpImport importChirpCsv(ChannelTable& table, const QString& path);
// Export: never over the channel database itself (CannotWrite).
ChirpRefusal exportChirpCsv(const ChannelTable& table, const QString& path);

// Whether a file name chosen in a dialog means CHIRP CSV (".csv", any case).
bool isChirpCsvFileName(const QString& path);

} // namespace zt41
