// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelframe.h"

#include "channels/numbers.h"
#include "channels/squelch.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zt41 {

namespace {

QString trimBlanks(const QString& s) {
    qsizetype from = 0, to = s.size();
    while (from < to && s[from] == u' ')
        ++from;
    while (to > from && s[to - 1] == u' ')
        --to;
    return s.mid(from, to - from);
}

bool isEmptyValue(const FieldValue& v) {
    return !v || numericValue(*v) == 0;
}

// The count a field sends, or nothing when the field is empty.
std::optional<double> fieldCount(const FieldValue& v, double scale, double offset) {
    if (isEmptyValue(v))
        return std::nullopt;
    return roundToSignificant15(numericValue(*v) * scale - offset);
}

double frequencyScale() {
    return 100000;
}
double receiveOffset() {
    return 2140000;
}
double toneScale() {
    return 10;
}

bool fits(double count, int width) {
    return std::isfinite(count) && count >= 0 && std::floor(count) < std::pow(10.0, width);
}

// Digits finer than the word's unit never reach the radio: the word holds the
// whole count, zero-padded on the left.
QString countDigits(std::optional<double> count, int width) {
    if (!count || !fits(*count, width))
        return QString(width, u'0');
    return QString::number(static_cast<qint64>(std::floor(*count))).rightJustified(width, u'0');
}

// Pairs of digits in reverse order, each pair kept as it is: "0670" -> "7006".
QString pairReversed(const QString& digits) {
    QString out;
    out.reserve(digits.size());
    for (qsizetype i = digits.size() - 2; i >= 0; i -= 2)
        out += digits.mid(i, 2);
    return out;
}

std::optional<int> slotNumber(const FieldValue& no) {
    const double slot = numericValue(no) - 1;
    if (!std::isfinite(slot) || slot < 0 || slot > 99 || slot != std::floor(slot))
        return std::nullopt;
    return static_cast<int>(slot);
}

QString slotField(int frameNumber, const QString& squelchText, const ChannelRecord& row) {
    const int value = frameNumber == 1 ? Squelch::levelForFrame(squelchText)
                                       : slotNumber(row[Field::No]).value_or(0);
    return QString::number(value).rightJustified(2, u'0');
}

double joinedValue(const QString& frame, std::initializer_list<int> positions) {
    QString joined;
    for (int p : positions)
        joined += frame.mid(p - 1, 2);
    return numericValue(joined);
}

} // namespace

QString EncodeChannelFrame(int frameNumber, const QString& squelchText, const ChannelRecord& row) {
    QString frame = slotField(frameNumber, squelchText, row);
    frame += trimBlanks(row.text(Field::Pw)) == u"L" ? u'1' : u'0';
    frame += row[Field::Bt] == QStringLiteral("on") ? u'1' : u'0';
    frame +=
        pairReversed(countDigits(fieldCount(row[Field::Rf], frequencyScale(), receiveOffset()), 8));
    frame += pairReversed(countDigits(fieldCount(row[Field::Tf], frequencyScale(), 0), 8));
    frame += pairReversed(countDigits(fieldCount(row[Field::Rct], toneScale(), 0), 4));
    frame += pairReversed(countDigits(fieldCount(row[Field::Tct], toneScale(), 0), 4));
    return frame;
}

QString DecodeChannelFrame(const QString& frame, int frameNumber, ChannelRecord& row) {
    const QString squelch = frameNumber == 1 ? frame.mid(1, 1) : QString();

    const double rx = joinedValue(frame, {11, 9, 7, 5});
    const QString rf =
        rx == 0 ? QString() : formatFrequency((rx + receiveOffset()) / frequencyScale());
    const double tx = joinedValue(frame, {19, 17, 15, 13});
    const QString tf = tx == 0 ? QString() : formatFrequency(tx / frequencyScale());
    const bool shift = frame.mid(3, 1) == u"1";
    const bool low = frame.mid(2, 1) == u"1";
    const double rxTone = joinedValue(frame, {23, 21});
    const double txTone = joinedValue(frame, {27, 25});

    row[Field::Rf] = rf;
    row[Field::Tf] = tf;
    row[Field::Bt] = shift          ? QStringLiteral("on")
                     : rf.isEmpty() ? QString()
                                    : QStringLiteral("off");
    row[Field::Pw] = rf.isEmpty() ? QString() : low ? QStringLiteral("L") : QStringLiteral("H");
    row[Field::Rct] = rxTone == 0 ? QString() : formatTone(rxTone / toneScale());
    row[Field::Tct] = txTone == 0 ? QString() : formatTone(txTone / toneScale());
    return squelch;
}

bool isWellFormedFrame(const QString& frame) {
    return frame.size() == kFrameLength &&
           std::all_of(frame.begin(), frame.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isAlignedFrame(const QString& frame, int frameNumber) {
    if (frameNumber == 1)
        return true;
    return frame.left(2) == QString::number(frameNumber - 1).rightJustified(2, u'0');
}

FrameProblem frameProblem(int frameNumber, const ChannelRecord& row) {
    if (frameNumber != 1 && !slotNumber(row[Field::No]))
        return FrameProblem::ChannelNumber;
    const auto bad = [](std::optional<double> count, int width) {
        return count && !fits(*count, width);
    };
    if (bad(fieldCount(row[Field::Rf], frequencyScale(), receiveOffset()), 8))
        return FrameProblem::ReceiveFrequency;
    if (bad(fieldCount(row[Field::Tf], frequencyScale(), 0), 8))
        return FrameProblem::TransmitFrequency;
    if (bad(fieldCount(row[Field::Rct], toneScale(), 0), 4))
        return FrameProblem::ReceiveTone;
    if (bad(fieldCount(row[Field::Tct], toneScale(), 0), 4))
        return FrameProblem::TransmitTone;
    return FrameProblem::None;
}

} // namespace zt41
