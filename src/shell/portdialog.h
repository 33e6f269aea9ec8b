// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/portselection.h"

#include <QDialog>

#include <array>
#include <functional>

class QRadioButton;

namespace zt41 {

class MessageSink;
class PortMap;

// The port selection dialog 选择端口: modeless; its load runs when it is
// created. Closing it by the window's close button counts as Cancel, so the
// port in use is never left closed and the ready poll always restarts.
class PortDialog : public QDialog {
    Q_OBJECT
public:
    // `devices` gives each option's device path for its tool tip; may be null.
    PortDialog(SerialLink& link, LinkSession& session, MessageSink& messages,
               const PortMap* devices, QWidget* parent = nullptr);

    const PortSelection& selection() const { return m_selection; }

    // While `busy` says a transfer runs, OK, Cancel and the close button leave
    // the port and the poll alone: they say so and the dialog stays open.
    void setBusyCheck(std::function<bool()> busy) { m_busy = std::move(busy); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void accept() override;
    bool refusedWhileBusy();

    PortSelection m_selection;
    MessageSink& m_messages;
    std::array<QRadioButton*, PortSelection::kOptions> m_options{};
    bool m_finished = false;
    std::function<bool()> m_busy;
};

} // namespace zt41
