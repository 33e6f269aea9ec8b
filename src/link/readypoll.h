// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

namespace zt41 {

class SerialLink;
class SessionHost;
struct PortOpenFailure;

// Finds out that a radio is connected and listening: every tick drops what
// arrived until a "C", and sends "C" when none came.
class ReadyPoll {
public:
    static constexpr int kMaxReadsPerTick = 99999;

    ReadyPoll(SerialLink& link, SessionHost& host)
        : m_link(link)
        , m_host(host) {}

    // One tick of Timer3. Does nothing while the port is closed, unless the
    // port was lost: then each tick tries to open it again, until it opens.
    void tick();
    // Looks at what has arrived now, between ticks, without asking again:
    // for a front end that goes on the moment the radio answers.
    bool takeAnswer();
    // The port went away (cable pulled): reopen it when its device comes back.
    void reopenWhenBack() { m_reopen = true; }
    bool reopening() const { return m_reopen; }

private:
    SerialLink& m_link;
    SessionHost& m_host;
    bool m_reopen = false;
};

// Tries COM1 to COM8 in order and keeps the first port that opens. Gives its
// number, or 0 when none opened (the port then stays closed). Why the others
// did not open is added to `failures`, one value each.
int probePorts(SerialLink& link, QList<PortOpenFailure>* failures = nullptr);

} // namespace zt41
