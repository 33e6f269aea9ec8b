// SPDX-License-Identifier: GPL-3.0-or-later
// The window for a screen reader and from the keyboard alone.

#include "channels/channeltable.h"
#include "link/linksession.h"
#include "link/writetransfer.h"
#include "shell/accessibility.h"
#include "shell/helpwindows.h"
#include "shell/safeprogramming.h"
#include "shell/windowwords.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace zt41;

namespace {

// What the program told the screen reader: each event's kind, the object's
// name and the value or name it carried.
QList<std::tuple<QAccessible::Event, QString, QString>> g_events;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    QString said = iface ? iface->text(QAccessible::Name) : QString();
    if (event->type() == QAccessible::ValueChanged)
        said = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    // A cell has no object of its own: its table names it.
    QObject* object = event->object();
    if (!object && iface && iface->parent())
        object = iface->parent()->object();
    g_events.append({event->type(), object ? object->objectName() : QString(), said});
}

bool interactive(QAccessible::Role role) {
    using A = QAccessible;
    static const QSet<A::Role> roles{A::PushButton,     A::CheckBox, A::RadioButton,  A::ComboBox,
                                     A::EditableText,   A::SpinBox,  A::Table,        A::Tree,
                                     A::List,           A::ListItem, A::MenuItem,     A::ButtonMenu,
                                     A::ButtonDropDown, A::Cell,     A::ColumnHeader, A::RowHeader};
    return roles.contains(role);
}

// The controls a screen reader would read as blank, or with the padding that
// only the drawing needs, below `iface`.
void unnamed(QAccessibleInterface* iface, const QString& path, QStringList& found, int depth = 0) {
    if (!iface || depth > 12 || iface->state().invisible)
        return;
    const QString name = iface->text(QAccessible::Name);
    const QString here = path + u'/' + QString::number(int(iface->role()), 16) + u':' + name;
    if (interactive(iface->role()) && (name.trimmed().isEmpty() || name != name.trimmed()))
        found << here;
    for (int i = 0; i < iface->childCount(); ++i)
        unnamed(iface->child(i), here, found, depth + 1);
}

QStringList unnamedIn(QWidget* window) {
    QStringList found;
    unnamed(QAccessible::queryAccessibleInterface(window), window->objectName(), found);
    return found;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyControlHasAName();
    void choicesFromTheKeyboard_data();
    void choicesFromTheKeyboard();
    void squelchAndTabFromTheKeyboard();
    void aWriteIsToldAndLeavesTheUsersPlace();
};

void TestAccessibility::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    setScreenReaderListener(record);
}

void TestAccessibility::everyControlHasAName() {
    Window w;
    QVERIFY(w.start());
    w.action(QStringLiteral("端口"))->trigger();
    w.window->helpWindows().showInstructions();
    w.window->helpWindows().showAbout();
    w.action(QStringLiteral("频段检查"))->trigger();
    w.action(QStringLiteral("备份与恢复"))->trigger();
    auto* results = new ListWindow(QStringLiteral("校验结果"), QStringLiteral("校验结果"),
                                   QString(), {QStringLiteral("信道")}, w.window.get());
    results->setRows({{QStringLiteral("3")}});
    results->addButton(QStringLiteral("关闭"), QStringLiteral("关闭"));
    results->show();
    QStringList windows;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible()) {
            windows << top->objectName();
            QCOMPARE(unnamedIn(top).join(u'\n'), QString());
        }
    QCOMPARE(windows.size(), 7);

    // The print preview, with 打印 on Ctrl+P.
    QStringList preview;
    bool printReached = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        preview = unnamedIn(dialog);
        const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction* a : dialog->findChildren<QAction*>())
            printReached |= a->text() == print && a->shortcut() == QKeySequence::Print;
        dialog->reject();
    });
    w.action(QStringLiteral("打印信道表"))->trigger();
    QCOMPARE(preview, QStringList());
    QVERIFY(printReached);
}

void TestAccessibility::choicesFromTheKeyboard_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QStringList>("row"); // rct, tct, bt, pw of channel 3 afterwards
    QTest::addColumn<QString>("said");
    const int none = Qt::NoModifier;
    QTest::newRow("F2 on 收哑音 sets both tones")
        << 2 << int(Qt::Key_F2) << none << 3 << QStringList{"69.3", "69.3", "", ""} << "69.3";
    QTest::newRow("Space on 发哑音 sets the transmit tone alone")
        << 4 << int(Qt::Key_Space) << none << 2 << QStringList{"", "67.0", "", ""} << "67.0";
    QTest::newRow("Space on 拍频 chooses on")
        << 5 << int(Qt::Key_Space) << none << 2 << QStringList{"", "", "on", ""}
        << spokenValue(Field::Bt, QStringLiteral("on"));
    QTest::newRow("Alt+Down on 功率 chooses L, and moves no channel")
        << 6 << int(Qt::Key_Down) << int(Qt::AltModifier) << 2 << QStringList{"", "", "", "L"}
        << spokenValue(Field::Pw, QStringLiteral("L"));
}

void TestAccessibility::choicesFromTheKeyboard() {
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, downs);
    QFETCH(QStringList, row);
    QFETCH(QString, said);
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTableView* grid = w.grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(2, column));
    QTest::keyClick(grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->accessibleName(), spokenColumnName(Field(column)));
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    g_events.clear();
    QTest::keyClick(menu, Qt::Key_Return);
    const ChannelRecord& r = w.fx.table->row(2);
    QCOMPARE(
        (QStringList{r.text(Field::Rct), r.text(Field::Tct), r.text(Field::Bt), r.text(Field::Pw)}),
        row);
    QCOMPARE(w.fx.table->row(2).text(Field::No), QStringLiteral("3"));
    QVERIFY(g_events.contains({QAccessible::ValueChanged, QStringLiteral("DataGrid1"), said}));
    QCOMPARE(grid->currentIndex(), grid->model()->index(2, column));
}

void TestAccessibility::squelchAndTabFromTheKeyboard() {
    Window w;
    QVERIFY(w.start());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTableView* grid = w.grid();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.squelch()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
    QCOMPARE(grid->currentIndex().row(), 1);

    QTest::keyClick(grid, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.squelch()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w.window->squelchText(), QStringLiteral("5"));
    QVERIFY(w.messages.shown.isEmpty());
}

void TestAccessibility::aWriteIsToldAndLeavesTheUsersPlace() {
    Window w;
    QVERIFY(w.start());
    QTableView* grid = w.grid();
    grid->setCurrentIndex(grid->model()->index(5, 1));
    g_events.clear();
    w.action(QStringLiteral("写信道"))->trigger();
    for (int i = 0; i < 8; ++i)
        w.window->session().writer().tick();
    QCOMPARE(grid->currentIndex(), grid->model()->index(5, 1));
    QVERIFY(w.fx.table->currentRow() != 5);
    QCOMPARE(grid->selectionModel()->selectedIndexes().value(0).row(), w.fx.table->currentRow());
    for (int i = 0; i < 9; ++i)
        w.window->session().writer().tick();
    QCOMPARE(grid->currentIndex().row(), 0);
    const QString done = statusText(LinkStatus::Written);
    QVERIFY(g_events.contains({QAccessible::NameChanged, QStringLiteral("Label2"), done}));
    QAccessibleInterface* status =
        QAccessible::queryAccessibleInterface(w.find<QLabel>(QStringLiteral("Label2")));
    QCOMPARE(status->role(), QAccessible::StatusBar);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
