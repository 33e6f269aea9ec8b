// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelcard.h"

#include "cardfonts.h"
#include "channels/kernelbridge.h"
#include "kernel/card.h"
#include "services/servicecheck.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <array>

namespace zt41 {

namespace {

using kernel::card::kColumns;
constexpr qreal kPaperWidthMm = kernel::card::kPaperWidthMm;
constexpr qreal kMarginMm = kernel::card::kMarginMm;
constexpr qreal kRowMm = kernel::card::kRowMm;

// The texts of a table row, as the kernel words them.
std::array<QString, 8> cells(int channel, const ChannelRecord& row) {
    const std::array<std::string, 8> words = kernel::card::cells(channel, toKernel(row));
    std::array<QString, 8> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = fromKernel(words[i]);
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
        sheet.text(r, QString::fromUtf8(kColumns[c].title), head, Qt::AlignCenter);
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
    const qreal cellW = width / 8, cellH = kernel::card::kStripCellMm;
    sheet.text(sheet.rect(kMarginMm, top - 7, width, 6), fromKernel(kernel::card::stripCaption()),
               songFont(9), Qt::AlignLeft | Qt::AlignVCenter);
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
        const kernel::card::StripCell cell = kernel::card::stripCell(toKernel(row));
        if (cell.empty)
            continue;
        sheet.text(sheet.rect(x + 1, y + 0.5, cellW - 2, 4.5), fromKernel(cell.mark), songFont(7.5),
                   Qt::AlignRight | Qt::AlignVCenter);
        sheet.text(sheet.rect(x + 1, y + 4.5, cellW - 2, 4), fromKernel(cell.frequency),
                   songFont(8.5), Qt::AlignHCenter | Qt::AlignVCenter);
        sheet.text(sheet.rect(x + 1, y + 8.5, cellW - 2, 4), fromKernel(cell.tones), songFont(7.5),
                   Qt::AlignHCenter | Qt::AlignVCenter);
    }
}

} // namespace

QString shortFrequency(const QString& frequency) {
    return fromKernel(kernel::card::shortFrequency(toKernel(frequency)));
}

QString stripMark(const QString& receive, const QString& transmit) {
    return fromKernel(kernel::card::stripMark(toKernel(receive), toKernel(transmit)));
}

QString shortTones(const QString& receiveTone, const QString& transmitTone) {
    return fromKernel(kernel::card::shortTones(toKernel(receiveTone), toKernel(transmitTone)));
}

void paintChannelCard(QPainter& painter, const QRectF& paper, const CardContent& content) {
    Sheet sheet(painter, paper);
    const ChannelRows rows = radioForm(content.rows);
    const qreal width = kPaperWidthMm - 2 * kMarginMm;
    painter.save();
    painter.setPen(Qt::black);
    sheet.text(sheet.rect(kMarginMm, kMarginMm, width, 12), fromKernel(kernel::card::title()),
               kaiFont(22), Qt::AlignHCenter | Qt::AlignVCenter);
    const QString squelch = radioSquelch(content.squelch);
    sheet.text(sheet.rect(kMarginMm, kMarginMm + 14, width, 7),
               fromKernel(kernel::card::dateLine(toKernel(content.date.toString(Qt::ISODate)))),
               songFont(11), Qt::AlignLeft | Qt::AlignVCenter);
    sheet.text(sheet.rect(kMarginMm, kMarginMm + 14, width, 7),
               fromKernel(kernel::card::squelchLine(toKernel(squelch))), songFont(11),
               Qt::AlignRight | Qt::AlignVCenter);
    const qreal tableTop = kMarginMm + 24;
    drawTable(painter, sheet, tableTop, rows);
    drawStrip(painter, sheet, tableTop + (kChannelCount + 1) * kRowMm + 22, rows);
    painter.restore();
}

bool writeChannelCardPdf(const QString& path, const CardContent& content, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(fromKernel(kernel::card::title()));
        pdf.setCreator(QStringLiteral("ZT41 Programmer"));
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setResolution(600);
        QPainter painter;
        if (!painter.begin(&pdf)) {
            *error = QStringLiteral("the PDF could not be drawn");
            file.cancelWriting();
            return false;
        }
        paintChannelCard(painter, pdf.pageLayout().fullRectPixels(pdf.resolution()), content);
        painter.end();
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void printChannelCard(QPrinter& printer, const CardContent& content) {
    printer.setFullPage(true);
    QPainter painter(&printer);
    paintChannelCard(painter, printer.paperRect(QPrinter::DevicePixel), content);
}

} // namespace zt41
