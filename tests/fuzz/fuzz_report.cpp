// SPDX-License-Identifier: GPL-3.0-or-later
// The programming line's report writer: any record, written as CSV or as a
// JSON line, reads back to its fields, is one record, and follows the
// header as a report of its kind.
#include "files/linereport.h"
#include "fuzzdata.h"

using namespace zt41;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayList pieces = fuzzPieces(data, size);
    const auto text = [&](int i) {
        return QString::fromUtf8(pieces.value(i));
    };
    ReportRecord record{text(0), text(1), text(2), pieces.value(3).toInt(),
                        text(4), text(5), text(6)};
    if (record.status == 0)
        record.message.clear(); // "ok" stands in its place
    for (const ReportKind kind : {ReportKind::Csv, ReportKind::JsonLines}) {
        const QByteArray line = reportRecordText(kind, record);
        const std::optional<ReportRecord> back = parseReportRecord(kind, line);
        if (!back)
            fuzzFail("a record written does not read back", QString::fromUtf8(line));
        if (*back != record)
            fuzzFail("a record reads back other fields", QString::fromUtf8(line));
        if (!startsReportOfKind(kind, reportHeader(kind) + line))
            fuzzFail("a new report is not a report of its kind", QString::fromUtf8(line));
        // Only a quoted field holds a line break: a reader going by lines sees one record.
        if (kind == ReportKind::JsonLines && line.count('\n') != 1)
            fuzzFail("a JSON record spans lines", QString::fromUtf8(line));
    }
    return 0;
}
