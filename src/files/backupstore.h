// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace zt41 {

// One kept copy of what a radio held before it was written.
struct BackupEntry {
    QDateTime time;
    QString port; // the port's name as a file name part ("COM1", "dev-ttyUSB0")
    QString path;
    QString squelch;
    QString firstReceive; // channel 1's receive frequency, to tell backups apart
};

// The backups of the window and the tool alike: one channel file each in
// $XDG_DATA_HOME/zt41/backups/, named by time and port. A backup is only
// ever added, never overwritten.
class BackupStore {
public:
    enum class Problem { None, NoHome, CannotWrite };

    explicit BackupStore(QString folder)
        : m_folder(std::move(folder)) {}
    // The store where the XDG rules put it: a relative XDG_DATA_HOME is
    // ignored; nothing when neither it nor HOME is an absolute path.
    static std::optional<BackupStore> standard();

    const QString& folder() const { return m_folder; }
    // Creates the folder and checks that it takes files, before any radio is read.
    Problem prepare() const;
    // Keeps one backup; the path, or nothing when it could not be saved.
    std::optional<QString> add(const QString& port, const QString& squelch, const ChannelRows& rows,
                               const QDateTime& time) const;
    // Every backup that loads, newest first.
    QList<BackupEntry> list() const;
    // The backup at `path` when it is one of this store's (named as the store
    // names them, in its folder, and loads); nothing otherwise.
    std::optional<BackupEntry> entryAt(const QString& path) const;

    // "/dev/serial/by-id/usb-x" gives "dev-serial-by-id-usb-x".
    static QString portTag(const QString& port);

private:
    QString m_folder;
};

} // namespace zt41
