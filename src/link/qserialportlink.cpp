// SPDX-License-Identifier: GPL-3.0-or-later
#include "qserialportlink.h"

#include "devicepath.h"
#include "platform/platform.h"

#include <QFileInfo>

namespace zt41 {

QSerialPortLink::QSerialPortLink(PortMap map, QObject* parent)
    : SerialLink(parent)
    , m_map(std::move(map))
    , m_port(this) {
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::inputArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QSerialPortLink::handleError);
}

QSerialPortLink::~QSerialPortLink() {
    close();
}

void QSerialPortLink::selectPort(int number) {
    if (!m_port.isOpen() && number >= kFirstPort && number <= kLastPort)
        m_number = number;
}

bool QSerialPortLink::open() {
    if (m_port.isOpen())
        return true;
    const QString device = m_map.device(m_number);
    m_openFailure = {};
    m_openFailure.port = m_number;
    m_openFailure.device = device;
    if (device.isEmpty()) {
        m_openFailure.kind = PortOpenFailure::Kind::NotMapped;
        return false;
    }
    // Opened by the device itself, so that Qt's lock file names the device
    // whatever link or spelling led to it: one program per cable.
    m_port.setPortName(realDevicePath(device));
    m_lost = false;
    if (!m_port.open(QIODevice::ReadWrite)) {
        noteOpenFailure(device);
        return false;
    }
    // Held exclusively while open: one program per cable.
    platform::holdPortExclusively(m_port.handle());
    const bool configured =
        m_port.setBaudRate(QSerialPort::Baud1200) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_openFailure.kind = PortOpenFailure::Kind::SettingsRefused;
        m_openFailure.detail = m_port.errorString();
        m_port.close();
        return false;
    }
    // Qt keeps whatever the line delivered before the port was opened.
    m_port.clear(QSerialPort::Input);
    m_wakeThreshold = 0;
    setWakeThreshold(1);
    m_openFailure.kind = PortOpenFailure::Kind::None;
    return true;
}

void QSerialPortLink::noteOpenFailure(const QString& device) {
    const QFileInfo info(device);
    PortOpenFailure& f = m_openFailure;
    if (!info.exists()) {
        f.kind = PortOpenFailure::Kind::Missing;
        return;
    }
    switch (m_port.error()) {
    case QSerialPort::PermissionError:
        // Qt says "permission" for a port another program holds, too.
        if (info.isReadable() && info.isWritable()) {
            f.kind = PortOpenFailure::Kind::Busy;
        } else {
            f.kind = PortOpenFailure::Kind::NoPermission;
            f.group = info.group();
        }
        return;
    case QSerialPort::DeviceNotFoundError:
        f.kind = PortOpenFailure::Kind::Missing;
        return;
    default:
        f.kind = PortOpenFailure::Kind::Other;
        f.detail = m_port.errorString();
        return;
    }
}

void QSerialPortLink::setWakeThreshold(int bytes) {
    bytes = qBound(1, bytes, 255);
    if (!m_port.isOpen() || bytes == m_wakeThreshold)
        return;
    m_wakeThreshold = bytes;
    platform::setPortWakeThreshold(m_port.handle(), bytes);
}

void QSerialPortLink::close() {
    if (!m_port.isOpen())
        return;
    platform::releasePortExclusively(m_port.handle());
    m_port.close();
}

QString QSerialPortLink::readChar() {
    if (!m_port.isOpen())
        return QString();
    char c = 0;
    if (m_port.read(&c, 1) != 1)
        return QString();
    return QString(QChar(static_cast<uchar>(c)));
}

void QSerialPortLink::discardInput() {
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

bool QSerialPortLink::send(const QByteArray& text) {
    if (!m_port.isOpen() || m_lost)
        return false;
    if (m_port.write(text) != text.size())
        return false;
    // Hand the bytes to the line now rather than at the next pass of the event loop.
    m_port.flush();
    return !m_lost;
}

void QSerialPortLink::handleError(QSerialPort::SerialPortError error) {
    // Qt 6.4 reports a vanished device as a flood of read errors and never as
    // a resource error: treat all three alike, close once, report once.
    if (error != QSerialPort::ReadError && error != QSerialPort::WriteError &&
        error != QSerialPort::ResourceError)
        return;
    if (m_lost || !m_port.isOpen())
        return;
    m_lost = true;
    const QString reason = QStringLiteral("%1: %2").arg(m_port.portName(), m_port.errorString());
    QMetaObject::invokeMethod(this, &QSerialPortLink::close, Qt::QueuedConnection);
    Q_EMIT linkLost(reason);
}

} // namespace zt41
