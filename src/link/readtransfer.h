// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace zt41 {

class RowStore;
class SerialLink;
class SessionHost;
struct TransferOutcome;

// Copies the radio's squelch level and 16 channels into a row store. The
// command arms Timer4; its tick sends "5", and the 16 frames are then
// collected as they arrive. Nothing is stored until all 16 are in and each
// is 28 digits; any failure changes nothing.
class ReadTransfer : public QObject {
    Q_OBJECT
public:
    // Each frame must be complete this long after the one before (frame 1:
    // after "5"); the radio needs about 233 ms a frame at 1200 bit/s.
    static constexpr int kFrameDeadlineMs = 1500;

    ReadTransfer(SerialLink& link, RowStore& rows, SessionHost& host, QObject* parent = nullptr);

    // The read command.
    void command();
    // The tick of Timer4: starts the read. The read goes on as input arrives
    // and ends with finished().
    void tick();
    // The deadline of the frame being collected has passed.
    void expire();

    bool isReading() const { return m_reading; }
    // The deadline of the frame being collected, for tests that check when it is set.
    QTimer& frameDeadline() { return m_deadline; }
    int framesReceived() const { return static_cast<int>(m_frames.size()); }

Q_SIGNALS:
    void finished(bool ok);

private:
    void collect();
    void complete();
    void fail(const TransferOutcome& outcome);
    void linkLost();

    SerialLink& m_link;
    RowStore& m_rows;
    SessionHost& m_host;
    QTimer m_deadline;
    bool m_reading = false;
    QString m_frame;
    QStringList m_frames;
};

} // namespace zt41
