// SPDX-License-Identifier: GPL-3.0-or-later
// Which device each of COM1 to COM8 is: the platform's defaults and a --ports list.
#include "link/portmap.h"

#include <QTest>

using namespace zt41;

class TestPortMap : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultPortMap();
    void portList_data();
    void portList();
};

void TestPortMap::defaultPortMap() {
    const PortMap map = PortMap::platformDefault();
#ifndef Q_OS_WIN
    QCOMPARE(map.device(1), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(map.device(4), QStringLiteral("/dev/ttyUSB3"));
    QCOMPARE(map.device(5), QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(map.device(7), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(map.device(8), QStringLiteral("/dev/ttyS1"));
#endif
    QCOMPARE(map.device(0), QString());
    QCOMPARE(map.device(9), QString());
}

void TestPortMap::portList_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("devices"); // COM1..COM8
    QTest::newRow("two") << "/dev/pts/3,/dev/pts/4" << true
                         << QStringList{"/dev/pts/3", "/dev/pts/4", "", "", "", "", "", ""};
    QTest::newRow("gap") << ",/dev/pts/9" << true
                         << QStringList{"", "/dev/pts/9", "", "", "", "", "", ""};
    QTest::newRow("blanks trimmed")
        << " /dev/a , /dev/b " << true << QStringList{"/dev/a", "/dev/b", "", "", "", "", "", ""};
    QTest::newRow("by id") << "/dev/serial/by-id/usb-x-if00-port0" << true
                           << QStringList{
                                  "/dev/serial/by-id/usb-x-if00-port0", "", "", "", "", "", "", ""};
    QTest::newRow("empty") << "" << false << QStringList();
    QTest::newRow("only commas") << ",," << false << QStringList();
    QTest::newRow("nine") << "a,b,c,d,e,f,g,h,i" << false << QStringList();
    QTest::newRow("eight and a trailing comma")
        << "a,b,c,d,e,f,g,h," << true << QStringList{"a", "b", "c", "d", "e", "f", "g", "h"};
}

void TestPortMap::portList() {
    QFETCH(QString, list);
    QFETCH(bool, valid);
    QFETCH(QStringList, devices);
    PortListRefusal refusal{PortListRefusal::Kind::NoDevice, -1};
    const auto map = PortMap::fromList(list, &refusal);
    QCOMPARE(map.has_value(), valid);
    QCOMPARE(refusal.devices == -1, valid);
    if (!map)
        return;
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(map->device(n), devices[n - 1]);
}

QTEST_GUILESS_MAIN(TestPortMap)
#include "tst_portmap.moc"
