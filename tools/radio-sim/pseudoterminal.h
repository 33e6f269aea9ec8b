// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41::sim {

// A pseudo-terminal whose slave end stands in for the radio's serial port.
// The slave is raw, like a serial line: no echo, no line editing, no
// translation of line ends. The master end is the radio's side of the cable.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // On failure returns false and leaves the reason in errorString().
    bool open();

    int masterFd() const { return m_master; }
    const QString& slavePath() const { return m_slavePath; }
    const QString& errorString() const { return m_error; }

private:
    bool fail(const char* what);

    int m_master = -1;
    // Held for the whole run: while any slave descriptor is open, a client
    // closing the port does not hang the line up, so the master never reads
    // EIO and the next client finds the settings made here still in force.
    int m_slaveKeeper = -1;
    QString m_slavePath;
    QString m_error;
};

} // namespace zt41::sim
