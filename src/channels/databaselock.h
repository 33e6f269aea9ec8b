// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace zt41 {

// Keeps a second copy of the program off a channel database that one copy
// already works on: two copies would each keep their own view of the rows,
// write stale rows to the radio and mix their edits in the file. The lock is a
// file beside the database; a lock that names no live copy (its copy died,
// or the file is empty or garbage) is taken over.
class DatabaseLock {
public:
    enum class Result { Locked, HeldByAnother, Failed };
    static constexpr unsigned long kUnnamedGraceMs = 100;

    DatabaseLock();
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    Result acquire(const QString& databasePath);
    void release();
    bool isLocked() const;

    // The process that holds the lock, when acquire() found it held.
    qint64 holderPid() const { return m_holderPid; }

    static QString lockPathFor(const QString& databasePath);

private:
    std::unique_ptr<QLockFile> m_lock;
    qint64 m_holderPid = 0;
};

} // namespace zt41
