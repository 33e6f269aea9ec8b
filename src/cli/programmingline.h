// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// finished unit is one line, one record appended to the report, and a bell
// when it failed; a tally stays at the bottom of a terminal.
class ProgrammingLine : public QObject {
    Q_OBJECT
public:
    struct Settings {
        QStringList folders;   // watched folders of devices or links to them
        bool onlyNew = false;  // leave the devices present at the start alone
        QString reportPath;    // .csv or .jsonl; empty: none
        bool terminal = false; // redraw the tally in place
        RadioJob::Options job;
    };

    static constexpr int kSettleMs = 200;

    explicit ProgrammingLine(Settings settings, QObject* parent = nullptr);

    // Opens the report; false, with a line, when it cannot be written.
    bool prepare(QString* error);
    // Runs until told to stop and every unit has ended; gives the exit status.
    int run();
    // A first Ctrl+C: no new units; a second: the running ones end now.
    void interrupt();

    int done() const { return m_done; }
    int failed() const { return m_failed; }

Q_SIGNALS:
    void idle(); // no unit running

private:
    QHash<QString, QString> present() const; // real device -> the name it was found by
    void rescan();
    void startUnit(const QString& device, const QString& name);
    void unitEnded(RadioJob* job, const QString& name);
    void record(const RadioJob& job, const QString& name);
    void drawTally();
    void maybeQuit();

    Settings m_settings;
    QFileSystemWatcher m_watcher;
    QFile m_report;
    bool m_csv = false;
    QSet<QString> m_known;             // devices seen and not gone since
    QHash<QString, RadioJob*> m_units; // real device -> its running unit
    int m_done = 0;
    int m_failed = 0;
    int m_worst = kDone;
    int m_interrupts = 0;
    QEventLoop* m_loop = nullptr;
};

} // namespace zt41::cli
