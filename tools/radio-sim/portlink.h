// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41::sim {

// A fixed name for the port, whose pty number changes from run to run. The
// link goes away with the simulator.
class PortLink {
public:
    PortLink() = default;
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // Replaces a link left behind by an earlier run, never any other file.
    bool create(const QString& linkPath, const QString& target, QString& error);
    void remove();

private:
    QString m_link;
    QString m_target;
};

} // namespace zt41::sim
