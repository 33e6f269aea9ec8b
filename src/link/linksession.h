// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sessionhost.h"
#include "writetransfer.h"

#include <QObject>

#include <array>
#include <memory>

class QTimer;

namespace zt41 {

class ReadTransfer;
class ReadyPoll;
class RowStore;
class SerialLink;
class StatusClear;
class WriteTransfer;

// Everything that happens on one port: the ready poll, the write, the read
// and the status clear, with the four timers that drive them (Timer1 300 ms
// precise, Timer2 60 ms, Timer3 100 ms, Timer4 100 ms single tick). Front ends
// give commands and observe its signals; the timers' work is plain methods
// that tests call directly.
class LinkSession : public QObject, private SessionHost {
    Q_OBJECT
public:
    static constexpr int kWriteMs = 300;
    static constexpr int kStatusClearMs = 60;
    static constexpr int kReadyPollMs = 100;
    static constexpr int kReadMs = 100;

    // The write takes its rows from `rows` as the frames go out, and a read
    // stores into it. Both must outlive the session.
    LinkSession(SerialLink& link, RowStore& rows, QObject* parent = nullptr);
    ~LinkSession() override;
    Q_DISABLE_COPY_MOVE(LinkSession)

    SerialLink& link() const { return m_link; }
    QTimer* timer(SessionTimer timer) const;

    // Starts and stops the ready poll (Timer3).
    void startPoll();
    void stopPoll();
    // Starts the poll with a tick at once rather than a period later, for a
    // front end that wants the radio's answer as soon as it can have it.
    void startPollNow();
    // The port, let go of for a while, is to be opened again as soon as its
    // device is there, as after a cable pulled while idle.
    void reopenWhenBack();
    // Stops all four timers, for a front end that is going away.
    void stopAll();

    // The commands. A write while a read holds the port, or a read while a
    // write does, is ignored.
    void write(WriteRules rules = WriteRules::Editing);
    void read();
    // The tick of Timer4: sends "5"; the read then goes on as input arrives.
    void readTick();

    Transfer transfer() const { return m_transfer; }
    bool isBusy() const { return m_transfer != Transfer::None; }
    // The radio has answered the poll since it last started.
    bool isReady() const { return m_ready; }

    // What the timers drive, for tests that tick by hand.
    WriteTransfer& writer() const { return *m_write; }
    ReadTransfer& reader() const { return *m_read; }
    ReadyPoll& poll() const { return *m_poll; }
    StatusClear& statusClear() const { return *m_statusClear; }

Q_SIGNALS:
    void readyChanged(bool ready);
    void transferChanged(zt41::Transfer transfer);
    void progress(zt41::Transfer transfer, int frame);
    void statusChanged(zt41::LinkStatus status);
    // How a write or read ended. A front end may show a modal message here:
    // the poll restarts and the lock lifts only once this returns.
    void finished(const zt41::TransferOutcome& outcome);
    // Timer4's tick has sent "5"; finished() follows.
    void readStarted();

private:
    // SessionHost
    void startTimer(SessionTimer timer) override;
    void stopTimer(SessionTimer timer) override;
    void setStatus(LinkStatus status) override;
    void radioAnswered() override;
    void setTransfer(Transfer transfer) override;
    void frameDone(Transfer transfer, int frame) override;
    void report(const TransferOutcome& outcome) override;

    SessionHost& host() { return *this; }
    void linkLost();
    void setReady(bool ready);
    QTimer* addTimer(SessionTimer t, int intervalMs, Qt::TimerType type);

    SerialLink& m_link;
    std::array<QTimer*, 4> m_timers{};
    std::unique_ptr<ReadyPoll> m_poll;
    std::unique_ptr<WriteTransfer> m_write;
    std::unique_ptr<StatusClear> m_statusClear;
    ReadTransfer* m_read = nullptr;
    Transfer m_transfer = Transfer::None;
    bool m_ready = false;
};

} // namespace zt41
