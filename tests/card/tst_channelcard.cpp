// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/channelcard.h"
#include "channelrows.h"
#include "pdftext.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

class TestChannelCard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pdfHoldsEveryChannelInEmbeddedFaces();
    void printerGetsTheSamePage();
};

void TestChannelCard::pdfHoldsEveryChannelInEmbeddedFaces() {
    // The squelch level as the radio holds it: 9.4 is 9.
    CardContent content{QStringLiteral("9.4"), {}, QDate(2026, 3, 14)};
    for (int k = 1; k <= kChannelCount; ++k)
        content.rows[k - 1] = makeRow(k, {});
    content.rows[0] = makeRow(1, {"446.00625", "88.5", "446.00625", "88.5", "off", "L"});
    content.rows[4] = makeRow(5, {"145.5", "", "145.60000", "100.0", "on", ""});
    content.rows[7] = makeRow(8, {"", "", "146.00000", "", "off", "L"});
    content.rows[15] = makeRow(16, {"409.98750", "", "", "", "off", "H"});
    QTemporaryDir dir;
    const QString pdf = dir.filePath("card.pdf");
    const CardWriteResult written = writeChannelCardPdf(pdf, content);
    QVERIFY2(written.written(), qPrintable(written.systemReason));

    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) did not run");
    for (const QString expected :
         {"ZT41 信道表", "2026-03-14", "静噪级别：9", "信道",      "接收频率",
          "发送频率",    "收哑音",     "发哑音",      "拍频",      "功率",
          "备注",        "446.00625",  "145.50000",   "145.60000", "409.98750",
          "不发射",      "446.00625",  "145.5",       "-/100.0",   "409.9875",
          "不接收",      "146.0",      "异频",        "仅收",      "仅发"})
        QVERIFY2(text.contains(expected), qPrintable(expected + "\n" + text));
    // Channel 5 as the radio holds it: blank power is high.
    QVERIFY2(
        QRegularExpression("5 +145.50000 +145.60000 +无 +100.0 +开 +高").match(text).hasMatch(),
        qPrintable(text));
    QVERIFY(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\n")));

    // Every face the text uses travels in the file.
    const QStringList fonts = poppler("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    const QRegularExpression columns("\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$");
    for (const QString& line : fonts)
        QVERIFY2(columns.match(line).captured(1) == "yes", qPrintable(line));
}

void TestChannelCard::printerGetsTheSamePage() {
    const CardContent content{QStringLiteral("2"), {}, QDate(2026, 1, 2)};
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printChannelCard(printer, content);
    QVERIFY(writeChannelCardPdf(dir.filePath("written.pdf"), content).written());
    const QString printed = pdfText(dir.filePath("printed.pdf"));
    QVERIFY(printed.contains("静噪级别：2"));
    QCOMPARE(printed, pdfText(dir.filePath("written.pdf")));
}

QTEST_MAIN(TestChannelCard)
#include "tst_channelcard.moc"
