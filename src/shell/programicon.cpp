// SPDX-License-Identifier: GPL-3.0-or-later
#include "programicon.h"

#include <QPainter>
#include <QPainterPath>

namespace zt41 {

namespace {

constexpr int kIconSize = 32;

void drawRadio(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);

    // Antenna first so the body covers its foot.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRoundedRect(QRectF(18, 2, 3.5, 10), 1.5, 1.5);
    painter.setBrush(QColor(230, 40, 40));
    painter.drawEllipse(QRectF(17.5, 1, 4.5, 4));

    // Body, with a lighter rim so it stands off the background.
    painter.setPen(QPen(QColor(170, 175, 185), 1));
    painter.setBrush(QColor(55, 60, 70));
    painter.drawRoundedRect(QRectF(9.5, 9.5, 14, 21), 3, 3);

    // Display.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 230, 120));
    painter.drawRect(QRectF(12, 12, 9, 5));
    painter.setBrush(QColor(40, 90, 30));
    painter.drawRect(QRectF(13, 14, 5, 1));

    // Speaker grille.
    painter.setPen(QPen(QColor(20, 20, 25), 1));
    for (int y = 19; y <= 23; y += 2)
        painter.drawLine(QPointF(12.5, y + 0.5), QPointF(20.5, y + 0.5));

    // Keypad.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 200, 60));
    for (int col = 0; col < 3; ++col)
        painter.drawRect(QRectF(12 + col * 3, 26, 2, 2));
}

} // namespace

QImage programImage() {
    return programImage(kIconSize);
}

QImage programImage(int size) {
    // Painted at 32 bits, where the raster engine is fastest and most exact, and
    // only then reduced to 24-bit colour. The drawing is laid out on a 32 x 32
    // grid and scaled, so every size shows the same picture.
    QImage canvas(size, size, QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        painter.scale(static_cast<qreal>(size) / kIconSize, static_cast<qreal>(size) / kIconSize);
        QLinearGradient sky(0, 0, 0, kIconSize);
        sky.setColorAt(0, QColor(40, 120, 220));
        sky.setColorAt(1, QColor(10, 50, 130));
        painter.fillRect(QRectF(0, 0, kIconSize, kIconSize), sky);
        drawRadio(painter);
    }
    return canvas.convertToFormat(QImage::Format_RGB888);
}

QPixmap programPixmap() {
    return QPixmap::fromImage(programImage());
}

QIcon programIcon() {
    return QIcon(programPixmap());
}

} // namespace zt41
