// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's memory file: whatever 16 frames a write delivered, the file
// saves, the next start loads it, and the radio then sends the frames the
// program would send for what they mean; saving those again changes nothing.
#include "fuzzdata.h"
#include "memoryfile.h"

#include <QTemporaryDir>

#include <memory>

using namespace zt41;
using namespace zt41::sim;

namespace {

// Removed at exit with what the runs left in it.
std::unique_ptr<QTemporaryDir> folder;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>(fuzzScratchTemplate());
        if (!folder->isValid())
            fuzzFail("no temporary folder");
    }
    QByteArray line(reinterpret_cast<const char*>(data),
                    static_cast<qsizetype>(qMin<size_t>(size, 448)));
    line = line.leftJustified(kChannelCount * kFrameLength, '0');
    RadioFrames frames;
    for (int k = 0; k < kChannelCount; ++k)
        frames[k] = line.mid(k * kFrameLength, kFrameLength);

    const MemoryFile file(folder->filePath(QStringLiteral("memory.doc")));
    if (!file.save(frames))
        fuzzFail("the memory file did not save");
    QString error;
    const std::optional<RadioFrames> loaded = file.load(error);
    if (!loaded)
        fuzzFail("the memory file did not load:", error);
    if (*loaded != framesFromChannelFile(channelFileFromFrames(frames)))
        fuzzFail("the memory file loaded other channels");
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString frame = QString::fromLatin1((*loaded)[k - 1]);
        if (!isWellFormedFrame(frame) || !isAlignedFrame(frame, k))
            fuzzFail("the radio would send a frame the program refuses:", frame);
    }
    if (!file.save(*loaded))
        fuzzFail("the loaded memory did not save");
    const std::optional<RadioFrames> again = file.load(error);
    for (int k = 0; k < kChannelCount; ++k) {
        // A channel without a receive frequency reads back without power, so
        // its power flag may not survive; it means nothing on an empty channel.
        QByteArray expected = (*loaded)[k];
        if (again && expected.mid(4, 8) == QByteArray(8, '0'))
            expected[2] = (*again)[k][2];
        if (!again || (*again)[k] != expected)
            fuzzFail("saving the loaded memory changed frame",
                     QString::fromLatin1((*loaded)[k] + " -> " + (again ? (*again)[k] : "")));
    }
    return 0;
}
