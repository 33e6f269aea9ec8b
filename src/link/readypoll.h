// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/transfers.h"
#include "kerneladapters.h"

#include <QList>

namespace zt41 {

class SerialLink;
using kernel::SessionHost;
struct PortOpenFailure;

// Finds out that a radio is connected and listening: every tick drops what
// arrived until a "C", and sends "C" when none came. The kernel's poll over
// the serial port.
class ReadyPoll {
public:
    static constexpr int kMaxReadsPerTick = kernel::ReadyPoll::kMaxReadsPerTick;

    ReadyPoll(SerialLink& link, SessionHost& host)
        : m_link(link)
        , m_poll(m_link, host) {}

    // One tick of Timer3. Does nothing while the port is closed, unless the
    // port was lost: then each tick tries to open it again, until it opens.
    void tick() { m_poll.tick(); }
    // Looks at what has arrived now, between ticks, without asking again:
    // for a front end that goes on the moment the radio answers.
    bool takeAnswer() { return m_poll.takeAnswer(); }
    // The port went away (cable pulled): reopen it when its device comes back.
    void reopenWhenBack() { m_poll.reopenWhenBack(); }
    bool reopening() const { return m_poll.reopening(); }

private:
    KernelLink m_link;
    kernel::ReadyPoll m_poll;
};

// Tries COM1 to COM8 in order and keeps the first port that opens. Gives its
// number, or 0 when none opened (the port then stays closed). Why the others
// did not open is added to `failures`, one value each.
int probePorts(SerialLink& link, QList<PortOpenFailure>* failures = nullptr);

} // namespace zt41
