// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

// The program's end of the cable, opened the plain POSIX way and set raw, so
// that what the tests see is what the simulator put on the line.
class SerialClient {
public:
    SerialClient() = default;
    ~SerialClient() { close(); }
    SerialClient(const SerialClient&) = delete;
    SerialClient& operator=(const SerialClient&) = delete;

    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    bool write(const QByteArray& bytes);
    // Returns once `count` bytes are in or the time is up, with what came.
    QByteArray read(qsizetype count, std::chrono::milliseconds timeout);

private:
    int m_fd = -1;
};
