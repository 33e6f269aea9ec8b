// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulatorprocess.h"

#include <QDeadlineTimer>

#include <csignal>

namespace {

// Generous because the sanitizers slow the simulator's start and exit.
constexpr int kStartMs = 10000;
constexpr int kEndMs = 10000;

} // namespace

SimulatorProcess::~SimulatorProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kEndMs);
    }
}

bool SimulatorProcess::start(const QStringList& arguments) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(ZT41_RADIO_PATH), arguments);
    if (!m_process.waitForStarted(kStartMs))
        return false;
    const QDeadlineTimer deadline(kStartMs);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(deadline.remainingTime()))
            return false;
    }
    m_portPath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_portPath.isEmpty();
}

int SimulatorProcess::terminate() {
    if (m_process.state() == QProcess::NotRunning)
        return -1;
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(kEndMs) || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}

int SimulatorProcess::waitForEnd() {
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(kEndMs))
        return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

int SimulatorProcess::runToEnd(const QStringList& arguments, QByteArray* standardOutput) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(ZT41_RADIO_PATH), arguments);
    if (!process.waitForFinished(kEndMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(kEndMs);
        return -1;
    }
    if (standardOutput)
        *standardOutput = process.readAllStandardOutput();
    return process.exitCode();
}
