// One copy of the program per channel database.
#include "channels/channeltable.h"
#include "channels/databaselock.h"
#include "recordingmessages.h"
#include "shell/mainwindow.h"

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
};

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

QTEST_MAIN(TestDatabaseLock)
#include "tst_databaselock.moc"
