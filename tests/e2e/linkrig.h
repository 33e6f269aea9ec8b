#pragma once

#include "channels/channeltable.h"
#include "link/linkhost.h"
#include "link/qserialportlink.h"
#include "link/readtransfer.h"
#include "link/readypoll.h"
#include "link/statusclear.h"
#include "link/writetransfer.h"
#include "recordingmessages.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <functional>

class QTimer;

// The radio link wired the way the main window wires it: a real serial port
// (COM1 of "--ports DEVICE"), a channel table in a folder of its own, and the
// window's four timers as real QTimers driving the ready poll, the write, the
// status clear and the read. Records what the window would show.
class LinkRig : public QObject, public zt41::LinkHost {
    Q_OBJECT
public:
    static constexpr int kWriteMs = 300;
    static constexpr int kStatusClearMs = 60;
    static constexpr int kReadyPollMs = 100;
    static constexpr int kReadMs = 100;
    // A read ends by itself once a frame deadline passes; the rig stops
    // waiting for it only well after the 16th could have.
    static constexpr int kReadGuardMs =
        (zt41::kChannelCount + 2) * zt41::ReadTransfer::kFrameDeadlineMs;

    explicit LinkRig(const QString& device, QObject* parent = nullptr);
    ~LinkRig() override;
    Q_DISABLE_COPY_MOVE(LinkRig)

    // What the window does at its start: opens the channel table, probes the
    // ports and starts the ready poll. False, with the reason, when the table
    // or the port did not open.
    bool start(QString* error = nullptr);

    // The menu commands.
    void commandWrite() { m_write.command(); }
    void commandRead() { m_read.command(); }

    // LinkHost
    void setStatus(const QString& text) override;
    void startTimer(zt41::WindowTimer timer) override;
    void stopTimer(zt41::WindowTimer timer) override;
    void setCommandEnabled(zt41::LockedCommand command, bool enabled) override;
    QString squelchText() const override { return m_squelch; }
    void setSquelchText(const QString& text) override;
    zt41::MessageSink& messages() override { return m_messages; }

    zt41::QSerialPortLink& link() { return m_link; }
    zt41::ChannelTable& table() { return m_table; }
    zt41::WriteTransfer& writer() { return m_write; }
    zt41::ReadTransfer& reader() { return m_read; }
    const RecordingMessages& recorded() const { return m_messages; }
    QString tablePath() const { return m_dir.filePath(zt41::ChannelTable::defaultFileName()); }

    // The status line as it is now, and every text it was given.
    QString status() const { return m_statuses.isEmpty() ? QString() : m_statuses.last(); }
    const QStringList& statuses() const { return m_statuses; }
    // Whether the ready status was shown at or after position `from` of statuses().
    bool becameReady(qsizetype from = 0) const;

    bool isEnabled(zt41::LockedCommand command) const { return m_enabled.value(command); }
    bool allEnabled() const;

    bool isActive(zt41::WindowTimer timer) const;
    int ticks(zt41::WindowTimer timer) const { return m_ticks[index(timer)]; }

    // One entry per finished read, and how long the last one took from the
    // tick that sent "5" to its end.
    const QList<bool>& readResults() const { return m_readResults; }
    qint64 lastReadNs() const { return m_lastReadNs; }
    // A read that was still going after kReadGuardMs; the rig gave up on it.
    bool readOverran() const { return m_readOverran; }

    const QStringList& lostReasons() const { return m_lostReasons; }

    // Runs the event loop until `done` holds or `timeoutMs` has passed, and
    // gives whether it holds.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);

Q_SIGNALS:
    // Something the rig records has changed.
    void changed();

private:
    static int index(zt41::WindowTimer timer) { return static_cast<int>(timer) - 1; }
    QTimer* timer(zt41::WindowTimer t) const { return m_timers[index(t)]; }
    void addTimer(zt41::WindowTimer t, int intervalMs, Qt::TimerType type, void (LinkRig::*tick)());
    void readyPollTick();
    void writeTick();
    void statusClearTick();
    void readTick();

    QTemporaryDir m_dir;
    zt41::QSerialPortLink m_link;
    zt41::ChannelTable m_table;
    zt41::ReadTransfer m_read;
    zt41::ReadyPoll m_poll;
    zt41::WriteTransfer m_write;
    zt41::StatusClear m_statusClear;
    RecordingMessages m_messages;
    std::array<QTimer*, 4> m_timers{};
    std::array<int, 4> m_ticks{};

    QString m_squelch = QStringLiteral("3");
    QStringList m_statuses;
    QMap<zt41::LockedCommand, bool> m_enabled;
    QList<bool> m_readResults;
    QElapsedTimer m_readClock;
    qint64 m_lastReadNs = -1;
    bool m_readOverran = false;
    QStringList m_lostReasons;
};

// CPU time this process has used so far, user and system, in nanoseconds.
qint64 processCpuNs();
