// SPDX-License-Identifier: GPL-3.0-or-later
// The second yardstick: a bare window that does what any window of this kind
// must, no more: loads the same three Chinese faces and shows a 16-row table
// with Chinese headers and a title, at the main window's size.
#include "firstpaint.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QFont face(const QString& family, int points) {
    QFont font;
    font.setFamilies({family, QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(points);
    return font;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(792, 540);
    auto* layout = new QVBoxLayout(&window);
    auto* title = new QLabel(QStringLiteral("信道设置系统"), &window);
    title->setFont(face(QStringLiteral("AR PL KaitiM GB"), 24));
    layout->addWidget(title);
    auto* table = new QTableWidget(16, 7, &window);
    table->setFont(face(QStringLiteral("AR PL SungtiL GB"), 9));
    table->setHorizontalHeaderLabels({QStringLiteral("信道号"), QStringLiteral("接收频率"),
                                      QStringLiteral("收哑音"), QStringLiteral("发送频率"),
                                      QStringLiteral("发哑音"), QStringLiteral("拍频"),
                                      QStringLiteral("功率")});
    for (int r = 0; r < 16; ++r)
        table->setItem(r, 0, new QTableWidgetItem(QString::number(r + 1)));
    layout->addWidget(table);
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
