#pragma once

#include <QString>

namespace zt41 {

class MessageSink;

// The main window's four timers.
enum class WindowTimer {
    Write = 1,       // Timer1: one step of the write every 300 ms
    StatusClear = 2, // Timer2: empties the status line on its eleventh 60 ms tick
    ReadyPoll = 3,   // Timer3: sends "C" every 100 ms until the radio answers
    Read = 4,        // Timer4: starts the read 100 ms after its command
};

// The menu commands that a running transfer locks.
enum class LockedCommand { ReadChannels, WriteChannels, Exit, Help };

// What the radio link needs of the main window: its status line, timers, menu
// lock, squelch list and message boxes.
class LinkHost {
public:
    virtual ~LinkHost() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual void startTimer(WindowTimer timer) = 0;
    virtual void stopTimer(WindowTimer timer) = 0;
    virtual void setCommandEnabled(LockedCommand command, bool enabled) = 0;
    virtual QString squelchText() const = 0;
    // Setting the squelch text runs the squelch check, as any change of the list does.
    virtual void setSquelchText(const QString& text) = 0;
    virtual MessageSink& messages() = 0;
};

namespace status {
inline const QString kReady = QStringLiteral("对讲机就绪...");
inline const QString kWriting = QStringLiteral("正在传送数据,,,,,,,");
inline const QString kWritten = QStringLiteral("数据传送完毕...");
inline const QString kRead = QStringLiteral("读出信道数据完毕！");
} // namespace status

} // namespace zt41
