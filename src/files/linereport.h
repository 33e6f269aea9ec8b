// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zt41 {

// The programming line's report: one record per radio, as CSV (a header
// line first) or as JSON lines (".jsonl", ".json").
enum class ReportKind { Csv, JsonLines };

struct ReportRecord {
    QString time; // ISO 8601 with milliseconds, local time
    QString device;
    QString name; // the name the radio was found by (a by-id link)
    int status = 0;
    QString message; // empty when status is 0
    QString backup;
    QString difference; // the first difference found by the verify
    bool operator==(const ReportRecord&) const = default;
};

ReportKind reportKindFor(const QString& path);
// The CSV header line, ending in a line break; nothing for JSON lines.
QByteArray reportHeader(ReportKind kind);
// One record, ending in a line break. Every character is carried: a CSV field
// with a comma, a quote or any line break is quoted.
QByteArray reportRecordText(ReportKind kind, const ReportRecord& record);
// One record's text (as reportRecordText() wrote it) read back; nothing when
// it is not one.
std::optional<ReportRecord> parseReportRecord(ReportKind kind, const QByteArray& text);
// Whether `start` (the first bytes of an existing file) begins a report of
// that kind: the CSV header, or a JSON record; an empty file is a new report.
bool startsReportOfKind(ReportKind kind, const QByteArray& start);

} // namespace zt41
