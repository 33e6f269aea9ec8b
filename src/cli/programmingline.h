// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/linereport.h"
#include "radiojob.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>

class QEventLoop;

namespace zt41::cli {

// The programming line: watches for serial devices to appear and programs
// each new one with the guarded job, several at once; a device that goes
// away is forgotten, so plugging a radio in again programs it again. Each
// finished unit is one line (one JSON document with --json), one record
// appended to the report, and a bell when it failed; a tally stays at the
// bottom of a terminal. The folders above a watched folder are watched too,
// so a folder that goes and comes back, or appears later (as udev makes
// /dev/serial/by-id for the first cable), is watched again. Only serial
// ports are taken; anything else in a folder is passed over.
class ProgrammingLine : public QObject {
    Q_OBJECT
public:
    struct Settings {
        QStringList folders;   // watched folders of devices or links to them
        bool onlyNew = false;  // leave the devices present at the start alone
        QString reportPath;    // .csv or .jsonl; empty: none
        bool terminal = false; // redraw the tally in place
        bool json = false;     // one JSON document per unit, one a line
        bool verbose = false;  // say what is passed over
        RadioJob::Options job;
    };

    static constexpr int kSettleMs = 200;

    explicit ProgrammingLine(Settings settings, QObject* parent = nullptr);

    // Watches the folders and opens the report (new, or a report of the same
    // kind); kDone, or the status to end with and a line.
    int prepare(QString* error);
    // Runs until told to stop and every unit has ended; gives the exit status.
    int run();
    // A first Ctrl+C: no new units; a second: the running ones end now.
    void interrupt();

    int done() const { return m_done; }
    int failed() const { return m_failed; }

Q_SIGNALS:
    void idle(); // no unit running

private:
    QHash<QString, QString> present(); // real device -> the name it was found by
    void watchFolders();
    void rescan();
    void stopWatching();
    void startUnit(const QString& device, const QString& name);
    void unitEnded(RadioJob* job, const QString& name);
    ReportRecord recordOf(const RadioJob& job, const QString& name) const;
    void record(const ReportRecord& record);
    void drawTally();
    void maybeQuit();

    Settings m_settings;
    QFileSystemWatcher m_watcher;
    QFile m_report;
    ReportKind m_reportKind = ReportKind::Csv;
    bool m_reportFailed = false;
    QSet<QString> m_known;                // devices seen and not gone since
    QHash<QString, QString> m_passedOver; // entry -> what it was when passed over
    QHash<QString, RadioJob*> m_units;    // real device -> its running unit
    int m_done = 0;
    int m_failed = 0;
    int m_worst = kDone;
    int m_interrupts = 0;
    QEventLoop* m_loop = nullptr;
};

} // namespace zt41::cli
