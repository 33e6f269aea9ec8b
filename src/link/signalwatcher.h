// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace zt41 {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal delivered by the event
// loop, so that shutting down (closing the port, stopping a child, saving)
// runs as ordinary code rather than inside a signal handler. Only one may exist.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

    bool install(QString& error);

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void drain();

    // The notifier goes before the pipe it watches.
    platform::SignalPipe m_pipe;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace zt41
