// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sysinfo.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace zt41 {

class MessageSink;

// Opens the operating-instructions window and the About window from the
// menus, keeping at most one of each. The windows have no owner window: they
// stay up when the main window closes, and the main window can be brought in
// front of them. Each one is discarded when closed and made afresh on the next
// menu use.
class HelpWindows : public QObject {
    Q_OBJECT
public:
    explicit HelpWindows(QObject* parent = nullptr);

    // Opens the window, or brings the open one to the front; returns it.
    QWidget* showInstructions();
    QWidget* showAbout();

    // The About window says through this sink that there is no system
    // information; by default a message box over the About window.
    void setMessageSinkForTests(MessageSink* sink);
    // How the About window finds and starts the system-information program.
    void setSysInfoForTests(FindExecutable findExecutable, StartDetached startDetached);

private:
    QPointer<QWidget> m_instructions;
    QPointer<QWidget> m_about;
    MessageSink* m_messages = nullptr;
    FindExecutable m_findExecutable = findOnPath;
    StartDetached m_startDetached = startProgramDetached;
};

// The operating instructions as one string, blank runs and all.
QString instructionsText();
// The same text cut into the lines the instructions window shows.
QStringList instructionsLines();

} // namespace zt41
