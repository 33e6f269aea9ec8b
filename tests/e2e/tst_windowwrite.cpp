// SPDX-License-Identifier: GPL-3.0-or-later
// A write through the real window to zt41-radio while the user goes on
// working: opens a file, types into a cell, types a rejected squelch level,
// presses OK in the port dialog. The radio ends up holding exactly what the window shows.
#include "channels/channeltable.h"
#include "shell/mainwindow.h"
#include "shell/messageboxes.h"
#include "shell/portdialog.h"
#include "shell/windowwords.h"
#include "trafficlogreader.h"
#include "windowrig.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace zt41;
using namespace zt41::sim;

class TestWindowWrite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void userWorksOnDuringAWrite();
};

void TestWindowWrite::userWorksOnDuringAWrite() {
    WindowRig rig;
    const QString logPath = rig.dir.filePath(QStringLiteral("traffic.log"));
    QVERIFY(rig.prepare({QStringLiteral("--fast"), QStringLiteral("--log"), logPath}));
    TableFixture& fx = rig.fx;
    fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    fx.setRow(12, {"430.00000", "", "430.00000", "", "on", "L"});
    fx.setRow(14, {"600.00000", "", "600.00000", "", "off", "H"}); // from a file

    RecordingMessages& messages = rig.messages;
    // Each message stands for a while, as it does until the user reads it;
    // the window's timers run on meanwhile.
    messages.onShow = [](const RecordingMessages::Message&) {
        QTest::qWait(700);
    };
    QVERIFY(rig.openWindow());
    MainWindow& window = *rig.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* status = window.findChild<QLabel*>(QStringLiteral("Label2"));
    QTRY_COMPARE(status->text(), statusText(zt41::LinkStatus::Ready));

    window.findChild<QAction*>(QStringLiteral("端口"))->trigger();
    QPointer<PortDialog> dialog = window.portDialog();
    QVERIFY(dialog);
    window.activateWindow(); // the user goes back to the main window
    QVERIFY(QTest::qWaitForWindowActive(&window));

    auto* grid = window.findChild<QTableView*>(QStringLiteral("DataGrid1"));
    const auto typeInto = [grid](int row, const QString& text) -> QLineEdit* {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, 1));
        QTest::keyClicks(grid, text.left(1));
        for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) {
                QTest::keyClicks(e, text.mid(1));
                return e;
            }
        return nullptr;
    };
    // Channel 15's 600 MHz is corrected by typing before the write.
    QLineEdit* editor = typeInto(14, QStringLiteral("146"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(fx.table->row(14).text(Field::Rf), QStringLiteral("146.00000"));

    window.findChild<QAction*>(QStringLiteral("写信道"))->trigger();
    // 打开 is refused before its dialog: the frames all come from one table.
    window.findChild<QAction*>(QStringLiteral("打开"))->trigger();
    // Ctrl+Z would bring the 600 MHz back into a frame still to come: refused.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fx.table->row(14).text(Field::Rf), QStringLiteral("146.00000"));
    QLineEdit* squelch = window.findChild<QComboBox*>(QStringLiteral("Combo1"))->lineEdit();
    QTest::mouseClick(squelch, Qt::LeftButton);
    squelch->selectAll();
    QTest::keyClicks(squelch, QStringLiteral("12")); // rejected; the message stands 0.7 s

    editor = typeInto(12, QStringLiteral("435.5"));
    QVERIFY(editor);
    QTest::qWait(900); // the write walks on; the edit stays open
    QCOMPARE(editor->text(), QStringLiteral("435.5"));
    QTest::mouseClick(squelch, Qt::LeftButton); // ends the edit
    QTRY_COMPARE(fx.table->row(12).text(Field::Rf), QStringLiteral("435.50000"));

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QVERIFY(dialog && dialog->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), statusText(zt41::LinkStatus::Written), 8000);
    QCOMPARE(messages.texts(), (QStringList{fileBusyMessage().text, outOfRangeMessage().text,
                                            squelchRefusedMessage().text, portBusyMessage().text}));
    QCOMPARE(window.squelchText(), QStringLiteral("3"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QTRY_VERIFY(!dialog);

    // On the line: "A" and 16 frames of digits, nothing between them.
    const std::optional<LoggedTraffic> log = readTrafficLog(logPath);
    QVERIFY(log);
    const QByteArray received = trafficBytes(*log, true);
    const qsizetype a = received.indexOf('A');
    QVERIFY(a >= 0);
    const QByteArray frames = received.mid(a + 1, 16 * 28);
    QCOMPARE(frames.size(), 16 * 28);
    for (char c : frames)
        QVERIFY2(c >= '0' && c <= '9', frames.constData());
    QCOMPARE(frames.left(2), QByteArray("03"));
    QCOMPARE(frames.mid(12 * 28, 28), QByteArray("1200000041410000554300000000"));
    QCOMPARE(frames.mid(14 * 28, 28), QByteArray("1400000046120000601400000000"));

    // Read back, the radio gives the window what it shows.
    const ChannelRows shown = fx.table->rows();
    messages.onShow = nullptr;
    QTRY_VERIFY(window.findChild<QAction*>(QStringLiteral("读信道"))->isEnabled());
    window.findChild<QAction*>(QStringLiteral("读信道"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), statusText(zt41::LinkStatus::Read), 5000);
    QCOMPARE(fx.table->row(12).text(Field::Rf), QStringLiteral("435.50000"));
    QCOMPARE(fx.table->row(12).text(Field::Bt), QStringLiteral("off"));
    QCOMPARE(fx.table->row(0), shown[0]);
    QCOMPARE(window.squelchText(), QStringLiteral("3"));
}

QTEST_MAIN(TestWindowWrite)
#include "tst_windowwrite.moc"
