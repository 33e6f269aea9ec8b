// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel card's words and layout: what each cell of the printed table
// and of the strip kept with the radio says, and where it stands on an A4
// sheet. The window draws it with Qt, the page with HTML and print CSS.

#include "record.h"

#include <array>
#include <string>
#include <string_view>

namespace zt41::kernel::card {

constexpr double kPaperWidthMm = 210;
constexpr double kMarginMm = 15;
constexpr double kRowMm = 8.5;
constexpr double kStripCellMm = 13;

struct Column {
    const char* title;
    double widthMm;
};
// The table's columns across the 180 mm between the margins.
constexpr std::array<Column, 8> kColumns{{{"信道", 12},
                                          {"接收频率", 28},
                                          {"发送频率", 28},
                                          {"收哑音", 18},
                                          {"发哑音", 18},
                                          {"拍频", 14},
                                          {"功率", 14},
                                          {"备注", 48}}};

inline std::string title() {
    return "ZT41 信道表";
}
std::string dateLine(std::string_view isoDate);
std::string squelchLine(std::string_view squelch);
inline std::string stripCaption() {
    return "沿虚线剪下，与对讲机放在一起";
}

// The texts of a table row: a channel without a frequency is an empty row.
std::array<std::string, 8> cells(int channel, const ChannelRecord& row);

// A channel's cell on the strip: empty for a channel without a frequency.
struct StripCell {
    std::string mark;
    std::string frequency;
    std::string tones;
    bool empty = true;
};
StripCell stripCell(const ChannelRecord& row);

// The strip's short form of a channel: "145.5" for 145.50000, the tones as
// "88.5", "88.5/100.0" or "-/100.0".
std::string shortFrequency(std::string_view frequency);
std::string shortTones(std::string_view receiveTone, std::string_view transmitTone);
// The strip's mark of a channel that is not simplex: "异频" (split), "仅收"
// (receive only), "仅发" (transmit only); nothing for a simplex channel.
std::string stripMark(std::string_view receive, std::string_view transmit);

} // namespace zt41::kernel::card
