// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The channel card's layout: what each cell of the printed table and of the
// strip kept with the radio says, and where it stands on an A4 sheet. The
// window draws it with Qt, the page with HTML and print CSS.

#include "record.h"

#include <array>
#include <string>
#include <string_view>

namespace zt41::kernel::card {

constexpr double kPaperWidthMm = 210;
constexpr double kMarginMm = 15;
constexpr double kRowMm = 8.5;
constexpr double kStripCellMm = 13;

// The card's words are the front ends' (the window's translations, the page's
// words made from them): the kernel says which word stands where, by number.
enum class Word {
    None,
    NoTone,         // 无
    NotReceived,    // 不接收
    NotTransmitted, // 不发射
    ShiftOn,        // 开
    ShiftOff,       // 关
    PowerLow,       // 低
    PowerHigh,      // 高
    Split,          // 异频
    ReceiveOnly,    // 仅收
    TransmitOnly,   // 仅发
};
constexpr int kWordCount = static_cast<int>(Word::TransmitOnly) + 1;

// The table's columns across the 180 mm between the margins: 信道, 接收频率,
// 发送频率, 收哑音, 发哑音, 拍频, 功率 and 备注.
constexpr std::array<double, 8> kColumnWidthsMm{12, 28, 28, 18, 18, 14, 14, 48};

// A cell of the table: its text, or a word when `word` is not None.
struct Cell {
    std::string text;
    Word word = Word::None;
};

// The cells of a table row: a channel without a frequency is an empty row.
std::array<Cell, 8> cells(int channel, const ChannelRecord& row);

// A channel's cell on the strip: empty for a channel without a frequency.
struct StripCell {
    Word mark = Word::None;
    std::string frequency;
    std::string tones;
    bool empty = true;
};
StripCell stripCell(const ChannelRecord& row);

// The strip's short form of a channel: "145.5" for 145.50000, the tones as
// "88.5", "88.5/100.0" or "-/100.0".
std::string shortFrequency(std::string_view frequency);
std::string shortTones(std::string_view receiveTone, std::string_view transmitTone);
// The strip's mark of a channel that is not simplex: Split, ReceiveOnly or
// TransmitOnly; None for a simplex channel.
Word stripMark(std::string_view receive, std::string_view transmit);

} // namespace zt41::kernel::card
