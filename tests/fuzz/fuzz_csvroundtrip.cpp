// Any channel list the rules accept, exported as CSV and imported back, is
// the same list, without a warning.
#include "channels/numbers.h"
#include "channels/tones.h"
#include "files/chirpcsv.h"
#include "fuzzdata.h"

using namespace zt41;

namespace {

constexpr int kBytesPerChannel = 10;

// A frequency on a channel step within 130..500 MHz, from two bytes and a step.
QString frequency(uint8_t high, uint8_t low, bool sixPointTwoFive) {
    const qint64 step = sixPointTwoFive ? 625 : 500; // in 10 Hz
    const qint64 first = (13000000 + step - 1) / step, last = 50000000 / step;
    const qint64 n = first + (qint64(high) << 8 | low) * 97 % (last - first + 1);
    return formatFrequency(double(n * step) / 100000);
}

QString tone(uint8_t pick) {
    const int i = pick % (toneSet().size() + 1);
    return i == 0 ? QString() : toneSet()[i - 1];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ChannelRows rows{};
    for (int k = 0; k < kChannelCount; ++k) {
        ChannelRecord& row = rows[k];
        row[Field::No] = QString::number(k + 1);
        for (int f = 1; f < kFieldCount; ++f)
            row.fields[f] = QString();
        const size_t at = size_t(k) * kBytesPerChannel;
        if (at + kBytesPerChannel > size || (data[at] & 1) == 0)
            continue; // an empty channel
        const uint8_t* b = data + at;
        const QString rf = frequency(b[1], b[2], b[0] & 2);
        row[Field::Rf] = rf;
        switch (b[3] % 4) {
        case 0:
            row[Field::Tf] = rf;
            break;
        case 1:
            break; // receive only
        case 2:
            row[Field::Tf] = frequency(b[4], b[5], b[3] & 4);
            break;
        default: { // a repeater's standard shift, where it stays in the band
            const double tx = numericValue(rf) + ((b[4] & 1) ? 0.6 : -5.0);
            row[Field::Tf] = tx >= 130 && tx <= 500 ? formatFrequency(tx) : rf;
        }
        }
        row[Field::Rct] = tone(b[6]);
        row[Field::Tct] = tone(b[7]);
        row[Field::Bt] = (b[8] & 1) ? QStringLiteral("on") : QStringLiteral("off");
        row[Field::Pw] = (b[8] & 2) ? QStringLiteral("L") : QStringLiteral("H");
    }
    if (chirpExportLeftOut(rows).size() != 0)
        fuzzFail("a valid channel left out of the export");
    const ChirpImport back = parseChirpCsv(encodeChirpCsv(rows));
    const bool anyChannel = std::any_of(rows.begin(), rows.end(), [](const ChannelRecord& r) {
        return !r.text(Field::Rf).isEmpty();
    });
    if (!anyChannel) {
        if (back.refusal != ChirpRefusal::NoUsableRow)
            fuzzFail("an export of no channel imported");
        return 0;
    }
    if (back.refusal != ChirpRefusal::None || !back.warnings.isEmpty())
        fuzzFail("an export does not import cleanly");
    for (int k = 0; k < kChannelCount; ++k)
        if (back.rows[k] != rows[k])
            fuzzFail("a channel came back otherwise",
                     QStringLiteral("channel %1: %2 / %3")
                         .arg(k + 1)
                         .arg(back.rows[k].text(Field::Tf), rows[k].text(Field::Tf)));
    return 0;
}
