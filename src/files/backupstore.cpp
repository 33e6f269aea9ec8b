// SPDX-License-Identifier: GPL-3.0-or-later
#include "backupstore.h"

#include "channelfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace zt41 {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

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
    QString tag = port;
    tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("-"));
    while (tag.startsWith(u'-'))
        tag.remove(0, 1);
    return tag.isEmpty() ? QStringLiteral("port") : tag;
}

std::optional<QString> BackupStore::add(const QString& port, const QString& squelch,
                                        const ChannelRows& rows, const QDateTime& time) const {
    if (!QDir().mkpath(m_folder))
        return std::nullopt;
    const QString base =
        QDir(m_folder).filePath(time.toString(kStampFormat) + u'-' + portTag(port));
    QString path = base + QStringLiteral(".doc");
    // Two radios on one port within a millisecond: the second gets a number.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("-%1.doc").arg(n);
    if (saveChannelFile(path, squelch, rows) != ChannelFileError::None)
        return std::nullopt;
    return path;
}

std::optional<BackupEntry> BackupStore::entryAt(const QString& path) const {
    static const QRegularExpression name(
        QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})-(.+?)(?:-\\d+)?\\.doc$"));
    const QFileInfo file(path);
    const QString folder = QFileInfo(m_folder).canonicalFilePath();
    if (!file.isFile() || folder.isEmpty() || file.canonicalPath() != folder)
        return std::nullopt;
    const QRegularExpressionMatch m = name.match(file.fileName());
    if (!m.hasMatch())
        return std::nullopt;
    const ChannelFileRead read = readChannelFile(file.filePath());
    if (read.error != ChannelFileError::None)
        return std::nullopt;
    return BackupEntry{QDateTime::fromString(m.captured(1), kStampFormat), m.captured(2),
                       file.filePath(), read.contents.squelch,
                       read.contents.rows[0].text(Field::Rf)};
}

QList<BackupEntry> BackupStore::list() const {
    QList<BackupEntry> out;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.doc")}, QDir::Files);
    for (const QFileInfo& file : files)
        if (const std::optional<BackupEntry> entry = entryAt(file.filePath()))
            out.append(*entry);
    std::sort(out.begin(), out.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return out;
}

} // namespace zt41
