// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/sendcheck.h"

namespace zt41 {

class RowStore;
class SerialLink;
class SessionHost;
struct TransferOutcome;

// What a write holds its rows to: the rules of the window's editing, or, for
// a radio's own backup going back into it, only what a frame can carry.
using kernel::WriteRules;

// Copies the squelch level and the 16 rows into the radio: "A" at the
// command, then one frame per tick of Timer1 (300 ms), frame k from row k.
class WriteTransfer {
public:
    static constexpr int kStepPerTick = 6;
    static constexpr int kLastFrameStep = 96;
    static constexpr int kEndStep = 100;

    WriteTransfer(SerialLink& link, RowStore& rows, SessionHost& host)
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
    bool refuseRowsThatCannotTravel(WriteRules rules);
    void finish();
    void fail(const TransferOutcome& outcome);

    SerialLink& m_link;
    RowStore& m_rows;
    SessionHost& m_host;
    int m_step = 0;
    bool m_running = false;
    int m_port = 0; // "A" and all 16 frames go out on this one port
};

} // namespace zt41
