#include "readtransfer.h"

#include "channelframe.h"
#include "channels/channeltable.h"
#include "channels/messagesink.h"
#include "linkhost.h"
#include "seriallink.h"

namespace zt41 {

const QString& ReadTransfer::timeoutText() {
    static const QString text = QStringLiteral("读数错误！！");
    return text;
}

ReadTransfer::ReadTransfer(SerialLink& link, ChannelTable& table, LinkHost& host, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_table(table)
    , m_host(host) {
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    m_deadline.setInterval(kFrameDeadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, &ReadTransfer::expire);
    connect(&m_link, &SerialLink::inputArrived, this, &ReadTransfer::collect);
    connect(&m_link, &SerialLink::linkLost, this, &ReadTransfer::linkLost);
}

void ReadTransfer::command() {
    m_host.setCommandEnabled(LockedCommand::WriteChannels, false);
    m_host.setCommandEnabled(LockedCommand::Exit, false);
    m_host.setCommandEnabled(LockedCommand::Help, false);
    m_host.startTimer(WindowTimer::Read);
}

void ReadTransfer::tick() {
    m_table.moveFirst();
    m_host.stopTimer(WindowTimer::ReadyPoll);
    m_host.stopTimer(WindowTimer::Read);
    if (m_reading)
        return;
    m_reading = true;
    m_frame.clear();
    m_frames.clear();
    // Whatever arrived before the request is no part of the answer.
    m_link.discardInput();
    if (!m_link.isOpen() || !m_link.send(QByteArray(1, kReadRequest))) {
        fail();
        return;
    }
    m_deadline.start();
    collect();
}

void ReadTransfer::collect() {
    if (!m_reading)
        return;
    while (m_frames.size() < kChannelCount && m_link.waitingCount() > 0) {
        const QString c = m_link.readChar();
        if (c.isEmpty())
            break;
        // The radio may still answer a "C" the ready poll sent just before "5";
        // that answer comes ahead of the frames, which are digits only.
        if (m_frames.isEmpty() && m_frame.isEmpty() && c == u"C")
            continue;
        m_frame += c;
        if (m_frame.size() == kFrameLength) {
            m_frames << m_frame;
            m_frame.clear();
            m_deadline.start();
        }
    }
    if (m_frames.size() == kChannelCount)
        complete();
}

void ReadTransfer::complete() {
    m_deadline.stop();
    ChannelRows rows = m_table.rows();
    QString squelch;
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString& frame = m_frames[k - 1];
        if (!isWellFormedFrame(frame) || !isAlignedFrame(frame, k)) {
            fail();
            return;
        }
        const QString s = DecodeChannelFrame(frame, k, rows[k - 1]);
        if (k == 1)
            squelch = s;
    }
    if (!m_table.replaceDataFields(rows)) {
        fail();
        return;
    }
    m_reading = false;
    m_host.setSquelchText(squelch);
    m_table.moveFirst();
    m_host.setStatus(status::kRead);
    m_host.startTimer(WindowTimer::StatusClear);
    m_host.startTimer(WindowTimer::ReadyPoll);
    m_host.setCommandEnabled(LockedCommand::WriteChannels, true);
    m_host.setCommandEnabled(LockedCommand::Exit, true);
    m_host.setCommandEnabled(LockedCommand::Help, true);
    Q_EMIT finished(true);
}

void ReadTransfer::expire() {
    if (m_reading)
        fail();
}

void ReadTransfer::linkLost() {
    if (m_reading)
        fail();
}

void ReadTransfer::fail() {
    m_deadline.stop();
    m_reading = false;
    m_host.messages().show(timeoutText(), titles::kDataError, MessageIcon::Information);
    m_host.startTimer(WindowTimer::ReadyPoll);
    m_host.setStatus(QString());
    m_host.setCommandEnabled(LockedCommand::WriteChannels, true);
    m_host.setCommandEnabled(LockedCommand::Exit, true);
    m_host.setCommandEnabled(LockedCommand::Help, true);
    Q_EMIT finished(false);
}

} // namespace zt41
