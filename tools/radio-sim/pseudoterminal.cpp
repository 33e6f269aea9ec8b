// SPDX-License-Identifier: GPL-3.0-or-later
#include "pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace zt41::sim {

PseudoTerminal::~PseudoTerminal() {
    if (m_slaveKeeper >= 0)
        ::close(m_slaveKeeper);
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::fail(const char* what) {
    m_error = QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                           QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool PseudoTerminal::open() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0)
        return fail("grantpt");
    if (::unlockpt(m_master) != 0)
        return fail("unlockpt");

    char name[256];
    if (::ptsname_r(m_master, name, sizeof name) != 0)
        return fail("ptsname_r");
    m_slavePath = QString::fromLocal8Bit(name);

    m_slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slaveKeeper < 0)
        return fail("open slave");
    termios tio{};
    if (::tcgetattr(m_slaveKeeper, &tio) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B1200);
    ::cfsetospeed(&tio, B1200);
    if (::tcsetattr(m_slaveKeeper, TCSANOW, &tio) != 0)
        return fail("tcsetattr");

    // The event loop reads and writes the master only when it is ready.
    const int flags = ::fcntl(m_master, F_GETFL);
    if (flags < 0 || ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl O_NONBLOCK");
    return true;
}

} // namespace zt41::sim
