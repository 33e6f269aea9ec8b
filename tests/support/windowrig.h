// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real main window on a real serial port against zt41-radio: a table of
// its own, the radio on COM1 through a link path of the rig's that a restarted
// radio takes over, recorded messages and scripted file dialogs.
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "shell/windowwords.h"
#include "simulatorprocess.h"
#include "windowfixture.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

struct WindowRig {
    QTemporaryDir dir;
    TableFixture fx;
    // Where the radio keeps its memory between runs, and its port's link.
    QString memory = dir.filePath(QStringLiteral("radio.doc"));
    QString device = dir.filePath(QStringLiteral("radio"));
    std::optional<zt41::PortMap> ports = zt41::PortMap::fromList(device);
    std::unique_ptr<SimulatorProcess> radio;
    std::unique_ptr<zt41::QSerialPortLink> link;
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<zt41::MainWindow> window; // last: it goes before what it uses

    // Starts the radio with `quirks`, or starts it again.
    bool startRadio(const QStringList& quirks) {
        radio = std::make_unique<SimulatorProcess>();
        return radio->start(quirks + QStringList{QStringLiteral("--memory"), memory,
                                                 QStringLiteral("--link"), device});
    }
    // The table and the radio, before the window.
    bool prepare(const QStringList& quirks) {
        return dir.isValid() && fx.open() && ports && startRadio(quirks);
    }
    bool openWindow() {
        link = std::make_unique<zt41::QSerialPortLink>(*ports);
        window = std::make_unique<zt41::MainWindow>(
            zt41::MainWindow::Services{*fx.table, *link, &*ports, &messages, &dialogs});
        return window->start();
    }
    bool start(const QStringList& quirks) { return prepare(quirks) && openWindow(); }

    QAction* action(const QString& name) const { return actionOf(*window, name); }
    QString status() const { return statusOf(*window); }
    bool waitReady(int ms = 10000) const {
        return QTest::qWaitFor([this] { return status() == zt41::statusText(zt41::LinkStatus::Ready); },
                               ms);
    }
};
