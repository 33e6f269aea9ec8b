// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portmap.h"
#include "radiostream.h"
#include "shell/helpwindows.h"
#include "shell/language.h"
#include "shell/messageboxes.h"
#include "shell/portdialog.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zt41;

namespace {

// What a user reads in `top`: its title, labels, buttons, menus and their
// commands, the heads and cells of its lists; not what its own windows hold.
QStringList visibleTexts(QWidget* top) {
    const auto inTop = [top](QWidget* w) {
        for (QWidget* p = w; p && p != top; p = p->parentWidget())
            if (p->isWindow() && !qobject_cast<QMenu*>(p))
                return false;
        return true;
    };
    QStringList texts{top->windowTitle()};
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (!inTop(w))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        for (QAction* a : w->actions())
            // 帮助 → 语言 names each language in its own words.
            if (a->objectName() != u"zh" && a->objectName() != u"en")
                texts << a->text();
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            const QAbstractItemModel* m = view->model();
            for (int c = 0; c < m->columnCount(); ++c) {
                texts << m->headerData(c, Qt::Horizontal).toString();
                for (int r = 0; r < m->rowCount(); ++r)
                    texts << m->index(r, c).data().toString();
            }
        }
    }
    return texts;
}

// Opens the window of that name while the window speaks Chinese.
QWidget* openWindow(Window& w, const QString& name) {
    if (name == u"启动窗体")
        return w.window.get();
    if (name == u"操作说明")
        return w.window->helpWindows().showInstructions();
    if (name == u"关于")
        return w.window->helpWindows().showAbout();
    if (name == u"端口") {
        w.action(name)->trigger();
        return w.window->portDialog();
    }
    if (name == u"校验结果") {
        // The radio answers and holds other channels than the table.
        w.action(QStringLiteral("校验对讲机"))->trigger();
        if (!QTest::qWaitFor([&] { return w.link.sent().contains('C'); }))
            return nullptr;
        w.link.deliver("C");
        if (!QTest::qWaitFor([&] { return w.link.sent().contains('5'); }))
            return nullptr;
        w.link.deliver(radioStream());
    } else {
        w.action(name)->trigger();
    }
    QWidget* window = nullptr;
    // 校验结果 has come and 连接诊断 has looked at its ports.
    const bool done = QTest::qWaitFor([&] {
        window = w.find<QWidget>(name);
        return window && !w.window->transferRunning();
    });
    return done ? window : nullptr;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowTexts_data();
    void windowTexts();
    void langIsRemembered_data();
    void langIsRemembered();

private:
    QTemporaryDir m_config;
};

void TestLanguage::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestLanguage::windowTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("window");
    for (const Language language : {Language::English, Language::Chinese})
        for (const char* window : {"启动窗体", "操作说明", "关于", "端口", "校验结果", "备份与恢复",
                                   "连接诊断", "频段检查", "a message"})
            QTest::addRow("%s, %s", qPrintable(languageName(language)), window)
                << int(language) << QString::fromUtf8(window);
}

// Switched while the window is open, every text it shows is in the language chosen.
void TestLanguage::windowTexts() {
    QFETCH(int, language);
    QFETCH(QString, window);
    QVERIFY(useLanguage(Language::Chinese));
    const PortMap ports = *PortMap::fromList(QStringLiteral("/nonexistent/zt41-test-port"));
    Window w;
    w.portMap = &ports;
    QVERIFY(w.start());
    w.fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    QStringList texts;
    if (window == u"a message") {
        QVERIFY(useLanguage(Language(language)));
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                texts = visibleTexts(box);
                box->reject();
            }
        });
        MessageBoxes(w.window.get()).ask(closeDuringWriteQuestion(), titles::system());
    } else {
        QWidget* shown = openWindow(w, window);
        QVERIFY(shown);
        const QString name = shown->objectName();
        // 帮助 → 语言 / Language, as a user switches.
        w.action(languageName(Language(language)))->trigger();
        QCOMPARE(windowLanguage(), Language(language));
        // A help window is made afresh in the new language.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->objectName() == name)
                shown = top;
        texts = visibleTexts(shown);
    }
    QVERIFY(texts.size() >= 3);
    const QString all = texts.join(u'\n');
    if (Language(language) == Language::English) {
        const QRegularExpression chinese(QStringLiteral(
            "[\\x{3000}-\\x{303F}\\x{3400}-\\x{4DBF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
        QCOMPARE(texts.filter(chinese).join(u'|'), QString());
    } else {
        // The system's own names, units and values, the way back to English,
        // and the paths of folders and devices.
        static const QStringList own{"ZT",  "COM", "on",  "off", "MHz",    "PMR",
                                     "FRS", "LPD", "PDF", "doc", "Rovena", "Language"};
        QStringList english;
        for (const QRegularExpressionMatch& m :
             QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))
                 .globalMatch(QString(all).remove(QRegularExpression(QStringLiteral("/[!-~]+")))))
            if (!own.contains(m.captured()))
                english << m.captured() + u'|' + texts.filter(m.captured()).value(0);
        QCOMPARE(english.join(u' '), QString());
    }
    useLanguage(Language::Chinese);
}

void TestLanguage::langIsRemembered_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("saved");
    // In this order: each start meets what the one before saved.
    QTest::newRow("--lang en") << QStringList{"--lang", "en"}
                               << "The database file cannot be opened!"
                               << "en";
    QTest::newRow("no option: English kept")
        << QStringList{} << "The database file cannot be opened!"
        << "en";
    QTest::newRow("--lang zh") << QStringList{"--lang", "zh"} << "数据库文件无法打开！"
                               << "zh";
}

// The program says its first message, a database it refuses, in the language
// chosen now or before; the settings file the dialogs use keeps the choice.
void TestLanguage::langIsRemembered() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    QFETCH(QString, saved);
    QTemporaryDir work;
    QFile notADatabase(work.filePath(QStringLiteral("ZT41XE.mdb")));
    QVERIFY(notADatabase.open(QIODevice::WriteOnly) && notADatabase.write("text") == 4);
    notADatabase.close();
    QProcess zt41;
    zt41.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    zt41.setProcessEnvironment(env);
    zt41.start(QStringLiteral(ZT41_PROGRAM),
               QStringList{"-platform", "offscreen", "--ports", "/nonexistent/zt41"} + arguments);
    QString err;
    QVERIFY(QTest::qWaitFor(
        [&] {
            err += QString::fromUtf8(zt41.readAllStandardError());
            return err.contains(said);
        },
        20000));
    zt41.terminate(); // as a user's logout ends it, the message still open
    QVERIFY(zt41.waitForFinished());
    QCOMPARE(zt41.exitStatus(), QProcess::NormalExit);
    const QSettings settings(m_config.filePath(QStringLiteral("zt41/zt41.ini")),
                             QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("window/language")).toString(), saved);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
