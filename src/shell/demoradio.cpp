#include "demoradio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

namespace zt41 {

DemoRadio::DemoRadio(QObject* parent)
    : QObject(parent)
    , m_process(this) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

DemoRadio::~DemoRadio() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString DemoRadio::defaultProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zt41-radio"));
}

QString DemoRadio::start(const QString& program, const QStringList& arguments) {
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("%1 did not start: %2").arg(program, m_process.errorString());
        return QString();
    }
    // The simulator names its device on the first line it prints.
    const QDeadlineTimer deadline(5000);
    while (!m_process.canReadLine() && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    const QString device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    if (device.isEmpty()) {
        m_error = QStringLiteral("%1 named no device").arg(program);
        return QString();
    }
    return device;
}

} // namespace zt41
