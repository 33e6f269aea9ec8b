// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"

#include "text.h"

namespace zt41::kernel::card {

std::string dateLine(std::string_view isoDate) {
    return "日期：" + std::string(isoDate);
}

std::string squelchLine(std::string_view squelch) {
    return "静噪级别：" + std::string(squelch);
}

std::array<std::string, 8> cells(int channel, const ChannelRecord& row) {
    std::array<std::string, 8> c{std::to_string(channel)};
    const std::string rf = trimmed(row.text(Field::Rf));
    const std::string tf = trimmed(row.text(Field::Tf));
    if (rf.empty() && tf.empty())
        return c;
    const auto tone = [&](Field f) {
        const std::string t = trimmed(row.text(f));
        return t.empty() ? std::string("无") : t;
    };
    c[1] = rf.empty() ? "不接收" : rf;
    c[2] = tf.empty() ? "不发射" : tf;
    c[3] = tone(Field::Rct);
    c[4] = tone(Field::Tct);
    c[5] = trimmed(row.text(Field::Bt)) == "on" ? "开" : "关";
    c[6] = trimmed(row.text(Field::Pw)) == "L" ? "低" : "高";
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

std::string stripMark(std::string_view receive, std::string_view transmit) {
    const std::string rx = trimmed(receive), tx = trimmed(transmit);
    if (rx.empty() && tx.empty())
        return {};
    if (tx.empty())
        return "仅收";
    if (rx.empty())
        return "仅发";
    return rx == tx ? std::string() : "异频";
}

std::string shortTones(std::string_view receiveTone, std::string_view transmitTone) {
    const std::string rx = trimmed(receiveTone), tx = trimmed(transmitTone);
    if (rx == tx)
        return rx;
    return (rx.empty() ? "-" : rx) + "/" + (tx.empty() ? "-" : tx);
}

} // namespace zt41::kernel::card
