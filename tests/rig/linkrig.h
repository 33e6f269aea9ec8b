// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channeltable.h"
#include "link/linksession.h"
#include "link/qserialportlink.h"
#include "link/readtransfer.h"
#include "link/readypoll.h"
#include "link/rowstore.h"
#include "link/writetransfer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <functional>

// The real link session on a real serial port (COM1 of "--ports DEVICE") and
// a channel table in a folder of its own, with a squelch text standing in for
// the window's list. Records what the session reports.
class LinkRig : public QObject {
    Q_OBJECT
public:
    static constexpr int kWriteMs = zt41::LinkSession::kWriteMs;
    // A read ends by itself once a frame deadline passes; a read still going
    // this long after "5" counts as overrun.
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
    void commandWrite() { m_session->write(); }
    void commandRead() { m_session->read(); }

    QString squelchText() const { return m_squelch; }
    // Runs the squelch check, as the window's list does.
    void setSquelchText(const QString& text);

    zt41::LinkSession& session() { return *m_session; }
    zt41::QSerialPortLink& link() { return m_link; }
    zt41::ChannelTable& table() { return m_table; }
    zt41::WriteTransfer& writer() { return m_session->writer(); }
    zt41::ReadTransfer& reader() { return m_session->reader(); }
    QString tablePath() const { return m_dir.filePath(zt41::ChannelTable::defaultFileName()); }

    // The status as it is now, and every status reported.
    zt41::LinkStatus status() const;
    const QList<zt41::LinkStatus>& statuses() const { return m_statuses; }
    QString statusTrail() const;
    // Whether the ready status was reported at or after position `from` of statuses().
    bool becameReady(qsizetype from = 0) const;

    // The outcomes that were failures, in order, and a line naming them.
    QList<zt41::TransferOutcome> failures() const;
    QString failureTrail() const;

    bool isBusy() const { return m_session->isBusy(); }
    zt41::Transfer transfer() const { return m_session->transfer(); }

    bool isActive(zt41::SessionTimer timer) const;
    int ticks(zt41::SessionTimer timer) const { return m_ticks[static_cast<int>(timer) - 1]; }

    // One entry per finished read, and how long the last one took from the
    // tick that sent "5" to its end.
    const QList<bool>& readResults() const { return m_readResults; }
    qint64 lastReadNs() const { return m_lastReadNs; }
    bool readOverran() const { return m_lastReadNs > qint64(kReadGuardMs) * 1000000; }

    const QStringList& lostReasons() const { return m_lostReasons; }

    // Runs the event loop until `done` holds or `timeoutMs` has passed, and
    // gives whether it holds.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);

Q_SIGNALS:
    // Something the rig records has changed.
    void changed();

private:
    QTemporaryDir m_dir;
    zt41::QSerialPortLink m_link;
    zt41::ChannelTable m_table;
    zt41::TableRows m_rows;
    zt41::LinkSession* m_session = nullptr;
    std::array<int, 4> m_ticks{};

    QString m_squelch = QStringLiteral("3");
    QList<zt41::LinkStatus> m_statuses;
    QList<zt41::TransferOutcome> m_outcomes;
    QList<bool> m_readResults;
    QElapsedTimer m_readClock;
    qint64 m_lastReadNs = -1;
    QStringList m_lostReasons;
};

// CPU time this process has used so far, user and system, in nanoseconds.
qint64 processCpuNs();
