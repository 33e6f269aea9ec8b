// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/transfers.h"
#include "kerneladapters.h"

#include <QObject>
#include <QTimer>

namespace zt41 {

class RowStore;
class SerialLink;
using kernel::SessionHost;

// Copies the radio's squelch level and 16 channels into a row store. The
// command arms Timer4; its tick sends "5", and the 16 frames are then
// collected as they arrive. Nothing is stored until all 16 are in and each
// is 28 digits; any failure changes nothing. The kernel's read, fed by the
// serial port's signals, with a QTimer for the frame deadline.
class ReadTransfer : public QObject, private kernel::FrameDeadline {
    Q_OBJECT
public:
    static constexpr int kFrameDeadlineMs = kernel::ReadTransfer::kFrameDeadlineMs;

    ReadTransfer(SerialLink& link, RowStore& rows, SessionHost& host, QObject* parent = nullptr);

    // The read command.
    void command() { m_read.command(); }
    // The tick of Timer4: starts the read. The read goes on as input arrives
    // and ends with finished().
    void tick() { m_read.tick(); }
    // The deadline of the frame being collected has passed.
    void expire() { m_read.expire(); }
    bool isReading() const { return m_read.isReading(); }
    // The deadline of the frame being collected, for tests that check when it is set.
    QTimer& frameDeadline() { return m_deadline; }
    int framesReceived() const { return m_read.framesReceived(); }

Q_SIGNALS:
    void finished(bool ok);

private:
    void start() override { m_deadline.start(); }
    void stop() override { m_deadline.stop(); }

    KernelLink m_link;
    KernelRows m_rows;
    QTimer m_deadline;
    kernel::ReadTransfer m_read;
};

} // namespace zt41
