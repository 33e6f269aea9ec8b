// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingmessages.h"
#include "shell/fonts.h"
#include "shell/helpwindows.h"
#include "shell/programicon.h"
#include "shell/sysinfo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include <memory>

using namespace zt41;

namespace {

const QString kInstructions = QStringLiteral("frmAbout1");
const QString kAbout = QStringLiteral("frmAbout");

QString blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

// The instructions as the window must show them, line by line.
const QStringList kLines{
    blanks(18) + QStringLiteral("操作说明") + blanks(25),
    QStringLiteral("一，使用随机配带的写频电缆，将对讲机（关机）"),
    QStringLiteral("耳机话筒插口与计算机串行口1（或串行口2）联结。    "),
    QStringLiteral("二，打开对讲机电源，屏显显示“对讲机就续”。    "),
    QStringLiteral("三，写频操作：用鼠标点菜单项“写信道数椐”。    "),
    QStringLiteral("四，读频操作：用鼠标点菜单项“读信道数据”。    "),
    QStringLiteral("五，文件操作：使用操作“文件”菜单的“保存文       "),
    QStringLiteral("件”子菜单，打开保存文件对话框，可以将当前      "),
    QStringLiteral("的频率数据保存（文件名自选，后缀  .doc）。      "),
    QStringLiteral("同样使用“打开文件”子菜单，可以将保存的频      "),
    QStringLiteral("率数据文件重新调出使用。") + blanks(21),
    QStringLiteral("六，设置端口：如有必要，可操作“系统设置”菜       "),
    QStringLiteral("单的“选择端口”子菜单项，改变当前使用的串      "),
    QStringLiteral("行口。    "),
};

QWidget* open(HelpWindows& help, const QString& window) {
    return window == kInstructions ? help.showInstructions() : help.showAbout();
}

template <typename T> T* control(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qWarning("no %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

void deliverDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage rgb888(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB888);
}

// Stands in for the PATH: the named programs are "installed" under one folder.
struct FakeSystem {
    QStringList installed;
    bool starts = true;
    QStringList started;

    static QString pathOf(const QString& name) { return QStringLiteral("/opt/fake/bin/") + name; }

    FindExecutable finder() {
        return [this](const QString& name) {
            return installed.contains(name) ? pathOf(name) : QString();
        };
    }
    StartDetached starter() {
        return [this](const QString& program) {
            started << program;
            return starts;
        };
    }
};

} // namespace

class TestHelpWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void instructionsText();
    void instructionsLinesFitTheLabel();
    void programIcon();

    void windowFrame_data();
    void windowFrame();
    void texts_data();
    void texts();
    void labelFonts_data();
    void labelFonts();
    void buttonsUseTheWindowFont();
    void geometry_data();
    void geometry();
    void aboutIcon();
    void etchedLine();

    void okHasFocusOnOpening_data();
    void okHasFocusOnOpening();
    void keysPressOk_data();
    void keysPressOk();
    void aboutTabOrder();

    void openWindowIsReused();
    void closedWindowIsMadeAfresh_data();
    void closedWindowIsMadeAfresh();
    void windowsOutliveTheMainWindow();
    void openWindowsGoWhenTheProgramQuits();

    void sysInfoChoice_data();
    void sysInfoChoice();
    void sysInfoFromAbout_data();
    void sysInfoFromAbout();
    void altSPressesSysInfo();
};

void TestHelpWindows::initTestCase() {
    // Closing the last window of a test must not end the test run.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestHelpWindows::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    deliverDeletes();
}

void TestHelpWindows::instructionsText() {
    const QString text = zt41::instructionsText();
    QCOMPARE(text.size(), 384);
    QCOMPARE(zt41::instructionsLines(), kLines);
    QCOMPARE(kLines.join(QString()), text);

    HelpWindows help;
    QWidget* window = help.showInstructions();
    auto* description = control<QLabel>(window, QStringLiteral("lblDescription"));
    QVERIFY(description);
    QCOMPARE(description->text().split(QLatin1Char('\n')), kLines);
    QCOMPARE(description->text().remove(QLatin1Char('\n')), text);
}

void TestHelpWindows::instructionsLinesFitTheLabel() {
    // Were a line wider than the label, word wrap would break it and the
    // instructions would no longer read as fourteen lines.
    HelpWindows help;
    auto* description = control<QLabel>(help.showInstructions(), QStringLiteral("lblDescription"));
    QVERIFY(description);
    QVERIFY(description->wordWrap());
    for (const QString& line : kLines) {
        QTextLayout layout(line, description->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        int rows = 0;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(description->contentsRect().width());
            ++rows;
        }
        layout.endLayout();
        QVERIFY2(rows == 1, qPrintable(line));
    }
}

void TestHelpWindows::programIcon() {
    const QImage image = programImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.format(), QImage::Format_RGB888);

    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 8, "the icon shows a picture, not a plain field");

    QCOMPARE(rgb888(programPixmap()), image);
    const QIcon icon = zt41::programIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
    QCOMPARE(rgb888(icon.pixmap(32, 32)), image);
}

void TestHelpWindows::windowFrame_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::newRow("instructions") << kInstructions << QStringLiteral("操作说明") << QSize(614, 384);
    QTest::newRow("about") << kAbout << QStringLiteral("关于本软件") << QSize(382, 237);
}

void TestHelpWindows::windowFrame() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    HelpWindows help;
    QWidget* w = open(help, window);
    QCOMPARE(w->objectName(), window);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->minimumSize(), client);
    QCOMPARE(w->maximumSize(), client);

    const Qt::WindowFlags flags = w->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // No owner, so the main window may come in front; not modal, so it may be used.
    QVERIFY(w->isWindow());
    QCOMPARE(w->parentWidget(), nullptr);
    QCOMPARE(w->windowModality(), Qt::NonModal);
    QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));

    QCOMPARE(rgb888(w->windowIcon().pixmap(32, 32)), programImage());
}

void TestHelpWindows::texts_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("instructions OK") << kInstructions << "cmdOK" << QStringLiteral("确定") << false;
    QTest::newRow("about title") << kAbout << "lblTitle" << QStringLiteral("    ZT41写频软件")
                                 << false;
    QTest::newRow("about version")
        << kAbout << "lblVersion" << QStringLiteral("      版本 A 1.1") << false;
    QTest::newRow("about description")
        << kAbout << "lblDescription"
        << QStringLiteral(
               "本软件是专供用户，对Rovena电讯器材公司的ZT41对讲机，编写工作频率及参数的专"
               "用软件      ")
        << true;
    QTest::newRow("about support line")
        << kAbout << "lblDisclaimer" << QStringLiteral(" 技术咨询： 010-5555 0141       ") << false;
    QTest::newRow("about OK") << kAbout << "cmdOK" << QStringLiteral("确定") << false;
    QTest::newRow("about system information")
        << kAbout << "cmdSysInfo" << QStringLiteral("系统信息(&S)...") << false;
}

void TestHelpWindows::texts() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, wraps);
    HelpWindows help;
    QWidget* w = open(help, window);
    if (auto* button = w->findChild<QPushButton*>(name)) {
        QCOMPARE(button->text(), text);
        return;
    }
    auto* label = control<QLabel>(w, name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    // Rich text would fold the blank runs into one.
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->wordWrap(), wraps);
}

void TestHelpWindows::labelFonts_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("instructions") << kInstructions << "lblDescription" << 15.75
                                  << QColor(0, 0, 255);
    QTest::newRow("about title") << kAbout << "lblTitle" << 15.75 << QColor(255, 0, 0);
    QTest::newRow("about version") << kAbout << "lblVersion" << 15.75 << QColor(255, 0, 0);
    QTest::newRow("about description") << kAbout << "lblDescription" << 12.0 << QColor(0, 0, 255);
    QTest::newRow("about support line")
        << kAbout << "lblDisclaimer" << 14.25 << QColor(192, 0, 192);
}

void TestHelpWindows::labelFonts() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(qreal, points);
    QFETCH(QColor, colour);
    HelpWindows help;
    auto* label = control<QLabel>(open(help, window), name);
    QVERIFY(label);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().families(), kaiFont(points).families());
    QCOMPARE(label->font().weight(), QFont::Normal);
    QVERIFY(!label->font().italic());
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
}

void TestHelpWindows::buttonsUseTheWindowFont() {
    HelpWindows help;
    const QList<QPushButton*> buttons = help.showInstructions()->findChildren<QPushButton*>() +
                                        help.showAbout()->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 3);
    for (QPushButton* button : buttons)
        QCOMPARE(button->font(), button->window()->font());
}

void TestHelpWindows::geometry_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("instructions text")
        << kInstructions << "lblDescription" << QRect(48, 40, 523, 302);
    QTest::newRow("instructions OK") << kInstructions << "cmdOK" << QRect(488, 352, 100, 23);
    QTest::newRow("about icon") << kAbout << "picIcon" << QRect(32, 16, 32, 32);
    QTest::newRow("about title") << kAbout << "lblTitle" << QRect(88, 16, 227, 32);
    QTest::newRow("about version") << kAbout << "lblVersion" << QRect(80, 48, 259, 31);
    QTest::newRow("about description") << kAbout << "lblDescription" << QRect(80, 88, 259, 62);
    QTest::newRow("about support line") << kAbout << "lblDisclaimer" << QRect(8, 192, 258, 24);
    QTest::newRow("about OK") << kAbout << "cmdOK" << QRect(275, 175, 100, 23);
    QTest::newRow("about system information") << kAbout << "cmdSysInfo" << QRect(276, 205, 99, 23);
}

void TestHelpWindows::geometry() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    HelpWindows help;
    auto* widget = control<QWidget>(open(help, window), name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestHelpWindows::aboutIcon() {
    HelpWindows help;
    auto* icon = control<QLabel>(help.showAbout(), QStringLiteral("picIcon"));
    QVERIFY(icon);
    QCOMPARE(icon->frameShape(), QFrame::NoFrame);
    QCOMPARE(rgb888(icon->pixmap()), programImage());
}

void TestHelpWindows::etchedLine() {
    HelpWindows help;
    QWidget* about = help.showAbout();
    QVERIFY(control<QWidget>(about, QStringLiteral("Line1")));
    const QImage shot = about->grab().toImage();
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    const QColor background = shot.pixelColor(200, 160);
    QVERIFY(background != grey && background != white);

    // Grey from x 6 to 377 on row 163; white, two rows deep, from x 7 on.
    for (int x : {6, 7, 200, 377}) {
        QCOMPARE(shot.pixelColor(x, 162), background);
        QCOMPARE(shot.pixelColor(x, 163), grey);
        QCOMPARE(shot.pixelColor(x, 166), background);
    }
    for (int x : {7, 200, 377}) {
        QCOMPARE(shot.pixelColor(x, 164), white);
        QCOMPARE(shot.pixelColor(x, 165), white);
    }
    QCOMPARE(shot.pixelColor(6, 164), background);
    QCOMPARE(shot.pixelColor(5, 163), background);
    QCOMPARE(shot.pixelColor(378, 163), background);
    QCOMPARE(shot.pixelColor(378, 164), background);
}

void TestHelpWindows::okHasFocusOnOpening_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("instructions") << kInstructions;
    QTest::newRow("about") << kAbout;
}

void TestHelpWindows::okHasFocusOnOpening() {
    QFETCH(QString, window);
    HelpWindows help;
    QWidget* w = open(help, window);
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* ok = control<QPushButton>(w, QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(ok->isDefault());
}

void TestHelpWindows::keysPressOk_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    for (const QString& window : {kInstructions, kAbout}) {
        QTest::addRow("%s Return", qPrintable(window)) << window << int(Qt::Key_Return);
        QTest::addRow("%s keypad Enter", qPrintable(window)) << window << int(Qt::Key_Enter);
        QTest::addRow("%s Esc", qPrintable(window)) << window << int(Qt::Key_Escape);
    }
}

void TestHelpWindows::keysPressOk() {
    QFETCH(QString, window);
    QFETCH(int, key);
    HelpWindows help;
    QPointer<QWidget> w = open(help, window);
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto* ok = control<QPushButton>(w, QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QSignalSpy clicks(ok, &QPushButton::clicked);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(clicks.size(), 1);
    QVERIFY(!w->isVisible());
    deliverDeletes();
    QVERIFY(w.isNull());
}

void TestHelpWindows::aboutTabOrder() {
    HelpWindows help;
    QWidget* about = help.showAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    auto* ok = control<QPushButton>(about, QStringLiteral("cmdOK"));
    auto* sysInfo = control<QPushButton>(about, QStringLiteral("cmdSysInfo"));
    QVERIFY(ok && sysInfo);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), sysInfo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
}

void TestHelpWindows::openWindowIsReused() {
    HelpWindows help;
    QWidget* instructions = help.showInstructions();
    QWidget* about = help.showAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));

    // Chosen again while open, the window comes to the front instead of doubling.
    QCOMPARE(help.showInstructions(), instructions);
    QVERIFY(QTest::qWaitForWindowActive(instructions));
    QCOMPARE(help.showAbout(), about);
    QVERIFY(QTest::qWaitForWindowActive(about));

    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpWindows += window->objectName() == kInstructions || window->objectName() == kAbout;
    QCOMPARE(helpWindows, 2);
}

void TestHelpWindows::closedWindowIsMadeAfresh_data() {
    okHasFocusOnOpening_data();
}

void TestHelpWindows::closedWindowIsMadeAfresh() {
    QFETCH(QString, window);
    HelpWindows help;
    QPointer<QWidget> first = open(help, window);
    QVERIFY(QTest::qWaitForWindowActive(first));
    // Moving focus away shows that a fresh window starts over rather than
    // bringing back an old one's state.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    control<QPushButton>(first, QStringLiteral("cmdOK"))->click();
    deliverDeletes();
    QVERIFY(first.isNull());

    QWidget* second = open(help, window);
    QVERIFY(second);
    QCOMPARE(second->objectName(), window);
    QVERIFY(QTest::qWaitForWindowActive(second));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(second, QStringLiteral("cmdOK")));
}

void TestHelpWindows::windowsOutliveTheMainWindow() {
    auto main = std::make_unique<QWidget>();
    auto* help = new HelpWindows(main.get());
    main->show();
    QPointer<QWidget> instructions = help->showInstructions();
    QPointer<QWidget> about = help->showAbout();

    main->close();
    main.reset();
    deliverDeletes();

    QVERIFY(!instructions.isNull());
    QVERIFY(!about.isNull());
    QVERIFY(instructions->isVisible());
    QVERIFY(about->isVisible());
}

void TestHelpWindows::openWindowsGoWhenTheProgramQuits() {
    HelpWindows help;
    QPointer<QWidget> instructions = help.showInstructions();
    QPointer<QWidget> about = help.showAbout();
    // quit() would close the windows first; exit() ends the event loop with
    // them still open.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QVERIFY(instructions.isNull());
    QVERIFY(about.isNull());
}

void TestHelpWindows::sysInfoChoice_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("tried");
    QTest::addColumn<bool>("started");
    const QString first = kSysInfoPrograms.first();
    const QString second = kSysInfoPrograms.at(1);
    const QString last = kSysInfoPrograms.last();
    QTest::newRow("all installed") << kSysInfoPrograms << true << first << true;
    QTest::newRow("only the last") << QStringList{last} << true << last << true;
    QTest::newRow("second before last") << QStringList{last, second} << true << second << true;
    QTest::newRow("none installed") << QStringList{} << true << QString() << false;
    QTest::newRow("unknown ones ignored")
        << QStringList{QStringLiteral("top"), QStringLiteral("msinfo32")} << true << QString()
        << false;
    QTest::newRow("does not start") << QStringList{first, last} << false << first << false;
}

void TestHelpWindows::sysInfoChoice() {
#ifdef Q_OS_WIN
    QSKIP("Windows starts msinfo32 as registered, not a program from the PATH");
#endif
    QFETCH(QStringList, installed);
    QFETCH(bool, starts);
    QFETCH(QString, tried);
    QFETCH(bool, started);
    FakeSystem system{installed, starts, {}};
    RecordingMessages messages;

    QCOMPARE(startSysInfo(messages, system.finder(), system.starter()), started);

    // One attempt at most: a program that will not start is not a reason to try another.
    const QStringList attempts =
        tried.isEmpty() ? QStringList{} : QStringList{FakeSystem::pathOf(tried)};
    QCOMPARE(system.started, attempts);
    if (started) {
        QVERIFY(messages.shown.isEmpty());
    } else {
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].text, QStringLiteral("此时系统信息不可用"));
        QCOMPARE(messages.shown[0].title, QStringLiteral("ZT90"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::None);
    }
}

void TestHelpWindows::sysInfoFromAbout_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("installed") << true;
    QTest::newRow("none") << false;
}

void TestHelpWindows::sysInfoFromAbout() {
#ifdef Q_OS_WIN
    QSKIP("Windows starts msinfo32 as registered, not a program from the PATH");
#endif
    QFETCH(bool, installed);
    FakeSystem system;
    if (installed)
        system.installed = kSysInfoPrograms;
    RecordingMessages messages;
    HelpWindows help;
    help.setMessageSinkForTests(&messages);
    help.setSysInfoForTests(system.finder(), system.starter());

    QPointer<QWidget> about = help.showAbout();
    control<QPushButton>(about, QStringLiteral("cmdSysInfo"))->click();

    if (installed) {
        QCOMPARE(system.started, QStringList{FakeSystem::pathOf(kSysInfoPrograms.first())});
        QVERIFY(messages.shown.isEmpty());
    } else {
        QVERIFY(system.started.isEmpty());
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("此时系统信息不可用")});
    }
    deliverDeletes();
    QVERIFY(!about.isNull());
    QVERIFY(about->isVisible());
}

void TestHelpWindows::altSPressesSysInfo() {
    // The click lands after this test; it must not start or show anything real.
    FakeSystem system;
    RecordingMessages messages;
    HelpWindows help;
    help.setMessageSinkForTests(&messages);
    help.setSysInfoForTests(system.finder(), system.starter());
    QWidget* about = help.showAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    auto* sysInfo = control<QPushButton>(about, QStringLiteral("cmdSysInfo"));
    auto* ok = control<QPushButton>(about, QStringLiteral("cmdOK"));
    QVERIFY(sysInfo && ok);
    QSignalSpy pressed(sysInfo, &QPushButton::pressed);
    QSignalSpy okPressed(ok, &QPushButton::pressed);

    // A mnemonic animates the press and clicks a moment later; the press is
    // what shows the key reached the button.
    QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(pressed.size(), 1);
    QVERIFY(sysInfo->isDown());
    QCOMPARE(okPressed.size(), 0);
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
