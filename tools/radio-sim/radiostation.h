// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pacedsender.h"
#include "radiomodel.h"
#include "trafficlog.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>

namespace zt41::sim {

// The radio's end of the cable: takes what arrives on the pty master to the
// model and the model's answers to the sender, logging both ways.
class RadioStation : public QObject {
    Q_OBJECT
public:
    RadioStation(int masterFd, RadioModel& model, PacedSender& sender, TrafficLog& log,
                 QObject* parent = nullptr);

signals:
    // Emitted before the answer to the same bytes goes out, so that whoever
    // keeps the memory has it saved by the time the program hears back.
    void framesStored();
    // The radio was told to drop the line, and all it had to say has gone out.
    void hungUp();

private:
    void receive();
    void handle(QByteArrayView bytes);
    void hangUpWhenSent();

    int m_fd;
    RadioModel& m_model;
    PacedSender& m_sender;
    TrafficLog& m_log;
    QSocketNotifier m_notifier;
    QElapsedTimer m_clock;
    bool m_hangingUp = false;
};

} // namespace zt41::sim
