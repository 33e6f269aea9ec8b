// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program per channel database.
#include "channels/channeltable.h"
#include "channels/databaselock.h"
#include "recordingmessages.h"
#include "shell/mainwindow.h"
#include "sqlfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

class TestDatabaseLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneHolderAtATime();
    void secondCopyIsRefusedWithItsReason();
    void lockNamingNoLiveCopyIsTakenOver_data();
    void lockNamingNoLiveCopyIsTakenOver();
    void badDatabaseIsRefusedOrMended_data();
    void badDatabaseIsRefusedOrMended();
};

namespace {

// Table Chane (or `table`) with `columns`, one row for each of `numbers`.
QStringList chane(int rows, const QString& columns = QStringLiteral("no, rf, rct, tf, tct, bt, pw"),
                  QStringList numbers = {}, const QString& table = QStringLiteral("Chane")) {
    for (int k = numbers.size() + 1; k <= rows; ++k)
        numbers << QString::number(k);
    QStringList sql{QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns)};
    for (const QString& no : numbers)
        sql << QStringLiteral("INSERT INTO %1 (no) VALUES ('%2')").arg(table, no);
    return sql;
}

} // namespace

void TestDatabaseLock::oneHolderAtATime() {
    QTemporaryDir dir;
    const QString db = dir.filePath(ChannelTable::defaultFileName());
    QTemporaryDir elsewhere; // outlives the locks taken in it
    DatabaseLock first;
    QCOMPARE(first.acquire(db), DatabaseLock::Result::Locked);
    QVERIFY(QFile::exists(DatabaseLock::lockPathFor(db)));
    DatabaseLock second;
    QCOMPARE(second.acquire(db), DatabaseLock::Result::HeldByAnother);
    QCOMPARE(second.holderPid(), QCoreApplication::applicationPid());
    // Another database in another folder is no concern of this lock.
    QCOMPARE(second.acquire(elsewhere.filePath(ChannelTable::defaultFileName())),
             DatabaseLock::Result::Locked);
    first.release();
    QVERIFY(!QFile::exists(DatabaseLock::lockPathFor(db)));
    DatabaseLock third;
    QCOMPARE(third.acquire(db), DatabaseLock::Result::Locked);
}

void TestDatabaseLock::secondCopyIsRefusedWithItsReason() {
    QTemporaryDir dir;
    const QString db = dir.filePath(ChannelTable::defaultFileName());
    ChannelTable firstTable;
    DatabaseLock firstLock;
    RecordingMessages messages;
    QVERIFY(openChannelDatabase(firstTable, db, messages, &firstLock));
    QVERIFY(firstTable.writeField(Field::Rf, QStringLiteral("145.01250")));

    ChannelTable secondTable;
    DatabaseLock secondLock;
    QVERIFY(!openChannelDatabase(secondTable, db, messages, &secondLock));
    QCOMPARE(messages.texts(),
             QStringList{"数据库文件无法打开！\n本程序的另一个副本正在使用该数据库。"});
    QCOMPARE(messages.shown[0].title, QStringLiteral("系统信息"));
    QVERIFY(!secondTable.isOpen());
    QCOMPARE(firstTable.row(0).text(Field::Rf), QStringLiteral("145.01250"));
}

void TestDatabaseLock::lockNamingNoLiveCopyIsTakenOver_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty, as a power cut leaves it") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x01\x02 zt41\n");
}

void TestDatabaseLock::lockNamingNoLiveCopyIsTakenOver() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString db = dir.filePath(ChannelTable::defaultFileName());
    QFile stale(DatabaseLock::lockPathFor(db));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(content);
    stale.close();
    DatabaseLock lock;
    QCOMPARE(lock.acquire(db), DatabaseLock::Result::Locked);
    DatabaseLock second;
    QCOMPARE(second.acquire(db), DatabaseLock::Result::HeldByAnother);
}

void TestDatabaseLock::badDatabaseIsRefusedOrMended_data() {
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<bool>("renumber"); // the answer to the renumbering question
    QTest::addColumn<QString>("said");
    const QString refused = QStringLiteral("数据库文件无法打开！\n");
    const QString ask = QStringLiteral("信道号不是 1 到 16，是否重新编号？");
    QTest::newRow("18 rows") << chane(18) << false << refused + "表 Chane 有 18 行，应为 16 行";
    QTest::newRow("10 rows") << chane(10) << false << refused + "表 Chane 有 10 行，应为 16 行";
    QTest::newRow("no rows") << chane(0) << false << refused + "表 Chane 有 0 行，应为 16 行";
    QTest::newRow("columns in another order")
        << chane(16, "rf, no, rct, tf, tct, bt, pw") << false
        << refused + "表 Chane 的列应为 no, rf, rct, tf, tct, bt, pw";
    QTest::newRow("a numeric column") << chane(16, "no, rf REAL, rct, tf, tct, bt, pw") << false
                                      << refused + "表 Chane 的列类型会改变存入的文字";
    QTest::newRow("no table Chane")
        << chane(16, "no", {}, "Other") << false << refused + "没有表 Chane";
    QTest::newRow("gaps, renumbered")
        << chane(16, "no, rf, rct, tf, tct, bt, pw", {"1", "2", "5", "7"}) << true << ask;
    QTest::newRow("empty numbers, left alone")
        << chane(16, "no, rf, rct, tf, tct, bt, pw", QStringList(16, QString())) << false << ask;
}

void TestDatabaseLock::badDatabaseIsRefusedOrMended() {
    QFETCH(QStringList, sql);
    QFETCH(bool, renumber);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = dir.filePath(ChannelTable::defaultFileName());
    QVERIFY(runSql(path, sql));
    const QByteArray before = fileBytes(path);
    ChannelTable table;
    DatabaseLock lock;
    RecordingMessages messages;
    messages.answer = renumber;
    QCOMPARE(openChannelDatabase(table, path, messages, &lock), renumber);
    QCOMPARE(messages.texts(), QStringList{said});
    QCOMPARE(lock.isLocked(), renumber);
    ChannelTable reopened;
    if (!renumber)
        QCOMPARE(fileBytes(path), before);
    else
        QVERIFY(reopened.open(path) && reopened.numbersInOrder());
}

QTEST_MAIN(TestDatabaseLock)
#include "tst_databaselock.moc"
