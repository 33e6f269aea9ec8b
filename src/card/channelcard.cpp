// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelcard.h"

#include "cardfonts.h"
#include "channels/kernelbridge.h"
#include "kernel/card.h"
#include "services/servicecheck.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <array>

namespace zt41 {

// The card's words: Chinese as the system draws it, and in the window's
// language when the window has one installed (the tool draws it in Chinese).
class CardWords {
    Q_DECLARE_TR_FUNCTIONS(zt41::CardWords)
};

namespace {

constexpr qreal kPaperWidthMm = kernel::card::kPaperWidthMm;
constexpr qreal kMarginMm = kernel::card::kMarginMm;
constexpr qreal kRowMm = kernel::card::kRowMm;

using kernel::card::Word;

struct Column {
    const char* title;
    qreal widthMm;
};
// The table's columns, their widths the kernel's.
constexpr std::array<const char*, 8> kColumnTitles{QT_TRANSLATE_NOOP("zt41::CardWords", "信道"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "接收频率"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "发送频率"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "收哑音"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "发哑音"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "拍频"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "功率"),
                                                   QT_TRANSLATE_NOOP("zt41::CardWords", "备注")};
constexpr std::array<Column, 8> kColumns = [] {
    std::array<Column, 8> c{};
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = {kColumnTitles[i], kernel::card::kColumnWidthsMm[i]};
    return c;
}();

// The kernel's card words, by their numbers.
constexpr std::array<const char*, kernel::card::kWordCount> kWords{
    "",
    QT_TRANSLATE_NOOP("zt41::CardWords", "无"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "不接收"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "不发射"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "开"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "关"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "低"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "高"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "异频"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "仅收"),
    QT_TRANSLATE_NOOP("zt41::CardWords", "仅发")};

QString word(Word w) {
    return w == Word::None ? QString() : CardWords::tr(kWords[static_cast<std::size_t>(w)]);
}

// The texts of a table row: a channel without a frequency is an empty row.
std::array<QString, 8> cells(int channel, const ChannelRecord& row) {
    const std::array<kernel::card::Cell, 8> k = kernel::card::cells(channel, toKernel(row));
    std::array<QString, 8> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = k[i].word == Word::None ? fromKernel(k[i].text) : word(k[i].word);
    return c;
}

class Sheet {
public:
    Sheet(QPainter& painter, const QRectF& paper)
        : m_p(painter)
        , m_origin(paper.topLeft())
        , m_scale(paper.width() / kPaperWidthMm) {}

    QRectF rect(qreal x, qreal y, qreal w, qreal h) const {
        return {m_origin.x() + x * m_scale, m_origin.y() + y * m_scale, w * m_scale, h * m_scale};
    }
    qreal mm(qreal v) const { return v * m_scale; }
    void text(const QRectF& r, const QString& s, const QFont& font, int flags) {
        m_p.setFont(font);
        m_p.drawText(r, flags, s);
    }

private:
    QPainter& m_p;
    QPointF m_origin;
    qreal m_scale;
};

void drawTable(QPainter& painter, Sheet& sheet, qreal top, const ChannelRows& rows) {
    const QFont head = songFont(10.5);
    const QFont body = songFont(10.5);
    qreal x = kMarginMm;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        const QRectF r = sheet.rect(x, top, kColumns[c].widthMm, kRowMm);
        painter.fillRect(r, QColor(230, 230, 230));
        sheet.text(r, CardWords::tr(kColumns[c].title), head, Qt::AlignCenter);
        for (int k = 1; k <= kChannelCount; ++k)
            sheet.text(sheet.rect(x, top + k * kRowMm, kColumns[c].widthMm, kRowMm),
                       cells(k, rows[k - 1])[c], body, Qt::AlignCenter);
        x += kColumns[c].widthMm;
    }
    painter.setPen(QPen(Qt::black, sheet.mm(0.25)));
    painter.setBrush(Qt::NoBrush);
    const qreal width = kPaperWidthMm - 2 * kMarginMm;
    for (int line = 0; line <= kChannelCount + 1; ++line)
        painter.drawLine(sheet.rect(kMarginMm, top + line * kRowMm, width, 0).topLeft(),
                         sheet.rect(kMarginMm, top + line * kRowMm, width, 0).topRight());
    x = kMarginMm;
    for (int c = 0; c <= int(kColumns.size()); ++c) {
        const QRectF edge = sheet.rect(x, top, 0, (kChannelCount + 1) * kRowMm);
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        if (c < int(kColumns.size()))
            x += kColumns[c].widthMm;
    }
}

// Two lines of eight cells inside a dashed border: what to cut out and keep.
void drawStrip(QPainter& painter, Sheet& sheet, qreal top, const ChannelRows& rows) {
    const qreal width = kPaperWidthMm - 2 * kMarginMm;
    const qreal cellW = width / 8, cellH = 13;
    sheet.text(sheet.rect(kMarginMm, top - 7, width, 6),
               CardWords::tr("沿虚线剪下，与对讲机放在一起"), songFont(9),
               Qt::AlignLeft | Qt::AlignVCenter);
    painter.setPen(QPen(Qt::black, sheet.mm(0.3), Qt::DashLine));
    painter.drawRect(sheet.rect(kMarginMm, top, width, 2 * cellH));
    painter.setPen(QPen(Qt::gray, sheet.mm(0.15)));
    for (int c = 1; c < 8; ++c)
        painter.drawLine(sheet.rect(kMarginMm + c * cellW, top, 0, 2 * cellH).topLeft(),
                         sheet.rect(kMarginMm + c * cellW, top, 0, 2 * cellH).bottomLeft());
    painter.drawLine(sheet.rect(kMarginMm, top + cellH, width, 0).topLeft(),
                     sheet.rect(kMarginMm, top + cellH, width, 0).topRight());
    painter.setPen(Qt::black);
    QFont number = songFont(9);
    number.setBold(true);
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = rows[k - 1];
        const qreal x = kMarginMm + ((k - 1) % 8) * cellW;
        const qreal y = top + ((k - 1) / 8) * cellH;
        sheet.text(sheet.rect(x + 1, y + 0.5, cellW - 2, 4.5), QString::number(k), number,
                   Qt::AlignLeft | Qt::AlignVCenter);
        const QString rf = row.text(Field::Rf).trimmed(), tf = row.text(Field::Tf).trimmed();
        if (rf.isEmpty() && tf.isEmpty())
            continue;
        sheet.text(sheet.rect(x + 1, y + 0.5, cellW - 2, 4.5), stripMark(rf, tf), songFont(7.5),
                   Qt::AlignRight | Qt::AlignVCenter);
        sheet.text(sheet.rect(x + 1, y + 4.5, cellW - 2, 4), shortFrequency(rf.isEmpty() ? tf : rf),
                   songFont(8.5), Qt::AlignHCenter | Qt::AlignVCenter);
        sheet.text(sheet.rect(x + 1, y + 8.5, cellW - 2, 4),
                   shortTones(row.text(Field::Rct), row.text(Field::Tct)), songFont(7.5),
                   Qt::AlignHCenter | Qt::AlignVCenter);
    }
}

} // namespace

QString shortFrequency(const QString& frequency) {
    QString s = frequency.trimmed();
    if (!s.contains(u'.'))
        return s;
    while (s.endsWith(u'0') && !s.endsWith(QStringLiteral(".0")))
        s.chop(1);
    return s;
}

QString stripMark(const QString& receive, const QString& transmit) {
    return word(kernel::card::stripMark(toKernel(receive), toKernel(transmit)));
}

CardTexts cardTexts() {
    CardTexts t{CardWords::tr("ZT41 信道表"),
                CardWords::tr("日期：%1"),
                CardWords::tr("静噪级别：%1"),
                CardWords::tr("沿虚线剪下，与对讲机放在一起"),
                {},
                {}};
    for (const char* title : kColumnTitles)
        t.columns.append(CardWords::tr(title));
    for (int w = 0; w < kernel::card::kWordCount; ++w)
        t.words.append(word(static_cast<Word>(w)));
    return t;
}

QString shortTones(const QString& receiveTone, const QString& transmitTone) {
    const QString rx = receiveTone.trimmed(), tx = transmitTone.trimmed();
    if (rx == tx)
        return rx;
    return (rx.isEmpty() ? QStringLiteral("-") : rx) + u'/' +
           (tx.isEmpty() ? QStringLiteral("-") : tx);
}

void paintChannelCard(QPainter& painter, const QRectF& paper, const CardContent& content) {
    Sheet sheet(painter, paper);
    const ChannelRows rows = radioForm(content.rows);
    const qreal width = kPaperWidthMm - 2 * kMarginMm;
    painter.save();
    painter.setPen(Qt::black);
    sheet.text(sheet.rect(kMarginMm, kMarginMm, width, 12), CardWords::tr("ZT41 信道表"),
               kaiFont(22), Qt::AlignHCenter | Qt::AlignVCenter);
    const QString squelch = radioSquelch(content.squelch);
    sheet.text(sheet.rect(kMarginMm, kMarginMm + 14, width, 7),
               CardWords::tr("日期：%1").arg(content.date.toString(Qt::ISODate)), songFont(11),
               Qt::AlignLeft | Qt::AlignVCenter);
    sheet.text(sheet.rect(kMarginMm, kMarginMm + 14, width, 7),
               CardWords::tr("静噪级别：%1").arg(squelch), songFont(11),
               Qt::AlignRight | Qt::AlignVCenter);
    const qreal tableTop = kMarginMm + 24;
    drawTable(painter, sheet, tableTop, rows);
    drawStrip(painter, sheet, tableTop + (kChannelCount + 1) * kRowMm + 22, rows);
    painter.restore();
}

CardWriteResult writeChannelCardPdf(const QString& path, const CardContent& content) {
    using Kind = CardWriteResult::Kind;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Kind::NotOpened, file.errorString()};
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(CardWords::tr("ZT41 信道表"));
        pdf.setCreator(QStringLiteral("ZT41 Programmer"));
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setResolution(600);
        QPainter painter;
        if (!painter.begin(&pdf)) {
            file.cancelWriting();
            return {Kind::NotDrawn, {}};
        }
        paintChannelCard(painter, pdf.pageLayout().fullRectPixels(pdf.resolution()), content);
        painter.end();
    }
    if (!file.commit())
        return {Kind::NotSaved, file.errorString()};
    return {};
}

void printChannelCard(QPrinter& printer, const CardContent& content) {
    printer.setFullPage(true);
    QPainter painter(&printer);
    paintChannelCard(painter, printer.paperRect(QPrinter::DevicePixel), content);
}

} // namespace zt41
