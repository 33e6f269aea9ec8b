// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"
#include "kernel/cellpaste.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zt41 {

// A cell of the grid: row 0..15, column = field position 0..6. No cell holds
// a longer text than kMaxCellText: a longer pasted value is refused as it stands.
using kernel::GridCell;
using kernel::kMaxCellText;

// A pasted value a rule refused. Its cell kept what it held, unless another
// value of the paste changed it (a receive frequency fills the transmit one).
struct RefusedValue {
    int channel = 0; // 1..16
    Field field = Field::Rf;
    QString value;
    FieldValue before; // the cell before the paste
    FieldValue now;    // and after it
    bool cellChanged() const { return before != now; }
    bool operator==(const RefusedValue&) const = default;
};

struct PasteResult {
    ChannelRows rows{};
    QList<RefusedValue> refused;
    int linesLeftOut = 0;        // lines below channel 16
    bool nothingToPaste = false; // no text the grid could take
};

// Cells as spreadsheets put them on the clipboard: lines of tab-separated
// values, a cell holding a tab, a line end or a quote written in quotes with
// the quote doubled. A single line without a tab may also be comma-separated.
QList<QStringList> parseCellBlock(const QString& text);
// The bounding rectangle of `cells`, values as the grid shows them, in that
// form; a cell inside it that is not among `cells` is empty.
QString cellBlockText(const ChannelRows& rows, const QList<GridCell>& cells);

// Puts one value into one field of a row by the rules a typed or picked value
// follows: frequencies through the cell rule with its formatting, tones of
// the tone set, on/off, H/L; a blank empties the field (an emptied receive
// frequency empties the row). False, with the row as it was, when the value
// does not pass. The channel number is never written.
bool putValue(ChannelRecord& row, Field field, const QString& value);

// Clipboard text pasted with the current cell `at`: a single value into a
// selection of several cells fills each of them; anything else goes from `at`
// rightwards and downwards, clipped at channel 16 and the last column. The
// channel-number column is skipped.
PasteResult pasteText(const ChannelRows& rows, const QString& text, GridCell at,
                      const QList<GridCell>& selection);
// Blanks put into each of `cells`.
ChannelRows clearCells(const ChannelRows& rows, const QList<GridCell>& cells);

} // namespace zt41
