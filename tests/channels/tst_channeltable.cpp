// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "sqlfiles.h"
#include "tablefixture.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

namespace {

// A second connection, as another program would open the file.
QVariant storedValue(const QString& path, const QString& sql) {
    QVariant value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                value = q.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return value;
}

} // namespace

class TestChannelTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileIsCreatedWithNumberedRows();
    void cursorWalksSixteenRowsThenNone();
    void writesAreStoredAtOnce();
    void emptyTextStaysTextAndNullsRead();
    void noCurrentRowWritesNothing();
    void replaceDataFieldsIsOneTransaction();
    void tablePersistsAcrossReopen();
    void rejectsFilesThatAreNotChannelDatabases_data();
    void rejectsFilesThatAreNotChannelDatabases();
    void lockedFileIsNotWritable();
    void writeThatMissesItsRowFails();
    void readOnlyNeverChangesTheFile();
};

void TestChannelTable::missingFileIsCreatedWithNumberedRows() {
    TableFixture fx;
    QVERIFY(!QFile::exists(fx.path()));
    QVERIFY2(fx.open(), qPrintable(fx.table->errorString()));
    QVERIFY(QFile::exists(fx.path()));
    QCOMPARE(fx.table->currentRow(), 0);
    for (int k = 0; k < kChannelCount; ++k) {
        QCOMPARE(fx.table->row(k).text(Field::No), QString::number(k + 1));
        for (int f = 1; f < kFieldCount; ++f)
            QCOMPARE(fx.table->row(k).fields[f], FieldValue(QString()));
    }
    QCOMPARE(storedValue(fx.path(), QStringLiteral("SELECT count(*) FROM Chane")).toInt(), 16);
}

void TestChannelTable::cursorWalksSixteenRowsThenNone() {
    TableFixture fx;
    QVERIFY(fx.open());
    QSignalSpy moved(fx.table.get(), &ChannelTable::currentRowChanged);
    for (int k = 1; k < kChannelCount; ++k) {
        fx.table->setCurrentRow(k);
        QCOMPARE(fx.table->currentRow(), k);
    }
    fx.table->setCurrentRow(kChannelCount);
    QVERIFY(!fx.table->hasCurrentRow());
    // With no current row a write stores nothing.
    QVERIFY(!fx.table->writeField(Field::No, QStringLiteral("1")));
    fx.table->setCurrentRow(-5);
    QVERIFY(!fx.table->hasCurrentRow());
    fx.table->moveFirst();
    QCOMPARE(fx.table->row(fx.table->currentRow())[Field::No], FieldValue(QStringLiteral("1")));
    fx.table->setCurrentRow(99);
    QVERIFY(!fx.table->hasCurrentRow());
    QCOMPARE(moved.count(), 18);
}

void TestChannelTable::writesAreStoredAtOnce() {
    TableFixture fx;
    QVERIFY(fx.open());
    QSignalSpy changed(fx.table.get(), &ChannelTable::fieldChanged);
    fx.table->setCurrentRow(4);
    QVERIFY(fx.table->writeField(Field::Rf, QStringLiteral("145.01250")));
    QCOMPARE(
        storedValue(fx.path(), QStringLiteral("SELECT rf FROM Chane WHERE no = '5'")).toString(),
        QStringLiteral("145.01250"));
    QVERIFY(fx.table->writeFields(
        {{Field::Bt, QStringLiteral("on")}, {Field::Pw, QStringLiteral("L")}}));
    QCOMPARE(storedValue(fx.path(), QStringLiteral("SELECT bt || pw FROM Chane WHERE no = '5'"))
                 .toString(),
             QStringLiteral("onL"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(0).at(0).toInt(), 4);
    QCOMPARE(fx.table->row(4)[Field::Pw], FieldValue(QStringLiteral("L")));
}

void TestChannelTable::emptyTextStaysTextAndNullsRead() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.table.reset();
    QVERIFY(runSql(fx.path(),
                   {QStringLiteral("UPDATE Chane SET rf = NULL, rct = 'x' WHERE no = '1'")}));
    QVERIFY(fx.open());
    QCOMPARE(fx.table->row(0)[Field::Rf], FieldValue());
    QVERIFY(fx.table->writeField(Field::Rct, QString()));
    QCOMPARE(fx.table->row(0)[Field::Rct], FieldValue(QString()));
    QCOMPARE(storedValue(fx.path(), QStringLiteral("SELECT rct IS NULL FROM Chane WHERE no = '1'"))
                 .toInt(),
             0);
}

void TestChannelTable::noCurrentRowWritesNothing() {
    TableFixture fx;
    QVERIFY(fx.open());
    const ChannelRows before = fx.table->rows();
    fx.table->setCurrentRow(ChannelTable::kNoRow);
    QVERIFY(!fx.table->writeField(Field::Rf, QStringLiteral("145.00000")));
    QVERIFY(!fx.table->writeFields({{Field::Bt, QStringLiteral("on")}}));
    QCOMPARE(fx.table->rows(), before);
}

void TestChannelTable::replaceDataFieldsIsOneTransaction() {
    TableFixture fx;
    QVERIFY(fx.open());
    ChannelRows rows{};
    for (int k = 0; k < kChannelCount; ++k) {
        rows[k][Field::No] = QStringLiteral("99"); // `no` is never replaced
        rows[k][Field::Rf] = QString::number(130 + k);
        rows[k][Field::Rct] = k == 3 ? FieldValue() : FieldValue(QStringLiteral("67.0"));
    }
    QSignalSpy replaced(fx.table.get(), &ChannelTable::rowsReplaced);
    QVERIFY(fx.table->replaceDataFields(rows));
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(fx.table->row(15).text(Field::No), QStringLiteral("16"));
    QCOMPARE(fx.table->row(15).text(Field::Rf), QStringLiteral("145"));
    QCOMPARE(fx.table->row(3)[Field::Rct], FieldValue());
    QCOMPARE(storedValue(fx.path(), QStringLiteral("SELECT count(*) FROM Chane WHERE rct IS NULL"))
                 .toInt(),
             1);

    // A second program holding a write lock makes the replacement fail; nothing changes.
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
    db.setDatabaseName(fx.path());
    QVERIFY(db.open());
    QSqlQuery lock(db);
    QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    ChannelRows other = rows;
    other[0][Field::Rf] = QStringLiteral("400.00000");
    QVERIFY(!fx.table->replaceDataFields(other));
    QCOMPARE(fx.table->row(0).text(Field::Rf), QStringLiteral("130"));
    lock.exec(QStringLiteral("ROLLBACK"));
    lock = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    QCOMPARE(
        storedValue(fx.path(), QStringLiteral("SELECT rf FROM Chane WHERE no = '1'")).toString(),
        QStringLiteral("130"));
}

void TestChannelTable::tablePersistsAcrossReopen() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(7, {QStringLiteral("438.50000"), QStringLiteral("88.5"), QStringLiteral("438.50000"),
                  QStringLiteral("  "), QStringLiteral("off"), QStringLiteral("H")});
    const ChannelRows before = fx.table->rows();
    QVERIFY(fx.open());
    QCOMPARE(fx.table->rows(), before);
    QCOMPARE(fx.table->row(7).text(Field::Tct), QStringLiteral("  "));
}

void TestChannelTable::rejectsFilesThatAreNotChannelDatabases_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("sql");
    QTest::newRow("text file") << QByteArray("these are not channels\n") << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("binary noise") << QByteArray("\x00\xff\x13SQLite", 10) << QStringList();
    QTest::newRow("SQLite header then garbage")
        << QByteArray("SQLite format 3\0garbagegarbage", 31) << QStringList();
    QTest::newRow("SQLite without Chane")
        << QByteArray() << QStringList{QStringLiteral("CREATE TABLE other (x)")};
    QTest::newRow("Chane with other fields")
        << QByteArray() << QStringList{QStringLiteral("CREATE TABLE Chane (a, b, c, d, e, f, g)")};
    QStringList fifteen{QStringLiteral("CREATE TABLE Chane (no, rf, rct, tf, tct, bt, pw)")};
    for (int k = 1; k <= 15; ++k)
        fifteen << QStringLiteral("INSERT INTO Chane (no) VALUES ('%1')").arg(k);
    QTest::newRow("fifteen rows") << QByteArray() << fifteen;
    QStringList seventeen = fifteen;
    seventeen << QStringLiteral("INSERT INTO Chane (no) VALUES ('16')")
              << QStringLiteral("INSERT INTO Chane (no) VALUES ('17')");
    QTest::newRow("seventeen rows") << QByteArray() << seventeen;
}

void TestChannelTable::rejectsFilesThatAreNotChannelDatabases() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, sql);
    TableFixture fx;
    if (sql.isEmpty()) {
        QFile f(fx.path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    } else {
        QVERIFY(runSql(fx.path(), sql));
    }
    const QByteArray before = fileBytes(fx.path());
    QVERIFY(!fx.open());
    QVERIFY(!fx.table->errorString().isEmpty());
    QVERIFY(!fx.table->isOpen());
    fx.table.reset();
    QCOMPARE(fileBytes(fx.path()), before);
    QVERIFY(!QFile::exists(fx.path() + QStringLiteral("-journal")));
}

void TestChannelTable::lockedFileIsNotWritable() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.table.reset();
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    db.setDatabaseName(fx.path());
    QVERIFY(db.open());
    {
        QSqlQuery lock(db);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(!fx.open());
        QVERIFY(!fx.table->errorString().isEmpty());
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    QVERIFY(fx.open());
}

void TestChannelTable::writeThatMissesItsRowFails() {
    TableFixture fx;
    QVERIFY(fx.open());
    // Another program moves row 9 under the open table: a write by rowid finds nothing.
    QVERIFY(runSql(fx.path(), {QStringLiteral("UPDATE Chane SET rowid = 100 WHERE no = '9'")}));
    QSignalSpy failed(fx.table.get(), &ChannelTable::storeFailed);
    QVERIFY(!fx.table->writeFieldsAt(8, {{Field::Rf, QStringLiteral("145.01250")}}));
    QCOMPARE(failed.size(), 1);
    ChannelRows rows = fx.table->rows();
    rows[0][Field::Rf] = QStringLiteral("146.01250");
    QVERIFY(!fx.table->replaceDataFields(rows));
    // Nothing of either write is in the file or in the rows.
    QCOMPARE(fx.table->row(0).text(Field::Rf), QString());
    QCOMPARE(fx.table->row(8).text(Field::Rf), QString());
    QCOMPARE(storedValue(fx.path(), QStringLiteral("SELECT count(*) FROM Chane WHERE rf <> ''")),
             QVariant(0));
}

void TestChannelTable::readOnlyNeverChangesTheFile() {
    TableFixture fx;
    ChannelTable reader;
    // A missing file is not created.
    QVERIFY(!reader.open(fx.path(), ChannelTable::Access::ReadOnly));
    QCOMPARE(reader.openProblem(), ChannelTable::OpenProblem::Missing);
    QVERIFY(!QFile::exists(fx.path()));
    // A file the window holds, made read-only, is read; every write fails.
    QVERIFY(fx.open());
    fx.setRow(3, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    QVERIFY(QFile::setPermissions(fx.path(), QFile::ReadOwner));
    const QByteArray before = fileBytes(fx.path());
    QVERIFY(reader.open(fx.path(), ChannelTable::Access::ReadOnly));
    QCOMPARE(reader.rows(), fx.table->rows());
    ChannelRows rows = reader.rows();
    rows[0][Field::Rf] = QStringLiteral("146.00000");
    QVERIFY(!reader.writeFieldsAt(3, {{Field::Pw, QStringLiteral("L")}}));
    QVERIFY(!reader.replaceDataFields(rows));
    QVERIFY(!reader.renumber());
    QCOMPARE(fileBytes(fx.path()), before);
    QVERIFY(ChannelTable::isSqliteFile(fx.path()));
}

QTEST_GUILESS_MAIN(TestChannelTable)
#include "tst_channeltable.moc"
