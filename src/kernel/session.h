// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the transfers talk to: a byte link, a store of rows and the session
// that owns their timers. Each front end supplies them: the window and the
// tool over a serial port and the SQLite table, the page over Web Serial.

#include "frames.h"
#include "record.h"

#include <deque>
#include <optional>
#include <string>

namespace zt41::kernel {

// The session's four timers; the window and the tests know them by these names.
enum class SessionTimer {
    Write = 1,       // Timer1: one step of the write every 300 ms
    StatusClear = 2, // Timer2: empties the status line on its eleventh 60 ms tick
    ReadyPoll = 3,   // Timer3: sends "C" every 100 ms until the radio answers
    Read = 4,        // Timer4: starts the read 100 ms after its command
};

// The periods of the timers, in milliseconds.
constexpr int timerPeriodMs(SessionTimer timer) {
    switch (timer) {
    case SessionTimer::Write:
        return 300;
    case SessionTimer::StatusClear:
        return 60;
    case SessionTimer::ReadyPoll:
    case SessionTimer::Read:
        return 100;
    }
    return 100;
}

// Which transfer holds the port: from its command to its end.
enum class Transfer { None, Write, Read };

// What the status line says; each front end has its own words for it.
enum class LinkStatus {
    Ready,   // the radio has answered
    Writing, // a write has started
    Written, // a write has ended
    Read,    // a read has ended well
    Empty,   // cleared, or a transfer has failed
};

// What a write holds its rows to: the rules of the window's editing, or, for
// a radio's own backup going back into it, only what a frame can carry.
enum class WriteRules { Editing, FramesOnly };

// How a transfer ended. `frame` names the frame (1 to 16, frame k carries
// row k) where that means something: the row that cannot travel, the frame
// that did not come or was not 28 digits.
struct TransferOutcome {
    enum class Kind {
        Done,
        PortNotOpen,     // the command found the port closed
        SendFailed,      // the port refused bytes (cable pulled)
        RowCannotTravel, // a row holds a value its frame cannot carry
        ReadTimedOut,    // a frame did not arrive in time
        ReadMalformed,   // a frame was not 28 digits
        ReadOutOfPlace,  // 28 digits, but its slot field is not the place it came in
        LinkLost,        // the port went away during a read
        NotStored,       // the rows read could not be stored
    };
    Transfer transfer = Transfer::None;
    Kind kind = Kind::Done;
    int frame = 0;
    FrameProblem problem = FrameProblem::None;

    bool ok() const { return kind == Kind::Done; }
    bool operator==(const TransferOutcome&) const = default;
};

// What the ready poll, the transfers and the status clear report to the
// session that owns them and their timers.
class SessionHost {
public:
    virtual ~SessionHost() = default;
    virtual void startTimer(SessionTimer timer) = 0;
    virtual void stopTimer(SessionTimer timer) = 0;
    virtual void setStatus(LinkStatus status) = 0;
    virtual void radioAnswered() = 0;
    // The transfer now holding the port, Transfer::None when it is over.
    virtual void setTransfer(Transfer transfer) = 0;
    // Frame `frame` of 16 has gone out or come in.
    virtual void frameDone(Transfer transfer, int frame) = 0;
    // Given before the steps that end a transfer (poll restart, unlock), so
    // that a front end's message stands before anything else happens.
    virtual void report(const TransferOutcome& outcome) = 0;
};

// The one line to the radio as the transfers use it: bytes one at a time in,
// bytes out, and a port number so a write can tell that its frames go out
// where its "A" went.
class ByteLink {
public:
    virtual ~ByteLink() = default;
    virtual bool isOpen() const = 0;
    // Tries to open the port again (after the cable came back).
    virtual bool open() = 0;
    virtual int portNumber() const = 0;
    // The oldest waiting byte, or nothing when none waits.
    virtual std::optional<char> readByte() = 0;
    virtual long long waitingCount() const = 0;
    virtual void discardInput() = 0;
    // False when the port is not open or the bytes could not be handed on.
    virtual bool send(const std::string& bytes) = 0;
    // A hint that nothing needs to know of input before `bytes` wait.
    virtual void setWakeThreshold(int /*bytes*/) {}
};

// A link whose bytes are handed in and taken out by its owner: the page
// feeds what Web Serial read and writes what the transfers sent.
class BufferedLink : public ByteLink {
public:
    bool isOpen() const override { return m_open; }
    bool open() override { return m_open = m_mayOpen; }
    int portNumber() const override { return m_port; }
    std::optional<char> readByte() override;
    long long waitingCount() const override { return static_cast<long long>(m_in.size()); }
    void discardInput() override { m_in.clear(); }
    bool send(const std::string& bytes) override;

    // The owner's side.
    void setOpen(bool open, int port = 1);
    // Whether open() succeeds: the device is there again.
    void setMayOpen(bool may) { m_mayOpen = may; }
    void received(const std::string& bytes) { m_in.insert(m_in.end(), bytes.begin(), bytes.end()); }
    std::string takeOutgoing();

private:
    bool m_open = false;
    bool m_mayOpen = false;
    int m_port = 1;
    std::deque<char> m_in;
    std::string m_out;
};

// Where a write takes its squelch level and rows from, and where a read puts
// what it brought. A write reads each row when its frame goes out.
class RowStore {
public:
    virtual ~RowStore() = default;
    virtual std::string squelchText() const = 0;
    virtual ChannelRecord row(int index) const = 0;
    virtual ChannelRows rows() const;
    // Replaces the six data fields of the 16 rows and the squelch text at
    // once; false, with nothing changed, when they cannot be stored.
    virtual bool store(const ChannelRows& rows, const std::string& squelch) = 0;
    // The cursor a transfer walks: 0 to 15, or -1 past the last row.
    virtual void setCurrentRow(int /*index*/) {}
    // A write numbers the first row 1 before it sends "A".
    virtual void numberFirstRow() {}
};

} // namespace zt41::kernel
