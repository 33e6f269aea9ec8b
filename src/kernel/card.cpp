// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"

#include "text.h"

namespace zt41::kernel::card {

std::array<Cell, 8> cells(int channel, const ChannelRecord& row) {
    std::array<Cell, 8> c{Cell{std::to_string(channel)}};
    const std::string rf = trimmed(row.text(Field::Rf));
    const std::string tf = trimmed(row.text(Field::Tf));
    if (rf.empty() && tf.empty())
        return c;
    const auto either = [](std::string text, Word word) {
        return text.empty() ? Cell{{}, word} : Cell{std::move(text)};
    };
    c[1] = either(rf, Word::NotReceived);
    c[2] = either(tf, Word::NotTransmitted);
    c[3] = either(trimmed(row.text(Field::Rct)), Word::NoTone);
    c[4] = either(trimmed(row.text(Field::Tct)), Word::NoTone);
    c[5].word = trimmed(row.text(Field::Bt)) == "on" ? Word::ShiftOn : Word::ShiftOff;
    c[6].word = trimmed(row.text(Field::Pw)) == "L" ? Word::PowerLow : Word::PowerHigh;
    return c;
}

StripCell stripCell(const ChannelRecord& row) {
    const std::string rf = trimmed(row.text(Field::Rf)), tf = trimmed(row.text(Field::Tf));
    if (rf.empty() && tf.empty())
        return {};
    return {stripMark(rf, tf), shortFrequency(rf.empty() ? tf : rf),
            shortTones(row.text(Field::Rct), row.text(Field::Tct)), false};
}

std::string shortFrequency(std::string_view frequency) {
    std::string s = trimmed(frequency);
    if (s.find('.') == std::string::npos)
        return s;
    while (s.ends_with('0') && !s.ends_with(".0"))
        s.pop_back();
    return s;
}

Word stripMark(std::string_view receive, std::string_view transmit) {
    const std::string rx = trimmed(receive), tx = trimmed(transmit);
    if (rx.empty() && tx.empty())
        return Word::None;
    if (tx.empty())
        return Word::ReceiveOnly;
    if (rx.empty())
        return Word::TransmitOnly;
    return rx == tx ? Word::None : Word::Split;
}

std::string shortTones(std::string_view receiveTone, std::string_view transmitTone) {
    const std::string rx = trimmed(receiveTone), tx = trimmed(transmitTone);
    if (rx == tx)
        return rx;
    return (rx.empty() ? "-" : rx) + "/" + (tx.empty() ? "-" : tx);
}

} // namespace zt41::kernel::card
