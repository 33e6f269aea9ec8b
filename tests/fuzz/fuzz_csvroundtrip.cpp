// SPDX-License-Identifier: GPL-3.0-or-later
// Any channel list the rules accept, exported as CSV and imported back, is
// the same list, without a warning.
#include "channels/numbers.h"
#include "channels/tones.h"
#include "files/chirpcsv.h"
#include "fuzzdata.h"

using namespace zt41;

namespace {

// A frequency on a channel step within 130..500 MHz.
QString frequency(const uint8_t* b) {
    const qint64 step = (b[0] & 1) ? 625 : 500; // in 10 Hz
    const qint64 first = 13000000 / step + 1, count = 50000000 / step - first;
    return formatFrequency(double((first + (b[1] << 8 | b[2]) * 97 % count) * step) / 100000);
}

QString tone(uint8_t pick) {
    const int i = pick % (toneSet().size() + 1);
    return i == 0 ? QString() : toneSet()[i - 1];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ChannelRows rows{};
    bool any = false;
    for (size_t k = 0; k < kChannelCount; ++k) {
        ChannelRecord& row = rows[k];
        row = ChannelRecord{{QString::number(k + 1), "", "", "", "", "", ""}};
        const uint8_t* b = data + 8 * k;
        if (8 * k + 8 > size || (b[0] & 2) == 0)
            continue; // an empty channel
        any = true;
        row[Field::Rf] = frequency(b);
        const double up = numericValue(row[Field::Rf]) + 0.6; // a repeater's standard shift
        const QString shifted = up <= 500 ? formatFrequency(up) : QString();
        const QString choices[] = {row.text(Field::Rf), "", frequency(b + 3), shifted};
        row[Field::Tf] = choices[b[3] % 4];
        row[Field::Rct] = tone(b[6]);
        row[Field::Tct] = tone(b[7]);
        row[Field::Bt] = (b[0] & 4) ? "on" : "off";
        row[Field::Pw] = (b[0] & 8) ? "L" : "H";
    }
    if (!chirpExportLeftOut(rows).isEmpty())
        fuzzFail("a valid channel left out of the export");
    const ChirpImport back = parseChirpCsv(encodeChirpCsv(rows));
    if (!any)
        return back.refusal == ChirpRefusal::NoUsableRow ? 0 : (fuzzFail("nothing imported"), 0);
    if (back.refusal != ChirpRefusal::None || !back.warnings.isEmpty())
        fuzzFail("an export does not import cleanly");
    for (int k = 0; k < kChannelCount; ++k)
        if (back.rows[k] != rows[k])
            fuzzFail("a channel came back otherwise", QString::number(k + 1));
    return 0;
}
