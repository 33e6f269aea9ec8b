// SPDX-License-Identifier: GPL-3.0-or-later
#include "demoradio.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace zt41 {

DemoRadio::DemoRadio(QObject* parent)
    : QObject(parent)
    , m_process(this) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

DemoRadio::~DemoRadio() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
}

QString DemoRadio::defaultProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zt41-radio"));
}

QString DemoRadio::memoryPath() const {
    return m_memoryDir ? m_memoryDir->filePath(QStringLiteral("radio-memory.doc")) : QString();
}

void DemoRadio::removeAbandonedFolders(const QString& home) {
    const QDir dir(home);
    for (const QFileInfo& folder :
         dir.entryInfoList({QStringLiteral("demo-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString ownerLock = QDir(folder.filePath()).filePath(kOwnerLock);
        // A folder without its lock yet may be one another demo is just creating.
        if (!QFileInfo::exists(ownerLock) &&
            folder.lastModified().secsTo(QDateTime::currentDateTime()) < kCreationGraceSeconds)
            continue;
        QLockFile owner(ownerLock);
        owner.setStaleLockTime(0); // only a dead owner lets go
        if (!owner.tryLock(0))
            continue;
        owner.unlock();
        QDir(folder.filePath()).removeRecursively();
    }
}

QString DemoRadio::start(const QString& program, const QStringList& arguments) {
    const QString home = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (home.isEmpty() || !QDir().mkpath(home)) {
        m_error = QStringLiteral("no folder for the demo radio's memory under %1").arg(home);
        return QString();
    }
    // What a killed demo left behind goes once nothing of it runs any more.
    removeAbandonedFolders(home);
    // mkdtemp: a fresh folder, mode 0700.
    m_memoryDir =
        std::make_unique<QTemporaryDir>(QDir(home).filePath(QStringLiteral("demo-XXXXXX")));
    if (!m_memoryDir->isValid()) {
        m_error = QStringLiteral("cannot create the demo radio's folder: %1")
                      .arg(m_memoryDir->errorString());
        return QString();
    }
    m_owner = std::make_unique<QLockFile>(m_memoryDir->filePath(kOwnerLock));
    m_owner->setStaleLockTime(0);
    if (!m_owner->tryLock(0)) {
        m_error = QStringLiteral("cannot lock the demo radio's folder");
        return QString();
    }
    // The radio gets SIGTERM when this program dies, even by SIGKILL.
    platform::endChildWithParent(m_process);
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
