// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/linksession.h"
#include "kerneladapters.h"
#include "sessionhost.h"
#include "writetransfer.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>

class QTimer;

namespace zt41 {

class ReadTransfer;
class ReadyPoll;
class RowStore;
class SerialLink;
class StatusClear;
class WriteTransfer;

// The four timers of a session as QTimers, children of `owner`, named
// Timer1 to Timer4 with the kernel's periods; each timeout calls `tick`.
class SessionClock {
public:
    SessionClock(QObject* owner, const std::function<void(SessionTimer)>& tick);
    QTimer* timer(SessionTimer timer) const { return m_timers[static_cast<int>(timer) - 1]; }

private:
    std::array<QTimer*, 4> m_timers{};
};

// Everything that happens on one port: the ready poll, the write, the read
// and the status clear, with the four timers that drive them (Timer1 300 ms
// precise, Timer2 60 ms, Timer3 100 ms, Timer4 100 ms single tick). Front ends
// give commands and observe its signals; the timers' work is plain methods
// that tests call directly. The kernel's session decides; this keeps its
// QTimers and the serial port.
class LinkSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kWriteMs = kernel::timerPeriodMs(SessionTimer::Write);
    static constexpr int kStatusClearMs = kernel::timerPeriodMs(SessionTimer::StatusClear);
    static constexpr int kReadyPollMs = kernel::timerPeriodMs(SessionTimer::ReadyPoll);
    static constexpr int kReadMs = kernel::timerPeriodMs(SessionTimer::Read);

    // The write takes its rows from `rows` as the frames go out, and a read
    // stores into it. Both must outlive the session.
    LinkSession(SerialLink& link, RowStore& rows, QObject* parent = nullptr);
    ~LinkSession() override;
    Q_DISABLE_COPY_MOVE(LinkSession)

    SerialLink& link() const { return m_link; }
    QTimer* timer(SessionTimer timer) const { return m_clock.timer(timer); }

    // Starts and stops the ready poll (Timer3).
    void startPoll() { m_session.startPoll(); }
    void stopPoll() { m_session.stopPoll(); }
    // Starts the poll with a tick at once rather than a period later, for a
    // front end that wants the radio's answer as soon as it can have it.
    void startPollNow() { m_session.startPollNow(); }
    // The port, let go of for a while, is to be opened again as soon as its
    // device is there, as after a cable pulled while idle.
    void reopenWhenBack();
    // Stops all four timers, for a front end that is going away.
    void stopAll() { m_session.stopAll(); }

    // The commands. A write while a read holds the port, or a read while a
    // write does, is ignored.
    void write(WriteRules rules = WriteRules::Editing) { m_session.write(rules); }
    void read() { m_session.read(); }
    // The tick of Timer4: sends "5"; the read then goes on as input arrives.
    void readTick() { m_session.tick(SessionTimer::Read); }

    Transfer transfer() const { return m_session.transfer(); }
    bool isBusy() const { return m_session.isBusy(); }
    // The radio has answered the poll since it last started.
    bool isReady() const { return m_session.isReady(); }

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
    // The kernel session's front end: the QTimers and this session's signals.
    class FrontEnd : public kernel::SessionFrontEnd {
    public:
        explicit FrontEnd(LinkSession& session)
            : m_s(session) {}
        void startTimer(SessionTimer timer) override;
        void stopTimer(SessionTimer timer) override;
        void startFrameDeadline() override;
        void stopFrameDeadline() override;
        void readyChanged(bool ready) override;
        void transferChanged(Transfer transfer) override;
        void progress(Transfer transfer, int frame) override;
        void statusChanged(LinkStatus status) override;
        void finished(const TransferOutcome& outcome) override;
        void readStarted() override;

    private:
        LinkSession& m_s;
    };

    SerialLink& m_link;
    KernelLink m_kernelLink;
    KernelRows m_kernelRows;
    FrontEnd m_frontEnd{*this};
    kernel::Session m_session;
    SessionClock m_clock;
    std::unique_ptr<ReadyPoll> m_poll;
    std::unique_ptr<WriteTransfer> m_write;
    std::unique_ptr<StatusClear> m_statusClear;
    ReadTransfer* m_read = nullptr;
};

} // namespace zt41
