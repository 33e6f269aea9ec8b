// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace zt41 {

class MessageSink;

// Looks a program name up on the PATH; empty when it is not there.
using FindExecutable = std::function<QString(const QString& name)>;
// Starts a program on its own, not as a child that dies with us; false when it did not start.
using StartDetached = std::function<bool(const QString& program)>;

// Where there is no msinfo32, the desktop's own system-information programs
// stand in for it, tried in this order: full hardware and system profilers
// before process monitors that only show part of the picture.
inline const QStringList kSysInfoPrograms{
    QStringLiteral("hardinfo"),
    QStringLiteral("kinfocenter"),
    QStringLiteral("gnome-system-monitor"),
    QStringLiteral("xfce4-taskmanager"),
};

QString findOnPath(const QString& name);
bool startProgramDetached(const QString& program);

// The system-information program to start, or empty when there is none. On
// Windows it is msinfo32 as registered under Shared Tools; findExecutable is
// not consulted there.
QString sysInfoProgram(const FindExecutable& findExecutable = findOnPath);

// Starts the system-information program. When there is none, or it does not
// start, the user is told so through messages. Returns whether it started.
bool startSysInfo(MessageSink& messages, const FindExecutable& findExecutable = findOnPath,
                  const StartDetached& startDetached = startProgramDetached);

} // namespace zt41
