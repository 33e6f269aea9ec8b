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

    // One tick of Timer3. Does nothing while the port is closed.
    void tick();

private:
    SerialLink& m_link;
    SessionHost& m_host;
};

// Tries COM1 to COM8 in order and keeps the first port that opens. Gives its
// number, or 0 when none opened (the port then stays closed). Why the others
// did not open is added to `failures`, one value each.
int probePorts(SerialLink& link, QList<PortOpenFailure>* failures = nullptr);

} // namespace zt41
