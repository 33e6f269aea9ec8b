// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real main window over a channel database of its own, a scripted serial
// link, recorded messages and scripted file dialogs.
#include "fakelink.h"
#include "recordingmessages.h"
#include "scripteddialogs.h"
#include "shell/mainwindow.h"
#include "tablefixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>

#include <memory>

namespace {

// What the tests look for in a window, by the controls' names: a menu
// command, the status line.
inline QAction* actionOf(const QWidget& window, const QString& name) {
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* a : bar->findChildren<QAction*>())
            if (a->objectName() == name)
                return a;
    for (QAction* a : window.findChildren<QAction*>(name))
        return a;
    return nullptr;
}

inline QString statusOf(const QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("Label2"))->text();
}

struct Window {
    TableFixture fx;
    FakeLink link;
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    const zt41::PortMap* portMap = nullptr; // for the port dialog and 连接诊断
    std::unique_ptr<zt41::MainWindow> window;

    bool start(QSet<int> ports = {1}) {
        if (!fx.open())
            return false;
        link.openable = ports;
        window = std::make_unique<zt41::MainWindow>(
            zt41::MainWindow::Services{*fx.table, link, portMap, &messages, &dialogs});
        return window->start();
    }

    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QAction* action(const QString& name) const { return actionOf(*window, name); }
    QString status() const { return statusOf(*window); }
    QComboBox* squelch() const { return find<QComboBox>(QStringLiteral("Combo1")); }
    QTableView* grid() const { return find<QTableView>(QStringLiteral("DataGrid1")); }
    bool enabled(const QString& name) const { return action(name)->isEnabled(); }
};

} // namespace
