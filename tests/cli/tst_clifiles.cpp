// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-cli's file commands as a user runs them, no radio: convert between
// channel files, CHIRP CSV and the database, show a CSV file, and the
// messages in the language the locale asks for.

#include "channels/channeltable.h"
#include "filebytes.h"
#include "files/channelfile.h"
#include "link/framecompare.h"
#include "linksamples.h"
#include "toolrun.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace zt41;

namespace {

// Runs the tool in the C locale unless `locale` says otherwise.
ToolRun cli(const QStringList& arguments, const Settings& locale = {{"LANG", "C.UTF-8"}}) {
    return runTool(QStringLiteral(ZT41_CLI_PATH), arguments, toolEnvironment(locale));
}

ChannelRows withChannel(int k, const QStringList& fields) {
    ChannelRows rows = emptyRows(sampleRows());
    for (int f = 1; f < kFieldCount; ++f)
        rows[k - 1].fields[f] = fields.value(f - 1);
    return rows;
}

const char kHeader[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                       "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                       "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// A repeater list as a directory exports it: three good rows, one off the
// channel steps, one with a DTCS tone, one with a tone the radio lacks.
QByteArray repeaterList() {
    return QByteArray(kHeader) +
           "1,W1AW,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"
           "Newington,,,,\r\n"
           "2,\"HILL, NORTH\",442.500000,+,5.000000,TSQL,88.5,141.3,023,NN,023,Tone->Tone,FM,5.00,"
           ",Low,bt=on,,,,\r\n"
           "3,ODD,146.522500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,2.50,,5.0W,,,,,\r\n"
           "4,DCS,145.350000,-,0.600000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"
           "5,SIMPLEX,145.500000,,0.000000,TSQL,88.5,159.8,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,"
           "\r\n"
           "6,CROSS,439.425000,split,431.025000,Cross,67.0,71.9,023,NN,023,Tone->Tone,FM,5.00,,"
           "5.0W,,,,,\r\n";
}

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();

    void versionAndHelp_data();
    void versionAndHelp();
    void messagesFollowTheLocale_data();
    void messagesFollowTheLocale();
    void roundTripThroughCsvKeepsEveryField_data();
    void roundTripThroughCsvKeepsEveryField();
    void csvTakesTheSquelchLevelFromTheCommandLine_data();
    void csvTakesTheSquelchLevelFromTheCommandLine();
    void refusals_data();
    void refusals();
    void outputThatIsNoPlainFileIsRefusedAtOnce();
    void databaseIsLeftByteForByte_data();
    void databaseIsLeftByteForByte();
    void showOfACsvNamesEachWarning_data();
    void showOfACsvNamesEachWarning();
    void diffOfACsvAndAChannelFile();
    void namesAreFilesAndNothingIsDroppedSilently();
    void manPageListsEveryOption();
    void serviceCommands_data();
    void serviceCommands();
    void cardOfAPlan();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString channelFile(const QString& name, const ChannelRows& rows, const QString& squelch);
    QString database(const ChannelRows& rows);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliFiles::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestCliFiles::channelFile(const QString& name, const ChannelRows& rows,
                                  const QString& squelch) {
    const QString file = path(name);
    return saveChannelFile(file, squelch, rows) == ChannelFileError::None ? file : QString();
}

QString TestCliFiles::database(const ChannelRows& rows) {
    const QString db = path(ChannelTable::defaultFileName());
    ChannelTable table;
    if (!table.open(db) || !table.replaceDataFields(rows))
        return QString();
    return db;
}

void TestCliFiles::versionAndHelp_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "zt41-cli 1.1\n"
                               << "";
    QTest::newRow("no command: the usage on stderr") << QStringList{} << 1 << ""
                                                     << "Usage: zt41-cli COMMAND";
    QTest::newRow("a misspelt command") << QStringList{"conver", "a.doc", "b.csv"} << 1 << ""
                                        << "zt41-cli: unknown command \"conver\"";
    QTest::newRow("--help names convert") << QStringList{"--help"} << 0 << "  convert IN OUT"
                                          << "";
    QTest::newRow("show --help names the tool and the command")
        << QStringList{"show", "--help"} << 0 << "Usage: zt41-cli show [options] FILE"
        << "";
    QTest::newRow("--help-all as --help")
        << QStringList{"diff", "--help-all"} << 0 << "Usage: zt41-cli diff [options]"
        << "";
    QTest::newRow("the program named once") << QStringList{"show"} << 1 << ""
                                            << "zt41-cli: show takes one FILE";
    QTest::newRow("a squelch level no file could load")
        << QStringList{"convert", "--squelch=-1e400", "a.csv", "b.doc"} << 1 << ""
        << "--squelch: \"-1e400\" is no squelch level: give 0 to 9";
    QTest::newRow("convert --help tells where the squelch level comes from")
        << QStringList{"convert", "--help"} << 0 << "from CSV the level is --squelch (default 3)"
        << "";
}

void TestCliFiles::versionAndHelp() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const ToolRun run = cli(arguments);
    QCOMPARE(run.status, status);
    if (out.endsWith(u'\n'))
        QCOMPARE(run.out, out);
    else
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
    if (err.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
}

void TestCliFiles::messagesFollowTheLocale_data() {
    QTest::addColumn<Settings>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown"); // on stdout and stderr together
    const QString english = QStringLiteral("Usage: zt41-cli COMMAND [OPTIONS]");
    const QString chinese = QStringLiteral("用法：zt41-cli 命令 [选项]");
    const QStringList help{"--help"};
    QTest::newRow("C locale: English") << Settings{{"LANG", "C"}} << help << 0 << english;
    QTest::newRow("no locale at all: English") << Settings{} << help << 0 << english;
    QTest::newRow("LANG=zh_CN.UTF-8: Chinese")
        << Settings{{"LANG", "zh_CN.UTF-8"}} << help << 0 << chinese;
    QTest::newRow("LC_ALL outranks LANG")
        << Settings{{"LANG", "C"}, {"LC_ALL", "zh_CN.UTF-8"}} << help << 0 << chinese;
    QTest::newRow("LC_ALL=C outranks a Chinese LANG")
        << Settings{{"LANG", "zh_CN.UTF-8"}, {"LC_ALL", "C"}} << help << 0 << english;
    QTest::newRow("LC_MESSAGES alone")
        << Settings{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}} << help << 0
        << chinese;
    QTest::newRow("traditional Chinese is not given the simplified texts")
        << Settings{{"LANG", "zh_TW.UTF-8"}} << help << 0 << english;
    QTest::newRow("a command's own help, Qt's words included")
        << Settings{{"LANG", "zh_CN.UTF-8"}} << QStringList{"convert", "--help"} << 0
        << "选项：\n  --squelch <LEVEL>  信道数据库和 CSV 文件不含静噪级别";
    QTest::newRow("Qt's own error words")
        << Settings{{"LANG", "zh_CN.UTF-8"}} << QStringList{"show", "--bogus", "a.doc"} << 1
        << "zt41-cli：未知选项“bogus”。\n"; // the full-width colon throughout
    QTest::newRow("a missing file")
        << Settings{{"LANG", "zh_CN.UTF-8"}} << QStringList{"show", "/nonexistent/a.doc"} << 4
        << "zt41-cli：/nonexistent/a.doc：文件不存在\n";
    QTest::newRow("the library's CSV words follow the tool's language")
        << Settings{{"LANG", "zh_CN.UTF-8"}} << QStringList{"show", "no-frequency.csv"} << 4
        << "第一行没有 Frequency 列";
}

void TestCliFiles::messagesFollowTheLocale() {
    QFETCH(Settings, locale);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, shown);
    QVERIFY(writeBytes(path("no-frequency.csv"), "Location,Name,Freq\n1,A,145.5\n"));
    QDir::setCurrent(m_dir->path());
    const ToolRun run = cli(arguments, locale);
    QCOMPARE(run.status, status);
    QVERIFY2((run.out + run.err).contains(shown), qPrintable(run.out + run.err));
}

void TestCliFiles::roundTripThroughCsvKeepsEveryField_data() {
    QTest::addColumn<ChannelRows>("rows");
    // rf, rct, tf, tct, bt, pw in channel 5
    QTest::newRow("simplex, no tones, beat shift on, low power")
        << withChannel(5, {"145.50000", "", "145.50000", "", "on", "L"});
    QTest::newRow("repeater 600 kHz down, transmit tone only")
        << withChannel(5, {"146.94000", "", "146.34000", "100.0", "off", "H"});
    QTest::newRow("repeater 5 MHz up, same tone both ways")
        << withChannel(5, {"442.50000", "141.3", "447.50000", "141.3", "off", "H"});
    QTest::newRow("receive tone only")
        << withChannel(5, {"439.42500", "67.0", "439.42500", "", "off", "L"});
    QTest::newRow("two different tones, odd split on a 6.25 kHz step")
        << withChannel(5, {"430.01250", "71.9", "145.61250", "250.3", "on", "H"});
    QTest::newRow("receive only: no transmit frequency")
        << withChannel(5, {"162.55000", "", "", "", "off", "H"});
    QTest::newRow("sixteen full channels") << sampleRows();
}

void TestCliFiles::roundTripThroughCsvKeepsEveryField() {
    QFETCH(ChannelRows, rows);
    const QString doc = channelFile("team.doc", rows, QStringLiteral("4"));
    QVERIFY(!doc.isEmpty());
    const QString csv = path("team.csv");
    const QString back = path("back.doc");
    ToolRun run = cli({"convert", doc, csv});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(run.out + run.err, QString());
    run = cli({"convert", "--squelch", "4", csv, back});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(run.err, QString()); // nothing to warn about in its own export
    const ChannelFileRead read = readChannelFile(back);
    QCOMPARE(read.error, ChannelFileError::None);
    QCOMPARE(
        compareInFrameForm(QStringLiteral("4"), rows, read.contents.squelch, read.contents.rows),
        QList<FieldDifference>{});
    // The beat shift travels in Comment, the only column CHIRP leaves free for it.
    const QByteArray text = fileBytes(csv);
    QCOMPARE(text.count("bt=on"), std::count_if(rows.begin(), rows.end(), [](const auto& r) {
                 return r.text(Field::Bt) == u"on";
             }));
}

void TestCliFiles::csvTakesTheSquelchLevelFromTheCommandLine_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("squelch");
    QTest::newRow("default 3") << QStringList{} << "3";
    QTest::newRow("--squelch 7") << QStringList{"--squelch", "7"} << "7";
}

void TestCliFiles::csvTakesTheSquelchLevelFromTheCommandLine() {
    QFETCH(QStringList, options);
    QFETCH(QString, squelch);
    const QString csv = path("list.csv");
    QVERIFY(writeBytes(csv, repeaterList()));
    const QString doc = path("list.doc");
    const ToolRun run = cli(QStringList{"convert"} + options + QStringList{csv, doc});
    QCOMPARE(run.status, 0);
    const ChannelFileRead read = readChannelFile(doc);
    QCOMPARE(read.error, ChannelFileError::None);
    QCOMPARE(read.contents.squelch, squelch);
    QCOMPARE(read.contents.rows[0].text(Field::Rf), QStringLiteral("146.94000"));
    QCOMPARE(read.contents.rows[0].text(Field::Tf), QStringLiteral("146.34000"));
    QCOMPARE(read.contents.rows[1].text(Field::Bt), QStringLiteral("on"));
    QCOMPARE(read.contents.rows[1].text(Field::Pw), QStringLiteral("L"));
    // The channel off the steps keeps its place, emptied, not moved up.
    QCOMPARE(read.contents.rows[2].text(Field::Rf), QString());
    QCOMPARE(read.contents.rows[4].text(Field::Rf), QStringLiteral("145.50000"));
}

void TestCliFiles::refusals_data() {
    QTest::addColumn<QString>("in"); // file names in the test's folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    // Two good rows: nothing to warn about before the refusal.
    const QByteArray list = repeaterList().left(repeaterList().indexOf("\r\n3,") + 2);
    QTest::newRow("missing file") << "gone.csv" << QByteArray() << "out.doc" << 4
                                  << "gone.csv: no such file";
    QTest::newRow("not CSV: a binary file named .csv")
        << "photo.csv" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "out.doc" << 4
        << "not taken as CHIRP CSV: not a text file";
    QTest::newRow("no Frequency column")
        << "names.csv" << QByteArray("Location,Name,Tone\r\n1,A,Tone\r\n") << "out.doc" << 4
        << "no Frequency column";
    QTest::newRow("no usable row")
        << "bad.csv" << QByteArray(kHeader) + "1,A,999.000000,,,,,,,,,,FM\r\n"
        << "out.doc" << 4 << "no row has a usable receive frequency";
    QTest::newRow("a channel file that is not one")
        << "short.doc" << QByteArray("3,145.0,,") << "out.csv" << 4
        << "short.doc: not a channel file";
    QTest::newRow("OUT is a database, by its name")
        << "list.csv" << list << "ZT41XE.mdb" << 1 << "ZT41XE.mdb is a channel database";
    QTest::newRow("OUT is a database, renamed .doc")
        << "list.csv" << list << "renamed-db.doc" << 1 << "renamed-db.doc is a channel database";
    QTest::newRow("OUT of an unknown kind")
        << "list.csv" << list << "list.txt" << 1 << "list.txt: unknown kind of file";
    QTest::newRow("OUT in a folder that does not exist")
        << "list.csv" << list << "no-folder/out.doc" << 1 << "does not exist or cannot be written";
    QTest::newRow("OUT is a folder")
        << "list.csv" << list << "folder.csv" << 1 << "is not a plain file";
    QTest::newRow("OUT is IN") << "list.csv" << list << "list.csv" << 1
                               << "list.csv is the file being read";
}

void TestCliFiles::refusals() {
    QFETCH(QString, in);
    QFETCH(QByteArray, content);
    QFETCH(QString, out);
    QFETCH(int, status);
    QFETCH(QString, message);
    if (!content.isEmpty())
        QVERIFY(writeBytes(path(in), content));
    const QString db = database(sampleRows());
    QVERIFY(!db.isEmpty());
    QVERIFY(QFile::copy(db, path("renamed-db.doc")));
    QVERIFY(QDir(m_dir->path()).mkdir("folder.csv"));
    const QByteArray dbBefore = fileBytes(db);
    const QString target = path(out);
    const QByteArray targetBefore = fileBytes(target);

    const ToolRun run = cli({"convert", path(in), target});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.startsWith(QStringLiteral("zt41-cli: ")) && run.err.contains(message),
             qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QCOMPARE(run.out, QString());
    // Nothing written anywhere.
    QCOMPARE(fileBytes(target), targetBefore);
    QCOMPARE(fileBytes(db), dbBefore);
    QCOMPARE(fileBytes(path("renamed-db.doc")), dbBefore);
}

void TestCliFiles::outputThatIsNoPlainFileIsRefusedAtOnce() {
    // A FIFO as OUT: looking into it, or writing it, would wait for a reader for ever.
    const QString fifo = path("pipe.doc");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString doc = channelFile("team.doc", sampleRows(), QStringLiteral("3"));
    QElapsedTimer timer;
    timer.start();
    const ToolRun run = cli({"convert", doc, fifo});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(fifo + QStringLiteral(" is not a plain file")), qPrintable(run.err));
    QVERIFY(timer.elapsed() < 10000);
}

void TestCliFiles::databaseIsLeftByteForByte_data() {
    QTest::addColumn<QString>("out");
    QTest::newRow("to a channel file") << "from-db.doc";
    QTest::newRow("to CSV") << "from-db.csv";
}

void TestCliFiles::databaseIsLeftByteForByte() {
    QFETCH(QString, out);
    const QString db = database(sampleRows());
    QVERIFY(!db.isEmpty());
    const QByteArray before = fileBytes(db);
    const QDateTime modified = QFileInfo(db).lastModified();
    const ToolRun run = cli({"convert", "--squelch", "5", db, path(out)});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(fileBytes(db), before);
    QCOMPARE(QFileInfo(db).lastModified(), modified);
    QVERIFY(!QFile::exists(db + QStringLiteral("-journal")));
    QVERIFY(!QFile::exists(db + QStringLiteral("-wal")));
    // What was written holds the database's channels.
    const QString doc = path("check.doc");
    QCOMPARE(cli({"convert", "--squelch", "5", path(out), doc}).status, 0);
    const ChannelFileRead read = readChannelFile(doc);
    QCOMPARE(compareInFrameForm(QStringLiteral("5"), sampleRows(), read.contents.squelch,
                                read.contents.rows),
             QList<FieldDifference>{});
}

void TestCliFiles::showOfACsvNamesEachWarning_data() {
    QTest::addColumn<Settings>("locale");
    QTest::addColumn<QStringList>("warnings"); // what each stderr line holds, in order
    QTest::newRow("English") << Settings{{"LANG", "C.UTF-8"}}
                             << QStringList{"line 4 (channel 3): receive frequency (Frequency) "
                                            "\"146.522500\" is on neither the 5 kHz nor the "
                                            "6.25 kHz step",
                                            "line 5 (channel 4): tone mode (Tone) \"DTCS\" is not "
                                            "supported",
                                            "line 6 (channel 5): tone (cToneFreq) \"159.8\" is not "
                                            "one of the radio's 39 CTCSS tones"};
    QTest::newRow("Chinese") << Settings{{"LANG", "zh_CN.UTF-8"}}
                             << QStringList{"第 4 行（信道 3）", "第 5 行（信道 4）",
                                            "第 6 行（信道 5）"};
}

void TestCliFiles::showOfACsvNamesEachWarning() {
    QFETCH(Settings, locale);
    QFETCH(QStringList, warnings);
    const QString csv = path("repeaters.csv");
    QVERIFY(writeBytes(csv, repeaterList()));
    const ToolRun run = cli({"show", csv}, locale);
    QCOMPARE(run.status, 0);
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), warnings.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Chinese messages take the full-width colon.
        const QString colon =
            locale.first().second.startsWith(u"zh") ? QStringLiteral("：") : QStringLiteral(": ");
        QVERIFY2(lines[i].startsWith(QStringLiteral("zt41-cli") + colon + csv + colon),
                 qPrintable(lines[i]));
        QVERIFY2(lines[i].contains(warnings[i]), qPrintable(lines[i]));
    }
    // The good rows are shown in their places, the CSV's default squelch level too.
    QVERIFY2(run.out.contains(QRegularExpression(
                 QStringLiteral("\\n +1  146\\.94000 +146\\.34000  100\\.0 +off +H\\n"))),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QRegularExpression(
                 QStringLiteral("\\n +2  442\\.50000  141\\.3 +447\\.50000  141\\.3 +on +L\\n"))),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QRegularExpression(QStringLiteral("\\n +6  439\\.42500  71\\.9 +"
                                                                "431\\.02500  67\\.0 +off +H\\n"))),
             qPrintable(run.out));
}

void TestCliFiles::diffOfACsvAndAChannelFile() {
    // A list exported to CSV and imported again is the same list.
    const QString doc = channelFile("team.doc", sampleRows(), QStringLiteral("3"));
    const QString csv = path("team.csv");
    QCOMPARE(cli({"convert", doc, csv}).status, 0);
    ToolRun run = cli({"diff", doc, csv});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("no differences\n"));
    // A squelch level other than the CSV's stand-in is a difference.
    run = cli({"diff", "--squelch", "5", doc, csv});
    QCOMPARE(run.status, 3);
    QVERIFY2(run.out.startsWith(QStringLiteral("squelch level: 3 in ")) &&
                 run.out.count(u'\n') == 1,
             qPrintable(run.out));
}

void TestCliFiles::namesAreFilesAndNothingIsDroppedSilently() {
    ChannelRows rows = sampleRows();
    rows[15][Field::Rf] = QString(); // a transmit frequency alone: no CHIRP row holds it
    QVERIFY(!channelFile("team.doc", rows, QStringLiteral("3")).isEmpty());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    ToolRun run = cli({"convert", "team.doc", ":team.csv"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.contains("channel 16: the frequency \"446.17500\" stands without a usable "
                              "receive frequency") &&
                 run.err.count(u'\n') == 1,
             qPrintable(run.err));
    // A name starting with ":" is a file like any other, not one of the program's resources.
    QVERIFY(QFileInfo::exists(m_dir->path() + QStringLiteral("/:team.csv")));
    run = cli({"show", ":team.csv"});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains("451.18750") && !run.out.contains("446.17500"), qPrintable(run.out));
}

void TestCliFiles::manPageListsEveryOption() {
    const QString page = QString::fromUtf8(fileBytes(QStringLiteral(ZT41_MAN_PAGE)));
    const qsizetype options = page.indexOf(QStringLiteral(".SH OPTIONS"));
    QVERIFY(options > 0);
    static const QRegularExpression option(QStringLiteral("^ +(?:-\\w, )?--([a-z-]+)"),
                                           QRegularExpression::MultilineOption);
    for (const char* command : {"ports", "read", "write", "verify", "show", "diff", "convert",
                                "doctor", "card", "check", "plan", "services"}) {
        const QString help = cli({QString::fromLatin1(command), "--help"}).out;
        // Every synopsis line of the command ("write", "write --watch").
        QString synopsis;
        const QString head = QStringLiteral(".B zt41\\-cli %1").arg(QLatin1String(command));
        for (qsizetype from = page.indexOf(head); from > 0; from = page.indexOf(head, from + 1))
            if (page[from + head.size()] == u'\n' || page[from + head.size()] == u' ')
                synopsis += page.mid(from, page.indexOf(QStringLiteral(".br"), from) - from);
        QVERIFY2(!synopsis.isEmpty(), command);
        for (auto m = option.globalMatch(help); m.hasNext();) {
            const QString name = m.next().captured(1);
            if (name.startsWith(QStringLiteral("help")))
                continue;
            const QString manName = QStringLiteral("\\-\\-") + QString(name).replace(u'-', "\\-");
            QVERIFY2(synopsis.contains(manName), qPrintable(command + (" synopsis: --" + name)));
            const QRegularExpression listed(QStringLiteral("^\\.B[IR]? .*") +
                                                QRegularExpression::escape(manName) +
                                                QStringLiteral("(?![a-z\\\\])"),
                                            QRegularExpression::MultilineOption);
            QVERIFY2(listed.match(page, options).hasMatch(), qPrintable("OPTIONS: --" + name));
        }
    }
    // The simulated radio's page lists every option it takes.
    const QString radioPage = QString::fromUtf8(fileBytes(QStringLiteral(ZT41_RADIO_MAN_PAGE)));
    const ToolRun radioHelp =
        runTool(QStringLiteral(ZT41_RADIO_PATH), {"--help"}, toolEnvironment());
    QVERIFY(!radioHelp.out.isEmpty());
    for (auto m = option.globalMatch(radioHelp.out); m.hasNext();) {
        const QString name = m.next().captured(1);
        if (name.startsWith(QStringLiteral("help")))
            continue;
        QVERIFY2(radioPage.contains(QStringLiteral("\\-\\-") + QString(name).replace(u'-', "\\-")),
                 qPrintable("zt41-radio(1): --" + name));
    }
}

void TestCliFiles::serviceCommands_data() {
    QTest::addColumn<QStringList>("arguments"); // %1 is the test's folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString check = QStringLiteral("check");
    QTest::newRow("services lists each with its plan")
        << QStringList{"services"} << 0
        << "frs      FRS Family Radio Service (North America)\n"
           "         22 channels, 462.55000 to 467.71250 MHz, simplex, at most 2 W (0.5 W on "
           "channels 8 to 14)\n"
        << "";
    QTest::newRow("a plan keeps to its service")
        << QStringList{check, "--service", "cn409", "%1/cn409.doc"} << 0
        << "every channel keeps to 409 MHz public band (China)\n"
        << "";
    QTest::newRow("a plan is off another service's plan")
        << QStringList{check, "--service=frs", "%1/cn409.doc"} << 3
        << "channel 16: receive frequency 409.93750 is not a channel of FRS Family Radio Service "
           "(North America); the nearest is its "
           "channel 15, 462.55000 MHz\n"
        << "";
    QTest::newRow("findings as JSON")
        << QStringList{check, "--json", "--service", "pmr446", "%1/high.csv"} << 3
        << R"({"channel":1,"field":"pw","kind":"high-power","limit":0.5,"value":"H","watts":5})"
        << "";
    QTest::newRow("Chinese: the service's own limit and name")
        << QStringList{"zh", check, "--service", "pmr446", "%1/high.csv"} << 3 << "最多 0.5 W"
        << "";
    QTest::newRow("Chinese: the nearest channel of the plan, by its place")
        << QStringList{"zh", check, "--service=frs", "%1/cn409.doc"} << 3
        << "最近的是它的第 15 信道，462.55000 MHz"
        << "";
    QTest::newRow("an unknown service names those there are")
        << QStringList{check, "--service", "gmrs", "%1/cn409.doc"} << 1 << ""
        << "unknown service \"gmrs\"; the services are: pmr446, cn409, frs, lpd433";
    QTest::newRow("card to a name that is not a PDF")
        << QStringList{"card", "%1/cn409.doc", "-o", "%1/card.doc"} << 1 << ""
        << "give the PDF to write with -o FILE.pdf";
}

void TestCliFiles::serviceCommands() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QCOMPARE(cli({"plan", "--service", "cn409", "-o", path("cn409.doc")}).status, 0);
    QCOMPARE(cli({"plan", "--service", "pmr446", "-o", path("high.csv")}).status, 0);
    QByteArray csv = fileBytes(path("high.csv"));
    // The plan only receives on PMR446: made to transmit, at high power.
    QVERIFY(writeBytes(path("high.csv"),
                       csv.replace(",1.0W,", ",5.0W,").replace(",off,0.000000,", ",,0.000000,")));
    Settings locale{{"LANG", "C.UTF-8"}};
    if (arguments.first() == u"zh") {
        locale = {{"LANG", "zh_CN.UTF-8"}};
        arguments.removeFirst();
    }
    for (QString& a : arguments)
        a.replace("%1", m_dir->path());
    const ToolRun run = cli(arguments, locale);
    QCOMPARE(run.status, status);
    // JSON compared without its layout.
    const QRegularExpression blanks(arguments.contains("--json") ? "\\s" : "^$");
    QVERIFY2(QString(run.out).remove(blanks).contains(QString(out).remove(blanks)),
             qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
}

void TestCliFiles::cardOfAPlan() {
    // Drawn by the tool on the offscreen platform, whatever display is set.
    const QString doc = path("frs.doc");
    QCOMPARE(cli({"plan", "--service", "frs", "-o", doc}).status, 0);
    // No XDG_RUNTIME_DIR: Qt warns of it, and keeps it to itself unless --verbose.
    const Settings settings{{"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", ""}};
    const ToolRun run = cli({"card", doc, "-o", path("card.pdf")}, settings);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QVERIFY(fileBytes(path("card.pdf")).startsWith("%PDF-"));
    const ToolRun verbose = cli({"card", "--verbose", doc, "-o", path("card.pdf")}, settings);
    QVERIFY2(verbose.err.contains("zt41-cli: Qt: "), qPrintable(verbose.err));
}

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_clifiles.moc"
