#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace zt41::sim {

// Turns SIGTERM and SIGINT into a Qt signal delivered by the event loop, so
// that shutting down (removing the port link, saving the memory) runs as
// ordinary code rather than inside a signal handler. Only one may exist.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

    bool install(QString& error);

signals:
    void terminationRequested(int signalNumber);

private:
    void drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace zt41::sim
