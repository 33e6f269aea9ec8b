// SPDX-License-Identifier: GPL-3.0-or-later
// The backups the window and the tool share: where the XDG rules put them,
// newest first, and never one over another.
#include "channelrows.h"
#include "files/backupstore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

class TestBackupStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void folderByTheXdgRules_data();
    void folderByTheXdgRules();
    void addedNeverOverwrittenListedNewestFirst();
};

void TestBackupStore::folderByTheXdgRules_data() {
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("folder"); // empty: no store
    QTest::newRow("XDG_DATA_HOME")
        << QByteArray("/x/data") << QByteArray("/h") << "/x/data/zt41/backups";
    QTest::newRow("a relative XDG_DATA_HOME is ignored")
        << QByteArray("rel") << QByteArray("/h") << "/h/.local/share/zt41/backups";
    QTest::newRow("no HOME either") << QByteArray() << QByteArray() << "";
}

void TestBackupStore::folderByTheXdgRules() {
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, home);
    QFETCH(QString, folder);
    const QByteArray oldData = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
    qputenv("XDG_DATA_HOME", dataHome);
    qputenv("HOME", home);
    const std::optional<BackupStore> store = BackupStore::standard();
    qputenv("XDG_DATA_HOME", oldData);
    qputenv("HOME", oldHome);
    QCOMPARE(store ? store->folder() : QString(), folder);
}

void TestBackupStore::addedNeverOverwrittenListedNewestFirst() {
    QTemporaryDir dir;
    const BackupStore store(dir.filePath("backups"));
    QCOMPARE(store.prepare(), BackupStore::Problem::None);
    ChannelRows rows{};
    rows[0] = makeRow(1, {"145.01250", "", "145.01250", "", "off", "H"});
    const QDateTime t1(QDate(2026, 12, 9), QTime(10, 0)), t2 = t1.addSecs(60);
    const auto first = store.add("/dev/serial/by-id/usb-x", "3", rows, t1);
    const auto again = store.add("/dev/serial/by-id/usb-x", "4", rows, t1); // same millisecond
    const auto later = store.add("COM1", "5", rows, t2);
    QVERIFY(first && again && later && *first != *again);
    const QList<BackupEntry> list = store.list();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].path, *later);
    QCOMPARE(list[0].port, QStringLiteral("COM1"));
    QCOMPARE(list[0].squelch, QStringLiteral("5"));
    QCOMPARE(list[0].firstReceive, QStringLiteral("145.01250"));
    QCOMPARE(list[2].port, QStringLiteral("dev-serial-by-id-usb-x"));
    QCOMPARE(list[2].time, t1);
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
