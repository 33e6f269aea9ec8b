// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's spreadsheet edits as values on a real table: paste judging, row
// operations, and the undo history over them.
#include "channelrows.h"
#include "channels/cellpaste.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "channels/rowoperations.h"
#include "tablefixture.h"

#include <QTest>

#include <optional>

using namespace zt41;

namespace {

QList<GridCell> cellsOf(const QStringList& words) {
    QList<GridCell> cells;
    for (const QString& w : words)
        cells.append({w.section(u',', 0, 0).toInt(), w.section(u',', 1).toInt()});
    return cells;
}

QString word(EditHistory::Outcome o) {
    static const QStringList words{"done", "nothing", "refused", "breaksrule", "notstored"};
    return words[static_cast<int>(o)];
}

} // namespace

class TestSheetEdits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void edits_data();
    void edits();
};

void TestSheetEdits::edits_data() {
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("squelch");

    const QString full = QStringLiteral("145.01250|67.0|145.01250|67.0|off|H");
    const QString other = QStringLiteral("438.50000|88.5|439.00000|100.0|on|L");
    QTest::newRow("undo puts nulls back; a new step drops what could be redone")
        << QStringList{"2=~|~|~|~|~|~"}
        << QStringList{"paste 1 1 145", "undo", "redo", "undo", "paste 0 5 on", "redo"}
        << QStringList{"done", "done", "done", "done", "done", "nothing"}
        << QStringList{"1=||||on|", "2=~|~|~|~|~|~"} << "3";
    QTest::newRow("a spreadsheet block with quotes and CRLF; a comma line; clipped at 16")
        << QStringList{}
        << QStringList{"paste 0 1 "
                       "145.0125\t67\t145.0125\t\"88.5\"\tON\tl\r\n438.5\t\t\t\toff\th\r\n",
                       "paste 2 0 9,145.0125,67.0", "paste 15 5 on\tH\tx\nL"}
        << QStringList{"done", "done", "done left 1"}
        << QStringList{"1=145.01250|67.0|145.01250|88.5|on|L", "2=438.50000||||off|H",
                       "3=145.01250|67.0|145.01250||off|H", "16=||||on|H"}
        << "3";
    QTest::newRow("refused values keep their cells and are named")
        << QStringList{"1=" + full}
        << QStringList{"paste 0 1 abc\t66.6\t600\t\tmaybe\tX", "paste 5 3 145.0125"}
        << QStringList{"done 1:1:abc 1:2:66.6 1:3:600 1:5:maybe 1:6:X", "nothing 6:3:145.0125"}
        << QStringList{"1=145.01250|67.0|145.01250||off|H"} << "3";
    QTest::newRow("one value fills the selection; copy as shown; clearing rf empties its row")
        << QStringList{"1=" + full, "3=" + other}
        << QStringList{"fill 88.5 0,0 0,2 0,4 1,2", "copy 0,1 0,2 1,2", "clear 0,1 1,2 2,2 2,6"}
        << QStringList{"done", "145.01250\t88.5\n\t88.5\n", "done"}
        << QStringList{"3=438.50000||439.00000|100.0|on|"} << "3";
    QTest::newRow("insert refused when 16 holds data; moves take the cursor; delete empties 16")
        << QStringList{"1=" + full, "2=" + other}
        << QStringList{"insert 0", "insert 1", "paste 15 5 on", "insert 0",
                       "undo",     "undo",     "down 1",        "up 0",
                       "down 15",  "up 2",     "paste 15 5 on", "delete 0"}
        << QStringList{"done@0", "done@1",  "done",    "full",   "done", "done",
                       "done@2", "nothing", "nothing", "done@1", "done", "done@0"}
        << QStringList{"1=" + full, "2=" + other, "15=||||on|"} << "3";
    QTest::newRow("sort by receive frequency, empty channels last in their order")
        << QStringList{"2=||||on|", "3=" + other, "5=" + full, "6=|67.0||||"}
        << QStringList{"sort", "sort"} << QStringList{"done@0", "nothing"}
        << QStringList{"1=" + full, "2=" + other, "4=||||on|", "6=|67.0||||"} << "3";
    QTest::newRow("a write refuses changes of several rows, takes one row")
        << QStringList{"1=" + full, "2=" + other}
        << QStringList{"write", "paste 0 1 146\n147", "clear 0,5", "undo", "insert 0", "sort"}
        << QStringList{"refused", "done", "done", "refused@0", "nothing"}
        << QStringList{"1=" + full, "2=" + other} << "3";
    QTest::newRow("during a write an undo or redo that brings back a refused value is refused")
        << QStringList{"5=600.00000|67.0|600.00000|67.0|off|H"}
        << QStringList{"paste 4 1 145", "write", "undo", "paste 4 1 146", "undo", "undo"}
        << QStringList{"done", "breaksrule", "done", "done", "breaksrule"}
        << QStringList{"5=145.00000|67.0|145.00000|67.0|off|H"} << "3";
    QTest::newRow("a cell a rule changed is told; too long, below 16 and nothing are named")
        << QStringList{}
        << QStringList{"paste 14 1 145\t\t600\n146\n147\n148",
                       "paste 0 1 " + QString(kMaxCellText + 1, u'1'), "paste 0 1 "}
        << QStringList{"done 15:3:600=145.00000 left 2",
                       "nothing 1:1:" + QString(kMaxCellText + 1, u'1'), "nothing empty"}
        << QStringList{"15=145.00000||145.00000||off|H", "16=146.00000||146.00000||off|H"}
        << "3";
    QTest::newRow("a read is one step with its squelch level")
        << QStringList{"1=" + full}
        << QStringList{"read 7 1=~|~|~|~|~|~ 2=" + other, "undo", "redo", "write", "undo"}
        << QStringList{"done", "done", "refused"} << QStringList{"1=~|~|~|~|~|~", "2=" + other}
        << "7";
    QTest::newRow("keystrokes of one squelch level are one step")
        << QStringList{} << QStringList{"squelch 1",
                                        "squelch 12",
                                        "squelch 3 ended",
                                        "squelch 5",
                                        "squelch 5.5 ended",
                                        "squelch 7",
                                        "undo",
                                        "undo",
                                        "undo"}
        << QStringList{"done", "done", "nothing"} << QStringList{} << "3";
    QTest::newRow("the last 1000 steps are kept")
        << QStringList{} << QStringList{"steps 1005", "undo"} << QStringList{"1000", "done"}
        << QStringList{} << "1003";
}

void TestSheetEdits::edits() {
    QFETCH(QStringList, start);
    QFETCH(QStringList, ops);
    TableFixture fx;
    QVERIFY(fx.open());
    ChannelTable& table = *fx.table;
    QVERIFY(table.replaceDataFields(rowsFrom(start, table.rows())));
    QString squelch = QStringLiteral("3");
    EditHistory history(
        table, [&] { return squelch; }, [&](const QString& s) { squelch = s; });
    bool writing = false;
    QStringList log;
    for (const QString& op : ops) {
        const QStringList w = op.split(u' ');
        const QString verb = w[0];
        const QStringList rowOps{"insert", "delete", "up", "down", "sort"};
        std::optional<PasteResult> result;
        if (verb == u"paste") {
            result = pasteText(table.rows(), op.section(u' ', 3), {w[1].toInt(), w[2].toInt()}, {});
        } else if (verb == u"fill") {
            result = pasteText(table.rows(), w[1], cellsOf(w.mid(2)).first(), cellsOf(w.mid(2)));
        } else if (verb == u"clear") {
            result = PasteResult{clearCells(table.rows(), cellsOf(w.mid(1))), {}};
        } else if (verb == u"copy") {
            log << cellBlockText(table.rows(), cellsOf(w.mid(1)));
        } else if (rowOps.contains(verb)) {
            const RowOperationResult r = applyRowOperation(
                table.rows(), w.value(1).toInt(), static_cast<RowOperation>(rowOps.indexOf(verb)));
            using Kind = RowOperationResult::Kind;
            log << (r.kind == Kind::Done ? word(history.replaceRows(r.rows, writing)) + u'@' +
                                               QString::number(r.current)
                    : r.kind == Kind::Nothing ? "nothing"
                                              : "full");
        } else if (verb == u"undo" || verb == u"redo") {
            log << word(verb == u"undo" ? history.undo(writing) : history.redo(writing));
        } else if (verb == u"write") {
            writing = true;
        } else if (verb == u"read" || verb == u"steps") {
            // A read is one step; "steps n" makes n steps of the squelch level.
            for (int i = 0; i < (verb == u"read" ? 1 : w[1].toInt()); ++i) {
                const EditHistory::Step step(&history);
                QVERIFY(w.size() < 3 || table.replaceDataFields(rowsFrom(w.mid(2), table.rows())));
                squelch = verb == u"read" ? w[1] : QString::number(i);
            }
            if (verb == u"steps")
                log << QString::number(history.undoCount());
        } else {
            // "ended": the list lost the focus to a message during the step.
            QVERIFY(verb == u"squelch");
            const EditHistory::Step step(&history, EditHistory::Kind::SquelchTyping);
            squelch = w[1];
            if (w.size() > 2)
                history.endSquelchTyping();
        }
        if (result) {
            QStringList out{word(history.replaceRows(result->rows, writing))};
            for (const RefusedValue& v : result->refused)
                out << QStringLiteral("%1:%2:%3").arg(v.channel).arg(int(v.field)).arg(v.value) +
                           (v.cellChanged() ? u'=' + v.now.value_or("~") : QString());
            if (result->linesLeftOut > 0)
                out << QStringLiteral("left %1").arg(result->linesLeftOut);
            if (result->nothingToPaste)
                out << QStringLiteral("empty");
            log << out.join(u' ');
        }
    }
    QTEST(log, "log");
    QTEST(notationOf(table.rows()), "rows");
    QTEST(squelch, "squelch");
}

QTEST_GUILESS_MAIN(TestSheetEdits)
#include "tst_sheetedits.moc"
