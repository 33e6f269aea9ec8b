// SPDX-License-Identifier: GPL-3.0-or-later
#include "databaselock.h"

#include <QFileInfo>
#include <QLockFile>
#include <QThread>

namespace zt41 {

DatabaseLock::DatabaseLock() = default;

DatabaseLock::~DatabaseLock() = default;

QString DatabaseLock::lockPathFor(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteFilePath() + QStringLiteral(".lock");
}

DatabaseLock::Result DatabaseLock::acquire(const QString& databasePath) {
    release();
    m_holderPid = 0;
    auto lock = std::make_unique<QLockFile>(lockPathFor(databasePath));
    // A copy of the program may run for days: only a lock whose process is
    // gone counts as stale, never one that is merely old.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return Result::Locked;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Result::Failed;
    QString host, application;
    if (lock->getLockInfo(&m_holderPid, &host, &application))
        return Result::HeldByAnother;
    // A lock file that names no process (empty, as a power cut right after its
    // creation leaves it, or garbage) is stale. A copy starting this moment
    // writes its name within a blink: look once more before taking it over.
    QThread::msleep(kUnnamedGraceMs);
    if (lock->getLockInfo(&m_holderPid, &host, &application))
        return Result::HeldByAnother;
    m_holderPid = 0;
    if (!lock->removeStaleLockFile() || !lock->tryLock(0))
        return Result::Failed;
    m_lock = std::move(lock);
    return Result::Locked;
}

void DatabaseLock::release() {
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool DatabaseLock::isLocked() const {
    return m_lock && m_lock->isLocked();
}

} // namespace zt41
