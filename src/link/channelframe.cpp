// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelframe.h"

#include "channels/kernelbridge.h"
#include "kernel/frames.h"

namespace zt41 {

namespace {

// A received frame one byte a character, so positions stay those of the
// text: a character outside ASCII is no digit and never part of a number.
std::string frameBytes(const QString& frame) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(frame.size()));
    for (QChar c : frame)
        bytes.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
    return bytes;
}

} // namespace

QString EncodeChannelFrame(int frameNumber, const QString& squelchText, const ChannelRecord& row) {
    return QString::fromLatin1(
        kernel::encodeFrame(frameNumber, toKernel(squelchText), toKernel(row)));
}

QString DecodeChannelFrame(const QString& frame, int frameNumber, ChannelRecord& row) {
    kernel::ChannelRecord decoded = toKernel(row);
    kernel::decodeFrame(frameBytes(frame), frameNumber, decoded);
    const ChannelRecord shown = fromKernel(decoded);
    for (Field f : {Field::Rf, Field::Rct, Field::Tf, Field::Tct, Field::Bt, Field::Pw})
        row[f] = shown[f];
    return frameNumber == 1 ? frame.mid(1, 1) : QString();
}

bool isWellFormedFrame(const QString& frame) {
    return kernel::isWellFormedFrame(frameBytes(frame));
}

bool isAlignedFrame(const QString& frame, int frameNumber) {
    return kernel::isAlignedFrame(frameBytes(frame), frameNumber);
}

FrameProblem frameProblem(int frameNumber, const ChannelRecord& row) {
    return kernel::frameProblem(frameNumber, toKernel(row));
}

} // namespace zt41
