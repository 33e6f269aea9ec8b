#pragma once

#include "channels/squelch.h"
#include "link/linkhost.h"
#include "recordingmessages.h"

#include <QMap>
#include <QSet>
#include <QStringList>

// Stands in for the main window: records status texts, timers and the menu lock.
class FakeHost : public zt41::LinkHost {
public:
    QStringList statuses;
    QSet<zt41::WindowTimer> running;
    QStringList timerLog; // "start 3", "stop 1", ...
    QMap<zt41::LockedCommand, bool> enabled{{zt41::LockedCommand::ReadChannels, true},
                                            {zt41::LockedCommand::WriteChannels, true},
                                            {zt41::LockedCommand::Exit, true},
                                            {zt41::LockedCommand::Help, true}};
    QString squelch = QStringLiteral("3");
    RecordingMessages recorded;

    QString status() const { return statuses.isEmpty() ? QStringLiteral(" ") : statuses.last(); }
    bool isRunning(zt41::WindowTimer t) const { return running.contains(t); }
    bool allEnabled() const {
        for (bool e : enabled)
            if (!e)
                return false;
        return true;
    }

    void setStatus(const QString& text) override { statuses << text; }
    void startTimer(zt41::WindowTimer t) override {
        running.insert(t);
        timerLog << QStringLiteral("start %1").arg(static_cast<int>(t));
    }
    void stopTimer(zt41::WindowTimer t) override {
        running.remove(t);
        timerLog << QStringLiteral("stop %1").arg(static_cast<int>(t));
    }
    void setCommandEnabled(zt41::LockedCommand c, bool on) override { enabled[c] = on; }
    QString squelchText() const override { return squelch; }
    void setSquelchText(const QString& text) override {
        squelch = zt41::Squelch::check(text, recorded);
    }
    zt41::MessageSink& messages() override { return recorded; }
};
