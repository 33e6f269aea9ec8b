// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellpaste.h"

#include "cellrule.h"
#include "channelcheck.h"
#include "numbers.h"
#include "text.h"

#include <algorithm>
#include <utility>

namespace zt41::kernel {

namespace {

// Cells of one delimiter, quotes as spreadsheets write them. The delimiters,
// quotes and line ends are ASCII, which no byte of a longer UTF-8 character is.
CellBlock splitCells(std::string_view text, char delimiter) {
    CellBlock lines{{std::string()}};
    bool quoted = false;
    bool atCellStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& cell = lines.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += c;
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == '"' && atCellStart) {
            quoted = true;
            atCellStart = false;
        } else if (c == delimiter) {
            lines.back().emplace_back();
            atCellStart = true;
        } else if (c == '\n') {
            lines.push_back({std::string()});
            atCellStart = true;
        } else if (c != '\r' || i + 1 >= text.size() || text[i + 1] != '\n') {
            cell += c;
            atCellStart = false;
        }
    }
    return lines;
}

std::string quotedCell(const std::string& value) {
    if (value.find_first_of("\t\n\"") == std::string::npos)
        return value;
    std::string q = "\"";
    for (const char c : value) {
        q += c;
        if (c == '"')
            q += '"';
    }
    return q + '"';
}

// Empty text, "Null" and a number that is 0 empty a cell.
bool isClear(const std::string& text) {
    return isNoValue(text) || (isPlainNumber(text) && numericValue(text) == 0);
}

// ASCII letters compared without case: no other character folds to one of
// the words the pickers write.
bool sameWord(std::string_view text, std::string_view word) {
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               const auto lower = [](char x) {
                   return x >= 'A' && x <= 'Z' ? char(x + 32) : x;
               };
               return lower(a) == lower(b);
           });
}

// The text of a two-word field in the pickers' spelling, or nothing.
bool putWord(FieldValue& cell, const std::string& text, std::string_view a, std::string_view b) {
    if (isClear(text)) {
        cell = std::string();
        return true;
    }
    for (const std::string_view word : {a, b})
        if (sameWord(text, word)) {
            cell = std::string(word);
            return true;
        }
    return false;
}

} // namespace

CellBlock parseCellBlock(std::string_view text) {
    std::string_view body = text;
    // The line end after the last line belongs to that line.
    if (!body.empty() && body.back() == '\n')
        body.remove_suffix(body.size() >= 2 && body[body.size() - 2] == '\r' ? 2 : 1);
    if (body.empty())
        return {};
    const bool commaLine = body.find_first_of("\t\n") == std::string_view::npos;
    return splitCells(body, commaLine ? ',' : '\t');
}

std::string cellBlockText(const ChannelRows& rows, const std::vector<GridCell>& cells) {
    if (cells.empty())
        return std::string();
    GridCell top = cells.front(), bottom = cells.front();
    for (const GridCell& c : cells) {
        top = {std::min(top.row, c.row), std::min(top.column, c.column)};
        bottom = {std::max(bottom.row, c.row), std::max(bottom.column, c.column)};
    }
    std::string out;
    for (int r = top.row; r <= bottom.row; ++r) {
        for (int c = top.column; c <= bottom.column; ++c) {
            if (c > top.column)
                out += '\t';
            if (std::find(cells.begin(), cells.end(), GridCell{r, c}) != cells.end())
                out += quotedCell(rows[r].text(static_cast<Field>(c)));
        }
        out += '\n';
    }
    return out;
}

bool putValue(ChannelRecord& row, Field field, std::string_view value) {
    if (utf16Length(value) > std::size_t(kMaxCellText))
        return false;
    const std::string text = trimmed(value);
    switch (field) {
    case Field::No:
        return false;
    case Field::Rf:
    case Field::Tf: {
        if (!isClear(text)) {
            if (!isPlainNumber(text) || !frequencyInRange(numericValue(text)))
                return false;
            // A transmit frequency needs a channel to belong to.
            if (field == Field::Tf && numericValue(row[Field::Rf]) == 0)
                return false;
        }
        ChannelRecord edited = row;
        edited[field] = text;
        for (auto& [f, written] : evaluateCellRule(edited, static_cast<int>(field)).writes)
            edited[f] = std::move(written);
        row = edited;
        return true;
    }
    case Field::Rct:
    case Field::Tct:
        if (toneProblem(text))
            return false;
        row[field] = isClear(text) ? std::string() : formatTone(numericValue(text));
        return true;
    case Field::Bt:
        return putWord(row[field], text, "on", "off");
    case Field::Pw:
        return putWord(row[field], text, "H", "L");
    }
    return false;
}

PasteResult pasteText(const ChannelRows& rows, std::string_view text, GridCell at,
                      const std::vector<GridCell>& selection) {
    PasteResult out{rows, {}};
    const CellBlock block = parseCellBlock(text);
    if (block.empty()) {
        out.nothingToPaste = true;
        return out;
    }
    std::vector<std::pair<GridCell, std::string>> puts;
    if (block.size() == 1 && block.front().size() == 1 && selection.size() > 1) {
        for (const GridCell& cell : selection)
            puts.emplace_back(cell, block.front().front());
        std::sort(puts.begin(), puts.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
    } else {
        const int lines = static_cast<int>(block.size());
        for (int r = 0; r < lines && at.row + r < kChannelCount; ++r)
            for (int c = 0; c < static_cast<int>(block[r].size()) && at.column + c < kFieldCount;
                 ++c)
                puts.emplace_back(GridCell{at.row + r, at.column + c}, block[r][c]);
        out.linesLeftOut = std::max(0, lines - (kChannelCount - at.row));
    }
    for (const auto& [cell, value] : puts) {
        if (cell.column <= 0 || cell.row < 0 || cell.row >= kChannelCount)
            continue;
        const Field field = static_cast<Field>(cell.column);
        if (!putValue(out.rows[cell.row], field, value))
            out.refused.push_back({cell.row + 1, field, value, rows[cell.row][field], {}});
    }
    for (RefusedValue& v : out.refused)
        v.now = out.rows[v.channel - 1][v.field];
    return out;
}

ChannelRows clearCells(const ChannelRows& rows, const std::vector<GridCell>& cells) {
    ChannelRows out = rows;
    std::vector<GridCell> sorted = cells;
    std::sort(sorted.begin(), sorted.end());
    for (const GridCell& cell : sorted)
        if (cell.column > 0 && cell.row >= 0 && cell.row < kChannelCount)
            putValue(out[cell.row], static_cast<Field>(cell.column), std::string_view());
    return out;
}

} // namespace zt41::kernel
