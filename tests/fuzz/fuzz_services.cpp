// SPDX-License-Identifier: GPL-3.0-or-later
// The services check against any set of channels: every service judges it
// without fault, each finding names a channel in order and a field it has,
// and each service's own plan has no findings.
#include "fuzzdata.h"
#include "services/service.h"
#include "services/servicecheck.h"

using namespace zt41;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayList pieces = fuzzPieces(data, size);
    ChannelRows rows{};
    for (int r = 0; r < kChannelCount; ++r) {
        rows[r][Field::No] = QString::number(r + 1);
        for (int f = 1; f <= 6; ++f) {
            const QByteArray piece = pieces.value(6 * r + (f - 1));
            if (!isNullPiece(piece))
                rows[r].fields[f] = QString::fromUtf8(piece);
        }
    }
    for (const Service& s : services()) {
        int last = 0;
        for (const ServiceFinding& f : checkChannels(s, rows)) {
            if (f.channel < last || f.channel < 1 || f.channel > kChannelCount)
                fuzzFail("a finding out of channel order", s.id);
            last = f.channel;
            if (f.kind == FindingKind::HighPower && !(f.watts > f.limitWatts))
                fuzzFail("a power finding within the limit", s.id);
            if (f.kind != FindingKind::HighPower && f.value.isEmpty())
                fuzzFail("a frequency finding without its value", s.id);
        }
        if (!checkChannels(s, planRows(s)).isEmpty())
            fuzzFail("a service's own plan has findings", s.id);
    }
    return 0;
}
