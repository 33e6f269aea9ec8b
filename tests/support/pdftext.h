// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a poppler-utils tool (pdftotext, pdffonts, pdfinfo) prints about a
// PDF; empty when it did not run or refused the file.
inline QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF, laid out as on the page.
inline QString pdfText(const QString& pdf) {
    return poppler(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}
