// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channeltable.h"
#include "filebytes.h"
#include "files/channelfile.h"
#include "files/workingdir.h"
#include "tablefixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace zt41;

namespace {

ChannelRows workedExampleRows() {
    ChannelRows rows{};
    for (int k = 0; k < kChannelCount; ++k) {
        rows[k][Field::No] = QString::number(k + 1);
        for (int f = 1; f <= 6; ++f)
            rows[k].fields[f] = QString();
    }
    const QStringList row1{"145.01250", "67.0", "145.01250", "67.0", "off", "H"};
    const QStringList row2{"435.50000", "", "", "", "on", "L"};
    for (int f = 1; f <= 6; ++f) {
        rows[0].fields[f] = row1[f - 1];
        rows[1].fields[f] = row2[f - 1];
    }
    return rows;
}

const QByteArray kWorkedExample =
    QByteArray("  3,145.01250,67.0,145.01250,67.0,off,H,435.50000,,,,on,L,") + QByteArray(84, ',');

QByteArray valuesFile(int count, const QByteArray& separator = ",") {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(i % 7) + separator;
    return out;
}

ChannelFileRead readBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readChannelFile(buffer);
}

} // namespace

class TestChannelFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writerGivesTheWorkedExample();
    void savedTextLoadsBackExactly_data();
    void savedTextLoadsBackExactly();
    void squelchLoadsBack_data();
    void squelchLoadsBack();
    void textTheFormatCannotCarryIsRefused_data();
    void textTheFormatCannotCarryIsRefused();
    void splitting_data();
    void splitting();
    void badFiles_data();
    void badFiles();
    void everyTruncationOfTheExampleFails();
    void noiseNeverCrashes();
    void conversion_data();
    void conversion();
    void loadingTheWorkedExample();
    void failedLoadChangesNothing();
    void largeFileReadsOnlyItsStart();
    void saveReplacesAndKeepsName();
    void failedSaveReports();
    void saveLoadRoundTrip();
};

void TestChannelFile::writerGivesTheWorkedExample() {
    const QByteArray bytes = encodeChannelFile(QStringLiteral("  3"), workedExampleRows()).value();
    QCOMPARE(bytes.size(), 142);
    QCOMPARE(bytes, kWorkedExample);
    QCOMPARE(bytes.count(','), 97);

    ChannelRows rows = workedExampleRows();
    rows[3][Field::Rct] = FieldValue();
    rows[15][Field::Pw] = FieldValue();
    const QByteArray withNulls = encodeChannelFile(QStringLiteral("3"), rows).value();
    QVERIFY(withNulls.endsWith(",Null,"));
    QCOMPARE(withNulls.count("Null"), 2);
}

// Texts as a user can type them (the squelch list is editable) or as a quoted
// value of a loaded file can carry them.
void TestChannelFile::savedTextLoadsBackExactly_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "145.01250";
    QTest::newRow("empty") << "";
    QTest::newRow("comma") << "1,2";
    QTest::newRow("line ends") << "a\r\nb\rc\nd";
    QTest::newRow("quote inside a plain text") << "a\"b\"";
    QTest::newRow("leading blank, as bt \" on\" that means shift off") << " on";
    QTest::newRow("trailing tab") << "H\t";
    QTest::newRow("tab inside") << "a\tb";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("comma followed by a line end") << ",\n";
    QTest::newRow("Null as a text") << "Null";
    QTest::newRow("non-ASCII") << QStringLiteral("信道 一");
    QTest::newRow("1024 characters") << QString(1024, u'x');
    QTest::newRow("1024 Chinese characters") << QString(1024, QChar(0x4FE1));
}

void TestChannelFile::savedTextLoadsBackExactly() {
    QFETCH(QString, text);
    // The text in row 1's bt (converted only when a number) and in row 16's pw
    // (never converted): every value must come back in its place.
    ChannelRows rows = workedExampleRows();
    rows[0][Field::Bt] = text;
    rows[15][Field::Pw] = text;
    const std::optional<QByteArray> bytes = encodeChannelFile(QStringLiteral("  3"), rows);
    QVERIFY(bytes);
    ChannelValueSplitter splitter;
    // One byte at a time: no chunk edge may change the result.
    for (const char c : *bytes)
        splitter.feed(&c, 1);
    splitter.finish();
    QVERIFY(splitter.complete());
    QStringList expected{QStringLiteral("3")};
    for (const ChannelRecord& row : rows)
        for (int f = 1; f <= 6; ++f)
            expected << row.fields[f].value_or(QStringLiteral("Null"));
    QCOMPARE(splitter.values(), expected);

    TableFixture fx;
    QVERIFY(fx.open());
    QVERIFY(fx.table->replaceDataFields(rows));
    const QString file = fx.dir.filePath(QStringLiteral("typed.doc"));
    QVERIFY(saveTableToFile(*fx.table, QStringLiteral("  3"), file));
    QCOMPARE(loadTableFromFile(*fx.table, file), QStringLiteral("3"));
    QCOMPARE(fx.table->row(15).text(Field::Pw), text);
    if (!isChannelFileNumber(text))
        QCOMPARE(fx.table->row(0).text(Field::Bt), text);
}

void TestChannelFile::squelchLoadsBack_data() {
    // The squelch is only ever used without the blanks at its ends, and the
    // list's items ("  3") are written as they are, so those blanks may go.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("picked from the list") << "  3" << QByteArray("  3") << "3";
    QTest::newRow("tabs at the ends") << "\t7\t" << QByteArray("\t7\t") << "7";
    QTest::newRow("comma") << "1,2" << QByteArray("\"1,2\"") << "1,2";
    QTest::newRow("comma keeps its blanks") << " 1,2 " << QByteArray("\" 1,2 \"") << " 1,2 ";
    QTest::newRow("line end") << "3\n" << QByteArray("\"3\n\"") << "3\n";
    QTest::newRow("quote inside") << " a\"b " << QByteArray(" a\"b ") << "a\"b";
}

void TestChannelFile::squelchLoadsBack() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    QFETCH(QString, loaded);
    const std::optional<QByteArray> bytes = encodeChannelFile(typed, workedExampleRows());
    QVERIFY(bytes);
    QCOMPARE(bytes->left(bytes->size() - kWorkedExample.size() + 3), written);
    QCOMPARE(readBytes(*bytes).contents.squelch, loaded);
}

void TestChannelFile::textTheFormatCannotCarryIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("where"); // 0 squelch, else row 7's field
    QTest::newRow("squelch typed as 1,\"2\"") << "1,\"2\"" << 0;
    QTest::newRow("leading quote") << "\"3" << 0;
    QTest::newRow("leading quote after blanks") << "  \"3" << 0;
    QTest::newRow("leading quote in a field") << "\"on\"" << 5;
    QTest::newRow("quote with a comma") << "a,\"b" << 5;
    QTest::newRow("quote with a line end") << "a\"\nb" << 1;
    QTest::newRow("quote with a leading blank") << " a\"" << 6;
    QTest::newRow("NUL") << QString::fromUtf8("a\0b", 3) << 2;
    QTest::newRow("1025 characters") << QString(1025, u'7') << 3;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << 4;
    QTest::newRow("leading byte-order mark, which a load drops") << QStringLiteral("\uFEFFL") << 6;
    // Carried byte for byte, yet no load would take the file back.
    QTest::newRow("squelch -1e400") << "-1e400" << 0;
    QTest::newRow("a tone of 1e999") << "1e999" << 2;
}

void TestChannelFile::textTheFormatCannotCarryIsRefused() {
    QFETCH(QString, text);
    QFETCH(int, where);
    TableFixture fx;
    QVERIFY(fx.open());
    ChannelRows rows = workedExampleRows();
    QString squelch = QStringLiteral("3");
    if (where == 0)
        squelch = text;
    else
        rows[6].fields[where] = text;
    QVERIFY(fx.table->replaceDataFields(rows));
    QVERIFY(!encodeChannelFile(squelch, rows));

    // An existing file stays as it was, and the user is told once.
    const QString file = fx.dir.filePath(QStringLiteral("old.doc"));
    QVERIFY(writeBytes(file, kWorkedExample));
    fx.table->moveFirst();
    QVERIFY(!saveTableToFile(*fx.table, squelch, file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), kWorkedExample);
    QCOMPARE(QDir(fx.dir.path()).entryList(QDir::Files).size(), 2);
    QCOMPARE(saveChannelFile(fx.dir.filePath(QStringLiteral("new.doc")), squelch, rows),
             ChannelFileError::CannotCarry);
    QVERIFY(!QFile::exists(fx.dir.filePath(QStringLiteral("new.doc"))));
}

void TestChannelFile::splitting_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("firstValues");
    const QByteArray rest = valuesFile(93);
    QTest::newRow("commas") << QByteArray("a,b,c,d,") + rest << QStringList{"a", "b", "c", "d"};
    QTest::newRow("blanks and tabs trimmed")
        << QByteArray(" a ,\tb\t, c d ,   ,") + rest << QStringList{"a", "b", "c d", ""};
    QTest::newRow("one per line LF")
        << QByteArray("a\nb\nc\nd\n") + valuesFile(93, "\n") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("one per line CRLF")
        << QByteArray("a\r\nb\r\nc\r\nd\r\n") + valuesFile(93, "\r\n")
        << QStringList{"a", "b", "c", "d"};
    QTest::newRow("one per line CR")
        << QByteArray("a\rb\rc\rd\r") + valuesFile(93, "\r") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("comma then line end is one end")
        << QByteArray("a,\nb,\r\nc,  \rd,") + rest << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty line is an empty value")
        << QByteArray("a\n\nb\nc\n") + valuesFile(93, "\n") << QStringList{"a", "", "b", "c"};
    QTest::newRow("quoted value holds a comma")
        << QByteArray("\"a,b\",c,\" d \",e,") + rest << QStringList{"a,b", "c", " d ", "e"};
    QTest::newRow("text after a closing quote dropped")
        << QByteArray("\"a\"xyz,b,c,d,") + rest << QStringList{"a", "b", "c", "d"};
    QTest::newRow("a byte-order mark that begins a value dropped, one only")
        << QByteArray("\xEF\xBB\xBF"
                      "a,\xEF\xBB\xBF\xEF\xBB\xBF"
                      "b,c\xEF\xBB\xBF,\"\xEF\xBB\xBF"
                      "d\",") +
               rest
        << QStringList{"a", QStringLiteral("\uFEFFb"), QStringLiteral("c\uFEFF"), "d"};
    QTest::newRow("non-ASCII kept")
        << QByteArray("信道,b,c,d,") + rest << QStringList{"信道", "b", "c", "d"};
    QTest::newRow("tab inside a value kept") << QByteArray("a\tb,a \t b,\ta\t,\" \tq\t \",") + rest
                                             << QStringList{"a\tb", "a \t b", "a", " \tq\t "};
    QTest::newRow("any number of blanks after a value dropped")
        << QByteArray("a") + QByteArray(5000, ' ') + ",b" + QByteArray(9000, '\t') + "\nc,d," + rest
        << QStringList{"a", "b", "c", "d"};
    QTest::newRow("any number of blanks before a value dropped")
        << QByteArray(5000, ' ') + "a," + QByteArray(9000, '\t') + "b,c,d," + rest
        << QStringList{"a", "b", "c", "d"};
    QTest::newRow("last value ends at end of file")
        << valuesFile(96) + QByteArray("  last  ") << QStringList{"0", "1", "2", "3"};
}

void TestChannelFile::splitting() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, firstValues);
    ChannelValueSplitter splitter;
    // Split into odd-sized pieces so that no state depends on chunk edges.
    for (qsizetype i = 0; i < bytes.size(); i += 3)
        if (!splitter.feed(bytes.constData() + i, qMin<qsizetype>(3, bytes.size() - i)))
            break;
    splitter.finish();
    QVERIFY(splitter.complete());
    QCOMPARE(splitter.values().size(), kChannelFileValues);
    QCOMPARE(splitter.values().mid(0, 4), firstValues);
}

void TestChannelFile::badFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    const auto e = [](ChannelFileError x) {
        return static_cast<int>(x);
    };
    QTest::newRow("empty") << QByteArray() << e(ChannelFileError::TooFewValues);
    QTest::newRow("squelch and ten values") << valuesFile(11) << e(ChannelFileError::TooFewValues);
    QTest::newRow("96 values") << valuesFile(96) << e(ChannelFileError::TooFewValues);
    QTest::newRow("96 values and blanks") << valuesFile(96) + "   \n"
                                          << e(ChannelFileError::TooFewValues);
    QTest::newRow("unbalanced quote")
        << QByteArray("\"abc,") + valuesFile(97) << e(ChannelFileError::TooFewValues);
    QTest::newRow("NUL byte") << QByteArray("3,\0,", 4) + valuesFile(96)
                              << e(ChannelFileError::NotText);
    QTest::newRow("value of 1025 characters")
        << QByteArray(1025, 'x') + "," + valuesFile(96) << e(ChannelFileError::ValueTooLong);
    QTest::newRow("runaway value of 10 MB")
        << QByteArray(10 << 20, 'x') << e(ChannelFileError::ValueTooLong);
    QTest::newRow("number too large")
        << QByteArray("1e999,") + valuesFile(96) << e(ChannelFileError::BadNumber);
    QTest::newRow("number too large despite a negative exponent")
        << QByteArray("0,1") + QByteArray(400, '0') + "e-1," + valuesFile(95)
        << e(ChannelFileError::BadNumber);
    QTest::newRow("blanks inside make a value too long")
        << QByteArray("a") + QByteArray(5000, ' ') + "b," + valuesFile(96)
        << e(ChannelFileError::ValueTooLong);
}

void TestChannelFile::badFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QCOMPARE(static_cast<int>(readBytes(bytes).error), error);
}

void TestChannelFile::everyTruncationOfTheExampleFails() {
    for (qsizetype n = 0; n < kWorkedExample.size(); ++n)
        QCOMPARE(readBytes(kWorkedExample.left(n)).error, ChannelFileError::TooFewValues);
    QCOMPARE(readBytes(kWorkedExample).error, ChannelFileError::None);
    QCOMPARE(readBytes(QByteArray(1024, 'x') + "," + valuesFile(96)).error, ChannelFileError::None);
}

void TestChannelFile::noiseNeverCrashes() {
    QRandomGenerator rng(97);
    const QByteArray alphabet("\0\r\n,\" \t9.eE-+abc\xff\xe4", 18);
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes(rng.bounded(2000), '\0');
        for (char& c : bytes)
            c = i % 2 ? alphabet[rng.bounded(int(alphabet.size()))] : char(rng.bounded(256));
        const ChannelFileRead read = readBytes(bytes);
        if (read.error == ChannelFileError::None)
            QVERIFY(!bytes.contains('\0'));
    }
}

void TestChannelFile::conversion_data() {
    QTest::addColumn<int>("place"); // 0 squelch, else the field
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    const int rf = 1, rct = 2, bt = 5, pw = 6;
    QTest::newRow("squelch picked") << 0 << "  3"
                                    << "3";
    QTest::newRow("squelch leading zero") << 0 << "03"
                                          << "3";
    QTest::newRow("squelch decimals") << 0 << "3.50"
                                      << "3.5";
    QTest::newRow("squelch below one") << 0 << "0.50"
                                       << "0.5";
    QTest::newRow("squelch text") << 0 << "abc"
                                  << "abc";
    QTest::newRow("squelch empty") << 0 << ""
                                   << "";
    QTest::newRow("frequency padded") << rf << "145.0125"
                                      << "145.01250";
    QTest::newRow("frequency whole") << rf << "435.5"
                                     << "435.50000";
    QTest::newRow("frequency below one") << rf << "0.5"
                                         << ".50000";
    QTest::newRow("frequency exponent") << rf << "1.45e2"
                                        << "145.00000";
    QTest::newRow("frequency letters") << rf << "abc"
                                       << "abc";
    QTest::newRow("frequency empty") << rf << ""
                                     << "";
    QTest::newRow("frequency Null") << rf << "Null"
                                    << "Null";
    QTest::newRow("frequency with trailing letters is no number") << rf << "145.5x"
                                                                  << "145.5x";
    QTest::newRow("frequency with decimal comma") << rf << "\"145,5\""
                                                  << "145,5";
    QTest::newRow("tone loses .0") << rct << "67.0"
                                   << "67";
    QTest::newRow("tone hundred") << rct << "100.0"
                                  << "100";
    QTest::newRow("tone stays") << rct << "69.3"
                                << "69.3";
    QTest::newRow("tone blank") << rct << "   "
                                << "";
    QTest::newRow("shift text") << bt << "off"
                                << "off";
    QTest::newRow("shift number") << bt << "1.0"
                                  << "1";
    QTest::newRow("power never converted") << pw << "1.0"
                                           << "1.0";
    QTest::newRow("power text") << pw << "L"
                                << "L";
    QTest::newRow("squelch tiny is zero") << 0 << "0." + QString(323, u'0') + "1"
                                          << "0";
    QTest::newRow("frequency tiny is zero") << rf << "0." + QString(323, u'0') + "1"
                                            << ".00000";
    QTest::newRow("squelch with a final line end is no number") << 0 << "\"3\n\""
                                                                << "3\n";
    QTest::newRow("tone with a final line end is no number") << rct << "\"67.0\r\n\""
                                                             << "67.0\r\n";
}

void TestChannelFile::conversion() {
    QFETCH(int, place);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QByteArrayList values(kChannelFileValues, QByteArray("x"));
    values[place] = value.toUtf8(); // row 1's fields are places 1 to 6
    const ChannelFileRead read = readBytes(values.join(',') + ',');
    QCOMPARE(read.error, ChannelFileError::None);
    const QString got =
        place == 0 ? read.contents.squelch : read.contents.rows[0].text(static_cast<Field>(place));
    QCOMPARE(got, stored);
}

void TestChannelFile::loadingTheWorkedExample() {
    TableFixture fx;
    QVERIFY(fx.open());
    const QString file = fx.dir.filePath(QStringLiteral("example.doc"));
    QVERIFY(writeBytes(file, kWorkedExample));
    fx.table->setCurrentRow(9);
    QCOMPARE(loadTableFromFile(*fx.table, file), QStringLiteral("3"));
    QCOMPARE(fx.table->currentRow(), 0);
    const QStringList row1{"145.01250", "67", "145.01250", "67", "off", "H"};
    const QStringList row2{"435.50000", "", "", "", "on", "L"};
    for (int f = 1; f <= 6; ++f) {
        QCOMPARE(fx.table->row(0).text(static_cast<Field>(f)), row1[f - 1]);
        QCOMPARE(fx.table->row(1).text(static_cast<Field>(f)), row2[f - 1]);
        QCOMPARE(fx.table->row(15).fields[f], FieldValue(QString()));
    }
    for (int k = 0; k < kChannelCount; ++k)
        QCOMPARE(fx.table->row(k).text(Field::No), QString::number(k + 1));

    // A file of the values one per line loads the same.
    QByteArray perLine = kWorkedExample;
    perLine.replace(',', '\n');
    QVERIFY(writeBytes(file, perLine));
    ChannelRows before = fx.table->rows();
    QCOMPARE(loadTableFromFile(*fx.table, file), QStringLiteral("3"));
    QCOMPARE(fx.table->rows(), before);
}

void TestChannelFile::failedLoadChangesNothing() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(1, {"438.50000", "88.5", "438.50000", "", "off", "H"});
    fx.table->moveFirst();
    const ChannelRows before = fx.table->rows();
    const QString file = fx.dir.filePath(QStringLiteral("short.doc"));
    QVERIFY(writeBytes(file, QByteArray("12,1,2,3,4,5,6,7,8,9,10,")));
    const QString missing = fx.dir.filePath(QStringLiteral("missing.doc"));
    for (const QString& path : {file, missing, fx.dir.path()}) {
        QVERIFY(loadTableFromFile(*fx.table, path).isNull());
        QCOMPARE(fx.table->rows(), before);
    }
}

void TestChannelFile::largeFileReadsOnlyItsStart() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("big.doc"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kWorkedExample);
    const QByteArray junk(1 << 20, '\0');
    for (int i = 0; i < 64; ++i) // 64 MB of what is no text at all
        f.write(junk);
    f.close();
    const ChannelFileRead read = readChannelFile(file);
    QCOMPARE(read.error, ChannelFileError::None);
    QCOMPARE(read.contents.rows[1].text(Field::Pw), QStringLiteral("L"));
}

void TestChannelFile::saveReplacesAndKeepsName() {
    TableFixture fx;
    QVERIFY(fx.open());
    QVERIFY(fx.table->replaceDataFields(workedExampleRows()));
    const QString file = fx.dir.filePath(QStringLiteral("noextension"));
    QVERIFY(writeBytes(file, QByteArray(5000, 'z')));
    fx.table->moveFirst();
    QVERIFY(saveTableToFile(*fx.table, QStringLiteral("  3"), file));
    QVERIFY(!fx.table->hasCurrentRow());
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), kWorkedExample);
    QCOMPARE(QDir(fx.dir.path()).entryList(QDir::Files).size(),
             2); // database and file, no temporaries
}

void TestChannelFile::failedSaveReports() {
    TableFixture fx;
    QVERIFY(fx.open());
    const QString inMissingFolder = fx.dir.filePath(QStringLiteral("no/such/folder/x.doc"));
    QVERIFY(!saveTableToFile(*fx.table, QStringLiteral("3"), inMissingFolder));
    QVERIFY(!saveTableToFile(*fx.table, QStringLiteral("3"), fx.dir.path()));
    QVERIFY(QFileInfo(fx.dir.path()).isDir());
    QCOMPARE(fx.table->currentRow(), 0);
}

void TestChannelFile::saveLoadRoundTrip() {
    // Saved and loaded again, a table differs only where documented: whole
    // tones lose ".0", the squelch text loses its blanks (it is a number) and
    // nulls come back as "Null".
    QRandomGenerator rng(41);
    const QStringList frequencies{"145.01250", "438.50000", "", "   ", "abc", "信道"};
    const QStringList tones{"67.0", "69.3", "250.3", "100.0", "", "   "};
    const QStringList shifts{"on", "off", "  ", ""};
    const QStringList powers{"H", "L", "  ", ""};
    const QList<QStringList> pools{frequencies, tones, frequencies, tones, shifts, powers};
    TableFixture fx;
    QVERIFY(fx.open());
    const QString file = fx.dir.filePath(QStringLiteral("round.doc"));
    for (int round = 0; round < 25; ++round) {
        ChannelRows rows{};
        for (ChannelRecord& r : rows)
            for (int f = 1; f <= 6; ++f)
                r.fields[f] = rng.bounded(10) == 0
                                  ? FieldValue()
                                  : FieldValue(pools[f - 1][rng.bounded(int(pools[f - 1].size()))]);
        QVERIFY(fx.table->replaceDataFields(rows));
        const QString squelch = QStringLiteral("  %1").arg(rng.bounded(10));
        QVERIFY(saveTableToFile(*fx.table, squelch, file));
        QCOMPARE(loadTableFromFile(*fx.table, file), squelch.trimmed());
        for (int k = 0; k < kChannelCount; ++k) {
            for (int f = 1; f <= 6; ++f) {
                const FieldValue& was = rows[k].fields[f];
                QString expected = was ? *was : QStringLiteral("Null");
                const bool tone = f == 2 || f == 4;
                if (tone && expected.endsWith(QStringLiteral(".0")))
                    expected.chop(2);
                QCOMPARE(fx.table->row(k).text(static_cast<Field>(f)), expected);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestChannelFile)
#include "tst_channelfile.moc"
