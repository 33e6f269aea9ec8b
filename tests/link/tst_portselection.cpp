// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakelink.h"
#include "link/linksession.h"
#include "link/portselection.h"
#include "link/rowstore.h"

#include <QTest>
#include <QTimer>

using namespace zt41;

namespace {

struct DialogBench {
    FakeLink link;
    FixedRows rows;
    LinkSession session{link, rows};
    PortSelection selection{link, session};
    int invalidSaid = 0;
    bool pollRunningWhenSaid = false;

    bool isRunning(SessionTimer t) const { return session.timer(t)->isActive(); }
    void ok() {
        selection.ok([this] {
            ++invalidSaid;
            pollRunningWhenSaid = isRunning(SessionTimer::ReadyPoll);
        });
    }

    // COM`inUse` open and the poll running, as after start-up.
    void setUp(QSet<int> present, int inUse) {
        link.openable = present;
        link.selectPort(inUse);
        link.opened = present.contains(inUse);
        session.startPoll();
    }
};

} // namespace

class TestPortSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadGreysOutPortsThatDoNotOpen();
    void cancelKeepsThePortInUse();
    void okSwitchesPorts();
    void okOnAPortUnpluggedSinceTheLoad();
    void greyedOptionCannotBeSelected();
    void okWithNothingSelected();
    void loadWhenNoPortOpens();
};

void TestPortSelection::loadGreysOutPortsThatDoNotOpen() {
    DialogBench b;
    b.setUp({1, 2}, 2);
    b.selection.load();
    QVERIFY(!b.isRunning(SessionTimer::ReadyPoll));
    QCOMPARE(b.selection.rememberedPort(), 2);
    QCOMPARE(b.link.openAttempts, (QList<int>{8, 7, 6, 5, 4, 3, 2, 1}));
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(b.selection.option(n).enabled, n <= 2);
    QCOMPARE(b.selection.selected(), 2);
    QCOMPARE(b.selection.option(5).failure.kind, PortOpenFailure::Kind::Missing);
    QCOMPARE(b.selection.option(5).failure.port, 5);
    QVERIFY(!b.selection.option(2).failure.isFailure());
    // The load leaves the port on COM1, open when COM1 opened.
    QCOMPARE(b.link.portNumber(), 1);
    QVERIFY(b.link.isOpen());
}

void TestPortSelection::cancelKeepsThePortInUse() {
    DialogBench b;
    b.setUp({1, 2}, 2);
    b.selection.load();
    b.selection.select(1);
    b.selection.cancel();
    QCOMPARE(b.link.portNumber(), 2);
    QVERIFY(b.link.isOpen());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QCOMPARE(b.invalidSaid, 0);
}

void TestPortSelection::okSwitchesPorts() {
    DialogBench b;
    b.setUp({1, 2}, 2);
    b.selection.load();
    b.selection.select(1);
    QCOMPARE(b.selection.selected(), 1);
    b.ok();
    QCOMPARE(b.link.portNumber(), 1);
    QVERIFY(b.link.isOpen());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
    QCOMPARE(b.invalidSaid, 0);
}

void TestPortSelection::okOnAPortUnpluggedSinceTheLoad() {
    DialogBench b;
    b.setUp({1, 2, 5}, 2);
    b.selection.load();
    b.selection.select(5);
    b.link.openable.remove(5);
    b.ok();
    QCOMPARE(b.invalidSaid, 1);
    QVERIFY(!b.pollRunningWhenSaid); // said before the poll restarts
    QVERIFY(!b.selection.option(5).selected);
    QCOMPARE(b.link.portNumber(), 2);
    QVERIFY(b.link.isOpen());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
}

void TestPortSelection::greyedOptionCannotBeSelected() {
    DialogBench b;
    b.setUp({1, 2}, 2);
    b.selection.load();
    b.selection.select(6);
    b.selection.select(0);
    b.selection.select(9);
    QCOMPARE(b.selection.selected(), 2);
}

void TestPortSelection::okWithNothingSelected() {
    DialogBench b;
    b.setUp({1, 3}, 3);
    b.selection.load();
    b.link.openable.remove(3); // unplugged before the dialog opened
    DialogBench c;
    c.setUp({1}, 3);
    c.selection.load();
    QCOMPARE(c.selection.selected(), 0);
    c.ok();
    QCOMPARE(c.invalidSaid, 0);
    QVERIFY(!c.link.isOpen());
    QCOMPARE(c.link.portNumber(), 3);
    QVERIFY(c.isRunning(SessionTimer::ReadyPoll));
}

void TestPortSelection::loadWhenNoPortOpens() {
    DialogBench b;
    b.setUp({}, 1);
    b.selection.load();
    for (int n = 1; n <= 8; ++n)
        QVERIFY(!b.selection.option(n).enabled);
    QVERIFY(!b.link.isOpen());
    b.selection.cancel();
    QVERIFY(!b.link.isOpen());
    QVERIFY(b.isRunning(SessionTimer::ReadyPoll));
}

QTEST_GUILESS_MAIN(TestPortSelection)
#include "tst_portselection.moc"
