// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo.h"

#include "windowwords.h"

#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QSettings>
#endif

namespace zt41 {

namespace {

#ifdef Q_OS_WIN
QString msinfoFromRegistry() {
    const QSettings msinfo(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
        QSettings::NativeFormat);
    const QString registered = msinfo.value(QStringLiteral("PATH")).toString();
    if (!registered.isEmpty())
        return registered;

    // Older installations only record the folder msinfo32 was put in, which
    // may since have been cleaned away.
    const QSettings location(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
        QSettings::NativeFormat);
    const QString folder = location.value(QStringLiteral("MSINFO")).toString();
    if (folder.isEmpty())
        return {};
    const QString program = folder + QStringLiteral("\\MSINFO32.EXE");
    return QFileInfo::exists(program) ? program : QString();
}
#endif

} // namespace

QString findOnPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

bool startProgramDetached(const QString& program) {
    return QProcess::startDetached(program, {});
}

QString sysInfoProgram(const FindExecutable& findExecutable) {
#ifdef Q_OS_WIN
    Q_UNUSED(findExecutable);
    return msinfoFromRegistry();
#else
    for (const QString& name : kSysInfoPrograms) {
        const QString program = findExecutable(name);
        if (!program.isEmpty())
            return program;
    }
    return {};
#endif
}

bool startSysInfo(MessageSink& messages, const FindExecutable& findExecutable,
                  const StartDetached& startDetached) {
    const QString program = sysInfoProgram(findExecutable);
    if (!program.isEmpty() && startDetached(program))
        return true;
    messages.show(sysInfoMissingMessage());
    return false;
}

} // namespace zt41
