// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "channels/databaselock.h"
#include "fakelink.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "link/readtransfer.h"
#include "link/readypoll.h"
#include "link/statusclear.h"
#include "link/writetransfer.h"
#include "radiostream.h"
#include "recordingmessages.h"
#include "shell/filedialogs.h"
#include "shell/mainwindow.h"
#include "shell/portdialog.h"
#include "shell/qtchinese.h"
#include "shell/windowwords.h"
#include "sqlfiles.h"
#include "tablefixture.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zt41;

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

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsAndControls();
    void menuTree();
    void keyboardAccess();
    void grid();
    void startUp();
    void startUpWithoutPort();
    void databaseThatCannotBeOpened();
    void secondCopyIsRefusedWithItsReason();
    void badDatabaseIsRefusedOrMended_data();
    void badDatabaseIsRefusedOrMended();
    void statusClear();
    void squelchMessageFlow();
    void cellRuleThroughTheEditor();
    void picksOnTheCurrentRow();
    void cursorIsShared();
    void lockDuringWrite();
    void lockDuringRead();
    void readFailure();
    void fileCommands();
    void fileCommandsCancelled();
    void portDialog();
    void closingClosesPortAndDialog();
    void qtsOwnTextsAreChinese();
};

void TestMainWindow::captionsAndControls() {
    Window w;
    QVERIFY(w.start());
    QCOMPARE(w.window->windowTitle(), QStringLiteral("ZT41 [版本 A 1.1]"));
    QCOMPARE(w.window->objectName(), QStringLiteral("启动窗体"));
    QCOMPARE(w.window->centralWidget()->size(), QSize(792, 540));
    // An ordinary frame: the window grows, the controls stay where they are.
    QVERIFY(w.window->maximumWidth() > 792);
    w.window->resize(w.window->width() + 200, w.window->height() + 100);
    QTRY_COMPARE(w.window->centralWidget()->width(), 992);
    QCOMPARE(w.grid()->geometry(), QRect(80, 104, 633, 417));
    w.window->resize(w.window->width() - 200, w.window->height() - 100);
    QVERIFY(!w.window->windowIcon().isNull());

    struct Expect {
        const char* name;
        QString text;
        QRect rect;
        qreal points;
        QColor colour;
    };
    const QList<Expect> labels{
        {"Label1", QStringLiteral("信道设置系统"), QRect(280, 32, 249, 57), 26.25,
         QColor(0, 0, 255)},
        {"Label2", QStringLiteral(" "), QRect(536, 40, 241, 25), 15.75, QColor(0, 0, 255)},
        {"Label3", QStringLiteral("(ZT_41X)"), QRect(344, 72, 113, 25), 15.75, QColor(0, 0, 255)},
        {"Label4", QStringLiteral("静噪级别："), QRect(80, 72, 113, 33), 14.25, QColor(255, 0, 0)},
    };
    for (const Expect& e : labels) {
        auto* label = w.find<QLabel>(QString::fromLatin1(e.name));
        QVERIFY2(label, e.name);
        QCOMPARE(label->text(), e.text);
        QCOMPARE(label->geometry(), e.rect);
        QCOMPARE(label->font().pointSizeF(), e.points);
        QCOMPARE(label->palette().color(QPalette::WindowText), e.colour);
    }
    QVERIFY(w.find<QLabel>(QStringLiteral("Label3"))->font().families().first() ==
            QStringLiteral("宋体"));
    QVERIFY(w.find<QLabel>(QStringLiteral("Label1"))->font().families().first() ==
            QStringLiteral("楷体_GB2312"));
    QCOMPARE(w.find<QWidget>(QStringLiteral("Line1"))->geometry().top(), 8);
    QCOMPARE(w.grid()->geometry(), QRect(80, 104, 633, 417));
    QCOMPARE(w.squelch()->geometry(), QRect(184, 72, 57, 24));
    QCOMPARE(w.squelch()->currentText(), QStringLiteral("3"));
    QVERIFY(w.squelch()->isEditable());
    QCOMPARE(w.squelch()->count(), 10);
    QCOMPARE(w.squelch()->itemText(0), QStringLiteral("  0"));
    QCOMPARE(w.squelch()->palette().color(QPalette::Text), QColor(255, 0, 0));

    const QList<std::pair<const char*, QRect>> pickers{{"Combo4", QRect(288, 128, 73, 24)},
                                                       {"Combo5", QRect(480, 128, 73, 24)},
                                                       {"Combo2", QRect(552, 128, 65, 24)},
                                                       {"Combo3", QRect(616, 128, 65, 24)}};
    for (const auto& [name, rect] : pickers) {
        auto* box = w.find<QComboBox>(QString::fromLatin1(name));
        QVERIFY2(box, name);
        QCOMPARE(box->geometry(), rect);
        QVERIFY(!box->isEditable());
        QCOMPARE(box->currentIndex(), -1);
        QVERIFY(box->isVisible());
    }
    QCOMPARE(w.find<QComboBox>(QStringLiteral("Combo4"))->itemText(0), QStringLiteral("   "));
    QCOMPARE(w.find<QComboBox>(QStringLiteral("Combo5"))->count(), 40);
    QCOMPARE(w.find<QComboBox>(QStringLiteral("Combo2"))->itemText(2), QStringLiteral("  "));

    const QList<std::pair<SessionTimer, int>> timers{{SessionTimer::Write, 300},
                                                     {SessionTimer::StatusClear, 60},
                                                     {SessionTimer::ReadyPoll, 100},
                                                     {SessionTimer::Read, 100}};
    for (const auto& [t, ms] : timers) {
        QCOMPARE(w.window->session().timer(t)->interval(), ms);
        QCOMPARE(w.window->session().timer(t)->objectName(),
                 QStringLiteral("Timer%1").arg(static_cast<int>(t)));
    }
    QCOMPARE(w.window->session().timer(SessionTimer::Write)->timerType(), Qt::PreciseTimer);
}

void TestMainWindow::menuTree() {
    Window w;
    QVERIFY(w.start());
    const QList<QAction*> top = w.window->menuBar()->actions();
    QStringList captions, names;
    for (QAction* a : top) {
        captions << a->text();
        names << a->objectName();
    }
    QCOMPARE(captions, (QStringList{"       文件(&F)", "        读信道数据(&R)",
                                    "        写信道数据(&W)", "     选择端口(&P)",
                                    "       退出系统(&E)", "       工具(&T)", "       帮助(&H)"}));
    QCOMPARE(names, (QStringList{"文件", "读信道", "写信道", "端口", "退出", "工具", "帮助"}));
    const QStringList keys{"Alt+F", "Alt+R", "Alt+W", "Alt+P", "Alt+E", "Alt+T", "Alt+H"};
    for (int i = 0; i < top.size(); ++i)
        QCOMPARE(QKeySequence::mnemonic(top[i]->text()).toString(), keys[i]);
    QMenu* file = top[0]->menu();
    QMenu* tools = top[5]->menu();
    QMenu* help = top[6]->menu();
    QVERIFY(file && tools && help);
    QStringList items;
    for (QAction* a : tools->actions())
        items << a->text() + u'|' + a->objectName();
    QCOMPARE(items,
             (QStringList{"写入并校验(&V)|写入并校验", "校验对讲机(&C)|校验对讲机",
                          "备份与恢复(&B)...|备份与恢复", "连接诊断(&D)...|连接诊断", "|",
                          "打印信道表(&P)...|打印信道表", "导出信道表 PDF(&E)...|导出信道表 PDF",
                          "|", "频段检查(&S)...|频段检查"}));
    QCOMPARE(file->actions().size(), 2);
    QCOMPARE(file->actions()[0]->text(), QStringLiteral("打开文件(&O)"));
    QCOMPARE(file->actions()[0]->objectName(), QStringLiteral("打开"));
    QCOMPARE(file->actions()[1]->text(), QStringLiteral("保存文件(&V)"));
    QCOMPARE(file->actions()[1]->objectName(), QStringLiteral("保存"));
    QCOMPARE(help->actions()[0]->text(), QStringLiteral("操作说明(&I)"));
    QCOMPARE(help->actions()[0]->objectName(), QStringLiteral("操作"));
    QCOMPARE(help->actions()[1]->text(), QStringLiteral("关于本软件(&A)"));
    QCOMPARE(help->actions()[1]->objectName(), QStringLiteral("关于"));
    for (QAction* a : top)
        QVERIFY(a->isEnabled() && a->isVisible());
}

void TestMainWindow::keyboardAccess() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QCOMPARE(w.fx.table->objectName(), QStringLiteral("Adodc1"));
    QCOMPARE(w.link.objectName(), QStringLiteral("MSComm1"));
    QTest::keyClick(w.window.get(), Qt::Key_R, Qt::AltModifier);
    QVERIFY(w.window->session().timer(SessionTimer::Read)->isActive());
    QVERIFY(!w.enabled(QStringLiteral("写信道")));
    // The radio answers the read, which lifts the lock.
    QTimer::singleShot(0, w.window.get(), [&w] { w.link.deliver(radioStream('7')); });
    w.window->readTick();
    QVERIFY(w.enabled(QStringLiteral("写信道")));

    // Alt+F opens the file menu, and O there opens a channel file.
    w.dialogs.openName = QString();
    QTest::keyClick(w.window.get(), Qt::Key_F, Qt::AltModifier);
    QMenu* file = w.window->findChild<QMenu*>(QStringLiteral("文件"));
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_O);
    QTRY_COMPARE(w.dialogs.asked, 1);
}

void TestMainWindow::grid() {
    Window w;
    QVERIFY(w.start());
    QAbstractItemModel* model = w.grid()->model();
    QCOMPARE(model->rowCount(), 16);
    QCOMPARE(model->columnCount(), 7);
    const QStringList captions{" 信道号",       "  接收频率",   " 收哑音      ", "   发送频率",
                               " 发哑音      ", " 拍频       ", " 功率       "};
    const QList<int> widths{71, 113, 76, 119, 70, 64, 66};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), captions[c]);
        QCOMPARE(w.grid()->columnWidth(c), widths[c]);
        const bool editable = model->flags(model->index(0, c)) & Qt::ItemIsEditable;
        QCOMPARE(editable, c == 1 || c == 3);
    }
    QCOMPARE(model->index(15, 0).data().toString(), QStringLiteral("16"));
    QVERIFY(!model->setData(model->index(0, 2), QStringLiteral("67.0"), Qt::EditRole));
}

void TestMainWindow::startUp() {
    Window w;
    QVERIFY(w.start({3, 4}));
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.link.portNumber(), 3);
    QVERIFY(w.link.isOpen());
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    QVERIFY(!w.window->session().timer(SessionTimer::Write)->isActive());
    QVERIFY(!w.window->session().timer(SessionTimer::StatusClear)->isActive());
    QVERIFY(!w.window->session().timer(SessionTimer::Read)->isActive());
    QCOMPARE(w.status(), QStringLiteral(" "));
    QCOMPARE(w.fx.table->currentRow(), 0);
    QCOMPARE(w.grid()->currentIndex().row(), 0);
    QVERIFY(w.messages.shown.isEmpty());

    w.window->session().poll().tick();
    QCOMPARE(w.link.sent(), QByteArray("C"));
    w.link.deliver("C");
    w.window->session().poll().tick();
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Ready));
    QVERIFY(!w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
}

void TestMainWindow::startUpWithoutPort() {
    Window w;
    bool visibleAtMessage = false;
    w.messages.onShow = [&](const RecordingMessages::Message&) {
        visibleAtMessage = w.window->isVisible();
    };
    QVERIFY(!w.start({}));
    QCOMPARE(w.messages.shown.size(), 1);
    QVERIFY(w.messages.shown[0].text.startsWith(noPortMessage({}).text));
    QCOMPARE(w.messages.shown[0].title, QStringLiteral("系统信息"));
    QCOMPARE(w.messages.shown[0].icon, MessageIcon::Warning);
    QVERIFY(visibleAtMessage);
    QVERIFY(!w.window->isVisible());
    for (SessionTimer t : {SessionTimer::Write, SessionTimer::StatusClear, SessionTimer::ReadyPoll,
                           SessionTimer::Read})
        QVERIFY(!w.window->session().timer(t)->isActive());
}

void TestMainWindow::databaseThatCannotBeOpened() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZT41XE.mdb"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a spreadsheet, not channels");
    file.close();
    ChannelTable table;
    RecordingMessages messages;
    QVERIFY(!openChannelDatabase(table, path, messages));
    QCOMPARE(messages.shown, QList<WindowMessage>{databaseRefusedMessage(
                                 ChannelTable::OpenProblem::NotSqlite, 0, {})});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("a spreadsheet, not channels"));

    const QString fresh = dir.filePath(QStringLiteral("new.mdb"));
    QVERIFY(openChannelDatabase(table, fresh, messages));
    QCOMPARE(messages.shown.size(), 1);
}

void TestMainWindow::secondCopyIsRefusedWithItsReason() {
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
    QCOMPARE(messages.shown, QList<WindowMessage>{databaseInUseMessage()});
    QVERIFY(!secondTable.isOpen());
    QCOMPARE(firstTable.row(0).text(Field::Rf), QStringLiteral("145.01250"));
}

void TestMainWindow::badDatabaseIsRefusedOrMended_data() {
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<bool>("renumber"); // the answer to the renumbering question
    QTest::addColumn<WindowMessage>("said");
    using P = ChannelTable::OpenProblem;
    const auto refused = [](P problem, int rows = 0) {
        return databaseRefusedMessage(problem, rows, {});
    };
    const WindowMessage ask{renumberQuestion(), QStringLiteral("系统信息"), MessageIcon::None};
    QTest::newRow("18 rows") << chane(18) << false << refused(P::RowCount, 18);
    QTest::newRow("10 rows") << chane(10) << false << refused(P::RowCount, 10);
    QTest::newRow("no rows") << chane(0) << false << refused(P::RowCount, 0);
    QTest::newRow("columns in another order")
        << chane(16, "rf, no, rct, tf, tct, bt, pw") << false << refused(P::Columns);
    QTest::newRow("a numeric column")
        << chane(16, "no, rf REAL, rct, tf, tct, bt, pw") << false << refused(P::ColumnTypes);
    QTest::newRow("no table Chane") << chane(16, "no", {}, "Other") << false << refused(P::NoTable);
    QTest::newRow("gaps, renumbered")
        << chane(16, "no, rf, rct, tf, tct, bt, pw", {"1", "2", "5", "7"}) << true << ask;
    QTest::newRow("empty numbers, left alone")
        << chane(16, "no, rf, rct, tf, tct, bt, pw", QStringList(16, QString())) << false << ask;
}

void TestMainWindow::badDatabaseIsRefusedOrMended() {
    QFETCH(QStringList, sql);
    QFETCH(bool, renumber);
    QFETCH(WindowMessage, said);
    QTemporaryDir dir;
    const QString path = dir.filePath(ChannelTable::defaultFileName());
    QVERIFY(runSql(path, sql));
    const QByteArray before = fileBytes(path);
    ChannelTable table;
    DatabaseLock lock;
    RecordingMessages messages;
    messages.answer = renumber;
    QCOMPARE(openChannelDatabase(table, path, messages, &lock), renumber);
    QCOMPARE(messages.shown, QList<WindowMessage>{said});
    QCOMPARE(lock.isLocked(), renumber);
    ChannelTable reopened;
    if (!renumber)
        QCOMPARE(fileBytes(path), before);
    else
        QVERIFY(reopened.open(path) && reopened.numbersInOrder());
}

void TestMainWindow::statusClear() {
    Window w;
    QVERIFY(w.start());
    w.find<QLabel>(QStringLiteral("Label2"))->setText(statusText(zt41::LinkStatus::Written));
    w.window->session().timer(SessionTimer::StatusClear)->start();
    for (int i = 0; i < 10; ++i)
        w.window->session().statusClear().tick();
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Written));
    w.window->session().statusClear().tick();
    QCOMPARE(w.status(), QString());
    QVERIFY(!w.window->session().timer(SessionTimer::StatusClear)->isActive());
}

void TestMainWindow::squelchMessageFlow() {
    Window w;
    QVERIFY(w.start());
    QComboBox* box = w.squelch();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("12"));
    QCOMPARE(w.messages.texts(), QStringList{squelchRefusedMessage().text});
    QCOMPARE(w.messages.shown[0], squelchRefusedMessage());
    QCOMPARE(box->currentText(), QStringLiteral("3"));

    box->setCurrentIndex(9); // picking "  9"
    QCOMPARE(box->currentText(), QStringLiteral("  9"));
    box->setEditText(QStringLiteral("8.5"));
    box->setEditText(QStringLiteral("-1"));
    box->setEditText(QStringLiteral("abc"));
    QCOMPARE(w.messages.shown.size(), 1);
    w.window->setSquelchText(QStringLiteral("9.5"));
    QCOMPARE(w.messages.shown.size(), 2);
    QCOMPARE(w.window->squelchText(), QStringLiteral("3"));
}

void TestMainWindow::cellRuleThroughTheEditor() {
    Window w;
    QVERIFY(w.start());
    QTableView* grid = w.grid();
    const QModelIndex cell = grid->model()->index(2, 1);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("145.0125"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.fx.table->row(2).text(Field::Tf), QStringLiteral("145.01250"));
    QCOMPARE(w.fx.table->row(2).text(Field::Rf), QStringLiteral("145.01250"));
    QCOMPARE(grid->model()->index(2, 5).data().toString(), QStringLiteral("off"));
    QCOMPARE(grid->model()->index(2, 6).data().toString(), QStringLiteral("H"));

    const QModelIndex tx = grid->model()->index(2, 3);
    grid->setCurrentIndex(tx);
    grid->edit(tx);
    editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("600"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.messages.shown.size(), 1);
    QCOMPARE(w.messages.shown[0], outOfRangeMessage());
    QCOMPARE(w.fx.table->row(2).text(Field::Tf), QString());
    QCOMPARE(w.fx.table->row(2).text(Field::Rf), QStringLiteral("145.01250"));
}

void TestMainWindow::picksOnTheCurrentRow() {
    Window w;
    QVERIFY(w.start());
    w.grid()->setCurrentIndex(w.grid()->model()->index(4, 0));
    auto* tones = w.find<QComboBox>(QStringLiteral("Combo4"));
    const int item = tones->findText(QStringLiteral("88.5"));
    tones->setCurrentIndex(item);
    Q_EMIT tones->activated(item);
    QCOMPARE(w.fx.table->row(4).text(Field::Rct), QStringLiteral("88.5"));
    QCOMPARE(w.fx.table->row(4).text(Field::Tct), QStringLiteral("88.5"));
    QCOMPARE(w.grid()->model()->index(4, 4).data().toString(), QStringLiteral("88.5"));
    auto* power = w.find<QComboBox>(QStringLiteral("Combo3"));
    Q_EMIT power->activated(1);
    QCOMPARE(w.fx.table->row(4).text(Field::Pw), QStringLiteral("L"));
    // Another row current: the picker keeps showing its choice.
    w.grid()->setCurrentIndex(w.grid()->model()->index(5, 0));
    QCOMPARE(tones->currentText(), QStringLiteral("88.5"));
    // No row current after a save: a pick writes nothing.
    w.fx.table->setCurrentRow(ChannelTable::kNoRow);
    const ChannelRows before = w.fx.table->rows();
    Q_EMIT power->activated(0);
    QCOMPARE(w.fx.table->rows(), before);
}

void TestMainWindow::cursorIsShared() {
    Window w;
    QVERIFY(w.start());
    w.grid()->setCurrentIndex(w.grid()->model()->index(7, 3));
    QCOMPARE(w.fx.table->currentRow(), 7);
    w.fx.table->setCurrentRow(11);
    QCOMPARE(w.grid()->currentIndex().row(), 11);
    QCOMPARE(w.grid()->currentIndex().column(), 3);
    w.fx.table->setCurrentRow(ChannelTable::kNoRow);
    QVERIFY(!w.grid()->selectionModel()->hasSelection());
}

void TestMainWindow::lockDuringWrite() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("写信道"))->trigger();
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Writing));
    QVERIFY(!w.enabled(QStringLiteral("读信道")));
    QVERIFY(!w.enabled(QStringLiteral("退出")));
    QVERIFY(!w.enabled(QStringLiteral("帮助")));
    QVERIFY(w.enabled(QStringLiteral("写信道")));
    QVERIFY(w.enabled(QStringLiteral("文件")));
    QVERIFY(w.enabled(QStringLiteral("端口")));
    QVERIFY(w.window->session().timer(SessionTimer::Write)->isActive());
    QVERIFY(!w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    for (int i = 0; i < 17; ++i)
        w.window->session().writer().tick();
    QCOMPARE(w.link.sends.size(), 17);
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Written));
    for (const char* name : {"读信道", "写信道", "退出", "帮助"})
        QVERIFY(w.enabled(QString::fromUtf8(name)));
    QVERIFY(!w.window->session().timer(SessionTimer::Write)->isActive());
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    QVERIFY(w.window->session().timer(SessionTimer::StatusClear)->isActive());
    QCOMPARE(w.grid()->currentIndex().row(), 0);
}

void TestMainWindow::lockDuringRead() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("读信道"))->trigger();
    QVERIFY(!w.enabled(QStringLiteral("写信道")));
    QVERIFY(!w.enabled(QStringLiteral("退出")));
    QVERIFY(!w.enabled(QStringLiteral("帮助")));
    QVERIFY(w.enabled(QStringLiteral("读信道")));
    QVERIFY(w.window->session().timer(SessionTimer::Read)->isActive());
    QCOMPARE(w.status(), QStringLiteral(" "));
    // The radio answers once the read is under way; the tick returns when it is over.
    QTimer::singleShot(0, w.window.get(), [&] { w.link.deliver(radioStream('7')); });
    w.window->readTick();
    QVERIFY(!w.window->session().reader().isReading());
    QCOMPARE(w.link.sent().right(1), QByteArray("5"));
    QCOMPARE(w.status(), statusText(zt41::LinkStatus::Read));
    QCOMPARE(w.window->squelchText(), QStringLiteral("7"));
    QCOMPARE(w.grid()->model()->index(0, 1).data().toString(), QStringLiteral("440.00000"));
    for (const char* name : {"读信道", "写信道", "退出", "帮助"})
        QVERIFY(w.enabled(QString::fromUtf8(name)));
    QVERIFY(!w.window->session().timer(SessionTimer::Read)->isActive());
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    QVERIFY(w.window->session().timer(SessionTimer::StatusClear)->isActive());
}

void TestMainWindow::readFailure() {
    Window w;
    QVERIFY(w.start());
    const ChannelRows before = w.fx.table->rows();
    w.action(QStringLiteral("读信道"))->trigger();
    QTimer::singleShot(0, w.window.get(), [&] {
        w.link.deliver(radioStream('7').left(140));
        w.window->session().reader().expire();
    });
    w.window->readTick();
    QCOMPARE(
        w.messages.texts(),
        QStringList{messageFor({Transfer::Read, TransferOutcome::Kind::ReadTimedOut, 1}).text});
    QCOMPARE(w.fx.table->rows(), before);
    QCOMPARE(w.status(), QString());
    QVERIFY(w.enabled(QStringLiteral("写信道")));
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
}

void TestMainWindow::fileCommands() {
    Window w;
    QVERIFY(w.start());
    const QString home = QDir::currentPath();
    w.fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    w.window->setSquelchText(QStringLiteral("  3"));
    w.dialogs.saveName = w.fx.dir.filePath(QStringLiteral("saved"));
    w.action(QStringLiteral("保存"))->trigger();
    QFile saved(w.dialogs.saveName);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("  3,145.01250,67.0,145.01250,67.0,off,H,"));
    QVERIFY(!w.fx.table->hasCurrentRow());
    QCOMPARE(QDir::currentPath(), home);

    QFile load(w.fx.dir.filePath(QStringLiteral("load.doc")));
    QVERIFY(load.open(QIODevice::WriteOnly));
    load.write("12,438.5,88.5,438.5,,on,L," + QByteArray(90, ','));
    load.close();
    w.dialogs.openName = load.fileName();
    w.action(QStringLiteral("打开"))->trigger();
    QCOMPARE(w.fx.table->row(0).text(Field::Rf), QStringLiteral("438.50000"));
    QCOMPARE(w.fx.table->row(0).text(Field::Rct), QStringLiteral("88.5"));
    QCOMPARE(w.fx.table->currentRow(), 0);
    // "12" is shown, warned about, shown again and warned about again.
    QCOMPARE(w.messages.texts(),
             (QStringList{squelchRefusedMessage().text, squelchRefusedMessage().text}));
    QCOMPARE(w.window->squelchText(), QStringLiteral("3"));
    QCOMPARE(QDir::currentPath(), home);

    w.dialogs.openName = w.fx.dir.filePath(QStringLiteral("missing.doc"));
    const ChannelRows before = w.fx.table->rows();
    w.action(QStringLiteral("打开"))->trigger();
    QCOMPARE(w.messages.texts().last(), fileReadErrorMessage().text);
    QCOMPARE(w.fx.table->rows(), before);
}

void TestMainWindow::fileCommandsCancelled() {
    Window w;
    QVERIFY(w.start());
    w.fx.table->setCurrentRow(6);
    const ChannelRows before = w.fx.table->rows();
    w.action(QStringLiteral("保存"))->trigger();
    QCOMPARE(w.fx.table->currentRow(), 0);
    w.fx.table->setCurrentRow(6);
    w.action(QStringLiteral("打开"))->trigger();
    QCOMPARE(w.dialogs.asked, 2);
    QCOMPARE(w.fx.table->currentRow(), 0);
    QCOMPARE(w.fx.table->rows(), before);
    QCOMPARE(w.window->squelchText(), QStringLiteral("3"));
    QVERIFY(w.messages.shown.isEmpty());
}

void TestMainWindow::portDialog() {
    Window w;
    QVERIFY(w.start({1, 2}));
    w.link.close();
    w.link.selectPort(2);
    w.link.open();
    w.action(QStringLiteral("端口"))->trigger();
    PortDialog* dialog = w.window->portDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("选择端口"));
    QCOMPARE(dialog->size(), QSize(286, 276));
    QVERIFY(!w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("请选择串行口:"));
    for (int n = 1; n <= 8; ++n) {
        auto* option = dialog->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
        QVERIFY(option);
        QCOMPARE(option->text(), QStringLiteral(" COM%1").arg(n));
        QCOMPARE(option->isEnabled(), n <= 2);
        QCOMPARE(option->isChecked(), n == 2);
        // Red while it can be chosen; greyed out when the port did not open.
        QCOMPARE(option->palette().color(QPalette::Active, QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(option->palette().color(QPalette::WindowText) == QColor(255, 0, 0), n <= 2);
    }
    QCOMPARE(dialog->findChild<QRadioButton*>(QStringLiteral("Option5"))->toolTip(),
             QStringLiteral("/dev/fake5：设备不存在"));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->text(),
             QStringLiteral("确定"));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(),
             QStringLiteral("取消"));

    // Chosen again: the same dialog, its options as they were.
    dialog->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    w.action(QStringLiteral("端口"))->trigger();
    QCOMPARE(w.window->portDialog(), dialog);
    QVERIFY(dialog->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QTRY_VERIFY(!w.window->portDialog());
    QCOMPARE(w.link.portNumber(), 1);
    QVERIFY(w.link.isOpen());
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());

    // Closed by its close button: as Cancel, the port in use is restored.
    w.action(QStringLiteral("端口"))->trigger();
    dialog = w.window->portDialog();
    dialog->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    dialog->close();
    QTRY_VERIFY(!w.window->portDialog());
    QCOMPARE(w.link.portNumber(), 1);
    QVERIFY(w.link.isOpen());
    QVERIFY(w.window->session().timer(SessionTimer::ReadyPoll)->isActive());
    QVERIFY(w.messages.shown.isEmpty());
}

void TestMainWindow::closingClosesPortAndDialog() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("端口"))->trigger();
    QPointer<PortDialog> dialog = w.window->portDialog();
    QVERIFY(dialog);
    w.action(QStringLiteral("退出"))->trigger();
    QVERIFY(!w.window->isVisible());
    QTRY_VERIFY(!dialog);
    QVERIFY(!w.link.isOpen());
    for (SessionTimer t : {SessionTimer::Write, SessionTimer::StatusClear, SessionTimer::ReadyPoll,
                           SessionTimer::Read})
        QVERIFY(!w.window->session().timer(t)->isActive());
}

void TestMainWindow::qtsOwnTextsAreChinese() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(loadQtChinese(*qApp));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QCOMPARE(box.button(QDialogButtonBox::Open)->text(), QStringLiteral("打开"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
