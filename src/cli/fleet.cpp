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

void out(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

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

int Fleet::run() {
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

QString Fleet::progressLine(const RadioJob* job) const {
    QString line = job->port() + QStringLiteral(": ") + RadioJob::stepName(job->step());
    switch (job->step()) {
    case RadioJob::Step::Backup:
    case RadioJob::Step::Writing:
    case RadioJob::Step::Verifying:
    case RadioJob::Step::Reading:
        line += QStringLiteral(" [%1] ").arg(bar(job->frame())) +
                Words::tr("frame %1 of 16").arg(job->frame());
        break;
    case RadioJob::Step::Done:
        line += job->result().status == kDone ? Words::tr(", ok") : Words::tr(", failed");
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
        const QString step = RadioJob::stepName(job->step());
        if (m_lastStep[i] == step)
            return;
        m_lastStep[i] = step;
        out(job->port() + QStringLiteral(": ") + step + u'\n');
        std::fflush(stdout);
        return;
    }
    }
}

void Fleet::draw() {
    QString text;
    // Back to the first line drawn, then every line again, each cleared to its end.
    if (m_drawnLines > 0)
        text += QStringLiteral("\x1b[%1F").arg(m_drawnLines);
    for (const RadioJob* job : m_jobs)
        text += QStringLiteral("\x1b[2K") + progressLine(job) + u'\n';
    m_drawnLines = static_cast<int>(m_jobs.size());
    out(text);
    std::fflush(stdout);
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
    out(text);
    std::fflush(stdout);
    for (const RadioJob* job : m_jobs) {
        const RadioJob::Result& r = job->result();
        if (r.status == kDone)
            continue;
        complain(QStringLiteral("%1: %2").arg(job->port(), r.message));
        for (const FieldDifference& d : r.differences)
            complain(QStringLiteral("%1: %2").arg(
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
    const QJsonObject doc{{"command", m_command}, {"status", status}, {"radios", radios}};
    out(QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Indented)));
    std::fflush(stdout);
}

} // namespace zt41::cli
