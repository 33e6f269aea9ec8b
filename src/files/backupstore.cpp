// SPDX-License-Identifier: GPL-3.0-or-later
#include "backupstore.h"

#include "channelfile.h"
#include "channels/kernelbridge.h"
#include "kernel/backups.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace zt41 {

namespace {

// The time a backup's name is stamped with: local time, as QDateTime gives it.
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

kernel::BackupStamp stampOf(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

} // namespace

std::optional<BackupStore> BackupStore::standard() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home))
            return std::nullopt;
        dataHome = home + QStringLiteral("/.local/share");
    }
    return BackupStore(QDir::cleanPath(dataHome + QStringLiteral("/zt41/backups")));
}

BackupStore::Problem BackupStore::prepare() const {
    if (!QDir().mkpath(m_folder))
        return Problem::CannotWrite;
    // A folder that says it is writable may still refuse a file (a read-only mount).
    QTemporaryFile probe(m_folder + QStringLiteral("/.probe-XXXXXX"));
    return probe.open() ? Problem::None : Problem::CannotWrite;
}

QString BackupStore::portTag(const QString& port) {
    return fromKernel(kernel::backupPortTag(toKernel(port)));
}

std::optional<QString> BackupStore::add(const QString& port, const QString& squelch,
                                        const ChannelRows& rows, const QDateTime& time) const {
    if (!QDir().mkpath(m_folder))
        return std::nullopt;
    const QDir folder(m_folder);
    const auto pathOf = [&](int copy) {
        return folder.filePath(
            fromKernel(kernel::backupFileName(stampOf(time), toKernel(port), copy)));
    };
    QString path = pathOf(1);
    // Two radios on one port within a millisecond: the second gets a number.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = pathOf(n);
    if (saveChannelFile(path, squelch, rows) != ChannelFileError::None)
        return std::nullopt;
    return path;
}

std::optional<BackupEntry> BackupStore::entryAt(const QString& path) const {
    const QFileInfo file(path);
    const QString folder = QFileInfo(m_folder).canonicalFilePath();
    if (!file.isFile() || folder.isEmpty() || file.canonicalPath() != folder)
        return std::nullopt;
    const std::optional<kernel::BackupName> name =
        kernel::parseBackupFileName(toKernel(file.fileName()));
    if (!name)
        return std::nullopt;
    const ChannelFileRead read = readChannelFile(file.filePath());
    if (read.error != ChannelFileError::None)
        return std::nullopt;
    return BackupEntry{QDateTime::fromString(fromKernel(name->stampText), kStampFormat),
                       fromKernel(name->port), file.filePath(), read.contents.squelch,
                       read.contents.rows[0].text(Field::Rf)};
}

QList<BackupEntry> BackupStore::list() const {
    QList<BackupEntry> out;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.doc")}, QDir::Files);
    for (const QFileInfo& file : files)
        if (const std::optional<BackupEntry> entry = entryAt(file.filePath()))
            out.append(*entry);
    std::vector<kernel::BackupOrderKey> keys;
    for (const BackupEntry& e : out)
        keys.push_back({e.time.isValid() ? std::optional<std::int64_t>(e.time.toMSecsSinceEpoch())
                                         : std::nullopt,
                        toKernel(e.path)});
    QList<BackupEntry> ordered;
    for (const std::size_t i : kernel::newestFirst(keys))
        ordered.append(out[static_cast<qsizetype>(i)]);
    return ordered;
}

} // namespace zt41
