// SPDX-License-Identifier: GPL-3.0-or-later
#include "portselection.h"

#include "linksession.h"

namespace zt41 {

void PortSelection::load() {
    m_session.stopPoll();
    m_remembered = m_link.portNumber();
    m_options = {};
    for (int n = kOptions; n >= 1; --n) {
        m_link.close();
        m_link.selectPort(n);
        m_link.open();
        Option& option = m_options[n - 1];
        if (!m_link.isOpen()) {
            option.enabled = false;
            option.failure = m_link.openFailure();
        } else if (n == m_remembered) {
            option.selected = true;
        }
    }
}

void PortSelection::select(int number) {
    if (number < 1 || number > kOptions || !m_options[number - 1].enabled)
        return;
    for (Option& o : m_options)
        o.selected = false;
    m_options[number - 1].selected = true;
}

int PortSelection::selected() const {
    for (int n = 1; n <= kOptions; ++n)
        if (m_options[n - 1].selected)
            return n;
    return 0;
}

void PortSelection::reopenRemembered() {
    m_link.close();
    m_link.selectPort(m_remembered);
    m_link.open();
}

void PortSelection::ok(const std::function<void()>& sayInvalid) {
    m_link.close();
    const int n = selected();
    if (n == 0) {
        // Only when the port in use did not open during the load: try it once more.
        reopenRemembered();
    } else {
        m_link.selectPort(n);
        m_link.open();
        if (!m_link.isOpen()) {
            m_options[n - 1].selected = false;
            if (m_deselected)
                m_deselected(n);
            reopenRemembered();
            if (sayInvalid)
                sayInvalid();
        }
    }
    m_session.startPoll();
}

void PortSelection::cancel() {
    reopenRemembered();
    m_session.startPoll();
}

} // namespace zt41
