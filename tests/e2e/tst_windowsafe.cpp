// SPDX-License-Identifier: GPL-3.0-or-later
// The 工具 menu through the real window against zt41-radio: a write kept safe
// by a backup and a read-back, the radio's own fault named, the backup
// written back; the radio checked against the table.
#include "channels/channeltable.h"
#include "files/channelfile.h"
#include "shell/mainwindow.h"
#include "shell/safeprogramming.h"
#include "shell/windowwords.h"
#include "windowrig.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace zt41;

class TestWindowSafe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeVerifyAndRestore();
};

void TestWindowSafe::writeVerifyAndRestore() {
    WindowRig rig;
    const QTemporaryDir& dir = rig.dir;
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    // The radio holds channel 2 of its own, and stores channel 5 10 Hz off.
    ChannelRows old{};
    for (int k = 1; k <= kChannelCount; ++k)
        old[k - 1] = ChannelRecord{{QString::number(k), "", "", "", "", "", ""}};
    old[1] = ChannelRecord{{"2", "150.00000", "", "150.00000", "", "off", "L"}};
    const QString memory = rig.memory;
    QCOMPARE(saveChannelFile(memory, "7", old), ChannelFileError::None);
    QVERIFY(rig.prepare({"--fast", "--corrupt-channel", "5"}));
    TableFixture& fx = rig.fx;
    fx.setRow(4, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    QVERIFY(rig.openWindow());
    MainWindow& window = *rig.window;
    const RecordingMessages& messages = rig.messages;
    auto* status = window.findChild<QLabel*>(QStringLiteral("Label2"));
    QTRY_COMPARE(status->text(), statusText(zt41::LinkStatus::Ready));

    window.findChild<QAction*>(QStringLiteral("写入并校验"))->trigger();
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("读信道"))->isEnabled());
    QTRY_VERIFY(status->text().startsWith(QStringLiteral("正在写入...")));
    QWidget* result = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(result = window.findChild<QWidget*>(QStringLiteral("校验结果")),
                             15000);
    auto* differences = result->findChild<QTableWidget*>();
    QCOMPARE(differences->rowCount(), 1);
    QCOMPARE(differences->item(0, 0)->text(), QStringLiteral("5"));
    QCOMPARE(differences->item(0, 1)->text(), QStringLiteral("接收频率"));
    QCOMPARE(differences->item(0, 3)->text(), QStringLiteral("145.01251")); // 10 Hz off
    QVERIFY(
        result->findChild<QLabel*>("intro")->text().contains(dir.filePath("data/zt41/backups")));
    QVERIFY(window.findChild<QAction*>(QStringLiteral("读信道"))->isEnabled());

    // The backup goes back through the same job: channel 2 is the radio's again.
    QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("恢复备份")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.safeProgramming().isRunning() &&
                                 window.findChild<QAction*>(QStringLiteral("读信道"))->isEnabled(),
                             15000);
    const ChannelFileRead held = readChannelFile(memory);
    QCOMPARE(held.contents.squelch, QStringLiteral("7"));
    QCOMPARE(held.contents.rows[1].text(Field::Rf), QStringLiteral("150.00000"));
    QCOMPARE(messages.texts(), QStringList{}); // the radio's fault on channel 5 is named again
    const auto results = [&] {
        return window.findChildren<QWidget*>(QStringLiteral("校验结果"));
    };
    QTRY_COMPARE(results().size(), 1);
    QCOMPARE(results().first()->findChild<QTableWidget*>()->item(0, 0)->text(),
             QStringLiteral("5"));
    results().first()->close();
    QTRY_COMPARE(results().size(), 0);

    // The check compares the radio with the table and offers no backup.
    window.findChild<QAction*>(QStringLiteral("校验对讲机"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(results().size(), 1, 10000);
    QVERIFY(!results().first()->findChild<QPushButton*>(QStringLiteral("恢复备份")));
    QVERIFY(results().first()->findChild<QTableWidget*>()->rowCount() >= 3); // squelch, 2, 5
}

QTEST_MAIN(TestWindowSafe)
#include "tst_windowsafe.moc"
