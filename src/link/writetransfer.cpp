#include "writetransfer.h"

#include "channelframe.h"
#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "channels/messagesink.h"
#include "linkhost.h"
#include "seriallink.h"

namespace zt41 {

const QString& WriteTransfer::sendErrorText() {
    static const QString text = QStringLiteral("数据传送错误！！");
    return text;
}

void WriteTransfer::command() {
    if (m_running)
        return;
    if (!m_link.isOpen()) {
        m_host.messages().show(sendErrorText(), titles::kDataError, MessageIcon::Information);
        m_host.startTimer(WindowTimer::ReadyPoll);
        return;
    }
    if (refuseRowsThatCannotTravel())
        return;

    m_host.stopTimer(WindowTimer::ReadyPoll);
    m_table.moveFirst();
    m_table.writeField(Field::No, QStringLiteral("1"));
    if (!m_link.send(QByteArray(1, kWriteCommand))) {
        m_step = 0;
        fail(sendErrorText());
        return;
    }
    m_running = true;
    m_step = 0;
    m_port = m_link.portNumber();
    m_host.startTimer(WindowTimer::Write);
    m_host.setCommandEnabled(LockedCommand::ReadChannels, false);
    m_host.setCommandEnabled(LockedCommand::Exit, false);
    m_host.setCommandEnabled(LockedCommand::Help, false);
    m_host.setStatus(status::kWriting);
}

bool WriteTransfer::refuseRowsThatCannotTravel() {
    for (int r = 0; r < kChannelCount; ++r) {
        ChannelRecord row = m_table.row(r);
        if (r == 0)
            row[Field::No] = QStringLiteral("1"); // the command stores it before sending
        if (frameProblem(r + 1, row) != FrameProblem::None) {
            m_host.messages().show(CellRule::outOfRangeText(), titles::kDataError,
                                   MessageIcon::Information);
            m_table.setCurrentRow(r);
            return true;
        }
    }
    return false;
}

void WriteTransfer::tick() {
    if (!m_running)
        return;
    if (m_step < kLastFrameStep) {
        // Frames sent on another port than the "A" reach a radio that is not
        // listening for them: that is no successful write.
        if (!m_link.isOpen() || m_link.portNumber() != m_port) {
            fail(sendErrorText());
            return;
        }
        const int frameNumber = m_step / kStepPerTick + 1;
        // Frame k always carries row k, wherever the user has moved the cursor meanwhile;
        // the row is read now, so edits made during the write still go out.
        const ChannelRecord& row = m_table.row(frameNumber - 1);
        if (frameProblem(frameNumber, row) != FrameProblem::None) {
            m_table.setCurrentRow(frameNumber - 1);
            fail(CellRule::outOfRangeText());
            return;
        }
        const QString frame = EncodeChannelFrame(frameNumber, m_host.squelchText(), row);
        m_link.readChar();
        if (!m_link.send(frame.toLatin1())) {
            fail(sendErrorText());
            return;
        }
        m_table.setCurrentRow(frameNumber < kChannelCount ? frameNumber : ChannelTable::kNoRow);
    }
    m_step += kStepPerTick;
    if (m_step >= kEndStep)
        finish();
}

void WriteTransfer::finish() {
    m_host.stopTimer(WindowTimer::Write);
    m_table.moveFirst();
    m_host.setStatus(status::kWritten);
    m_host.setCommandEnabled(LockedCommand::ReadChannels, true);
    m_host.setCommandEnabled(LockedCommand::Exit, true);
    m_host.setCommandEnabled(LockedCommand::Help, true);
    m_step = 0;
    m_running = false;
    m_host.startTimer(WindowTimer::ReadyPoll);
    m_host.startTimer(WindowTimer::StatusClear);
}

void WriteTransfer::fail(const QString& text) {
    // Stop the ticks first: the message box runs its own event loop.
    m_host.stopTimer(WindowTimer::Write);
    m_running = false;
    m_step = 0;
    m_host.setStatus(QString());
    m_host.messages().show(text, titles::kDataError, MessageIcon::Information);
    m_host.setCommandEnabled(LockedCommand::ReadChannels, true);
    m_host.setCommandEnabled(LockedCommand::Exit, true);
    m_host.setCommandEnabled(LockedCommand::Help, true);
    m_host.startTimer(WindowTimer::ReadyPoll);
}

} // namespace zt41
