// SPDX-License-Identifier: GPL-3.0-or-later
// The 工具 menu: the channel card from the window and the 频段检查 window.

#include "channelrows.h"
#include "pdftext.h"
#include "services/service.h"
#include "services/servicecheck.h"
#include "shell/channeltools.h"
#include "shell/servicewindow.h"
#include "shell/windowwords.h"
#include "windowfixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>

using namespace zt41;

class TestChannelTools : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportedCardShowsTheWindow_data();
    void exportedCardShowsTheWindow();
    void checkFollowsTheTableAndFills();
};

void TestChannelTools::exportedCardShowsTheWindow_data() {
    QTest::addColumn<QString>("name"); // in the test's folder
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("print"); // 打印 → 打印到文件, checked after the dialog closed
    QTest::newRow("a name without .pdf gets it") << "card"
                                                 << "card.pdf" << false;
    QTest::newRow("the open database is never replaced, by a link either") << "db.pdf"
                                                                           << "" << false;
    QTest::newRow("printing to a file: the open database by a link") << "db.pdf"
                                                                     << "" << true;
    QTest::newRow("printing to a file: the database by its name") << "ZT41XE.mdb"
                                                                  << "" << true;
    QTest::newRow("printing to a plain file") << "printed.pdf"
                                              << "printed.pdf" << true;
}

void TestChannelTools::exportedCardShowsTheWindow() {
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(bool, print);
    Window w;
    QVERIFY(w.start());
    w.fx.setRow(2, {"145.02500", "88.5", "145.62500", "88.5", "off", "L"});
    w.squelch()->setEditText("6");
    const qint64 stored = QFileInfo(w.fx.path()).size();
    auto* tools = w.window->findChild<ChannelTools*>();
    QVERIFY(QFile::link(w.fx.path(), w.fx.dir.filePath("db.pdf")));
    tools->askPdfName = [&] {
        return w.fx.dir.filePath(name);
    };
    if (print) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(w.fx.dir.filePath(name));
        QCOMPARE(tools->printTo(printer, tools->cardContent()), !written.isEmpty());
    } else {
        w.action("导出信道表 PDF")->trigger();
    }
    if (written.isEmpty()) {
        QCOMPARE(w.messages.shown.size(), 1);
        QVERIFY(w.messages.shown[0].text.startsWith("信道表 PDF 保存错误！！"));
        QCOMPARE(QFileInfo(w.fx.path()).size(), stored);
        return;
    }
    QCOMPARE(w.messages.shown.size(), 0);
    const QString text = pdfText(w.fx.dir.filePath(written));
    QVERIFY2(text.contains("静噪级别：6") &&
                 QRegularExpression("3 +145.02500 +145.62500 +88.5 +88.5 +关 +低")
                     .match(text)
                     .hasMatch(),
             qPrintable(text));
}

void TestChannelTools::checkFollowsTheTableAndFills() {
    Window w;
    QVERIFY(w.start());
    w.fx.setRow(0, {"446.00625", "", "", "", "off", "H"}); // receives only
    w.fx.setRow(1, {"446.01000", "", "446.01000", "", "off", "L"});
    w.action("频段检查")->trigger();
    auto* check = w.find<ServiceWindow>("频段检查");
    QVERIFY(check && check->isVisible());
    QCOMPARE(check->windowTitle(), QStringLiteral("频段检查"));
    check->choose("pmr446");
    auto* findings = check->findChild<QTreeWidget*>("检查结果");
    // Row 2 off the plan twice and its 1 W above 0.5 W; every other row of a
    // fresh table is empty.
    QCOMPARE(findings->topLevelItemCount(), 3);
    QCOMPARE(findings->topLevelItem(0)->text(3), QStringLiteral("1（446.00625）"));
    w.fx.setRow(1, {"446.01875", "", "446.01875", "", "off", "H"});
    QCOMPARE(findings->topLevelItemCount(), 1);
    QVERIFY(findings->topLevelItem(0)->text(4).contains("最多允许 0.5 W"));

    auto* tools = w.window->findChild<ChannelTools*>();
    QStringList asked;
    bool agree = false;
    tools->confirm = [&](const QString& q) {
        return asked << q, agree;
    };
    auto* fill = check->findChild<QPushButton*>("按此频段填入信道");
    fill->click();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(w.fx.table->row(1)[Field::Pw], QString("H")); // declined: nothing changed
    agree = true;
    fill->click();
    QCOMPARE(w.fx.table->rows(), planRows(*findService("pmr446")));
    QCOMPARE(w.squelch()->currentText(), QStringLiteral("3"));
    QCOMPARE(findings->topLevelItemCount(), 0);
    QCOMPARE(check->findChild<QLabel*>("检查结论")->text(),
             QStringLiteral("全部信道符合PMR446（欧洲）。"));

    check->choose("cn409");
    w.action("写信道")->trigger();
    fill->click();
    QCOMPARE(w.messages.texts(), QStringList{fileBusyMessage().text});
    QCOMPARE(w.fx.table->rows(), planRows(*findService("pmr446")));
}

QTEST_MAIN(TestChannelTools)
#include "tst_channeltools.moc"
