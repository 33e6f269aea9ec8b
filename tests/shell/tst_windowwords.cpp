// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/chirpcsv.h"
#include "link/seriallink.h"
#include "link/sessionhost.h"
#include "recordingmessages.h"
#include "shell/windowwords.h"

#include <QTest>

using namespace zt41;
using Kind = TransferOutcome::Kind;

class TestWindowWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outcomeMessages_data();
    void outcomeMessages();
    void statusTexts_data();
    void statusTexts();
    void openFailures_data();
    void openFailures();
    void messages_data();
    void messages();
    void everyCsvWarningHasItsOwnWords();
    void spokenValues_data();
    void spokenValues();
};

void TestWindowWords::outcomeMessages_data() {
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const int write = int(Transfer::Write);
    const int read = int(Transfer::Read);
    QTest::newRow("write done: no message") << write << int(Kind::Done) << "";
    QTest::newRow("read done: no message") << read << int(Kind::Done) << "";
    QTest::newRow("write on a closed port")
        << write << int(Kind::PortNotOpen) << "数据传送错误！！";
    QTest::newRow("cable pulled during a write")
        << write << int(Kind::SendFailed) << "数据传送错误！！";
    QTest::newRow("row out of range") << write << int(Kind::RowCannotTravel) << "数据超出范围 ！！";
    QTest::newRow("read timed out") << read << int(Kind::ReadTimedOut) << "读数错误！！";
    QTest::newRow("read malformed") << read << int(Kind::ReadMalformed) << "读数错误！！";
    QTest::newRow("link lost during a read") << read << int(Kind::LinkLost) << "读数错误！！";
    QTest::newRow("read on a closed port") << read << int(Kind::PortNotOpen) << "读数错误！！";
    QTest::newRow("read the file refused: not the radio's fault")
        << read << int(Kind::NotStored) << "数据库文件无法写入！";
}

void TestWindowWords::outcomeMessages() {
    QFETCH(int, transfer);
    QFETCH(int, kind);
    QFETCH(QString, text);
    const WindowMessage m =
        messageFor({static_cast<Transfer>(transfer), static_cast<Kind>(kind), 3});
    QCOMPARE(m.text, text);
    if (kind == int(Kind::NotStored)) {
        QCOMPARE(m.title, QStringLiteral("系统信息"));
    } else if (!text.isEmpty()) {
        QCOMPARE(m.title, QStringLiteral("错误警告 "));
        QCOMPARE(m.icon, MessageIcon::Information);
    }
}

void TestWindowWords::statusTexts_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("ready") << int(LinkStatus::Ready) << "对讲机就绪...";
    QTest::newRow("writing, seven commas") << int(LinkStatus::Writing) << "正在传送数据,,,,,,,";
    QTest::newRow("written") << int(LinkStatus::Written) << "数据传送完毕...";
    QTest::newRow("read") << int(LinkStatus::Read) << "读出信道数据完毕！";
    QTest::newRow("empty") << int(LinkStatus::Empty) << "";
}

void TestWindowWords::statusTexts() {
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(statusText(static_cast<LinkStatus>(status)), text);
}

void TestWindowWords::openFailures_data() {
    using K = PortOpenFailure::Kind;
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::newRow("opened: nothing to say") << int(K::None) << ""
                                            << "";
    QTest::newRow("not mapped names the number") << int(K::NotMapped) << ""
                                                 << "COM4 未对应任何设备";
    QTest::newRow("missing") << int(K::Missing) << ""
                             << "/dev/ttyUSB3：设备不存在";
    QTest::newRow("busy") << int(K::Busy) << ""
                          << "/dev/ttyUSB3 正被其他程序占用";
    QTest::newRow("no permission names the group")
        << int(K::NoPermission) << "dialout"
        << "/dev/ttyUSB3：无权打开；加入用户组 dialout 即可使用";
    QTest::newRow("no permission, group unknown") << int(K::NoPermission) << ""
                                                  << "/dev/ttyUSB3：无权打开";
    QTest::newRow("other, in the system's words") << int(K::Other) << ""
                                                  << "/dev/ttyUSB3：why";
    QTest::newRow("settings refused") << int(K::SettingsRefused) << ""
                                      << "/dev/ttyUSB3 不支持 1200 bit/s 8N1：why";
}

void TestWindowWords::openFailures() {
    QFETCH(int, kind);
    QFETCH(QString, group);
    QFETCH(QString, text);
    PortOpenFailure f;
    f.kind = static_cast<PortOpenFailure::Kind>(kind);
    f.port = 4;
    f.device = f.kind == PortOpenFailure::Kind::NotMapped ? QString() : "/dev/ttyUSB3";
    f.group = group;
    f.detail = QStringLiteral("why");
    QCOMPARE(describeOpenFailure(f), text);
}

void TestWindowWords::messages_data() {
    using I = MessageIcon;
    QTest::addColumn<WindowMessage>("message");
    QTest::addColumn<WindowMessage>("expected");
    const QString dataError = QStringLiteral("错误警告 ");
    const QString system = QStringLiteral("系统信息");
    const auto row = [](const char* name, const WindowMessage& m, const QString& text,
                        const QString& title, I icon) {
        QTest::newRow(name) << m << WindowMessage{text, title, icon};
    };
    row("a frequency out of range", outOfRangeMessage(), "数据超出范围 ！！", dataError,
        I::Information);
    row("a squelch level above 9, title without the blank", squelchRefusedMessage(),
        "静燥级别不可大于 9 ！！！", "错误警告", I::Information);
    row("file not read", fileReadErrorMessage(), "文件读取错误！！", dataError, I::Information);
    row("file not saved", fileSaveErrorMessage(), "文件保存错误！！", dataError, I::Information);
    row("working directory not taken", curDirMessage(), "Error", "ZT90", I::None);
    row("working directory not set back", setCurDirMessage(), "ERROR", "ZT90", I::None);
    using P = ChannelTable::OpenProblem;
    // The database refused at start: the reason on a second line.
    const auto database = [&](const char* name, P problem, const QString& why, int rows = 0,
                              const QString& detail = {}) {
        row(name, databaseRefusedMessage(problem, rows, detail),
            QStringLiteral("数据库文件无法打开！\n") + why, system, I::Critical);
    };
    database("database: not a file", P::NotAFile, "不是普通文件");
    database("database: not SQLite", P::NotSqlite, "不是 SQLite 数据库");
    database("database: read-only", P::ReadOnly, "文件无法写入");
    database("database: damaged, SQLite's words", P::Damaged, "文件已损坏（page 3）", 0, "page 3");
    database("database: no table", P::NoTable, "没有表 Chane");
    database("database: columns", P::Columns, "表 Chane 的列应为 no, rf, rct, tf, tct, bt, pw");
    database("database: column types", P::ColumnTypes, "表 Chane 的列类型会改变存入的文字");
    database("database: 18 rows", P::RowCount, "表 Chane 有 18 行，应为 16 行", 18);
    database("database: shared rowids", P::SharedRowIds, "表 Chane 有行共用同一个 rowid");
    database("database: other, the table's words", P::Other, "disk I/O error", 0, "disk I/O error");
    row("a paste that kept a cell", pasteRefusedMessage({{}, {{1, Field::Rf, "abc", {}, {}}}}),
        "以下数值不合规则，未粘贴，其单元格保持原值：\n信道 1  接收频率：abc", dataError,
        I::Information);
    row("a paste: a cell a rule changed, a value too long, lines below channel 16",
        pasteRefusedMessage({{},
                             {{15, Field::Tf, "600", QString(), QStringLiteral("145.00000")},
                              {16, Field::Rf, QString(70, u'9'), QString(), QString()}},
                             2}),
        "以下数值不合规则，未粘贴：\n信道 15  发送频率：600（单元格现为“145.00000”）\n"
        "信道 16  接收频率：999999999999999999999999……（共 70 个字符，太长）（单元格保持原值）\n"
        "另有 2 行超出信道 16，未粘贴。",
        dataError, I::Information);
    row("a paste with nothing to take", pasteRefusedMessage({{}, {}, 0, true}),
        "剪贴板中没有可以粘贴的文字。", dataError, I::Information);
    row("a write with a value off the steps, checked",
        radioMatchesMessage(true, {{3, Field::Rf, "146.52130", CheckReason::OffStep}}),
        "写入并校验完毕：对讲机中的信道与表格一致。\n以下频率不在 5 kHz 或 6.25 kHz "
        "步进上，按原值写入：\n信道 3  接收频率：146.52130",
        system, I::Information);
    row("database held by another copy", databaseInUseMessage(),
        "数据库文件无法打开！\n本程序的另一个副本正在使用该数据库。", system, I::Critical);
    const ChirpWarning far{2, 1, QStringLiteral("Frequency"), ChirpWarningKind::OutOfRange,
                           QStringLiteral("50.0")};
    ChirpImport refused;
    refused.refusal = ChirpRefusal::NoUsableRow;
    refused.warnings = {far};
    row("CSV refused, with why no row was usable", csvImportMessage(refused),
        "CSV 文件无法导入：没有一行带有可用的接收频率。\n"
        "第 2 行（信道 1）：接收频率（Frequency）「50.0」不在 130 至 500 MHz 之内，已留空。",
        dataError, I::Information);
    ChirpImport unstored;
    unstored.refusal = ChirpRefusal::CannotStore;
    row("CSV the database refused", csvImportMessage(unstored),
        "CSV 文件无法导入：信道数据库无法写入。", dataError, I::Information);
    ChirpImport warned;
    warned.warnings = {far, {0, 0, QString(), ChirpWarningKind::RowsLeftOut, "3"}};
    row("CSV taken with warnings, one list", csvImportMessage(warned),
        "CSV 文件已导入，以下 2 项未能照原样导入：\n"
        "第 2 行（信道 1）：接收频率（Frequency）「50.0」不在 130 至 500 MHz 之内，已留空。\n"
        "另有 3 行超出 16 个信道，没有导入。",
        system, I::Warning);
    row("CSV taken as it stands: nothing to say", csvImportMessage({}), "", "", I::None);
    row("CSV export refused", csvExportMessage(ChirpRefusal::CannotWrite, {}), "文件保存错误！！",
        dataError, I::Information);
    row("CSV export leaving a channel out",
        csvExportMessage(ChirpRefusal::None, {{0, 3, QStringLiteral("Offset"),
                                               ChirpWarningKind::NoReceiveFrequency, "145.5"}}),
        "CSV 文件已导出，以下 1 个信道未能导出：\n"
        "信道 3：频率「145.5」没有可用的接收频率，CHIRP 的一行放不下，该信道未导出。",
        system, I::Warning);
}

void TestWindowWords::messages() {
    QFETCH(WindowMessage, message);
    QFETCH(WindowMessage, expected);
    QCOMPARE(message, expected);
}

void TestWindowWords::everyCsvWarningHasItsOwnWords() {
    using K = ChirpWarningKind;
    const QList<K> kinds = {
        K::NotANumber,   K::OutOfRange,          K::OffStep,       K::UnknownDuplex,
        K::ToneNotInSet, K::UnsupportedToneMode, K::UnknownPower,  K::NotFm,
        K::BadLocation,  K::RowsLeftOut,         K::FinerThan10Hz, K::NegativeOffset,
        K::TonesDiffer,  K::NoReceiveFrequency};
    QStringList lines;
    for (K kind : kinds) {
        ChirpImport warned;
        warned.warnings = {{7, 5, QStringLiteral("Frequency"), kind, QStringLiteral("42")}};
        const QString line = csvImportMessage(warned).text.section(u'\n', 1);
        QVERIFY2(line.contains(u"42"), qPrintable(line));
        if (kind != K::RowsLeftOut && kind != K::NoReceiveFrequency)
            QVERIFY2(line.startsWith(QStringLiteral("第 7 行（信道 5）")), qPrintable(line));
        lines << line;
    }
    lines.removeDuplicates();
    QCOMPARE(lines.size(), kinds.size());
    // Every refusal is worded.
    for (int r = int(ChirpRefusal::CannotOpen); r <= int(ChirpRefusal::CannotWrite); ++r) {
        ChirpImport refused;
        refused.refusal = ChirpRefusal(r);
        QVERIFY(csvImportMessage(refused).text.size() >
                QStringLiteral("CSV 文件无法导入：").size());
    }
}

void TestWindowWords::spokenValues_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("said");
    QTest::newRow("no receive tone, the picker's three blanks") << int(Field::Rct) << "   "
                                                                << "无";
    QTest::newRow("no transmit tone, an empty cell") << int(Field::Tct) << ""
                                                     << "无";
    QTest::newRow("a tone as it is") << int(Field::Tct) << "88.5"
                                     << "88.5";
    QTest::newRow("shift on") << int(Field::Bt) << "on"
                              << "开";
    QTest::newRow("shift off") << int(Field::Bt) << "off"
                               << "关";
    QTest::newRow("the shift picker's blanks") << int(Field::Bt) << "  "
                                               << "空";
    QTest::newRow("high power") << int(Field::Pw) << "H"
                                << "高功率";
    QTest::newRow("low power") << int(Field::Pw) << "L"
                               << "低功率";
    QTest::newRow("an empty frequency") << int(Field::Rf) << ""
                                        << "空";
    QTest::newRow("a frequency as it is") << int(Field::Rf) << "145.01250"
                                          << "145.01250";
}

void TestWindowWords::spokenValues() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, said);
    QCOMPARE(spokenValue(Field(field), text), said);
}

QTEST_GUILESS_MAIN(TestWindowWords)
#include "tst_windowwords.moc"
