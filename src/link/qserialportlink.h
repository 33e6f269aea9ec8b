// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "portmap.h"
#include "seriallink.h"

#include <QSerialPort>

namespace zt41 {

// SerialLink on Qt's serial port: 1200 bit/s, 8 data bits, no parity, one
// stop bit, no flow control.
class QSerialPortLink : public SerialLink {
    Q_OBJECT
public:
    explicit QSerialPortLink(PortMap map, QObject* parent = nullptr);
    ~QSerialPortLink() override;
    Q_DISABLE_COPY_MOVE(QSerialPortLink)

    void selectPort(int number) override;
    int portNumber() const override { return m_number; }
    bool open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    PortOpenFailure openFailure() const override { return m_openFailure; }

    QString readChar() override;
    qint64 waitingCount() const override { return m_port.isOpen() ? m_port.bytesAvailable() : 0; }
    void discardInput() override;
    bool send(const QByteArray& text) override;
    void setWakeThreshold(int bytes) override;
    bool mayComeBack() const override {
        return !m_map.device(m_number).startsWith(QStringLiteral("/dev/pts/"));
    }

private:
    void handleError(QSerialPort::SerialPortError error);
    void noteOpenFailure(const QString& device);

    PortMap m_map;
    QSerialPort m_port;
    int m_number = kFirstPort;
    PortOpenFailure m_openFailure;
    bool m_lost = false;
    int m_wakeThreshold = 1;
};

} // namespace zt41
