// SPDX-License-Identifier: GPL-3.0-or-later
// The real window against zt41-radio: a write, then a read back into an
// emptied table, gives the same table.
#include "channels/channeltable.h"
#include "link/linksession.h"
#include "shell/mainwindow.h"
#include "shell/windowwords.h"
#include "windowrig.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace zt41;

class TestWindowRadio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeThenReadBack();
};

void TestWindowRadio::writeThenReadBack() {
    WindowRig rig;
    QVERIFY(rig.prepare({QStringLiteral("--fast")}));
    TableFixture& fx = rig.fx;
    const QList<QStringList> channels{{"145.01250", "67.0", "145.01250", "67.0", "off", "H"},
                                      {"435.50000", "88.5", "430.00000", "250.3", "on", "L"},
                                      {"500.00000", "", "", "", "off", "H"}};
    for (int r = 0; r < channels.size(); ++r)
        fx.setRow(r * 5, channels[r]);
    const ChannelRows written = fx.table->rows();

    QVERIFY(rig.openWindow());
    MainWindow& window = *rig.window;
    const RecordingMessages& messages = rig.messages;
    window.setSquelchText(QStringLiteral("  6"));
    auto* status = window.findChild<QLabel*>(QStringLiteral("Label2"));
    QTRY_COMPARE(status->text(), statusText(zt41::LinkStatus::Ready));

    window.findChild<QAction*>(QStringLiteral("写信道"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), statusText(zt41::LinkStatus::Written), 8000);

    ChannelRows empty{};
    for (ChannelRecord& r : empty)
        for (int f = 1; f <= 6; ++f)
            r.fields[f] = QString();
    QVERIFY(fx.table->replaceDataFields(empty));
    window.setSquelchText(QStringLiteral("1"));

    window.findChild<QAction*>(QStringLiteral("读信道"))->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), statusText(zt41::LinkStatus::Read), 5000);
    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(fx.table->rows(), written);
    QVERIFY(window.session().timer(SessionTimer::ReadyPoll)->isActive());
    QCOMPARE(window.squelchText(), QStringLiteral("6"));
}

QTEST_MAIN(TestWindowRadio)
#include "tst_windowradio.moc"
