// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program per channel database.
#include "channels/channeltable.h"
#include "channels/databaselock.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

class TestDatabaseLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneHolderAtATime();
    void lockNamingNoLiveCopyIsTakenOver_data();
    void lockNamingNoLiveCopyIsTakenOver();
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

QTEST_GUILESS_MAIN(TestDatabaseLock)
#include "tst_databaselock.moc"
