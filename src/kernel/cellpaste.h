// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pasting into the grid and copying out of it: cells as spreadsheets put them
// on the clipboard, each value judged by the rules a typed or picked one follows.

#include "record.h"

#include <compare>
#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

// A cell of the grid: row 0..15, column = field position 0..6.
struct GridCell {
    int row = 0;
    int column = 0;
    auto operator<=>(const GridCell&) const = default;
};

// No cell holds a longer text (in UTF-16 units, as the window counts): a
// longer pasted value is refused as it stands.
constexpr int kMaxCellText = 64;

// A pasted value a rule refused. Its cell kept what it held, unless another
// value of the paste changed it (a receive frequency fills the transmit one).
struct RefusedValue {
    int channel = 0; // 1..16
    Field field = Field::Rf;
    std::string value;
    FieldValue before; // the cell before the paste
    FieldValue now;    // and after it
    bool operator==(const RefusedValue&) const = default;
};

struct PasteResult {
    ChannelRows rows{};
    std::vector<RefusedValue> refused;
    int linesLeftOut = 0;        // lines below channel 16
    bool nothingToPaste = false; // no text the grid could take
};

using CellBlock = std::vector<std::vector<std::string>>;

// Cells as spreadsheets put them on the clipboard: lines of tab-separated
// values, a cell holding a tab, a line end or a quote written in quotes with
// the quote doubled. A single line without a tab may also be comma-separated.
CellBlock parseCellBlock(std::string_view text);
// The bounding rectangle of `cells`, values as the grid shows them, in that
// form; a cell inside it that is not among `cells` is empty.
std::string cellBlockText(const ChannelRows& rows, const std::vector<GridCell>& cells);

// Puts one value into one field of a row by the rules a typed or picked value
// follows: frequencies through the cell rule with its formatting, tones of
// the tone set, on/off, H/L; a blank empties the field (an emptied receive
// frequency empties the row). False, with the row as it was, when the value
// does not pass. The channel number is never written.
bool putValue(ChannelRecord& row, Field field, std::string_view value);

// Clipboard text pasted with the current cell `at`: a single value into a
// selection of several cells fills each of them; anything else goes from `at`
// rightwards and downwards, clipped at channel 16 and the last column. The
// channel-number column is skipped.
PasteResult pasteText(const ChannelRows& rows, std::string_view text, GridCell at,
                      const std::vector<GridCell>& selection);
// Blanks put into each of `cells`.
ChannelRows clearCells(const ChannelRows& rows, const std::vector<GridCell>& cells);

} // namespace zt41::kernel
