// SPDX-License-Identifier: GPL-3.0-or-later
// CSV import of any bytes: no crash, and either a refusal or 16 channels in
// their places of which every value passes the rules a typed one must pass
// and fits its frame.
#include "channels/channelcheck.h"
#include "files/chirpcsv.h"
#include "fuzzdata.h"
#include "link/channelframe.h"

using namespace zt41;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ChirpImport read =
        parseChirpCsv(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (read.refusal != ChirpRefusal::None)
        return 0;
    if (read.channels < 1)
        fuzzFail("an import without a channel was taken");
    for (const ChannelFinding& f : checkChannelSet(QStringLiteral("3"), read.rows))
        fuzzFail("an imported value breaks a rule", QStringLiteral("channel %1 field %2: %3")
                                                        .arg(f.channel)
                                                        .arg(int(f.field))
                                                        .arg(f.value));
    for (int k = 1; k <= kChannelCount; ++k) {
        if (read.rows[k - 1].text(Field::No) != QString::number(k))
            fuzzFail("an imported row out of its place");
        if (frameProblem(k, read.rows[k - 1]) != FrameProblem::None)
            fuzzFail("an imported row cannot travel");
    }
    return 0;
}
