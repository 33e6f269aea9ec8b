// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seriallink.h"

#include <array>
#include <functional>

namespace zt41 {

class LinkSession;

// The logic of the port selection dialog: on load every port is tried, COM8
// first, and the ports that do not open are greyed out; OK switches to the
// chosen port, Cancel goes back to the port in use before.
class PortSelection {
public:
    struct Option {
        bool enabled = true;
        bool selected = false;
        PortOpenFailure failure; // why the port did not open during the load
    };
    static constexpr int kOptions = 8;

    PortSelection(SerialLink& link, LinkSession& session)
        : m_link(link)
        , m_session(session) {}

    void load();
    // The user selects option n (1 to 8); a greyed option cannot be selected.
    void select(int number);
    // When the chosen port does not open, the port in use before is opened
    // again and `sayInvalid` tells the user, before the poll restarts.
    void ok(const std::function<void()>& sayInvalid);
    void cancel();

    const Option& option(int number) const { return m_options.at(number - 1); }
    int selected() const;
    int rememberedPort() const { return m_remembered; }

    // Called when OK deselects the chosen option that did not open, before
    // the message about it is shown, so the dialog can show it deselected.
    void onDeselect(std::function<void(int)> deselected) { m_deselected = std::move(deselected); }

private:
    void reopenRemembered();

    SerialLink& m_link;
    LinkSession& m_session;
    std::array<Option, kOptions> m_options{};
    int m_remembered = 0;
    std::function<void(int)> m_deselected;
};

} // namespace zt41
