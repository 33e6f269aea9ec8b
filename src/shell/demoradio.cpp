#include "demoradio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

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

QString DemoRadio::memoryPath() const {
    return m_memoryDir ? m_memoryDir->filePath(QStringLiteral("radio-memory.doc")) : QString();
}

QString DemoRadio::start(const QString& program, const QStringList& arguments) {
    const QString home = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (home.isEmpty() || !QDir().mkpath(home)) {
        m_error = QStringLiteral("no folder for the demo radio's memory under %1").arg(home);
        return QString();
    }
    // mkdtemp: a fresh folder, mode 0700.
    m_memoryDir =
        std::make_unique<QTemporaryDir>(QDir(home).filePath(QStringLiteral("demo-XXXXXX")));
    if (!m_memoryDir->isValid()) {
        m_error = QStringLiteral("cannot create the demo radio's folder: %1")
                      .arg(m_memoryDir->errorString());
        return QString();
    }
#ifdef Q_OS_LINUX
    const pid_t parent = ::getpid();
    m_process.setChildProcessModifier([parent] {
        // Runs in the child before exec: the radio gets SIGTERM when this
        // program dies, even by SIGKILL.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
    });
#endif
    m_process.start(program, QStringList{QStringLiteral("--memory"), memoryPath()} + arguments);
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
