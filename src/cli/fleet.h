// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiojob.h"

#include <QObject>
#include <QStringList>
#include <QTextStream>

#include <vector>

namespace zt41::cli {

// Runs one job per port at once on the event loop and shows how they go:
// one line per radio updated in place on a terminal, plain lines otherwise,
// nothing with --json. Ends with a table of the outcomes (or one JSON
// document) and the exit status: the largest of the radios' statuses.
class Fleet : public QObject {
    Q_OBJECT
public:
    enum class Style { Terminal, Lines, Json };

    Fleet(const QString& command, Style style, QObject* parent = nullptr);

    void add(RadioJob* job);
    // Prints the channels each radio gave before the table of outcomes.
    void setPrintRead(bool on) { m_printRead = on; }
    // Warnings about the input, carried in the JSON document (the plain
    // styles have printed them on standard error already).
    void setWarnings(const QStringList& warnings) { m_warnings = warnings; }
    // A line printed after the table of outcomes (not with --json).
    void addClosingLine(const QString& line) { m_closingLines << line; }
    // Starts every job and runs the event loop until all have ended.
    void run();
    // Prints the outcomes (or one JSON document) and gives the exit status:
    // the largest of the radios' statuses.
    int report();
    // Ends every job still running (a signal to the process).
    void abortAll(const QString& why);

    const std::vector<RadioJob*>& jobs() const { return m_jobs; }

private:
    void jobChanged(RadioJob* job);
    void draw();
    QString progressLine(const RadioJob* job) const;
    static QString stepText(const RadioJob* job);
    static bool settled(const RadioJob* job);
    void printOutcomes();
    void printJson();

    QString m_command;
    Style m_style;
    std::vector<RadioJob*> m_jobs;
    std::vector<QString> m_lastStep; // for plain lines: what each job last said
    int m_drawnLines = 0;
    int m_running = 0;
    bool m_printRead = false;
    QStringList m_warnings;
    QStringList m_closingLines;
};

} // namespace zt41::cli
