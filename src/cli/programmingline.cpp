// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmingline.h"

#include "channeltext.h"
#include "link/devicepath.h"
#include "words.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

namespace zt41::cli {

namespace {

// The devices a folder shows: in /dev the USB serial ports, elsewhere (by-id,
// a folder of links) every entry.
QStringList devicesIn(const QString& folder) {
    const QDir dir(folder);
    const bool dev = QDir::cleanPath(dir.absolutePath()) == u"/dev";
    const QStringList filters =
        dev ? QStringList{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")} : QStringList{};
    QStringList out;
    for (const QFileInfo& f :
         dir.entryInfoList(filters, QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        if (f.exists()) // a link whose device has gone is no device
            out << f.absoluteFilePath();
    return out;
}

QString csvField(QString text) {
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n'))
        return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

} // namespace

ProgrammingLine::ProgrammingLine(Settings settings, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings)) {
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ProgrammingLine::rescan);
}

bool ProgrammingLine::prepare(QString* error) {
    for (const QString& folder : m_settings.folders)
        if (QFileInfo(folder).isDir())
            m_watcher.addPath(folder);
    if (m_watcher.directories().isEmpty()) {
        *error = Words::tr("no folder to watch: %1").arg(m_settings.folders.join(u' '));
        return false;
    }
    if (m_settings.reportPath.isEmpty())
        return true;
    m_csv = !m_settings.reportPath.endsWith(QStringLiteral(".jsonl"), Qt::CaseInsensitive) &&
            !m_settings.reportPath.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    m_report.setFileName(m_settings.reportPath);
    const bool fresh = !m_report.exists() || m_report.size() == 0;
    if (!m_report.open(QIODevice::Append | QIODevice::Text)) {
        *error = Words::tr("cannot write the report %1").arg(m_settings.reportPath);
        return false;
    }
    if (m_csv && fresh)
        m_report.write("time,device,name,result,status,backup,first difference\n");
    m_report.flush();
    return true;
}

QHash<QString, QString> ProgrammingLine::present() const {
    QHash<QString, QString> out;
    for (const QString& folder : m_watcher.directories())
        for (const QString& d : devicesIn(folder)) {
            const QString real = realDevicePath(d);
            // A by-id link names the radio better than the device it points to.
            if (!out.contains(real) || QFileInfo(d).isSymLink())
                out.insert(real, d);
        }
    return out;
}

int ProgrammingLine::run() {
    const QHash<QString, QString> atStart = present();
    for (auto it = atStart.begin(); it != atStart.end(); ++it) {
        m_known.insert(it.key());
        if (!m_settings.onlyNew)
            startUnit(it.key(), it.value());
    }
    drawTally();
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    if (m_settings.terminal)
        writeOut(QStringLiteral("\n"));
    return m_worst;
}

void ProgrammingLine::rescan() {
    if (m_interrupts > 0)
        return;
    const QHash<QString, QString> now = present();
    // Gone: forgotten, so that the next plug-in is a new unit.
    for (auto it = m_known.begin(); it != m_known.end();)
        it = now.contains(*it) ? std::next(it) : m_known.erase(it);
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (m_known.contains(it.key()))
            continue;
        m_known.insert(it.key());
        // udev gives a new device its owner and mode a moment after it appears.
        QTimer::singleShot(kSettleMs, this, [this, device = it.key(), name = it.value()] {
            if (m_interrupts == 0 && m_known.contains(device))
                startUnit(device, name);
        });
    }
}

void ProgrammingLine::startUnit(const QString& device, const QString& name) {
    if (m_units.contains(device))
        return;
    auto* job = new RadioJob(name, device, m_settings.job, this);
    m_units.insert(device, job);
    connect(job, &RadioJob::finished, this, [this, job, device, name] {
        m_units.remove(device);
        unitEnded(job, name);
        job->deleteLater();
    });
    connect(job, &RadioJob::changed, this, &ProgrammingLine::drawTally);
    job->start();
}

void ProgrammingLine::unitEnded(RadioJob* job, const QString& name) {
    const RadioJob::Result& r = job->result();
    if (r.status == kDone)
        ++m_done;
    else
        ++m_failed;
    m_worst = qMax(m_worst, r.status);
    QString line =
        QStringLiteral("%1  %2  %3  %4")
            .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), job->device(), name,
                 r.status == kDone ? Words::tr("ok")
                                   : Words::tr("FAILED (%1): %2").arg(r.status).arg(r.message));
    if (!r.backupPath.isEmpty())
        line += Words::tr("; backup %1").arg(r.backupPath);
    if (m_settings.terminal)
        writeOut(QStringLiteral("\r\x1b[2K"));
    writeOut(line + (r.status == kDone ? QString() : QStringLiteral("\a")) + u'\n');
    record(*job, name);
    drawTally();
    maybeQuit();
}

void ProgrammingLine::record(const RadioJob& job, const QString& name) {
    if (!m_report.isOpen())
        return;
    const RadioJob::Result& r = job.result();
    const QString when = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
    const QString difference = r.differences.isEmpty()
                                   ? QString()
                                   : differenceLine(r.differences.first(), Words::tr("expected"),
                                                    Words::tr("in the radio"));
    if (m_csv) {
        const QStringList fields{when,
                                 job.device(),
                                 name,
                                 r.status == kDone ? QStringLiteral("ok") : r.message,
                                 QString::number(r.status),
                                 r.backupPath,
                                 difference};
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        m_report.write((quoted.join(u',') + u'\n').toUtf8());
    } else {
        const QJsonObject o{{"time", when},           {"device", job.device()},
                            {"name", name},           {"ok", r.status == kDone},
                            {"status", r.status},     {"message", r.message},
                            {"backup", r.backupPath}, {"difference", difference}};
        m_report.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
    }
    // Per unit, so that a crash of the line loses no record.
    m_report.flush();
}

void ProgrammingLine::drawTally() {
    if (!m_settings.terminal)
        return;
    writeOut(QStringLiteral("\r\x1b[2K") +
             cutToWidth(Words::tr("done %1, failed %2, in progress %3; Ctrl+C stops watching")
                            .arg(m_done)
                            .arg(m_failed)
                            .arg(m_units.size()),
                        terminalColumns() - 1));
}

void ProgrammingLine::interrupt() {
    ++m_interrupts;
    if (m_interrupts == 1) {
        m_watcher.removePaths(m_watcher.directories());
        if (!m_units.isEmpty())
            complain(Words::tr("no more radios; waiting for %1 in progress (Ctrl+C again ends "
                               "them)")
                         .arg(m_units.size()));
    } else {
        for (RadioJob* job : m_units)
            job->abort(Words::tr("interrupted"));
    }
    maybeQuit();
}

void ProgrammingLine::maybeQuit() {
    if (m_interrupts > 0 && m_units.isEmpty() && m_loop) {
        if (m_done + m_failed == 0)
            m_worst = qMax(m_worst, int(kDone));
        m_loop->quit();
    }
}

} // namespace zt41::cli
