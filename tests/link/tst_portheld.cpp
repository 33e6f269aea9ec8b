// A port that another program holds open counts as unavailable: the start-up
// probe moves on to the next number, and the port dialog greys it out.
#include "link/linksession.h"
#include "link/portmap.h"
#include "link/portselection.h"
#include "link/qserialportlink.h"
#include "link/readypoll.h"
#include "link/rowstore.h"

#include <QSerialPort>
#include <QTest>

#include <pty.h>
#include <unistd.h>

using namespace zt41;

namespace {

struct Pty {
    int master = -1;
    int slave = -1;
    QString path;
    bool open() {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            return false;
        path = QString::fromLocal8Bit(name);
        return true;
    }
    ~Pty() {
        if (master >= 0) {
            ::close(master);
            ::close(slave);
        }
    }
};

} // namespace

class TestPortHeld : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void heldPortIsSkippedAndGreyedOut();
};

void TestPortHeld::heldPortIsSkippedAndGreyedOut() {
    Pty held, free;
    QVERIFY(held.open());
    QVERIFY(free.open());
    // Another program has COM1 open, as a terminal program or a second
    // programmer would.
    QSerialPort other(held.path);
    QVERIFY2(other.open(QIODevice::ReadWrite), qPrintable(other.errorString()));

    const PortMap map = *PortMap::fromList(held.path + u',' + free.path);
    QSerialPortLink link(map);
    QList<PortOpenFailure> failures;
    QCOMPARE(probePorts(link, &failures), 2);
    QVERIFY(link.isOpen());
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures[0].kind, PortOpenFailure::Kind::Busy);
    QCOMPARE(failures[0].device, held.path);
    link.selectPort(1);
    link.close();
    link.selectPort(1);
    QVERIFY(!link.open());
    QCOMPARE(link.openFailure().kind, PortOpenFailure::Kind::Busy);

    link.selectPort(2);
    QVERIFY(link.open());
    FixedRows rows;
    LinkSession session(link, rows);
    PortSelection selection(link, session);
    selection.load();
    QVERIFY(!selection.option(1).enabled);
    QCOMPARE(selection.option(1).failure.kind, PortOpenFailure::Kind::Busy);
    QVERIFY(selection.option(2).enabled);
    QVERIFY(selection.option(2).selected);
    selection.cancel();
    QCOMPARE(link.portNumber(), 2);
    QVERIFY(link.isOpen());

    // Once the other program lets go, the port is there again.
    other.close();
    selection.load();
    QVERIFY(selection.option(1).enabled);
    selection.cancel();
}

QTEST_MAIN(TestPortHeld)
#include "tst_portheld.moc"
