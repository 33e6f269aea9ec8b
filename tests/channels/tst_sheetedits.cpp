// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's spreadsheet edits as values on a real table: paste judging, row
// operations, and the undo history over them.
#include "channels/cellpaste.h"
#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "channels/rowoperations.h"
#include "tablefixture.h"

#include <QTest>

using namespace zt41;

namespace {

// Rows as "k=rf|rct|tf|tct|bt|pw", "~" for a null; rows not named hold empty texts.
ChannelRows rowsFrom(const QStringList& spec, ChannelRows rows) {
    for (const QString& line : spec) {
        const int k = line.section(u'=', 0, 0).toInt();
        const QStringList six = line.section(u'=', 1).split(u'|');
        for (int f = 1; f < kFieldCount; ++f)
            rows[k - 1].fields[f] = six[f - 1] == u"~" ? FieldValue() : FieldValue(six[f - 1]);
    }
    return rows;
}

QStringList specOf(const ChannelRows& rows) {
    QStringList out;
    for (int r = 0; r < kChannelCount; ++r) {
        QStringList six;
        for (int f = 1; f < kFieldCount; ++f)
            six << rows[r].fields[f].value_or(QStringLiteral("~"));
        if (six.join(QString()) != QString())
            out << QStringLiteral("%1=%2").arg(r + 1).arg(six.join(u'|'));
    }
    return out;
}

QList<GridCell> cellsOf(const QStringList& words) {
    QList<GridCell> cells;
    for (const QString& w : words)
        cells.append({w.section(u',', 0, 0).toInt(), w.section(u',', 1, 1).toInt()});
    return cells;
}

QString word(EditHistory::Outcome o) {
    static const QStringList words{"done", "nothing", "refused", "notstored"};
    return words[static_cast<int>(o)];
}

} // namespace

class TestSheetEdits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void edits_data();
    void edits();
    void keepsTheLastThousandSteps();
};

void TestSheetEdits::edits_data() {
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("squelch");

    const QString full = QStringLiteral("145.01250|67.0|145.01250|67.0|off|H");
    const QString other = QStringLiteral("438.50000|88.5|439.00000|100.0|on|L");
    QTest::newRow("a typed edit and its rule are one step")
        << QStringList{} << QStringList{"type 0 1 145.0125", "undo", "redo"}
        << QStringList{"done", "done", "done"}
        << QStringList{"1=" + full.left(9) + "||" + full.left(9) + "||off|H"} << "3";
    QTest::newRow("undo puts nulls back")
        << QStringList{"2=~|~|~|~|~|~"} << QStringList{"paste 1 1 145", "undo"}
        << QStringList{"done", "done"} << QStringList{"2=~|~|~|~|~|~"} << "3";
    QTest::newRow("a block from a spreadsheet, quotes and CRLF")
        << QStringList{}
        << QStringList{"paste 0 1 "
                       "145.0125\t67\t145.0125\t\"88.5\"\tON\tl\r\n438.5\t\t\t\toff\th\r\n"}
        << QStringList{"done"}
        << QStringList{"1=145.01250|67.0|145.01250|88.5|on|L", "2=438.50000||||off|H"} << "3";
    QTest::newRow("a comma line from the number column: the number is skipped")
        << QStringList{} << QStringList{"paste 2 0 9,145.0125,67.0"} << QStringList{"done"}
        << QStringList{"3=145.01250|67.0|145.01250||off|H"} << "3";
    QTest::newRow("refused values keep their cells and are named")
        << QStringList{"1=" + full}
        << QStringList{"paste 0 1 abc\t66.6\t600\t\tmaybe\tX", "paste 5 3 145.0125"}
        << QStringList{"done 1:1:abc 1:2:66.6 1:3:600 1:5:maybe 1:6:X", "nothing 6:3:145.0125"}
        << QStringList{"1=145.01250|67.0|145.01250||off|H"} << "3";
    QTest::newRow("clipped at channel 16 and the last column")
        << QStringList{} << QStringList{"paste 15 5 on\tH\textra\nL"} << QStringList{"done"}
        << QStringList{"16=||||on|H"} << "3";
    QTest::newRow("one value fills the selection")
        << QStringList{"1=" + full} << QStringList{"fill 88.5 0,0 0,2 0,4 1,2"}
        << QStringList{"done"}
        << QStringList{"1=145.01250|88.5|145.01250|88.5|off|H", "2=|88.5||||"} << "3";
    QTest::newRow("clearing a receive frequency empties its row")
        << QStringList{"1=" + full, "2=" + other} << QStringList{"clear 0,1 1,2 1,6"}
        << QStringList{"done"} << QStringList{"2=438.50000||439.00000|100.0|on|"} << "3";
    QTest::newRow("copy gives the values as shown")
        << QStringList{"1=" + full} << QStringList{"copy 0,1 0,2 1,2"}
        << QStringList{"145.01250\t67.0\n\t\n"} << QStringList{"1=" + full} << "3";
    QTest::newRow("insert moves the rest down, refused when 16 holds data")
        << QStringList{"1=" + full, "2=" + other}
        << QStringList{"insert 0", "insert 1", "paste 15 5 on", "insert 0", "undo", "undo"}
        << QStringList{"done @0", "done @1", "done", "full", "done", "done"}
        << QStringList{"2=" + full, "3=" + other} << "3";
    QTest::newRow("delete moves the rest up, 16 empty")
        << QStringList{"1=" + full, "2=" + other, "16=||||on|"} << QStringList{"delete 0"}
        << QStringList{"done @0"} << QStringList{"1=" + other, "15=||||on|"} << "3";
    QTest::newRow("moves swap with the neighbour, the cursor follows")
        << QStringList{"1=" + full, "2=" + other}
        << QStringList{"down 0", "up 0", "down 15", "up 1"}
        << QStringList{"done @1", "nothing", "nothing", "done @0"}
        << QStringList{"1=" + full, "2=" + other} << "3";
    QTest::newRow("sort by receive frequency, empty channels last in their order")
        << QStringList{"2=||||on|", "3=" + other, "5=" + full, "6=|67.0||||"}
        << QStringList{"sort", "sort"} << QStringList{"done @-1", "nothing"}
        << QStringList{"1=" + full, "2=" + other, "4=||||on|", "6=|67.0||||"} << "3";
    QTest::newRow("a write refuses changes of several rows, takes one row")
        << QStringList{"1=" + full, "2=" + other}
        << QStringList{"write", "paste 0 1 146\n147", "clear 0,5", "undo", "insert 0", "sort"}
        << QStringList{"refused", "done", "done", "refused", "nothing"}
        << QStringList{"1=" + full, "2=" + other} << "3";
    QTest::newRow("a read is one step with its squelch level")
        << QStringList{"1=" + full}
        << QStringList{"read 7 1=~|~|~|~|~|~ 2=" + other, "undo", "redo", "write", "undo"}
        << QStringList{"done", "done", "refused"} << QStringList{"1=~|~|~|~|~|~", "2=" + other}
        << "7";
    QTest::newRow("keystrokes of one squelch level are one step")
        << QStringList{}
        << QStringList{"squelch 1",    "squelch 12", "squelch 3", "squelch 5", "squelch 5.5",
                       "squelch-done", "squelch 7",  "undo",      "undo",      "undo"}
        << QStringList{"done", "done", "nothing"} << QStringList{} << "3";
    QTest::newRow("a new step drops what could be redone")
        << QStringList{} << QStringList{"type 0 1 145", "undo", "paste 1 5 on", "redo"}
        << QStringList{"done", "done", "done", "nothing"} << QStringList{"2=||||on|"} << "3";
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
        const auto paste = [&](const PasteResult& r) {
            QStringList out{word(history.replaceRows(r.rows, writing))};
            for (const RefusedValue& v : r.refused)
                out << QStringLiteral("%1:%2:%3").arg(v.channel).arg(int(v.field)).arg(v.value);
            log << out.join(u' ');
        };
        if (verb == u"type") {
            const EditHistory::Step step(&history);
            QVERIFY(CellRule::applyEdit(table, w[1].toInt(), w[2].toInt(), w[3], nullptr));
            log << QStringLiteral("done");
        } else if (verb == u"paste") {
            paste(pasteText(table.rows(), op.section(u' ', 3), {w[1].toInt(), w[2].toInt()}, {}));
        } else if (verb == u"fill") {
            const QList<GridCell> cells = cellsOf(w.mid(2));
            paste(pasteText(table.rows(), w[1], cells.first(), cells));
        } else if (verb == u"clear") {
            log << word(history.replaceRows(clearCells(table.rows(), cellsOf(w.mid(1))), writing));
        } else if (verb == u"copy") {
            log << cellBlockText(table.rows(), cellsOf(w.mid(1)));
        } else if (const QStringList names{"insert", "delete", "up", "down", "sort"};
                   names.contains(verb)) {
            const RowOperationResult r =
                applyRowOperation(table.rows(), w.value(1, QStringLiteral("-1")).toInt(),
                                  static_cast<RowOperation>(names.indexOf(verb)));
            if (r.kind == RowOperationResult::Kind::Done) {
                const EditHistory::Outcome o = history.replaceRows(r.rows, writing);
                log << (o == EditHistory::Outcome::Done ? QStringLiteral("done @%1").arg(r.current)
                                                        : word(o));
            } else {
                log << (r.kind == RowOperationResult::Kind::Nothing ? "nothing" : "full");
            }
        } else if (verb == u"undo" || verb == u"redo") {
            log << word(verb == u"undo" ? history.undo(writing) : history.redo(writing));
        } else if (verb == u"write") {
            writing = true;
        } else if (verb == u"read") {
            const EditHistory::Step step(&history);
            QVERIFY(table.replaceDataFields(rowsFrom(w.mid(2), table.rows())));
            squelch = w[1];
        } else if (verb == u"squelch") {
            const EditHistory::Step step(&history, EditHistory::Kind::SquelchTyping);
            squelch = w[1];
        } else if (verb == u"squelch-done") {
            history.endSquelchTyping();
        } else {
            QFAIL(qPrintable(op));
        }
    }
    QTEST(log, "log");
    QTEST(specOf(table.rows()), "rows");
    QTEST(squelch, "squelch");
}

void TestSheetEdits::keepsTheLastThousandSteps() {
    TableFixture fx;
    QVERIFY(fx.open());
    QString squelch;
    EditHistory history(
        *fx.table, [&] { return squelch; }, [&](const QString& s) { squelch = s; });
    for (int i = 1; i <= EditHistory::kDepth + 5; ++i) {
        const EditHistory::Step step(&history);
        squelch = QString::number(i);
    }
    QCOMPARE(history.undoCount(), EditHistory::kDepth);
    while (history.undo(false) == EditHistory::Outcome::Done) {
    }
    QCOMPARE(squelch, QStringLiteral("5"));
}

QTEST_GUILESS_MAIN(TestSheetEdits)
#include "tst_sheetedits.moc"
