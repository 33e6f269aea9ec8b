// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleet.h"

#include "channeltext.h"
#include "words.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

namespace zt41::cli {

namespace {

QString bar(int frame) {
    return QString(frame, u'#') + QString(16 - frame, u'.');
}

} // namespace

Fleet::Fleet(const QString& command, Style style, QObject* parent)
    : QObject(parent)
    , m_command(command)
    , m_style(style) {}

void Fleet::add(RadioJob* job) {
    job->setParent(this);
    m_jobs.push_back(job);
    m_lastStep.emplace_back();
    connect(job, &RadioJob::changed, this, [this, job] { jobChanged(job); });
}

void Fleet::run() {
    QEventLoop loop;
    m_running = static_cast<int>(m_jobs.size());
    for (RadioJob* job : m_jobs)
        connect(job, &RadioJob::finished, &loop, [this, &loop] {
            if (--m_running == 0)
                loop.quit();
        });
    for (RadioJob* job : m_jobs)
        job->start();
    if (m_running > 0)
        loop.exec();
}

int Fleet::report() {
    if (m_style == Style::Json) {
        printJson();
    } else {
        if (m_style == Style::Terminal)
            draw();
        printOutcomes();
    }
    int status = kDone;
    for (const RadioJob* job : m_jobs)
        status = qMax(status, job->result().status);
    return status;
}

void Fleet::abortAll(const QString& why) {
    for (RadioJob* job : m_jobs)
        job->abort(why);
}

QString Fleet::stepText(const RadioJob* job) {
    if (job->isDone() && job->result().status != kDone)
        return Words::tr("failed");
    return RadioJob::stepName(job->step());
}

bool Fleet::settled(const RadioJob* job) {
    // The last step is told once the result says how it ended.
    return job->step() != RadioJob::Step::Done || job->isDone();
}

QString Fleet::progressLine(const RadioJob* job) const {
    QString line = job->port() + QStringLiteral(": ") + stepText(job);
    switch (job->step()) {
    case RadioJob::Step::Backup:
    case RadioJob::Step::Writing:
    case RadioJob::Step::Verifying:
    case RadioJob::Step::Reading:
        line += QStringLiteral(" [%1] ").arg(bar(job->frame())) +
                Words::tr("frame %1 of 16").arg(job->frame());
        break;
    case RadioJob::Step::Done:
        if (job->result().status == kDone)
            line += Words::tr(", ok");
        break;
    default:
        break;
    }
    return line;
}

void Fleet::jobChanged(RadioJob* job) {
    switch (m_style) {
    case Style::Json:
        return;
    case Style::Terminal:
        draw();
        return;
    case Style::Lines: {
        // One line per step, not per frame: a log stays short.
        const size_t i = std::find(m_jobs.begin(), m_jobs.end(), job) - m_jobs.begin();
        const QString step = stepText(job);
        if (m_lastStep[i] == step || !settled(job))
            return;
        m_lastStep[i] = step;
        writeOut(job->port() + QStringLiteral(": ") + step + u'\n');
        return;
    }
    }
}

void Fleet::draw() {
    QString text;
    // Back to the first line drawn, then every line again, each cleared to its end.
    if (m_drawnLines > 0)
        text += QStringLiteral("\x1b[%1F").arg(m_drawnLines);
    // A line wider than the terminal would wrap, and the redraw leave stale copies.
    const int columns = terminalColumns();
    for (const RadioJob* job : m_jobs)
        text += QStringLiteral("\x1b[2K") + cutToWidth(progressLine(job), columns - 1) + u'\n';
    m_drawnLines = static_cast<int>(m_jobs.size());
    writeOut(text);
}

void Fleet::printOutcomes() {
    const QString portHead = Words::tr("PORT");
    qsizetype width = displayWidth(portHead);
    for (const RadioJob* job : m_jobs)
        width = qMax(width, displayWidth(job->port()));
    QString text;
    if (m_printRead) {
        for (const RadioJob* job : m_jobs) {
            const RadioJob::Result& r = job->result();
            if (!r.haveRead)
                continue;
            if (m_jobs.size() > 1)
                text += QStringLiteral("\n%1:\n").arg(job->port());
            text += channelTable(r.read.squelch, r.read.rows);
        }
    }
    text += u'\n' + padRight(portHead, width) + QStringLiteral("  ") + Words::tr("RESULT") + u'\n';
    for (const RadioJob* job : m_jobs) {
        const RadioJob::Result& r = job->result();
        QString result;
        if (r.status == kDone) {
            result = Words::tr("ok");
        } else {
            result = Words::tr("FAILED (%1): %2").arg(r.status).arg(r.message);
        }
        if (!r.backupPath.isEmpty())
            result += Words::tr("; backup %1").arg(r.backupPath);
        text += padRight(job->port(), width) + QStringLiteral("  ") + result + u'\n';
    }
    for (const QString& line : m_closingLines)
        text += line + u'\n';
    writeOut(text);
    const bool outputLost = outputFailed();
    for (const RadioJob* job : m_jobs) {
        const RadioJob::Result& r = job->result();
        if (r.status == kDone) {
            // The radios were done all the same: standard error says so.
            if (outputLost)
                complain(Words::tr("%1: %2").arg(job->port(), Words::tr("ok")));
            continue;
        }
        complain(Words::tr("%1: %2").arg(job->port(), r.message));
        for (const FieldDifference& d : r.differences)
            complain(Words::tr("%1: %2").arg(
                job->port(), differenceLine(d, Words::tr("expected"), Words::tr("in the radio"))));
    }
}

void Fleet::printJson() {
    QJsonArray radios;
    int status = kDone;
    for (const RadioJob* job : m_jobs) {
        const RadioJob::Result& r = job->result();
        status = qMax(status, r.status);
        QJsonObject o{{"port", job->port()},
                      {"device", job->device()},
                      {"ok", r.status == kDone},
                      {"status", r.status}};
        if (!r.message.isEmpty())
            o.insert(QStringLiteral("message"), r.message);
        if (!r.backupPath.isEmpty())
            o.insert(QStringLiteral("backup"), r.backupPath);
        if (!r.differences.isEmpty()) {
            QJsonArray diffs;
            for (const FieldDifference& d : r.differences)
                diffs.append(QJsonObject{{"channel", d.channel},
                                         {"field", fieldKey(d.field)},
                                         {"expected", d.expected},
                                         {"actual", d.actual}});
            o.insert(QStringLiteral("differences"), diffs);
        }
        if (r.haveRead) {
            QJsonArray rows;
            for (int k = 0; k < kChannelCount; ++k) {
                QJsonObject row{{"channel", k + 1}};
                for (int f = 1; f < kFieldCount; ++f)
                    row.insert(QString::fromLatin1(kFieldNames[f]),
                               r.read.rows[k].fields[f] ? QJsonValue(*r.read.rows[k].fields[f])
                                                        : QJsonValue());
                rows.append(row);
            }
            o.insert(QStringLiteral("squelch"), r.read.squelch);
            o.insert(QStringLiteral("channels"), rows);
        }
        radios.append(o);
    }
    const QJsonObject doc{{"command", m_command},
                          {"status", status},
                          {"warnings", QJsonArray::fromStringList(m_warnings)},
                          {"radios", radios}};
    writeOut(QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Indented)));
}

} // namespace zt41::cli
