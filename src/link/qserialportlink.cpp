#include "qserialportlink.h"

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
    m_port.close();
}

void QSerialPortLink::selectPort(int number) {
    if (!m_port.isOpen() && number >= kFirstPort && number <= kLastPort)
        m_number = number;
}

bool QSerialPortLink::open() {
    if (m_port.isOpen())
        return true;
    const QString device = m_map.device(m_number);
    if (device.isEmpty()) {
        m_openFailure = QStringLiteral("COM%1 is not mapped to a device").arg(m_number);
        m_openFailureKind = OpenFailure::NotMapped;
        return false;
    }
    m_port.setPortName(device);
    m_lost = false;
    if (!m_port.open(QIODevice::ReadWrite)) {
        noteOpenFailure(device);
        return false;
    }
    const bool configured =
        m_port.setBaudRate(QSerialPort::Baud1200) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_openFailure =
            QStringLiteral("%1 does not take 1200 bit/s 8N1: %2").arg(device, m_port.errorString());
        m_port.close();
        return false;
    }
    // Qt keeps whatever the line delivered before the port was opened.
    m_port.clear(QSerialPort::Input);
    m_openFailure.clear();
    m_openFailureKind = OpenFailure::None;
    return true;
}

void QSerialPortLink::noteOpenFailure(const QString& device) {
    const QFileInfo info(device);
    const auto note = [this](OpenFailure kind, const QString& text) {
        m_openFailureKind = kind;
        m_openFailure = text;
    };
    if (!info.exists()) {
        note(OpenFailure::Missing, QStringLiteral("%1: no such device").arg(device));
        return;
    }
    switch (m_port.error()) {
    case QSerialPort::PermissionError:
        // Qt says "permission" for a port another program holds, too.
        if (info.isReadable() && info.isWritable()) {
            note(OpenFailure::Busy, QStringLiteral("%1 is in use by another program").arg(device));
        } else if (info.group().isEmpty()) {
            note(OpenFailure::NoPermission, QStringLiteral("%1: no permission to open it").arg(device));
        } else {
            note(OpenFailure::NoPermission,
                 QStringLiteral("%1: no permission to open it; membership in group %2 grants access")
                     .arg(device, info.group()));
        }
        return;
    case QSerialPort::DeviceNotFoundError:
        note(OpenFailure::Missing, QStringLiteral("%1: no such device").arg(device));
        return;
    default:
        note(OpenFailure::Other, QStringLiteral("%1: %2").arg(device, m_port.errorString()));
        return;
    }
}

void QSerialPortLink::close() {
    if (m_port.isOpen())
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
