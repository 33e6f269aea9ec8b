// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt Widgets window of the main window's size.
#include "firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(792, 540);
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
