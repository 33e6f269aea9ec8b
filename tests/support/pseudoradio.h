// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTest>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

// The far end of a pseudo-terminal stands in for the radio.
struct PseudoRadio {
    int master = -1;
    int keepSlave = -1;
    QString slavePath;

    bool open() {
        char name[256] = {};
        if (openpty(&master, &keepSlave, name, nullptr, nullptr) != 0)
            return false;
        termios t{};
        tcgetattr(keepSlave, &t);
        cfmakeraw(&t);
        tcsetattr(keepSlave, TCSANOW, &t);
        slavePath = QString::fromLocal8Bit(name);
        return true;
    }
    void send(const QByteArray& bytes) const {
        QCOMPARE(::write(master, bytes.data(), bytes.size()), bytes.size());
    }
    QByteArray receive(int wantAtLeast) const {
        QByteArray got;
        for (int i = 0; i < 200 && got.size() < wantAtLeast; ++i) {
            char buf[256];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                got.append(buf, n);
            else
                QTest::qWait(5);
        }
        return got;
    }
    void hangUp() {
        ::close(master);
        ::close(keepSlave);
        master = keepSlave = -1;
    }
    ~PseudoRadio() {
        if (master >= 0)
            hangUp();
    }
};
