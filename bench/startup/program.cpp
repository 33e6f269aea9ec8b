// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start: the same steps as zt41's main(), up to the main
// window's first paint.
#include "channels/channeltable.h"
#include "firstpaint.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "shell/mainwindow.h"
#include "shell/programicon.h"

#include <QApplication>

#include <cstdio>

using namespace zt41;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DEVICE\n", argv[0]);
        return 2;
    }
    const PortMap ports = *PortMap::fromList(QString::fromLocal8Bit(argv[1]));
    ChannelTable table;
    if (!table.open(ChannelTable::defaultFileName()))
        return 1;
    QSerialPortLink link(ports);
    MainWindow window({table, link, &ports});
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    if (!window.start())
        return 1;
    return QApplication::exec();
}
