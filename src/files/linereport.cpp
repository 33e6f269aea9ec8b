// SPDX-License-Identifier: GPL-3.0-or-later
#include "linereport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace zt41 {

namespace {

const QByteArray kCsvHeader = "time,device,name,result,status,backup,first difference\n";

QByteArray csvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        return '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

// The fields of one CSV record; nothing when the quoting is broken.
std::optional<QStringList> csvFields(const QByteArray& text) {
    if (!text.endsWith('\n'))
        return std::nullopt;
    QStringList fields;
    QByteArray field;
    bool quoted = false;
    qsizetype i = 0;
    const qsizetype end = text.size() - 1;
    while (i < end) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < end && text[i + 1] == '"') {
                field += '"';
                i += 2;
                continue;
            }
            if (c == '"') {
                quoted = false;
                ++i;
                if (i < end && text[i] != ',')
                    return std::nullopt;
                continue;
            }
            field += c;
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            fields << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\n' || c == '\r' || c == '"') {
            return std::nullopt;
        } else {
            field += c;
        }
        ++i;
    }
    if (quoted)
        return std::nullopt;
    fields << QString::fromUtf8(field);
    return fields;
}

} // namespace

ReportKind reportKindFor(const QString& path) {
    return path.endsWith(QStringLiteral(".jsonl"), Qt::CaseInsensitive) ||
                   path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
               ? ReportKind::JsonLines
               : ReportKind::Csv;
}

QByteArray reportHeader(ReportKind kind) {
    return kind == ReportKind::Csv ? kCsvHeader : QByteArray();
}

QByteArray reportRecordText(ReportKind kind, const ReportRecord& r) {
    if (kind == ReportKind::Csv) {
        const QStringList fields{r.time,
                                 r.device,
                                 r.name,
                                 r.status == 0 ? QStringLiteral("ok") : r.message,
                                 QString::number(r.status),
                                 r.backup,
                                 r.difference};
        QByteArray line;
        for (qsizetype i = 0; i < fields.size(); ++i)
            line += (i ? QByteArray(",") : QByteArray()) + csvField(fields[i]);
        return line + '\n';
    }
    const QJsonObject o{{"time", r.time},      {"device", r.device},        {"name", r.name},
                        {"ok", r.status == 0}, {"status", r.status},        {"message", r.message},
                        {"backup", r.backup},  {"difference", r.difference}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<ReportRecord> parseReportRecord(ReportKind kind, const QByteArray& text) {
    ReportRecord r;
    if (kind == ReportKind::Csv) {
        const std::optional<QStringList> f = csvFields(text);
        bool number = false;
        if (!f || f->size() != 7)
            return std::nullopt;
        r.status = f->at(4).toInt(&number);
        if (!number || f->at(4) != QString::number(r.status))
            return std::nullopt;
        r.time = f->at(0);
        r.device = f->at(1);
        r.name = f->at(2);
        r.message = r.status == 0 ? QString() : f->at(3);
        r.backup = f->at(5);
        r.difference = f->at(6);
        return r;
    }
    if (!text.endsWith('\n') || text.count('\n') != 1)
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(text);
    const QJsonObject o = doc.object();
    for (const char* key : {"time", "device", "name", "message", "backup", "difference"})
        if (!o.value(QLatin1String(key)).isString())
            return std::nullopt;
    if (!o.value(QLatin1String("status")).isDouble() || !o.value(QLatin1String("ok")).isBool())
        return std::nullopt;
    r.time = o.value(QLatin1String("time")).toString();
    r.device = o.value(QLatin1String("device")).toString();
    r.name = o.value(QLatin1String("name")).toString();
    r.status = o.value(QLatin1String("status")).toInt();
    r.message = o.value(QLatin1String("message")).toString();
    r.backup = o.value(QLatin1String("backup")).toString();
    r.difference = o.value(QLatin1String("difference")).toString();
    return r;
}

bool startsReportOfKind(ReportKind kind, const QByteArray& start) {
    if (start.isEmpty())
        return true;
    if (kind == ReportKind::Csv)
        return start.startsWith(kCsvHeader);
    const qsizetype end = start.indexOf('\n');
    return end >= 0 && parseReportRecord(kind, start.left(end + 1)).has_value();
}

} // namespace zt41
