// SPDX-License-Identifier: GPL-3.0-or-later
// The connection check over a system tree of the test's own making, and
// against a ready radio, an echoing line and a silent one on pseudo-terminals.
#include "link/connectioncheck.h"
#include "link/portmap.h"
#include "pseudoradio.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

class TestConnectionCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void whatTheSystemSays();
    void whatAnswers();
};

void TestConnectionCheck::whatTheSystemSays() {
    QTemporaryDir dir;
    const auto path = [&](const QString& p) {
        return dir.filePath(p);
    };
    const auto file = [&](const QString& p, const QByteArray& text) {
        QVERIFY(QDir().mkpath(QFileInfo(path(p)).path()));
        QFile f(path(p));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    };
    const auto link = [&](const QString& target, const QString& p) {
        QVERIFY(QDir().mkpath(QFileInfo(path(p)).path()));
        QVERIFY(QFile::link(target, path(p)));
    };
    // A CH340 cable on ttyUSB0 with its by-id link, a bare ttyACM0, a terminal
    // program holding the cable and brltty running.
    file("dev/ttyUSB0", {});
    file("dev/ttyACM0", {});
    link("../../ttyUSB0", "dev/serial/by-id/usb-1a86_USB_Serial-if00-port0");
    file("sys/devices/usb1/1-1/idVendor", "1a86\n");
    file("sys/devices/usb1/1-1/idProduct", "7523\n");
    QVERIFY(QDir().mkpath(path("sys/devices/usb1/1-1/1-1:1.0")));
    QVERIFY(QDir().mkpath(path("sys/bus/usb-serial/drivers/ch341-uart")));
    link(path("sys/bus/usb-serial/drivers/ch341-uart"), "sys/devices/usb1/1-1/1-1:1.0/driver");
    link(path("sys/devices/usb1/1-1/1-1:1.0"), "sys/class/tty/ttyUSB0/device");
    file("proc/321/comm", "brltty\n");
    file("proc/654/comm", "minicom\n");
    link(path("dev/ttyUSB0"), "proc/654/fd/3");
    file("proc/987/comm", "bash\n");

    const ConnectionCheck check({path("dev"), path("sys"), path("proc")});
    const QString usb = path("dev/ttyUSB0");
    QCOMPARE(check.candidates(*PortMap::fromList(usb)),
             (QStringList{usb, path("dev/ttyACM0")})); // the by-id link is the same device
    const PortCheck c = check.inspect(path("dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"));
    QCOMPARE(c.realPath, QFileInfo(usb).canonicalFilePath());
    QCOMPARE(c.chip, QStringLiteral("CH340"));
    QCOMPARE(c.driver, QStringLiteral("ch341-uart"));
    QCOMPARE(c.holders, (QList<ProcessInfo>{{654, "minicom"}}));
    QCOMPARE(check.services(), (QList<ProcessInfo>{{321, "brltty"}}));
    QCOMPARE(check.inspect(path("dev/ttyACM0")).chip, QString());
    QCOMPARE(ConnectionCheck::chipName("067b", "2303"), QStringLiteral("PL2303"));
}

void TestConnectionCheck::whatAnswers() {
    PseudoRadio radio, echo, silent;
    QVERIFY(radio.open() && echo.open() && silent.open());
    QSocketNotifier radioIn(radio.master, QSocketNotifier::Read),
        echoIn(echo.master, QSocketNotifier::Read);
    connect(&radioIn, &QSocketNotifier::activated, this, [&] {
        if (radio.receive(1).contains('C'))
            radio.send("C");
    });
    connect(&echoIn, &QSocketNotifier::activated, this, [&] { echo.send(echo.receive(1)); });
    ConnectionCheck check;
    QSignalSpy done(&check, &ConnectionCheck::finished);
    check.start({radio.slavePath, echo.slavePath, silent.slavePath, "/dev/zt41-no-such-port"},
                *PortMap::fromList(radio.slavePath));
    QVERIFY(done.wait(5000));
    const ConnectionReport& r = check.report();
    QCOMPARE(r.ports.size(), 4);
    QCOMPARE(r.ports[0].answer, RadioAnswer::Ready);
    QCOMPARE(r.ports[0].names, QStringList{"COM1"});
    QCOMPARE(r.ports[1].answer, RadioAnswer::Echo);
    QCOMPARE(r.ports[2].answer, RadioAnswer::Silent);
    QCOMPARE(r.ports[3].openFailure.kind, PortOpenFailure::Kind::Missing);
    QCOMPARE(r.ports[3].answer, RadioAnswer::NotAsked);
    QVERIFY(r.radioAnswered());
}

QTEST_GUILESS_MAIN(TestConnectionCheck)
#include "tst_connectioncheck.moc"
