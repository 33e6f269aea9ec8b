// SPDX-License-Identifier: GPL-3.0-or-later
#include "frames.h"

#include "numbers.h"
#include "squelch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace zt41::kernel {

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool isEmptyValue(const FieldValue& v) {
    return !v || numericValue(*v) == 0;
}

constexpr double kFrequencyScale = 100000;
constexpr double kReceiveOffset = 2140000;
constexpr double kToneScale = 10;

// The count a field sends, or nothing when the field is empty.
std::optional<double> fieldCount(const FieldValue& v, double scale, double offset) {
    if (isEmptyValue(v))
        return std::nullopt;
    return roundToSignificant15(numericValue(*v) * scale - offset);
}

bool fits(double count, int width) {
    return std::isfinite(count) && count >= 0 && std::floor(count) < std::pow(10.0, width);
}

std::string zeroPadded(std::int64_t value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
    return digits;
}

// Digits finer than the word's unit never reach the radio: the word holds the
// whole count, zero-padded on the left.
std::string countDigits(std::optional<double> count, int width) {
    if (!count || !fits(*count, width))
        return std::string(static_cast<size_t>(width), '0');
    return zeroPadded(static_cast<std::int64_t>(std::floor(*count)), width);
}

// Pairs of digits in reverse order, each pair kept as it is: "0670" -> "7006".
std::string pairReversed(const std::string& digits) {
    std::string out;
    out.reserve(digits.size());
    for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(digits.size()) - 2; i >= 0; i -= 2)
        out += digits.substr(static_cast<size_t>(i), 2);
    return out;
}

std::optional<int> slotNumber(const FieldValue& no) {
    const double slot = numericValue(no) - 1;
    if (!std::isfinite(slot) || slot < 0 || slot > 99 || slot != std::floor(slot))
        return std::nullopt;
    return static_cast<int>(slot);
}

std::string slotField(int frameNumber, std::string_view squelchText, const ChannelRecord& row) {
    const int value = frameNumber == 1 ? squelch::levelForFrame(squelchText)
                                       : slotNumber(row[Field::No]).value_or(0);
    return zeroPadded(value, 2);
}

std::string_view part(std::string_view s, size_t from, size_t count) {
    return from >= s.size() ? std::string_view() : s.substr(from, count);
}

double joinedValue(std::string_view frame, std::initializer_list<size_t> positions) {
    std::string joined;
    for (size_t p : positions)
        joined += part(frame, p - 1, 2);
    return numericValue(joined);
}

} // namespace

std::string encodeFrame(int frameNumber, std::string_view squelchText, const ChannelRecord& row) {
    std::string frame = slotField(frameNumber, squelchText, row);
    frame += trimBlanks(row.text(Field::Pw)) == "L" ? '1' : '0';
    frame += row[Field::Bt] == std::string("on") ? '1' : '0';
    frame +=
        pairReversed(countDigits(fieldCount(row[Field::Rf], kFrequencyScale, kReceiveOffset), 8));
    frame += pairReversed(countDigits(fieldCount(row[Field::Tf], kFrequencyScale, 0), 8));
    frame += pairReversed(countDigits(fieldCount(row[Field::Rct], kToneScale, 0), 4));
    frame += pairReversed(countDigits(fieldCount(row[Field::Tct], kToneScale, 0), 4));
    return frame;
}

std::string decodeFrame(std::string_view frame, int frameNumber, ChannelRecord& row) {
    const std::string squelchText =
        frameNumber == 1 ? std::string(part(frame, 1, 1)) : std::string();
    const double rx = joinedValue(frame, {11, 9, 7, 5});
    const std::string rf =
        rx == 0 ? std::string() : formatFrequency((rx + kReceiveOffset) / kFrequencyScale);
    const double tx = joinedValue(frame, {19, 17, 15, 13});
    const std::string tf = tx == 0 ? std::string() : formatFrequency(tx / kFrequencyScale);
    const bool shift = part(frame, 3, 1) == "1";
    const bool low = part(frame, 2, 1) == "1";
    const double rxTone = joinedValue(frame, {23, 21});
    const double txTone = joinedValue(frame, {27, 25});
    row[Field::Rf] = rf;
    row[Field::Tf] = tf;
    row[Field::Bt] = shift ? "on" : rf.empty() ? "" : "off";
    row[Field::Pw] = rf.empty() ? "" : low ? "L" : "H";
    row[Field::Rct] = rxTone == 0 ? std::string() : formatTone(rxTone / kToneScale);
    row[Field::Tct] = txTone == 0 ? std::string() : formatTone(txTone / kToneScale);
    return squelchText;
}

bool isWellFormedFrame(std::string_view frame) {
    return frame.size() == kFrameLength &&
           std::all_of(frame.begin(), frame.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isAlignedFrame(std::string_view frame, int frameNumber) {
    if (frameNumber == 1)
        return true;
    return part(frame, 0, 2) == zeroPadded(frameNumber - 1, 2);
}

FrameProblem frameProblem(int frameNumber, const ChannelRecord& row) {
    if (frameNumber != 1 && !slotNumber(row[Field::No]))
        return FrameProblem::ChannelNumber;
    const auto bad = [](std::optional<double> count, int width) {
        return count && !fits(*count, width);
    };
    if (bad(fieldCount(row[Field::Rf], kFrequencyScale, kReceiveOffset), 8))
        return FrameProblem::ReceiveFrequency;
    if (bad(fieldCount(row[Field::Tf], kFrequencyScale, 0), 8))
        return FrameProblem::TransmitFrequency;
    if (bad(fieldCount(row[Field::Rct], kToneScale, 0), 4))
        return FrameProblem::ReceiveTone;
    if (bad(fieldCount(row[Field::Tct], kToneScale, 0), 4))
        return FrameProblem::TransmitTone;
    return FrameProblem::None;
}

namespace {

struct FieldPlace {
    FrameField field;
    size_t from; // 0-based position in the frame
    size_t width;
    Field decoded; // the row field that shows it, or No for the squelch
};

constexpr FieldPlace kPlaces[] = {
    {FrameField::Squelch, 0, 2, Field::No},
    {FrameField::Power, 2, 1, Field::Pw},
    {FrameField::Shift, 3, 1, Field::Bt},
    {FrameField::ReceiveFrequency, 4, 8, Field::Rf},
    {FrameField::TransmitFrequency, 12, 8, Field::Tf},
    {FrameField::ReceiveTone, 20, 4, Field::Rct},
    {FrameField::TransmitTone, 24, 4, Field::Tct},
};

// The frame the radio gives back after a write of a row: sent, held and
// sent again, so what no frame carries (power on an empty channel) never
// counts. Frames 2 to 16 get a fixed slot, which is never compared.
std::string heldFrame(int k, std::string_view squelchText, ChannelRecord row) {
    row[Field::No] = std::to_string(k);
    const std::string sent = encodeFrame(k, squelchText, row);
    ChannelRecord held = row;
    const std::string heldSquelch = decodeFrame(sent, k, held);
    return encodeFrame(k, heldSquelch, held);
}

} // namespace

std::vector<FieldDifference> compareInFrameForm(std::string_view expectedSquelch,
                                                const ChannelRows& expected,
                                                std::string_view actualSquelch,
                                                const ChannelRows& actual) {
    std::vector<FieldDifference> out;
    for (int k = 1; k <= kChannelCount; ++k) {
        const std::string a = heldFrame(k, expectedSquelch, expected[k - 1]);
        const std::string b = heldFrame(k, actualSquelch, actual[k - 1]);
        ChannelRecord shownA, shownB;
        const std::string squelchA = decodeFrame(a, k, shownA);
        const std::string squelchB = decodeFrame(b, k, shownB);
        for (const FieldPlace& place : kPlaces) {
            if (place.field == FrameField::Squelch && k != 1)
                continue;
            if (a.substr(place.from, place.width) == b.substr(place.from, place.width))
                continue;
            if (place.field == FrameField::Squelch)
                out.push_back({k, place.field, squelchA, squelchB});
            else
                out.push_back(
                    {k, place.field, shownA.text(place.decoded), shownB.text(place.decoded)});
        }
    }
    return out;
}

} // namespace zt41::kernel
