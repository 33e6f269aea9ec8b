// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellpaste.h"

#include "kernel/cellpaste.h"
#include "kernelbridge.h"

#include <vector>

namespace zt41 {

namespace {

std::vector<GridCell> cellsOf(const QList<GridCell>& cells) {
    return {cells.begin(), cells.end()};
}

} // namespace

QList<QStringList> parseCellBlock(const QString& text) {
    QList<QStringList> out;
    for (const std::vector<std::string>& line : kernel::parseCellBlock(toKernel(text))) {
        QStringList cells;
        for (const std::string& cell : line)
            cells << fromKernel(cell);
        out << cells;
    }
    return out;
}

QString cellBlockText(const ChannelRows& rows, const QList<GridCell>& cells) {
    return fromKernel(kernel::cellBlockText(toKernel(rows), cellsOf(cells)));
}

bool putValue(ChannelRecord& row, Field field, const QString& value) {
    kernel::ChannelRecord edited = toKernel(row);
    if (!kernel::putValue(edited, field, toKernel(value)))
        return false;
    row = fromKernel(edited);
    return true;
}

PasteResult pasteText(const ChannelRows& rows, const QString& text, GridCell at,
                      const QList<GridCell>& selection) {
    const kernel::PasteResult k =
        kernel::pasteText(toKernel(rows), toKernel(text), at, cellsOf(selection));
    PasteResult out{fromKernel(k.rows), {}, k.linesLeftOut, k.nothingToPaste};
    for (const kernel::RefusedValue& v : k.refused)
        out.refused.append(
            {v.channel, v.field, fromKernel(v.value), fromKernel(v.before), fromKernel(v.now)});
    return out;
}

ChannelRows clearCells(const ChannelRows& rows, const QList<GridCell>& cells) {
    return fromKernel(kernel::clearCells(toKernel(rows), cellsOf(cells)));
}

} // namespace zt41
