// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How a run of one of the programs ended: status -1 when it did not end on
// its own in time (it is killed then), and what it printed.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

using Settings = QList<QPair<QString, QString>>;

// The test's own environment with the variables that choose a language
// cleared, then `settings` set: the C locale unless they say otherwise.
inline QProcessEnvironment toolEnvironment(const Settings& settings = {{"LANG", "C.UTF-8"}}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : settings)
        env.insert(name, value);
    return env;
}

inline ToolRun runTool(const QString& program, const QStringList& arguments,
                       const QProcessEnvironment& env, int timeoutMs = 30000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    ToolRun run;
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.status = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
