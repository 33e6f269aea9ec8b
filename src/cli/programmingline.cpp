// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmingline.h"

#include "channeltext.h"
#include "link/devicepath.h"
#include "words.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace zt41::cli {

namespace {

// The entries of a folder that may be devices: in /dev the USB serial ports,
// elsewhere (by-id, a folder of links) every entry.
QFileInfoList entriesIn(const QString& folder) {
    const QDir dir(folder);
    const bool dev = QDir::cleanPath(dir.absolutePath()) == u"/dev";
    const QStringList filters =
        dev ? QStringList{QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")} : QStringList{};
    return dir.entryInfoList(filters, QDir::System | QDir::Files | QDir::NoDotAndDotDot,
                             QDir::Name);
}

// What an entry is, so that one passed over is looked at again only once it
// has changed: the link's target or the file's identity.
QString identityOf(const QFileInfo& entry) {
    struct stat info {};
    if (::lstat(QFile::encodeName(entry.absoluteFilePath()).constData(), &info) != 0)
        return QString();
    return QStringLiteral("%1:%2:%3:%4")
        .arg(info.st_ino)
        .arg(info.st_mtime)
        .arg(info.st_mode)
        .arg(entry.symLinkTarget());
}

// The nearest folder at or above `folder` that exists.
QString nearestExisting(QString folder) {
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    return folder;
}

} // namespace

ProgrammingLine::ProgrammingLine(Settings settings, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings)) {
    for (QString& folder : m_settings.folders)
        folder = QDir::cleanPath(QDir(folder).absolutePath());
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchFolders();
        rescan();
    });
}

void ProgrammingLine::watchFolders() {
    if (m_interrupts > 0 || m_reportFailed)
        return;
    // Each folder, and the nearest one above it that exists: a folder made
    // again is a new folder, and its watch is set again.
    QStringList wanted;
    for (const QString& folder : m_settings.folders) {
        if (QFileInfo(folder).isDir())
            wanted << folder;
        wanted << nearestExisting(QFileInfo(folder).absolutePath());
    }
    wanted.removeDuplicates();
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_watcher.addPaths(wanted);
}

int ProgrammingLine::prepare(QString* error) {
    watchFolders();
    if (m_watcher.directories().isEmpty()) {
        *error = Words::tr("no folder to watch: %1").arg(m_settings.folders.join(u' '));
        return kUsage;
    }
    if (m_settings.reportPath.isEmpty())
        return kDone;
    m_reportKind = reportKindFor(m_settings.reportPath);
    m_report.setFileName(m_settings.reportPath);
    if (!m_report.open(QIODevice::ReadWrite)) {
        *error = Words::tr("cannot write the report %1").arg(m_settings.reportPath);
        return kCannotSave;
    }
    // Appended to only when it is a report of the same kind: never a CSV
    // file of channels, never CSV lines in a JSON lines file.
    const QByteArray start = m_report.read(4096);
    if (!startsReportOfKind(m_reportKind, start)) {
        *error = Words::tr("%1 is not a %2 report of the programming line: it is not written to")
                     .arg(m_settings.reportPath, m_reportKind == ReportKind::Csv
                                                     ? QStringLiteral("CSV")
                                                     : QStringLiteral("JSON lines"));
        m_report.close();
        return kUsage;
    }
    if (!m_report.seek(m_report.size()) ||
        (start.isEmpty() && m_report.write(reportHeader(m_reportKind)) < 0) || !m_report.flush()) {
        *error = Words::tr("cannot write the report %1").arg(m_settings.reportPath);
        return kCannotSave;
    }
    return kDone;
}

QHash<QString, QString> ProgrammingLine::present() {
    QHash<QString, QString> out;
    for (const QString& folder : m_settings.folders) {
        if (!m_watcher.directories().contains(folder))
            continue;
        for (const QFileInfo& entry : entriesIn(folder)) {
            const QString path = entry.absoluteFilePath();
            const QString identity = identityOf(entry);
            // Looked at again only once it has changed: a dangling link that
            // later leads somewhere may lead to somebody else's terminal.
            if (m_passedOver.value(path) == identity && !identity.isEmpty())
                continue;
            if (!entry.exists() || !isSerialDevice(path)) {
                m_passedOver.insert(path, identity);
                if (m_settings.verbose)
                    complain(entry.exists()
                                 ? Words::tr("%1: not a serial port, passed over").arg(path)
                                 : Words::tr("%1: a link to nothing, passed over").arg(path));
                continue;
            }
            m_passedOver.remove(path);
            const QString real = realDevicePath(path);
            // A by-id link names the radio better than the device it points to.
            if (!out.contains(real) || entry.isSymLink())
                out.insert(real, path);
        }
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
    maybeQuit();
    if (m_loop)
        loop.exec();
    m_loop = nullptr;
    if (m_settings.terminal && !m_settings.json)
        writeOut(QStringLiteral("\n"));
    return m_worst;
}

void ProgrammingLine::rescan() {
    if (m_interrupts > 0 || m_reportFailed)
        return;
    const QHash<QString, QString> now = present();
    // Gone: forgotten, so that the next plug-in is a new unit.
    for (auto it = m_known.begin(); it != m_known.end();)
        it = now.contains(*it) ? std::next(it) : m_known.erase(it);
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (m_known.contains(it.key()))
            continue;
        m_known.insert(it.key());
        // udev gives a new device its owner, its mode and its by-id link a
        // moment after it appears.
        QTimer::singleShot(kSettleMs, this, [this, device = it.key(), name = it.value()] {
            if (m_interrupts == 0 && !m_reportFailed && m_known.contains(device))
                startUnit(device, present().value(device, name));
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

ReportRecord ProgrammingLine::recordOf(const RadioJob& job, const QString& name) const {
    const RadioJob::Result& r = job.result();
    return {QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
            job.device(),
            name,
            r.status,
            r.status == kDone ? QString() : r.message,
            r.backupPath,
            r.differences.isEmpty() ? QString()
                                    : differenceLine(r.differences.first(), Words::tr("expected"),
                                                     Words::tr("in the radio"))};
}

void ProgrammingLine::unitEnded(RadioJob* job, const QString& name) {
    const RadioJob::Result& r = job->result();
    if (r.status == kDone)
        ++m_done;
    else
        ++m_failed;
    m_worst = qMax(m_worst, r.status);
    const ReportRecord rec = recordOf(*job, name);
    if (m_settings.json && !m_reportFailed) {
        writeOut(QString::fromUtf8(reportRecordText(ReportKind::JsonLines, rec)));
    } else {
        QString line =
            QStringLiteral("%1  %2  %3  %4")
                .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), job->device(), name,
                     r.status == kDone ? Words::tr("ok")
                                       : Words::tr("FAILED (%1): %2").arg(r.status).arg(r.message));
        if (!r.backupPath.isEmpty())
            line += Words::tr("; backup %1").arg(r.backupPath);
        if (m_reportFailed) {
            complain(line); // the report no longer keeps it
        } else {
            if (m_settings.terminal)
                writeOut(QStringLiteral("\r\x1b[2K"));
            writeOut(line + (r.status == kDone ? QString() : QStringLiteral("\a")) + u'\n');
        }
    }
    record(rec);
    drawTally();
    maybeQuit();
}

void ProgrammingLine::record(const ReportRecord& rec) {
    if (!m_report.isOpen())
        return;
    const QByteArray text = reportRecordText(m_reportKind, rec);
    const qint64 before = m_report.size();
    // Flushed per unit, so that a crash of the line loses no record; a record
    // that cannot be kept stops the line, and the part of it that was
    // written goes again: the report stays whole records.
    if (m_report.write(text) == text.size() && m_report.flush())
        return;
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    m_report.close();
    QFile::resize(m_settings.reportPath, before);
    m_reportFailed = true;
    m_worst = qMax(m_worst, int(kCannotSave));
    complain(Words::tr("the report %1 could not be written (%2): the line stops; the radios in "
                       "progress are reported here")
                 .arg(m_settings.reportPath, why));
    complain(QString::fromUtf8(text).trimmed());
    stopWatching();
}

void ProgrammingLine::drawTally() {
    if (!m_settings.terminal || m_settings.json || m_reportFailed)
        return;
    writeOut(QStringLiteral("\r\x1b[2K") +
             cutToWidth(Words::tr("done %1, failed %2, in progress %3; Ctrl+C stops watching")
                            .arg(m_done)
                            .arg(m_failed)
                            .arg(m_units.size()),
                        terminalColumns() - 1));
}

void ProgrammingLine::stopWatching() {
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
}

void ProgrammingLine::interrupt() {
    ++m_interrupts;
    if (m_interrupts == 1) {
        stopWatching();
        if (!m_units.isEmpty())
            complain(Words::tr("no more radios; waiting for %1 in progress (Ctrl+C again ends "
                               "them)")
                         .arg(m_units.size()));
    } else {
        // Each ends at whatever step it is; ending takes it out of m_units.
        const QList<RadioJob*> running = m_units.values();
        for (RadioJob* job : running)
            job->abort(Words::tr("interrupted"));
    }
    maybeQuit();
}

void ProgrammingLine::maybeQuit() {
    if ((m_interrupts > 0 || m_reportFailed) && m_units.isEmpty() && m_loop) {
        m_loop->quit();
        m_loop = nullptr;
    }
}

} // namespace zt41::cli
