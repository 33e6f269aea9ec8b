// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiomodel.h"

#include <algorithm>

namespace zt41::sim {

RadioFrames emptyRadioFrames() {
    RadioFrames frames;
    const QByteArray zeros(kFrameLength - 2, '0');
    frames[0] = "03" + zeros;
    for (int k = 2; k <= kChannelCount; ++k)
        frames[k - 1] = QByteArray::number(k - 1).rightJustified(2, '0') + zeros;
    return frames;
}

QByteArray noiseCharacters(int count) {
    static constexpr char kPattern[] = "x7#";
    QByteArray noise;
    noise.reserve(count);
    for (int i = 0; i < count; ++i)
        noise += kPattern[i % (sizeof kPattern - 1)];
    return noise;
}

namespace {

QString describe(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    const QString hex = QString::number(code, 16).rightJustified(2, u'0').toUpper();
    if (code > 0x20 && code < 0x7f)
        return QStringLiteral("'%1' (0x%2)").arg(QChar(code), hex);
    return QStringLiteral("0x%1").arg(hex);
}

} // namespace

RadioModel::RadioModel(RadioQuirks quirks, RadioFrames frames)
    : m_quirks(quirks)
    , m_frames(std::move(frames)) {
    m_quirks.framesPerRead = std::clamp(m_quirks.framesPerRead, 0, kChannelCount);
}

RadioModel::Outcome RadioModel::feed(QByteArrayView bytes, std::chrono::milliseconds now) {
    Outcome out;
    for (const char byte : bytes) {
        if (out.hangUp)
            break; // the line is going down; nothing more is heard
        if (m_writing)
            takeWriteByte(byte, now, out);
        else
            takeCommand(byte, now, out);
    }
    if (m_quirks.silent && !out.reply.isEmpty()) {
        out.notes << QStringLiteral("silent: %1 characters withheld").arg(out.reply.size());
        out.reply.clear();
    }
    return out;
}

void RadioModel::takeCommand(char byte, std::chrono::milliseconds now, Outcome& out) {
    switch (byte) {
    case kReadyAnswer:
        out.reply += noiseCharacters(m_quirks.noiseBeforeReady);
        out.reply += m_quirks.lowercaseReady ? 'c' : kReadyAnswer;
        break;
    case kWriteCommand:
        m_writing = true;
        m_incoming.clear();
        m_lastWriteByte = now;
        out.notes << QStringLiteral("write started");
        if (hangUpDue() && m_quirks.hangUpAfterFrames == 0)
            hangUpOnWrite(out);
        break;
    case kReadRequest:
        out.reply += readStream(out);
        break;
    default:
        out.notes << QStringLiteral("ignored %1").arg(describe(byte));
        break;
    }
}

void RadioModel::takeWriteByte(char byte, std::chrono::milliseconds now, Outcome& out) {
    // Silence is only noticed when the line speaks again; nothing was stored
    // meanwhile, so the late verdict changes nothing but the log's timing.
    if (now - m_lastWriteByte > kWriteSilenceLimit) {
        out.notes << QStringLiteral("write abandoned after %1 of %2 characters")
                         .arg(m_incoming.size())
                         .arg(kWriteLength);
        m_writing = false;
        m_incoming.clear();
        takeCommand(byte, now, out);
        return;
    }
    m_incoming += byte;
    m_lastWriteByte = now;
    // After all 16 frames the write is stored first, then the line goes down.
    if (hangUpDue() && m_incoming.size() == qsizetype(m_quirks.hangUpAfterFrames) * kFrameLength &&
        m_incoming.size() < kWriteLength) {
        hangUpOnWrite(out);
        return;
    }
    if (m_incoming.size() < kWriteLength)
        return;
    for (int k = 0; k < kChannelCount; ++k)
        m_frames[k] = m_incoming.mid(k * kFrameLength, kFrameLength);
    if (m_quirks.corruptChannel > 0) {
        // The last digit of the receive word's first pair: the count's lowest digit.
        QByteArray& frame = m_frames[m_quirks.corruptChannel - 1];
        const char digit = frame[5];
        frame[5] = digit >= '0' && digit < '9' ? char(digit + 1) : '0';
        out.notes << QStringLiteral("channel %1 stored 10 Hz off").arg(m_quirks.corruptChannel);
    }
    out.stored = true;
    out.notes << QStringLiteral("write complete: %1 frames stored").arg(kChannelCount);
    if (hangUpDue())
        hangUpOnWrite(out);
    m_writing = false;
    m_incoming.clear();
}

void RadioModel::hangUpOnWrite(Outcome& out) {
    out.notes << QStringLiteral("hanging up after %1 frames of a write")
                     .arg(m_incoming.size() / kFrameLength);
    m_writing = false;
    m_incoming.clear();
    m_hungUp = true;
    out.hangUp = true;
}

QByteArray RadioModel::readStream(Outcome& out) {
    const bool first = !m_readBefore;
    m_readBefore = true;
    QByteArray stream = noiseCharacters(m_quirks.noiseBeforeFrames);
    if (first && m_quirks.strayDigit)
        stream += '7';
    int frames = m_quirks.framesPerRead;
    if (hangUpDue()) {
        frames = std::min(frames, m_quirks.hangUpAfterFrames);
        m_hungUp = true;
        out.hangUp = true;
    }
    for (int k = 1; k <= frames; ++k) {
        QByteArray frame = m_frames[k - 1];
        if (first && k == m_quirks.nonDigitInFrame)
            frame[kFrameLength / 2] = 'x';
        stream += frame;
    }
    out.notes << QStringLiteral("read: sending %1 frames%2")
                     .arg(frames)
                     .arg(out.hangUp ? QStringLiteral(", then hanging up") : QString());
    return stream;
}

} // namespace zt41::sim
