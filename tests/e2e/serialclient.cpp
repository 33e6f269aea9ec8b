// SPDX-License-Identifier: GPL-3.0-or-later
#include "serialclient.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

bool SerialClient::open(const QString& path) {
    close();
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0) {
        close();
        return false;
    }
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B1200);
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0) {
        close();
        return false;
    }
    return true;
}

void SerialClient::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool SerialClient::write(const QByteArray& bytes) {
    qsizetype done = 0;
    const QDeadlineTimer deadline(std::chrono::seconds(5));
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{m_fd, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(deadline.remainingTime())) <= 0)
            return false;
    }
    return true;
}

QByteArray SerialClient::read(qsizetype count, std::chrono::milliseconds timeout) {
    QByteArray got;
    const QDeadlineTimer deadline(timeout);
    while (got.size() < count) {
        pollfd p{m_fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[512];
        const ssize_t n =
            ::read(m_fd, buffer, std::min<qsizetype>(sizeof buffer, count - got.size()));
        if (n > 0)
            got.append(buffer, n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return got;
}
