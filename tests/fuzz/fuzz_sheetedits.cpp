// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's spreadsheet edits on a valid table, some of them while a write
// runs: pastes, clears, channel moves, undo and redo. The channel numbers never
// change, the table never holds what a write refuses, a step refused during a
// write changes nothing, and undoing everything gives back the start exactly,
// nulls included.
#include "channels/cellpaste.h"
#include "channels/channelcheck.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "channels/numbers.h"
#include "channels/rowoperations.h"
#include "fuzzdata.h"

#include <QTemporaryDir>

#include <memory>

using namespace zt41;

namespace {

// A valid start: row k on a step from the first piece's byte k, or empty, or null.
ChannelRows startRows(const QByteArray& seed) {
    ChannelRows rows{};
    for (int r = 0; r < kChannelCount; ++r) {
        rows[r][Field::No] = QString::number(r + 1);
        const int b = r < seed.size() ? static_cast<unsigned char>(seed[r]) : 0;
        if (b % 4 == 0)
            continue; // nulls
        if (b % 4 == 1) {
            for (int f = 1; f < kFieldCount; ++f)
                rows[r].fields[f] = QString();
            continue;
        }
        const QString mhz = formatFrequency(130 + b + (b % 2) * 0.00625);
        rows[r].fields = {rows[r][Field::No], mhz, QStringLiteral("67.0"), mhz, QString(),
                          QStringLiteral("off"), b % 3 ? QStringLiteral("H") : QStringLiteral("L")};
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<QTemporaryDir> folder;
    // Kept to the end of the process: a table closed after Qt's own statics
    // have gone would crash on the way out.
    static ChannelTable* table = nullptr;
    if (!table) {
        folder = std::make_unique<QTemporaryDir>(fuzzScratchTemplate());
        table = new ChannelTable;
        if (!table->open(folder->filePath(QStringLiteral("ZT41XE.mdb"))))
            fuzzFail("no database to work on");
    }
    const QByteArrayList pieces = fuzzPieces(data, size);
    const ChannelRows start = startRows(pieces.first());
    if (!table->replaceDataFields(start))
        fuzzFail("the start did not store");
    QString squelch = QStringLiteral("3");
    EditHistory history(
        *table, [&] { return squelch; }, [&](const QString& s) { squelch = s; });
    bool writing = false;
    for (qsizetype i = 1; i < pieces.size() && i < 64; ++i) {
        const QByteArray& p = pieces[i];
        if (p.size() < 3)
            continue;
        const GridCell at{static_cast<unsigned char>(p[1]) % kChannelCount,
                          static_cast<unsigned char>(p[2]) % kFieldCount};
        const ChannelRows before = table->rows();
        EditHistory::Outcome outcome = EditHistory::Outcome::Nothing;
        switch (static_cast<unsigned char>(p[0]) % 6) {
        case 0:
            outcome = history.replaceRows(
                pasteText(before, QString::fromUtf8(p.mid(3)), at, {at}).rows, writing);
            break;
        case 1:
            outcome = history.replaceRows(clearCells(before, {at}), writing);
            break;
        case 2: {
            const auto op = static_cast<RowOperation>(static_cast<unsigned char>(p[2]) % 5);
            const RowOperationResult r = applyRowOperation(before, at.row, op);
            if (r.kind == RowOperationResult::Kind::Done)
                outcome = history.replaceRows(r.rows, writing);
            break;
        }
        case 3:
            outcome = history.undo(writing);
            break;
        case 4:
            outcome = history.redo(writing);
            break;
        default:
            writing = !writing;
        }
        const ChannelRows now = table->rows();
        for (int r = 0; r < kChannelCount; ++r)
            if (now[r][Field::No] != start[r][Field::No])
                fuzzFail("a channel number changed in row", QString::number(r + 1));
        if (!refusals(checkChannelSet(squelch, now)).isEmpty())
            fuzzFail("the table holds what a write refuses");
        if ((outcome == EditHistory::Outcome::Refused ||
             outcome == EditHistory::Outcome::BreaksRule) &&
            now != before)
            fuzzFail("a refused step changed the table");
    }
    while (history.undo(false) == EditHistory::Outcome::Done) {
    }
    if (table->rows() != start)
        fuzzFail("undoing everything did not give back the start");
    return 0;
}
