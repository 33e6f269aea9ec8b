// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalwatcher.h"

namespace zt41 {

SignalWatcher::SignalWatcher(QObject* parent)
    : QObject(parent) {}

SignalWatcher::~SignalWatcher() = default;

bool SignalWatcher::install(QString& error) {
    if (!m_pipe.install(error))
        return false;
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe.readEnd(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SignalWatcher::drain);
    return true;
}

void SignalWatcher::drain() {
    while (const int signalNumber = m_pipe.takeSignal())
        Q_EMIT terminationRequested(signalNumber);
}

} // namespace zt41
