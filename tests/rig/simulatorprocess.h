// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of zt41-radio. Whatever a test does, the destructor leaves no
// simulator behind.
class SimulatorProcess {
public:
    SimulatorProcess() = default;
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Starts the simulator and waits for the port's path on its first line.
    bool start(const QStringList& arguments);
    // Asks it to end as a user would (SIGTERM); returns its exit code, or -1
    // when it did not end in time or did not end normally.
    int terminate();
    // Waits for it to end by itself (a radio told to hang up); returns its
    // exit code, or -1 when it did not end in time or did not end normally.
    int waitForEnd();
    // Runs it expecting it to quit by itself; returns the exit code or -1.
    static int runToEnd(const QStringList& arguments, QByteArray* standardOutput = nullptr);

    const QString& portPath() const { return m_portPath; }
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
    QString m_portPath;
};
