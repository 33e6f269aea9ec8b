#include "statusclear.h"

#include "linkhost.h"

namespace zt41 {

void StatusClear::tick() {
    if (++m_count > kTicks) {
        m_host.setStatus(QString());
        m_count = 0;
        m_host.stopTimer(WindowTimer::StatusClear);
    }
}

} // namespace zt41
