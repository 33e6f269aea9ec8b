// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "link/channelframe.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <array>
#include <chrono>

namespace zt41::sim {

// The radio's memory: the 16 frames exactly as the last complete write
// delivered them, non-digits included.
using RadioFrames = std::array<QByteArray, kChannelCount>;

// What a freshly reset radio holds: squelch 3, every channel empty.
RadioFrames emptyRadioFrames();

// Ways the radio can be told to misbehave, so that the program's handling of
// a faulty line can be tried.
struct RadioQuirks {
    bool silent = false;               // answers nothing at all
    int framesPerRead = kChannelCount; // a read stops after this many frames
    int noiseBeforeReady = 0;          // junk characters ahead of each ready answer
    int noiseBeforeFrames = 0;         // junk characters ahead of a read's frames
    bool lowercaseReady = false;       // answers "c" to the handshake
    int corruptChannel = 0;            // 1 to 16: stores that channel's receive frequency 10 Hz off
    // Glitches of the first transfer only, so that the next one shows recovery:
    int hangUpAfterFrames = -1; // the first read or write drops the line after K frames
    bool strayDigit = false;    // the first read's answer starts with a stray digit
    int nonDigitInFrame = 0;    // the first read's frame K (1 to 16) holds a non-digit
};

// The radio's side of the protocol with no I/O and no clock of its own: the
// caller hands in received bytes with the time they arrived and sends what
// comes back. Bytes are judged one at a time, so how the line splits them
// into chunks does not matter.
class RadioModel {
public:
    // The program sends a frame every 300 ms; a write quiet for this long is
    // taken as given up, so that a later handshake is not swallowed as data.
    static constexpr std::chrono::milliseconds kWriteSilenceLimit{3000};
    static constexpr char kReadyAnswer = 'C';
    static constexpr int kWriteLength = kChannelCount * kFrameLength;

    struct Outcome {
        QByteArray reply;
        bool stored = false; // a complete write replaced the memory
        bool hangUp = false; // drop the line once the reply has gone out
        QStringList notes;   // what a person watching the line would want to know
    };

    explicit RadioModel(RadioQuirks quirks = {}, RadioFrames frames = emptyRadioFrames());

    Outcome feed(QByteArrayView bytes, std::chrono::milliseconds now);

    const RadioFrames& frames() const { return m_frames; }
    bool writeInProgress() const { return m_writing; }

private:
    void takeCommand(char byte, std::chrono::milliseconds now, Outcome& out);
    void takeWriteByte(char byte, std::chrono::milliseconds now, Outcome& out);
    QByteArray readStream(Outcome& out);
    void hangUpOnWrite(Outcome& out);
    bool hangUpDue() const { return m_quirks.hangUpAfterFrames >= 0 && !m_hungUp; }

    RadioQuirks m_quirks;
    RadioFrames m_frames;
    bool m_writing = false;
    QByteArray m_incoming;
    std::chrono::milliseconds m_lastWriteByte{};
    bool m_readBefore = false;
    bool m_hungUp = false;
};

// The junk a misbehaving radio puts on the line: no handshake answer and no
// command among it.
QByteArray noiseCharacters(int count);

} // namespace zt41::sim
