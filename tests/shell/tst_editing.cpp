// SPDX-License-Identifier: GPL-3.0-or-later
// Editing through the real grid and lists, ended the ways people end edits,
// and what a running write makes of edits made meanwhile.
#include "channels/channeltable.h"
#include "link/linksession.h"
#include "link/writetransfer.h"
#include "shell/channelgriddelegate.h"
#include "shell/messageboxes.h"
#include "shell/portdialog.h"
#include "shell/windowwords.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace zt41;

namespace {

const QStringList kOtherChannel{"438.50000", "88.5", "439.00000", "100.0", "on", "L"};
const QString kOutOfRange = outOfRangeMessage().text;

// How the user leaves the cell being typed into.
enum class Ending {
    Return,
    KeypadEnter,
    Tab,
    ShiftTab,
    Down,
    Up,
    ClickOtherRow,
    ClickOtherCellOfRow,
    ClickSquelchList,
    MenuBarWrite,
    SaveCommand,
    CloseWindow,
};

bool editing(const Window& w) {
    auto* delegate = qobject_cast<ChannelGridDelegate*>(w.grid()->itemDelegate());
    return delegate && delegate->hasOpenEditor();
}

QLineEdit* openEditor(const Window& w) {
    for (QLineEdit* e : w.grid()->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible())
            return e;
    return nullptr;
}

// Types into a cell as a user does: the first key opens the editor on the
// current cell, the rest go to the editor.
QLineEdit* typeIntoCell(Window& w, int row, int column, const QString& text) {
    QTableView* grid = w.grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
    if (text.isEmpty()) {
        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit* editor = openEditor(w);
        if (editor) {
            editor->selectAll();
            QTest::keyClick(editor, Qt::Key_Backspace);
        }
        return editor;
    }
    QTest::keyClicks(grid, text.left(1));
    QLineEdit* editor = openEditor(w);
    if (editor)
        QTest::keyClicks(editor, text.mid(1));
    return editor;
}

void clickCell(Window& w, int row, int column) {
    QTableView* grid = w.grid();
    const QRect r = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
}

void end(Window& w, QLineEdit* editor, Ending ending) {
    switch (ending) {
    case Ending::Return:
        QTest::keyClick(editor, Qt::Key_Return);
        break;
    case Ending::KeypadEnter:
        QTest::keyClick(editor, Qt::Key_Enter, Qt::KeypadModifier);
        break;
    case Ending::Tab:
        QTest::keyClick(editor, Qt::Key_Tab);
        break;
    case Ending::ShiftTab:
        QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case Ending::Down:
        QTest::keyClick(editor, Qt::Key_Down);
        break;
    case Ending::Up:
        QTest::keyClick(editor, Qt::Key_Up);
        break;
    case Ending::ClickOtherRow:
        clickCell(w, 5, 1);
        break;
    case Ending::ClickOtherCellOfRow:
        clickCell(w, 2, 5);
        break;
    case Ending::ClickSquelchList:
        QTest::mouseClick(w.squelch()->lineEdit(), Qt::LeftButton);
        break;
    case Ending::MenuBarWrite: {
        QMenuBar* bar = w.window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(w.action(QStringLiteral("写信道"))).center());
        break;
    }
    case Ending::SaveCommand:
        w.action(QStringLiteral("保存"))->trigger();
        break;
    case Ending::CloseWindow:
        w.window->close();
        break;
    }
}

QByteArray frame(const Window& w, int k) {
    // sends[0] is "A"; frame k follows.
    return w.link.sends.value(k);
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editLandsOnTheEditedRow_data();
    void editLandsOnTheEditedRow();
    void emptyingTextsEmptyTheRow_data();
    void emptyingTextsEmptyTheRow();
    void openingACellIsNoEdit();
    void windowGoesWithAnEditOpen();
    void nullRowShowsEmptyCells();
    void writeLeavesAnOpenEditAlone();
    void rejectedValueNeverGoesOut();
    void rejectedSquelchNeverGoesOut();
    void portDialogLeavesATransferAlone();
    void portChangedUnderAWriteIsNoSuccess();
    void invalidPortIsDeselectedBeforeTheMessage();
    void pickersTakeOnlyRealChoices();
    void typedBlankStaysABlank();
    void closingDuringAWriteEndsIt();
    void commandsWorkWithHelpWindowsOpen();
    void exitWithAboutOpenEndsWhenItCloses();
    void csvThroughTheFileCommands();
    void fileDialogsOfferCsvSecond_data();
    void fileDialogsOfferCsvSecond();
};

void TestEditing::editLandsOnTheEditedRow_data() {
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("rowAfter"); // where the user ends up; -2: not checked
    QTest::newRow("Return") << Ending::Return << 2;
    QTest::newRow("keypad Enter") << Ending::KeypadEnter << 2;
    QTest::newRow("Tab") << Ending::Tab << 2;
    QTest::newRow("Shift+Tab") << Ending::ShiftTab << 2;
    QTest::newRow("Down") << Ending::Down << 3;
    QTest::newRow("Up") << Ending::Up << 1;
    QTest::newRow("click on another row") << Ending::ClickOtherRow << 5;
    QTest::newRow("click on another cell of the row") << Ending::ClickOtherCellOfRow << 2;
    QTest::newRow("click into the squelch list") << Ending::ClickSquelchList << 2;
    QTest::newRow("click on 写信道 in the menu bar") << Ending::MenuBarWrite << -2;
    QTest::newRow("保存 from the file menu") << Ending::SaveCommand << -2;
    QTest::newRow("window closed") << Ending::CloseWindow << -2;
}

void TestEditing::editLandsOnTheEditedRow() {
    QFETCH(Ending, ending);
    QFETCH(int, rowAfter);
    for (const bool inRange : {true, false}) {
        Window w;
        QVERIFY(w.start());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        w.dialogs.saveName = w.fx.dir.filePath(QStringLiteral("saved.doc"));
        for (int r : {1, 2, 3, 5})
            w.fx.setRow(r, kOtherChannel);
        const ChannelRows before = w.fx.table->rows();
        bool editingAtMessage = true;
        QString rfAtMessage = QStringLiteral("unset");
        w.messages.onShow = [&](const RecordingMessages::Message&) {
            editingAtMessage = editing(w);
            rfAtMessage = w.fx.table->row(2).text(Field::Rf);
        };

        QLineEdit* editor = typeIntoCell(w, 2, 1, inRange ? "145.0125" : "600");
        QVERIFY(editor);
        end(w, editor, ending);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        const ChannelRecord& edited = w.fx.table->row(2);
        if (inRange) {
            QCOMPARE(edited.text(Field::Rf), QStringLiteral("145.01250"));
            QCOMPARE(edited.text(Field::Tf), QStringLiteral("145.01250"));
            QCOMPARE(edited.text(Field::Bt), QStringLiteral("off"));
            QCOMPARE(edited.text(Field::Pw), QStringLiteral("H"));
            QCOMPARE(edited.text(Field::Rct), QStringLiteral("88.5"));
            QCOMPARE(w.messages.texts(), QStringList());
        } else {
            QCOMPARE(edited.text(Field::Rf), QString());
            QCOMPARE(edited.text(Field::Tf), QStringLiteral("439.00000"));
            QCOMPARE(edited.text(Field::Pw), QStringLiteral("L"));
            QCOMPARE(w.messages.texts(), QStringList{kOutOfRange});
            QVERIFY(!editingAtMessage);
            QCOMPARE(rfAtMessage, QString()); // stored before the box came up
        }
        // Every other row, the one the user moved to included, is as it was.
        for (int r = 0; r < kChannelCount; ++r)
            if (r != 2)
                QCOMPARE(w.fx.table->row(r), before[r]);
        if (rowAfter >= 0) {
            QCOMPARE(w.grid()->currentIndex().row(), rowAfter);
            QCOMPARE(w.fx.table->currentRow(), rowAfter);
        }
        if (ending == Ending::SaveCommand) {
            QFile saved(w.dialogs.saveName);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().contains(inRange ? ",145.01250,88.5,145.01250,100.0,off,H,"
                                                     : ",,88.5,439.00000,100.0,on,L,"));
        }
    }
}

void TestEditing::emptyingTextsEmptyTheRow_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << "abc";
    QTest::newRow("zero") << "0";
    QTest::newRow("nothing") << "";
}

void TestEditing::emptyingTextsEmptyTheRow() {
    QFETCH(QString, typed);
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.fx.setRow(4, kOtherChannel);
    QLineEdit* editor = typeIntoCell(w, 4, 1, typed);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Down);
    QCoreApplication::processEvents();
    for (int f = 1; f <= 6; ++f)
        QCOMPARE(w.fx.table->row(4).text(static_cast<Field>(f)), QString());
    QCOMPARE(w.fx.table->row(4).text(Field::No), QStringLiteral("5"));
    QVERIFY(w.messages.shown.isEmpty());
}

void TestEditing::openingACellIsNoEdit() {
    // Opening a cell and leaving it without typing must not reset shift and
    // power to their defaults.
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.fx.setRow(6, kOtherChannel);
    QTableView* grid = w.grid();
    grid->setCurrentIndex(grid->model()->index(6, 1));
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* editor = openEditor(w);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(w.fx.table->row(6).text(Field::Bt), QStringLiteral("on"));
    QCOMPARE(w.fx.table->row(6).text(Field::Pw), QStringLiteral("L"));
}

void TestEditing::windowGoesWithAnEditOpen() {
    // The editor ends as the window goes: its rule's message finds no window
    // to stand over, and the edit is stored as leaving the cell would.
    Window w;
    QVERIFY(w.start());
    QVERIFY(typeIntoCell(w, 2, 1, QStringLiteral("600")));
    w.window.reset();
    QCOMPARE(w.fx.table->row(2).text(Field::Rf), QString());
    QVERIFY(w.messages.shown.isEmpty());
}

void TestEditing::nullRowShowsEmptyCells() {
    Window w;
    QVERIFY(w.start());
    ChannelRows rows = w.fx.table->rows();
    for (int f = 1; f <= 6; ++f)
        rows[8].fields[f] = std::nullopt;
    QVERIFY(w.fx.table->replaceDataFields(rows));
    QVERIFY(!w.fx.table->row(8)[Field::Rf].has_value());
    for (int c = 1; c <= 6; ++c)
        QCOMPARE(w.grid()->model()->index(8, c).data().toString(), QString());
    QCOMPARE(w.grid()->model()->index(8, 0).data().toString(), QStringLiteral("9"));
}

void TestEditing::writeLeavesAnOpenEditAlone() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.action(QStringLiteral("写信道"))->trigger();
    QCOMPARE(w.link.sends.value(0), QByteArray("A"));

    QLineEdit* editor = typeIntoCell(w, 9, 1, QStringLiteral("1"));
    QVERIFY(editor);
    for (int i = 0; i < 5; ++i)
        w.window->session().writer().tick();
    QVERIFY(editing(w));
    QCOMPARE(openEditor(w), editor);
    QCOMPARE(editor->text(), QStringLiteral("1"));
    QCOMPARE(w.fx.table->row(9).text(Field::Rf), QString());
    QVERIFY(w.messages.shown.isEmpty());

    QTest::keyClicks(editor, QStringLiteral("45.0125"));
    w.window->session().writer().tick();
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.fx.table->row(9).text(Field::Rf), QStringLiteral("145.01250"));
    while (w.window->session().writer().isRunning())
        w.window->session().writer().tick();
    QCOMPARE(w.link.sends.size(), 17);
    QCOMPARE(frame(w, 10), QByteArray("0900501236125012501400000000"));
    for (int k = 2; k <= 16; ++k)
        QCOMPARE(frame(w, k).left(2), QByteArray::number(k - 1).rightJustified(2, '0'));
    QVERIFY(w.messages.shown.isEmpty());
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Written));
    // With the edit over, the grid shows the cursor the write left on row 1.
    QTRY_COMPARE(w.grid()->currentIndex().row(), 0);
}

void TestEditing::rejectedValueNeverGoesOut() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.fx.setRow(0, kOtherChannel);
    w.fx.setRow(7, kOtherChannel);
    w.action(QStringLiteral("写信道"))->trigger();
    for (int i = 0; i < 3; ++i)
        w.window->session().writer().tick();
    // The write goes on behind the message box; by the time the user has
    // read it, frame 8 has gone out.
    w.messages.onShow = [&](const RecordingMessages::Message&) {
        for (int i = 0; i < 6; ++i)
            w.window->session().writer().tick();
    };
    QLineEdit* editor = typeIntoCell(w, 7, 1, QStringLiteral("600"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.messages.texts(), QStringList{kOutOfRange});
    QCOMPARE(w.link.sends.size(), 10);
    // Frame 8: an empty receive word, the rest of row 8 as it stood.
    QCOMPARE(frame(w, 8), QByteArray("0711000000000000904385080010"));
    QCOMPARE(w.fx.table->row(7).text(Field::Rf), QString());
    QCOMPARE(w.fx.table->row(0).text(Field::Rf), QStringLiteral("438.50000"));
    QCOMPARE(w.fx.table->row(0).text(Field::Tf), QStringLiteral("439.00000"));
}

void TestEditing::rejectedSquelchNeverGoesOut() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.action(QStringLiteral("写信道"))->trigger();
    w.messages.onShow = [&](const RecordingMessages::Message&) {
        w.window->session().writer().tick(); // frame 1 leaves while the message stands
    };
    QLineEdit* line = w.squelch()->lineEdit();
    QTest::mouseClick(line, Qt::LeftButton);
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("12"));
    QCOMPARE(w.messages.texts(), QStringList{squelchRefusedMessage().text});
    QCOMPARE(w.squelch()->currentText(), QStringLiteral("3"));
    QCOMPARE(frame(w, 1).left(2), QByteArray("03"));
}

void TestEditing::portDialogLeavesATransferAlone() {
    Window w;
    QVERIFY(w.start({1, 2}));
    // During a write, 端口 and 打开 say why they cannot act now and open nothing.
    w.action(QStringLiteral("写信道"))->trigger();
    w.action(QStringLiteral("端口"))->trigger();
    QVERIFY(!w.window->portDialog());
    w.dialogs.openName = w.fx.dir.filePath(QStringLiteral("other.doc"));
    w.action(QStringLiteral("打开"))->trigger();
    QCOMPARE(w.dialogs.asked, 0);
    QCOMPARE(w.messages.texts(), (QStringList{portBusyMessage().text, fileBusyMessage().text}));
    QCOMPARE(w.messages.shown.last().title, QStringLiteral("系统信息"));
    QCOMPARE(w.link.openAttempts.size(), 1); // the start-up probe only
    while (w.window->session().writer().isRunning())
        w.window->session().writer().tick();

    // A dialog opened before the write: OK, Cancel and the close button wait
    // for the write to end; the poll stays stopped and no "C" joins the frames.
    w.link.sends.clear();
    w.link.close();
    w.link.selectPort(2);
    w.link.open();
    w.action(QStringLiteral("端口"))->trigger();
    QPointer<PortDialog> dialog = w.window->portDialog();
    QVERIFY(dialog);
    QCOMPARE(w.link.portNumber(), 1); // where the load left it
    w.action(QStringLiteral("写信道"))->trigger();
    const int attempts = w.link.openAttempts.size();
    w.window->session().writer().tick();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CancelButton")),
                      Qt::LeftButton);
    dialog->close();
    QCoreApplication::processEvents();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(w.messages.texts().count(portBusyMessage().text), 4);
    QCOMPARE(w.link.openAttempts.size(), attempts);
    QVERIFY(w.link.isOpen());
    QCOMPARE(w.link.portNumber(), 1);
    QVERIFY(!w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    while (w.window->session().writer().isRunning())
        w.window->session().writer().tick();
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Written));
    QCOMPARE(w.link.sends.size(), 17);
    QCOMPARE(w.link.sent().count('C'), 0);

    // Once the write is over, the dialog works again.
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QCOMPARE(w.link.portNumber(), 2);
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
}

void TestEditing::portChangedUnderAWriteIsNoSuccess() {
    Window w;
    QVERIFY(w.start({1, 2}));
    w.action(QStringLiteral("写信道"))->trigger();
    for (int i = 0; i < 4; ++i)
        w.window->session().writer().tick();
    w.link.close();
    w.link.selectPort(2);
    w.link.open();
    w.window->session().writer().tick();
    QVERIFY(!w.window->session().writer().isRunning());
    QCOMPARE(w.messages.texts(),
             QStringList{messageFor({Transfer::Write, TransferOutcome::Kind::SendFailed, 1}).text});
    QVERIFY(w.status() != statusText(zt41::LinkStatus::Written));
    QCOMPARE(w.link.sends.size(), 5); // "A" and frames 1 to 4; nothing on the second port
}

void TestEditing::invalidPortIsDeselectedBeforeTheMessage() {
    Window w;
    QVERIFY(w.start({1, 2}));
    w.action(QStringLiteral("端口"))->trigger();
    QPointer<PortDialog> dialog = w.window->portDialog();
    QVERIFY(dialog);
    auto* option2 = dialog->findChild<QRadioButton*>(QStringLiteral("Option2"));
    option2->click();
    QVERIFY(option2->isChecked());
    w.link.openable.remove(2); // unplugged since the dialog opened
    bool checkedAtMessage = true;
    w.messages.onShow = [&](const RecordingMessages::Message&) {
        checkedAtMessage = option2->isChecked();
    };
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QCOMPARE(w.messages.texts(), QStringList{invalidPortMessage().text});
    QVERIFY(!checkedAtMessage);
    QTRY_VERIFY(!dialog);
    QCOMPARE(w.link.portNumber(), 1);
    QVERIFY(w.link.isOpen());
}

void TestEditing::pickersTakeOnlyRealChoices() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.fx.setRow(3, kOtherChannel);
    w.fx.table->setCurrentRow(3);
    const ChannelRows before = w.fx.table->rows();
    for (const char* name : {"Combo2", "Combo3", "Combo4", "Combo5"}) {
        auto* box = w.find<QComboBox>(QString::fromLatin1(name));
        const QPointF at = QRectF(box->rect()).center();
        for (const int delta : {-120, 120, -120}) {
            QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        }
        box->setFocus();
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End})
            QTest::keyClick(box, key);
        QTest::keyClicks(box, QStringLiteral("1H"));
        QCOMPARE(box->currentIndex(), -1);
    }
    QCOMPARE(w.fx.table->rows(), before);

    // A choice made with the keyboard while the list is open writes.
    auto* power = w.find<QComboBox>(QStringLiteral("Combo3"));
    power->setFocus();
    QTest::keyClick(power, Qt::Key_F4);
    QTRY_VERIFY(power->view()->isVisible());
    QTest::keyClick(power->view(), Qt::Key_Down);
    QTest::keyClick(power->view(), Qt::Key_Up);
    QTest::keyClick(power->view(), Qt::Key_Return);
    QTRY_VERIFY(!power->view()->isVisible());
    QCOMPARE(w.fx.table->row(3).text(Field::Pw), QStringLiteral("H"));
}

void TestEditing::typedBlankStaysABlank() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QLineEdit* line = w.squelch()->lineEdit();
    QTest::mouseClick(line, Qt::LeftButton);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Space);
    QCOMPARE(w.squelch()->currentText(), QStringLiteral(" "));
    QCOMPARE(w.window->squelchText(), QStringLiteral(" "));
    QTest::keyClicks(line, QStringLiteral("7"));
    QCOMPARE(w.window->squelchText(), QStringLiteral(" 7"));
}

void TestEditing::closingDuringAWriteEndsIt() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("写信道"))->trigger();
    w.window->session().writer().tick();
    QVERIFY(!w.enabled(QStringLiteral("退出")));
    QVERIFY(w.window->close()); // the close button is not locked
    QVERIFY(!w.window->isVisible());
    QVERIFY(!w.link.isOpen());
    for (SessionTimer t : {SessionTimer::Write, SessionTimer::StatusClear, SessionTimer::ReadyPoll,
                           SessionTimer::Read})
        QVERIFY(!w.window->session().timer(t)->isActive());
}

void TestEditing::commandsWorkWithHelpWindowsOpen() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("操作"))->trigger();
    w.action(QStringLiteral("关于"))->trigger();
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmAbout") && top->isVisible())
            about = top;
    QVERIFY(about);

    w.dialogs.saveName = w.fx.dir.filePath(QStringLiteral("with-help-open.doc"));
    w.action(QStringLiteral("保存"))->trigger();
    QVERIFY(QFile::exists(w.dialogs.saveName));
    w.action(QStringLiteral("写信道"))->trigger();
    QCOMPARE(w.link.sends.value(0), QByteArray("A"));
    while (w.window->session().writer().isRunning())
        w.window->session().writer().tick();
    w.action(QStringLiteral("读信道"))->trigger();
    QVERIFY(w.window->session().timer(SessionTimer::Read)->isActive());
    w.window->session().timer(SessionTimer::Read)->stop();
    QVERIFY(w.messages.shown.isEmpty());
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName().startsWith(QStringLiteral("frmAbout")))
            top->close();
}

void TestEditing::exitWithAboutOpenEndsWhenItCloses() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("关于"))->trigger();
    QPointer<QWidget> about;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmAbout") && top->isVisible())
            about = top;
    QVERIFY(about);
    bool runningAfterExit = false;
    bool timedOut = false;
    QTimer::singleShot(0, w.window.get(), [&] {
        w.action(QStringLiteral("退出"))->trigger();
        QTimer::singleShot(200, about.data(), [&] {
            runningAfterExit = !w.window->isVisible() && about->isVisible();
            about->close();
        });
    });
    QTimer::singleShot(5000, qApp, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QApplication::setQuitOnLastWindowClosed(true);
    QCOMPARE(QApplication::exec(), 0); // ends when the last window has closed
    QVERIFY(runningAfterExit);
    QVERIFY(!timedOut);
    QVERIFY(!w.link.isOpen());
}

void TestEditing::csvThroughTheFileCommands() {
    Window w;
    QVERIFY(w.start());
    w.fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    w.fx.setRow(3, {"435.50000", "", "430.00000", "88.5", "on", "L"});
    w.window->setSquelchText(QStringLiteral("5"));
    const ChannelRows written = w.fx.table->rows();
    w.dialogs.saveName = w.fx.dir.filePath(QStringLiteral("list.csv"));
    w.action(QStringLiteral("保存"))->trigger();
    QFile csv(w.dialogs.saveName);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray text = csv.readAll();
    QVERIFY(text.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
    QCOMPARE(text.count('\n'), 3); // the header and two channels
    csv.close();

    ChannelRows empty = written;
    for (ChannelRecord& r : empty)
        for (int f = 1; f <= 6; ++f)
            r.fields[f] = QString();
    QVERIFY(w.fx.table->replaceDataFields(empty));
    w.window->setSquelchText(QStringLiteral("7"));
    w.dialogs.openName = w.dialogs.saveName;
    w.action(QStringLiteral("打开"))->trigger();
    QCOMPARE(w.fx.table->rows(), written);
    QCOMPARE(w.window->squelchText(), QStringLiteral("7")); // CSV carries no squelch level
    QVERIFY(w.messages.shown.isEmpty());

    // A list with channels the radio cannot take: imported with one message listing them.
    w.dialogs.openName = QStringLiteral(ZT41_TEST_DATA "/dtcs.csv");
    w.action(QStringLiteral("打开"))->trigger();
    QCOMPARE(w.messages.shown.size(), 1);
    QVERIFY(w.messages.shown[0].text.count(u'\n') >= 2);
    QVERIFY(w.fx.table->rows() != written);

    // Never over the database, whatever the extension says.
    const QByteArray database = [&] {
        QFile f(w.fx.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString link = w.fx.dir.filePath(QStringLiteral("db.csv"));
    QVERIFY(QFile::link(w.fx.path(), link));
    w.dialogs.saveName = link;
    w.action(QStringLiteral("保存"))->trigger();
    QCOMPARE(w.messages.texts().last(), fileSaveErrorMessage().text);
    QFile f(w.fx.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), database);
}

void TestEditing::fileDialogsOfferCsvSecond_data() {
    QTest::addColumn<bool>("saving");
    QTest::newRow("save dialog") << true;
    QTest::newRow("open dialog") << false;
}

void TestEditing::fileDialogsOfferCsvSecond() {
    QFETCH(bool, saving);
    QStringList filters;
    QString chosen;
    QTimer::singleShot(0, qApp, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        filters = dialog->nameFilters();
        chosen = dialog->selectedNameFilter();
        dialog->reject();
    });
    QtFileDialogs dialogs;
    const QString name = saving ? dialogs.saveFileName(nullptr) : dialogs.openFileName(nullptr);
    QVERIFY(name.isEmpty()); // cancelled
    QCOMPARE(filters, (QStringList{"text(*.doc)", "CHIRP CSV(*.csv)"}));
    QCOMPARE(chosen, QStringLiteral("text(*.doc)"));
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
