#include "channelinput.h"

#include "files/channelfile.h"
#include "link/channelframe.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

namespace zt41::cli {

namespace {

bool isSqlite(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

std::optional<ChannelSet> refuse(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

std::optional<ChannelRows> readDatabase(const QString& path, QString* error) {
    const QString connection = QUuid::createUuid().toString();
    std::optional<ChannelRows> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        // Read-only: the tool never changes the window's database.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
        if (!db.open()) {
            *error = QStringLiteral("%1: cannot open the database").arg(path);
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral(
                    "SELECT no, rf, rct, tf, tct, bt, pw FROM Chane ORDER BY rowid"))) {
                *error = QStringLiteral("%1: not a channel database (no table Chane)").arg(path);
            } else {
                ChannelRows out{};
                int n = 0;
                while (q.next()) {
                    if (n < kChannelCount)
                        for (int f = 0; f < kFieldCount; ++f)
                            out[n].fields[f] = q.value(f).isNull()
                                                   ? FieldValue()
                                                   : FieldValue(q.value(f).toString());
                    ++n;
                }
                if (n != kChannelCount)
                    *error = QStringLiteral("%1: table Chane has %2 rows, not 16").arg(path).arg(n);
                else
                    rows = out;
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

QString fileError(ChannelFileError e) {
    switch (e) {
    case ChannelFileError::TooFewValues:
        return QStringLiteral("holds fewer than 97 values");
    case ChannelFileError::ValueTooLong:
        return QStringLiteral("holds a value longer than 1024 characters");
    case ChannelFileError::NotText:
        return QStringLiteral("is not a text file");
    case ChannelFileError::BadNumber:
        return QStringLiteral("holds a number too large");
    default:
        return QStringLiteral("cannot be read");
    }
}

QString problemName(FrameProblem p) {
    switch (p) {
    case FrameProblem::ChannelNumber:
        return QStringLiteral("channel number");
    case FrameProblem::ReceiveFrequency:
        return QStringLiteral("receive frequency");
    case FrameProblem::TransmitFrequency:
        return QStringLiteral("transmit frequency");
    case FrameProblem::ReceiveTone:
        return QStringLiteral("receive tone");
    case FrameProblem::TransmitTone:
        return QStringLiteral("transmit tone");
    case FrameProblem::None:
        break;
    }
    return QString();
}

} // namespace

std::optional<ChannelSet> loadChannelSet(const QString& path, const QString& databaseSquelch,
                                         bool mustTravel, QString* error) {
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(error, QStringLiteral("%1: no such file").arg(path));
    if (!info.isFile() || !info.isReadable())
        return refuse(error, QStringLiteral("%1: cannot be read").arg(path));
    ChannelSet set;
    if (isSqlite(path)) {
        QString why;
        const std::optional<ChannelRows> rows = readDatabase(path, &why);
        if (!rows)
            return refuse(error, why);
        set.rows = *rows;
        set.squelch = databaseSquelch;
    } else {
        const ChannelFileRead read = readChannelFile(path);
        if (read.error != ChannelFileError::None)
            return refuse(
                error,
                QStringLiteral("%1: not a channel file: it %2").arg(path, fileError(read.error)));
        set.rows = read.contents.rows;
        set.squelch = read.contents.squelch;
        // A channel file keeps no numbers: rows are known by their places.
        for (int k = 1; k <= kChannelCount; ++k)
            set.rows[k - 1][Field::No] = QString::number(k);
    }
    // A write numbers the first row 1 before it sends, as the window does.
    set.rows[0][Field::No] = QStringLiteral("1");
    for (int k = 1; mustTravel && k <= kChannelCount; ++k) {
        const FrameProblem p = frameProblem(k, set.rows[k - 1]);
        if (p != FrameProblem::None)
            return refuse(error,
                          QStringLiteral("%1: channel %2: the %3 cannot be sent to the radio")
                              .arg(path)
                              .arg(k)
                              .arg(problemName(p)));
    }
    return set;
}

} // namespace zt41::cli
