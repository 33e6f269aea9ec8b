// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ready poll and the two transfers as state machines: each front end's
// timers call tick(), its link hands in bytes, and the session host hears
// what happened. No clock and no port inside.

#include "session.h"

#include <functional>
#include <string>
#include <vector>

namespace zt41::kernel {

// Finds out that a radio is connected and listening: every tick drops what
// arrived until a "C", and sends "C" when none came.
class ReadyPoll {
public:
    static constexpr int kMaxReadsPerTick = 99999;

    ReadyPoll(ByteLink& link, SessionHost& host)
        : m_link(link)
        , m_host(host) {}

    // One tick of Timer3. Does nothing while the port is closed, unless the
    // port was lost: then each tick tries to open it again, until it opens.
    void tick();
    // Looks at what has arrived now, between ticks, without asking again.
    bool takeAnswer();
    // The port went away (cable pulled): reopen it when its device comes back.
    void reopenWhenBack() { m_reopen = true; }
    bool reopening() const { return m_reopen; }

private:
    ByteLink& m_link;
    SessionHost& m_host;
    bool m_reopen = false;
};

// Whether rows may go out and, if not, which row stops them and why: the
// first row whose frame cannot carry it, or (under the editing rules) that
// breaks a rule that refuses. Row 1 is judged numbered "1", as a write
// numbers it before it sends.
struct RowsThatCannotTravel {
    int frame = 0; // 1 to 16; 0 when every row may travel
    FrameProblem problem = FrameProblem::None;
    bool any() const { return frame != 0; }
};
RowsThatCannotTravel firstRowThatCannotTravel(const RowStore& rows, WriteRules rules);

// Copies the squelch level and the 16 rows into the radio: "A" at the
// command, then one frame per tick of Timer1 (300 ms), frame k from row k.
class WriteTransfer {
public:
    static constexpr int kStepPerTick = 6;
    static constexpr int kLastFrameStep = 96;
    static constexpr int kEndStep = 100;

    WriteTransfer(ByteLink& link, RowStore& rows, SessionHost& host)
        : m_link(link)
        , m_rows(rows)
        , m_host(host) {}

    // The write command. A command while a write runs is ignored: a second
    // "A" in the middle of the frames would garble the radio's memory.
    void command(WriteRules rules = WriteRules::Editing);
    // One tick of Timer1.
    void tick();
    bool isRunning() const { return m_running; }
    // 0, 6, 12, ..., 96 between ticks.
    int step() const { return m_step; }

private:
    void finish();
    void fail(const TransferOutcome& outcome);

    ByteLink& m_link;
    RowStore& m_rows;
    SessionHost& m_host;
    int m_step = 0;
    bool m_running = false;
    int m_port = 0; // "A" and all 16 frames go out on this one port
};

// The deadline a read sets for each frame; the front end keeps the clock.
class FrameDeadline {
public:
    virtual ~FrameDeadline() = default;
    // (Re)starts the deadline: each frame must be complete this long after
    // the one before (frame 1: after "5").
    virtual void start() = 0;
    virtual void stop() = 0;
};

// Copies the radio's squelch level and 16 channels into a row store. The
// command arms Timer4; its tick sends "5", and the 16 frames are then
// collected as they arrive. Nothing is stored until all 16 are in and each
// is 28 digits; any failure changes nothing.
class ReadTransfer {
public:
    // The radio needs about 233 ms a frame at 1200 bit/s.
    static constexpr int kFrameDeadlineMs = 1500;

    ReadTransfer(ByteLink& link, RowStore& rows, SessionHost& host, FrameDeadline& deadline)
        : m_link(link)
        , m_rows(rows)
        , m_host(host)
        , m_deadline(deadline) {}

    // Called with true or false when a read ends.
    std::function<void(bool)> onFinished;

    // The read command.
    void command();
    // The tick of Timer4: starts the read. The read goes on as input arrives.
    void tick();
    // Input arrived: takes what belongs to the frames.
    void collect();
    // The deadline of the frame being collected has passed.
    void expire();
    // The port went away.
    void linkLost();
    bool isReading() const { return m_reading; }
    int framesReceived() const { return static_cast<int>(m_frames.size()); }

private:
    void complete();
    void fail(const TransferOutcome& outcome);

    ByteLink& m_link;
    RowStore& m_rows;
    SessionHost& m_host;
    FrameDeadline& m_deadline;
    bool m_reading = false;
    std::string m_frame;
    std::vector<std::string> m_frames;
};

} // namespace zt41::kernel
