// SPDX-License-Identifier: GPL-3.0-or-later
#include "channeltable.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <atomic>
#include <functional>

namespace zt41 {

namespace {

std::atomic<int> connectionCounter{0};

QSqlDatabase connection(const QString& name) {
    return QSqlDatabase::database(name, false);
}

// The SQLite driver binds a null QString as NULL; empty text must stay text.
QString asText(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

// Whether a column declared with this type keeps the texts stored in it as
// they are (SQLite's type affinity): a numeric column turns "145.01250" into
// 145.0125.
bool keepsText(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT")))
        return false;
    return type.isEmpty() || type.contains(QLatin1String("CHAR")) ||
           type.contains(QLatin1String("CLOB")) || type.contains(QLatin1String("TEXT")) ||
           type.contains(QLatin1String("BLOB"));
}

// Runs an UPDATE meant for one row. Any other count means the file is not
// what it was when it opened (a damaged page, a shared rowid): a failure.
bool exactlyOneRow(QSqlQuery& q, QString& error) {
    if (!q.exec()) {
        error = q.lastError().text();
        return false;
    }
    if (q.numRowsAffected() != 1) {
        error = QStringLiteral("a write meant for one row changed %1").arg(q.numRowsAffected());
        return false;
    }
    return true;
}

} // namespace

ChannelTable::ChannelTable(QObject* parent)
    : QObject(parent)
    , m_connection(QStringLiteral("zt41-channels-%1").arg(connectionCounter++)) {}

ChannelTable::~ChannelTable() {
    closeConnection();
}

bool ChannelTable::fail(const QString& reason, OpenProblem problem) {
    m_error = reason;
    m_problem = problem;
    m_open = false;
    return false;
}

void ChannelTable::closeConnection() {
    if (QSqlDatabase::contains(m_connection)) {
        connection(m_connection).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool ChannelTable::isSqliteFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

bool ChannelTable::open(const QString& path, Access access) {
    closeConnection();
    m_readOnly = access == Access::ReadOnly;
    // The connection is dropped only here, once every query on it has gone.
    if (openFile(path))
        return true;
    closeConnection();
    return false;
}

bool ChannelTable::openFile(const QString& path) {
    m_open = false;
    m_path = QFileInfo(path).absoluteFilePath();
    m_error.clear();
    m_problem = OpenProblem::None;
    m_foundRows = 0;
    const QFileInfo info(m_path);
    if (info.exists()) {
        if (!info.isFile())
            return fail(QStringLiteral("%1 is not a file").arg(m_path), OpenProblem::NotAFile);
        // Qt's SQLite driver opens any file without complaint; look first.
        if (!isSqliteFile(m_path))
            return fail(QStringLiteral("%1 is not an SQLite database").arg(m_path),
                        OpenProblem::NotSqlite);
        if (!m_readOnly && !info.isWritable())
            return fail(QStringLiteral("%1 cannot be written").arg(m_path), OpenProblem::ReadOnly);
        return openExisting();
    }
    if (m_readOnly)
        return fail(QStringLiteral("%1 does not exist").arg(m_path), OpenProblem::Missing);
    return createNew();
}

bool ChannelTable::openExisting() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(m_readOnly
                             ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!db.open())
        return fail(db.lastError().text());
    if (!checkIntegrity())
        return false;

    QSqlQuery columns(db);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(Chane)")))
        return fail(columns.lastError().text(), OpenProblem::Damaged);
    QStringList names, types;
    while (columns.next()) {
        names << columns.value(1).toString().toLower();
        types << columns.value(2).toString();
    }
    if (names.isEmpty())
        return fail(QStringLiteral("%1 holds no table Chane").arg(m_path), OpenProblem::NoTable);
    for (int i = 0; i < kFieldCount; ++i) {
        if (names.size() <= i || names[i] != QLatin1String(kFieldNames[i]))
            return fail(QStringLiteral("table Chane in %1 does not have the fields "
                                       "no, rf, rct, tf, tct, bt, pw")
                            .arg(m_path),
                        OpenProblem::Columns);
    }
    for (int i = 1; i < kFieldCount; ++i) {
        if (!keepsText(types[i]))
            return fail(QStringLiteral("column %1 of table Chane in %2 is declared %3, which "
                                       "changes the texts stored in it")
                            .arg(names[i], m_path, types[i]),
                        OpenProblem::ColumnTypes);
    }

    if (m_readOnly)
        return loadRows();
    // A write lock taken and given back proves the file can be written.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("%1 cannot be written: %2")
                        .arg(m_path, probe.lastError().databaseText()),
                    OpenProblem::ReadOnly);
    probe.exec(QStringLiteral("ROLLBACK"));

    return loadRows();
}

bool ChannelTable::checkIntegrity() {
    // A damaged file may open and even take writes that then go nowhere; it
    // is refused as it is, never mended behind the user's back.
    QSqlQuery check(connection(m_connection));
    if (!check.exec(QStringLiteral("PRAGMA quick_check")))
        return fail(check.lastError().databaseText(), OpenProblem::Damaged);
    QStringList findings;
    while (check.next())
        findings << check.value(0).toString();
    if (findings != QStringList{QStringLiteral("ok")})
        return fail(findings.isEmpty() ? check.lastError().databaseText() : findings.first(),
                    OpenProblem::Damaged);
    return true;
}

bool ChannelTable::createNew() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        return fail(db.lastError().text());
    // A file this program has just begun to create is its own to remove.
    const auto abandon = [this, &db](const QString& reason) {
        db.close();
        QFile::remove(m_path);
        return fail(reason);
    };
    if (!db.transaction())
        return abandon(db.lastError().text());
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE Chane (no TEXT, rf TEXT, rct TEXT, tf TEXT, "
                               "tct TEXT, bt TEXT, pw TEXT)")))
        return abandon(q.lastError().text());
    q.prepare(QStringLiteral("INSERT INTO Chane VALUES (?, '', '', '', '', '', '')"));
    for (int k = 1; k <= kChannelCount; ++k) {
        q.addBindValue(QString::number(k));
        if (!q.exec())
            return abandon(q.lastError().text());
    }
    if (!db.commit())
        return abandon(db.lastError().text());
    return loadRows();
}

bool ChannelTable::loadRows() {
    QSqlQuery q(connection(m_connection));
    if (!q.exec(QStringLiteral("SELECT rowid, no, rf, rct, tf, tct, bt, pw FROM Chane "
                               "ORDER BY rowid")))
        return fail(q.lastError().text());
    int n = 0;
    QSet<qint64> rowIds;
    while (q.next()) {
        if (n < kChannelCount) {
            m_rowIds[n] = q.value(0).toLongLong();
            rowIds.insert(m_rowIds[n]);
            for (int f = 0; f < kFieldCount; ++f) {
                const QVariant v = q.value(f + 1);
                m_rows[n].fields[f] = v.isNull() ? FieldValue() : FieldValue(v.toString());
            }
        }
        ++n;
    }
    if (q.lastError().isValid())
        return fail(q.lastError().text(), OpenProblem::Damaged);
    m_foundRows = n;
    if (n != kChannelCount)
        return fail(QStringLiteral("table Chane in %1 has %2 rows, not 16").arg(m_path).arg(n),
                    OpenProblem::RowCount);
    if (rowIds.size() != kChannelCount)
        return fail(QStringLiteral("rows of table Chane in %1 share a rowid").arg(m_path),
                    OpenProblem::SharedRowIds);
    m_open = true;
    m_current = 0;
    return true;
}

void ChannelTable::setCurrentRow(int row) {
    if (row < 0 || row >= kChannelCount)
        row = kNoRow;
    if (row == m_current)
        return;
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

bool ChannelTable::writeField(Field f, const QString& text) {
    return writeFields({{f, text}});
}

bool ChannelTable::writeFields(const std::vector<std::pair<Field, QString>>& changes) {
    if (!hasCurrentRow())
        return false;
    return store(m_current, changes);
}

bool ChannelTable::writeFieldsAt(int row, const std::vector<std::pair<Field, QString>>& changes) {
    if (row < 0 || row >= kChannelCount)
        return false;
    return store(row, changes);
}

bool ChannelTable::store(int row, const std::vector<std::pair<Field, QString>>& changes) {
    if (!m_open || m_readOnly || changes.empty())
        return m_open && !m_readOnly;
    const bool stored = inTransaction([&](QSqlQuery& q) {
        for (const auto& [field, text] : changes) {
            q.prepare(QStringLiteral("UPDATE Chane SET %1 = ? WHERE rowid = ?")
                          .arg(QLatin1String(kFieldNames[static_cast<int>(field)])));
            q.addBindValue(asText(text));
            q.addBindValue(m_rowIds[row]);
            if (!exactlyOneRow(q, m_error))
                return false;
        }
        return true;
    });
    if (!stored) {
        reloadAfterFailure();
        Q_EMIT storeFailed(m_error);
        return false;
    }
    for (const auto& [field, text] : changes) {
        m_rows[row][field] = asText(text);
        Q_EMIT fieldChanged(row, field);
    }
    return true;
}

bool ChannelTable::replaceDataFields(const ChannelRows& rows) {
    if (!m_open || m_readOnly)
        return false;
    const bool stored = inTransaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral(
            "UPDATE Chane SET rf = ?, rct = ?, tf = ?, tct = ?, bt = ?, pw = ? WHERE rowid = ?"));
        for (int r = 0; r < kChannelCount; ++r) {
            for (int f = 1; f < kFieldCount; ++f) {
                const FieldValue& v = rows[r].fields[f];
                q.addBindValue(v ? QVariant(asText(*v)) : QVariant(QMetaType(QMetaType::QString)));
            }
            q.addBindValue(m_rowIds[r]);
            if (!exactlyOneRow(q, m_error))
                return false;
        }
        return true;
    });
    if (!stored) {
        reloadAfterFailure();
        return false;
    }
    for (int r = 0; r < kChannelCount; ++r) {
        for (int f = 1; f < kFieldCount; ++f) {
            const FieldValue& v = rows[r].fields[f];
            m_rows[r].fields[f] = v ? FieldValue(asText(*v)) : FieldValue();
        }
    }
    Q_EMIT rowsReplaced();
    return true;
}

bool ChannelTable::inTransaction(const std::function<bool(QSqlQuery&)>& updates) {
    QSqlDatabase db = connection(m_connection);
    if (!db.transaction()) {
        m_error = db.lastError().text();
        return false;
    }
    bool done = false;
    {
        QSqlQuery q(db);
        done = updates(q);
        q.finish();
    }
    if (done && db.commit())
        return true;
    if (done)
        m_error = db.lastError().text();
    db.rollback();
    return false;
}

} // namespace zt41

namespace zt41 {

void ChannelTable::reloadAfterFailure() {
    // The rows show what the file holds; a file that cannot even be read
    // back keeps the rows as they were.
    QSqlQuery q(connection(m_connection));
    if (!q.exec(QStringLiteral("SELECT rowid, no, rf, rct, tf, tct, bt, pw FROM Chane "
                               "ORDER BY rowid")))
        return;
    ChannelRows rows{};
    std::array<qint64, kChannelCount> ids{};
    int n = 0;
    while (q.next()) {
        if (n == kChannelCount)
            return;
        ids[n] = q.value(0).toLongLong();
        for (int f = 0; f < kFieldCount; ++f) {
            const QVariant v = q.value(f + 1);
            rows[n].fields[f] = v.isNull() ? FieldValue() : FieldValue(v.toString());
        }
        ++n;
    }
    if (n != kChannelCount || ids != m_rowIds || rows == m_rows)
        return;
    m_rows = rows;
    Q_EMIT rowsReplaced();
}

bool ChannelTable::numbersInOrder() const {
    for (int r = 0; r < kChannelCount; ++r)
        if (m_rows[r].text(Field::No) != QString::number(r + 1))
            return false;
    return true;
}

bool ChannelTable::renumber() {
    if (!m_open || m_readOnly)
        return false;
    const bool stored = inTransaction([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("UPDATE Chane SET no = ? WHERE rowid = ?"));
        for (int r = 0; r < kChannelCount; ++r) {
            q.addBindValue(QString::number(r + 1));
            q.addBindValue(m_rowIds[r]);
            if (!exactlyOneRow(q, m_error))
                return false;
        }
        return true;
    });
    if (!stored)
        return false;
    for (int r = 0; r < kChannelCount; ++r)
        m_rows[r][Field::No] = QString::number(r + 1);
    Q_EMIT rowsReplaced();
    return true;
}

} // namespace zt41
