// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything that happens on one port: the ready poll, the write, the read
// and the status clear, which of the four timers runs, which transfer holds
// the port, and which commands are refused meanwhile.
//
// How a front end drives it (the window over a serial port and QTimers, the
// page over Web Serial and setTimeout):
//  - it gives the session a ByteLink (a BufferedLink when it only has bytes),
//    a RowStore and a SessionFrontEnd;
//  - startTimer(t) asks it to call tick(t) every timerPeriodMs(t) ms from now
//    until stopTimer(t) (starting a running timer starts its period anew);
//  - startFrameDeadline() asks it to call frameDeadlinePassed() once,
//    ReadTransfer::kFrameDeadlineMs ms from now, unless stopFrameDeadline()
//    or another startFrameDeadline() comes first;
//  - whenever bytes arrive it hands them to the link and calls
//    inputArrived(); when the port goes away it calls linkLost();
//  - the commands are startPoll(), write() and read(); what happens is told
//    back through the front end's other calls.

#include "session.h"
#include "transfers.h"

#include <array>

namespace zt41::kernel {

// What a session asks of its front end and tells it.
class SessionFrontEnd {
public:
    virtual ~SessionFrontEnd() = default;
    // The clock: see the comment at the top of this file.
    virtual void startTimer(SessionTimer timer) = 0;
    virtual void stopTimer(SessionTimer timer) = 0;
    virtual void startFrameDeadline() = 0;
    virtual void stopFrameDeadline() = 0;

    // The radio has answered the poll (true), or the poll has started again (false).
    virtual void readyChanged(bool /*ready*/) {}
    virtual void transferChanged(Transfer /*transfer*/) {}
    // Frame `frame` of 16 has gone out or come in.
    virtual void progress(Transfer /*transfer*/, int /*frame*/) {}
    virtual void statusChanged(LinkStatus /*status*/) {}
    // How a write or read ended; given before the poll restarts and the port
    // is free again, so that a front end's message stands first.
    virtual void finished(const TransferOutcome& /*outcome*/) {}
    // The read's timer has sent "5"; finished() follows.
    virtual void readStarted() {}
};

// Empties the status line on the eleventh 60 ms tick of Timer2 after it starts,
// whatever the line says by then.
class StatusClear {
public:
    static constexpr int kTicks = 10;

    explicit StatusClear(SessionHost& host)
        : m_host(host) {}
    void tick();
    int count() const { return m_count; }

private:
    SessionHost& m_host;
    int m_count = 0;
};

class Session : private SessionHost, private FrameDeadline {
public:
    // The link, the rows and the front end must outlive the session.
    Session(ByteLink& link, RowStore& rows, SessionFrontEnd& frontEnd);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Starts and stops the ready poll (Timer3).
    void startPoll();
    void stopPoll();
    // Starts the poll with a tick at once rather than a period later.
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

    // The front end's clock and port.
    void tick(SessionTimer timer);
    void frameDeadlinePassed();
    void inputArrived();
    // The port went away; `mayComeBack` when its device may return and the
    // port be opened again.
    void linkLost(bool mayComeBack = true);

    Transfer transfer() const { return m_transfer; }
    bool isBusy() const { return m_transfer != Transfer::None; }
    // The radio has answered the poll since it last started.
    bool isReady() const { return m_ready; }
    // Whether the session last started or stopped `timer`.
    bool isRunning(SessionTimer timer) const { return m_running[index(timer)]; }

    // What the timers drive, for front ends that tick by hand.
    ReadyPoll& poll() { return m_poll; }
    WriteTransfer& writer() { return m_write; }
    ReadTransfer& reader() { return m_read; }
    StatusClear& statusClear() { return m_statusClear; }

private:
    static int index(SessionTimer timer) { return static_cast<int>(timer) - 1; }

    // SessionHost
    void startTimer(SessionTimer timer) override;
    void stopTimer(SessionTimer timer) override;
    void setStatus(LinkStatus status) override;
    void radioAnswered() override;
    void setTransfer(Transfer transfer) override;
    void frameDone(Transfer transfer, int frame) override;
    void report(const TransferOutcome& outcome) override;
    // FrameDeadline
    void start() override;
    void stop() override;

    SessionHost& host() { return *this; }
    FrameDeadline& deadline() { return *this; }
    void setReady(bool ready);

    SessionFrontEnd& m_frontEnd;
    ReadyPoll m_poll;
    WriteTransfer m_write;
    ReadTransfer m_read;
    StatusClear m_statusClear;
    std::array<bool, 4> m_running{};
    Transfer m_transfer = Transfer::None;
    bool m_ready = false;
};

} // namespace zt41::kernel
