// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/transfers.h"
#include "kerneladapters.h"

namespace zt41 {

class RowStore;
class SerialLink;
using kernel::SessionHost;
using kernel::WriteRules;

// Copies the squelch level and the 16 rows into the radio: "A" at the
// command, then one frame per tick of Timer1 (300 ms), frame k from row k.
// The kernel's write over the serial port and a row store.
class WriteTransfer {
public:
    static constexpr int kStepPerTick = kernel::WriteTransfer::kStepPerTick;
    static constexpr int kLastFrameStep = kernel::WriteTransfer::kLastFrameStep;
    static constexpr int kEndStep = kernel::WriteTransfer::kEndStep;

    WriteTransfer(SerialLink& link, RowStore& rows, SessionHost& host)
        : m_link(link)
        , m_rows(rows)
        , m_write(m_link, m_rows, host) {}

    // The write command. A command while a write runs is ignored: a second
    // "A" in the middle of the frames would garble the radio's memory.
    void command(WriteRules rules = WriteRules::Editing) { m_write.command(rules); }
    // One tick of Timer1.
    void tick() { m_write.tick(); }
    bool isRunning() const { return m_write.isRunning(); }
    // 0, 6, 12, ..., 96 between ticks.
    int step() const { return m_write.step(); }

private:
    KernelLink m_link;
    KernelRows m_rows;
    kernel::WriteTransfer m_write;
};

} // namespace zt41
