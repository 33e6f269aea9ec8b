// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellpaste.h"

#include "cellrule.h"
#include "channelcheck.h"
#include "numbers.h"

#include <algorithm>

namespace zt41 {

namespace {

// Cells of one delimiter, quotes as spreadsheets write them.
QList<QStringList> splitCells(const QString& text, QChar delimiter) {
    QList<QStringList> lines{QStringList{QString()}};
    bool quoted = false;
    bool atCellStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        QString& cell = lines.last().last();
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == u'"' && atCellStart) {
            quoted = true;
            atCellStart = false;
        } else if (c == delimiter) {
            lines.last() << QString();
            atCellStart = true;
        } else if (c == u'\n') {
            lines << QStringList{QString()};
            atCellStart = true;
        } else if (c != u'\r' || i + 1 >= text.size() || text[i + 1] != u'\n') {
            cell += c;
            atCellStart = false;
        }
    }
    return lines;
}

QString quotedCell(const QString& value) {
    if (!value.contains(u'\t') && !value.contains(u'\n') && !value.contains(u'"'))
        return value;
    QString q = value;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

// Empty text, "Null" and a number that is 0 empty a cell.
bool isClear(const QString& text) {
    return isNoValue(text) || (isPlainNumber(text) && numericValue(text) == 0);
}

void applyWrites(ChannelRecord& row, const CellRule::Outcome& outcome) {
    for (const auto& [field, text] : outcome.writes)
        row[field] = text;
}

} // namespace

QList<QStringList> parseCellBlock(const QString& text) {
    QString body = text;
    // The line end after the last line belongs to that line.
    if (body.endsWith(u'\n'))
        body.chop(body.endsWith(QStringLiteral("\r\n")) ? 2 : 1);
    if (body.isEmpty())
        return {};
    const bool commaLine = !body.contains(u'\t') && !body.contains(u'\n');
    return splitCells(body, commaLine ? QChar(u',') : QChar(u'\t'));
}

QString cellBlockText(const ChannelRows& rows, const QList<GridCell>& cells) {
    if (cells.isEmpty())
        return QString();
    GridCell top = cells.first(), bottom = cells.first();
    for (const GridCell& c : cells) {
        top = {std::min(top.row, c.row), std::min(top.column, c.column)};
        bottom = {std::max(bottom.row, c.row), std::max(bottom.column, c.column)};
    }
    QString out;
    for (int r = top.row; r <= bottom.row; ++r) {
        QStringList line;
        for (int c = top.column; c <= bottom.column; ++c)
            line << (cells.contains(GridCell{r, c})
                         ? quotedCell(rows[r].text(static_cast<Field>(c)))
                         : QString());
        out += line.join(u'\t') + u'\n';
    }
    return out;
}

bool putValue(ChannelRecord& row, Field field, const QString& value) {
    if (value.size() > kMaxCellText)
        return false;
    const QString text = value.trimmed();
    const int column = static_cast<int>(field);
    switch (field) {
    case Field::No:
        return false;
    case Field::Rf:
    case Field::Tf: {
        if (!isClear(text)) {
            if (!isPlainNumber(text) || !CellRule::inRange(numericValue(text)))
                return false;
            // A transmit frequency needs a channel to belong to.
            if (field == Field::Tf && numericValue(row[Field::Rf]) == 0)
                return false;
        }
        ChannelRecord edited = row;
        edited[field] = text;
        applyWrites(edited, CellRule::evaluate(edited, column));
        row = edited;
        return true;
    }
    case Field::Rct:
    case Field::Tct:
        if (toneProblem(text))
            return false;
        row[field] = isClear(text) ? QString() : formatTone(numericValue(text));
        return true;
    case Field::Bt:
        if (isClear(text)) {
            row[field] = QString();
            return true;
        }
        if (text.compare(u"on", Qt::CaseInsensitive) != 0 &&
            text.compare(u"off", Qt::CaseInsensitive) != 0)
            return false;
        row[field] = text.toLower();
        return true;
    case Field::Pw:
        if (isClear(text)) {
            row[field] = QString();
            return true;
        }
        if (text.compare(u"H", Qt::CaseInsensitive) != 0 &&
            text.compare(u"L", Qt::CaseInsensitive) != 0)
            return false;
        row[field] = text.toUpper();
        return true;
    }
    return false;
}

PasteResult pasteText(const ChannelRows& rows, const QString& text, GridCell at,
                      const QList<GridCell>& selection) {
    PasteResult out{rows, {}};
    const QList<QStringList> block = parseCellBlock(text);
    if (block.isEmpty()) {
        out.nothingToPaste = true;
        return out;
    }
    QList<std::pair<GridCell, QString>> puts;
    if (block.size() == 1 && block.first().size() == 1 && selection.size() > 1) {
        for (const GridCell& cell : selection)
            puts.append({cell, block.first().first()});
        std::sort(puts.begin(), puts.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
    } else {
        for (int r = 0; r < block.size() && at.row + r < kChannelCount; ++r)
            for (int c = 0; c < block[r].size() && at.column + c < kFieldCount; ++c)
                puts.append({{at.row + r, at.column + c}, block[r][c]});
        out.linesLeftOut = std::max(0, int(block.size()) - (kChannelCount - at.row));
    }
    for (const auto& [cell, value] : puts) {
        if (cell.column <= 0 || cell.row < 0 || cell.row >= kChannelCount)
            continue;
        const Field field = static_cast<Field>(cell.column);
        if (!putValue(out.rows[cell.row], field, value))
            out.refused.append({cell.row + 1, field, value, rows[cell.row][field], {}});
    }
    for (RefusedValue& v : out.refused)
        v.now = out.rows[v.channel - 1][v.field];
    return out;
}

ChannelRows clearCells(const ChannelRows& rows, const QList<GridCell>& cells) {
    ChannelRows out = rows;
    QList<GridCell> sorted = cells;
    std::sort(sorted.begin(), sorted.end());
    for (const GridCell& cell : sorted)
        if (cell.column > 0 && cell.row >= 0 && cell.row < kChannelCount)
            putValue(out[cell.row], static_cast<Field>(cell.column), QString());
    return out;
}

} // namespace zt41
