// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet edits through the real grid: the clipboard, the keys, and
// undo of a read against the fake link.
#include "channelrows.h"
#include "channels/channeltable.h"
#include "link/linksession.h"
#include "link/writetransfer.h"
#include "radiostream.h"
#include "shell/windowwords.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTimer>

using namespace zt41;

class TestGridEdits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pasteThroughTheGrid_data();
    void pasteThroughTheGrid();
    void undoOfARead();
};

void TestGridEdits::pasteThroughTheGrid_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("shiftDowns");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a block from a spreadsheet")
        << "145.0125\t67\t145.0125\t88.5\ton\tL\r\n438.5\t100.0\r\n"
        << 1 << 0
        << QStringList{"1=145.01250|67.0|145.01250|88.5|on|L", "2=438.50000|100.0|438.50000||off|H"}
        << QStringList{};
    QTest::newRow("one value into a selection")
        << "100.0" << 2 << 2 << QStringList{"1=|100.0||||", "2=|100.0||||", "3=|100.0||||"}
        << QStringList{};
    QTest::newRow("a rejected value")
        << "abc\t77.0" << 1 << 0 << QStringList{"1=|77.0||||"}
        << QStringList{pasteRefusedMessage({{}, {{1, Field::Rf, "abc", {}, {}}}}).text};
}

void TestGridEdits::pasteThroughTheGrid() {
    QFETCH(int, column);
    QFETCH(int, shiftDowns);
    Window w;
    QVERIFY(w.start());
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    const ChannelRows before = w.fx.table->rows();
    QTableView* grid = w.grid();
    const QRect cell = grid->visualRect(grid->model()->index(0, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    for (int i = 0; i < shiftDowns; ++i)
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QFETCH(QString, clipboard);
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    QTEST(notationOf(w.fx.table->rows()), "rows");
    QTEST(w.messages.texts(), "messages");
    // Copy gives what the grid shows; Ctrl+Z takes the whole paste back.
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().section(u'\n', 0, 0),
             grid->currentIndex().data().toString());
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.fx.table->rows(), before);
}

void TestGridEdits::undoOfARead() {
    Window w;
    QVERIFY(w.start());
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    const ChannelRows before = w.fx.table->rows();
    w.action(QStringLiteral("读信道"))->trigger();
    QTimer::singleShot(0, w.window.get(), [&] { w.link.deliver(radioStream('7')); });
    w.window->session().readTick();
    const ChannelRows read = w.fx.table->rows();

    // During a write the read is not taken back: the radio would get two tables.
    w.action(QStringLiteral("写信道"))->trigger();
    QTest::keyClick(w.grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.messages.texts(), QStringList{fileBusyMessage().text});
    QCOMPARE(w.fx.table->rows(), read);
    for (int i = 0; i < 17; ++i)
        w.window->session().writer().tick();

    // A typed edit is a step; in an open editor Ctrl+Z belongs to the editor's text.
    w.grid()->setCurrentIndex(w.grid()->model()->index(3, 1));
    QTest::keyClicks(w.grid(), "1"); // the first key opens the editor
    QTest::keyClicks(QApplication::focusWidget(), "45");
    w.window->commitPendingEdit();
    QCOMPARE(w.fx.table->row(3).text(Field::Tf), QStringLiteral("145.00000"));
    QTest::keyClicks(w.grid(), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.fx.table->row(3).text(Field::Tf), QStringLiteral("145.00000"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(w.grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.fx.table->rows(), read);
    QTest::keyClick(w.grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.fx.table->rows(), before);
    QCOMPARE(w.window->squelchText(), QStringLiteral("3"));
    QTest::keyClick(w.grid(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.fx.table->rows(), read);
    QCOMPARE(w.window->squelchText(), QStringLiteral("7"));
}

QTEST_MAIN(TestGridEdits)
#include "tst_gridedits.moc"
