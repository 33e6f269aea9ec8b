// SPDX-License-Identifier: GPL-3.0-or-later
#include "statusclear.h"

#include "sessionhost.h"

namespace zt41 {

void StatusClear::tick() {
    if (++m_count > kTicks) {
        m_host.setStatus(LinkStatus::Empty);
        m_count = 0;
        m_host.stopTimer(SessionTimer::StatusClear);
    }
}

} // namespace zt41
