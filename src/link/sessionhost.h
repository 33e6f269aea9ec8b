// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelframe.h"

#include <QMetaType>

namespace zt41 {

// The session's four timers; the window and the tests know them by these names.
enum class SessionTimer {
    Write = 1,       // Timer1: one step of the write every 300 ms
    StatusClear = 2, // Timer2: empties the status line on its eleventh 60 ms tick
    ReadyPoll = 3,   // Timer3: sends "C" every 100 ms until the radio answers
    Read = 4,        // Timer4: starts the read 100 ms after its command
};

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

} // namespace zt41

Q_DECLARE_METATYPE(zt41::TransferOutcome)
