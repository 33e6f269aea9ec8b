// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zt41 {

namespace kernel {
class SessionHost;
} // namespace kernel
using kernel::SessionHost;

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

} // namespace zt41
