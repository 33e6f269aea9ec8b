// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowwords.h"

#include "channelgridmodel.h"
#include "channels/channeltable.h"
#include "link/connectioncheck.h"
#include "link/framecompare.h"
#include "link/seriallink.h"
#include "link/sessionhost.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace zt41 {

QString titles::system() {
    return WindowWords::tr("系统信息");
}

QString titles::dataError() {
    return WindowWords::tr("错误警告 ");
}

QString titles::squelch() {
    return WindowWords::tr("错误警告");
}

WindowMessage messageFor(const TransferOutcome& outcome) {
    using Kind = TransferOutcome::Kind;
    if (outcome.ok())
        return {};
    if (outcome.kind == Kind::RowCannotTravel)
        return outOfRangeMessage();
    // The radio answered in full; it is the file that refused what it sent.
    if (outcome.kind == Kind::NotStored)
        return storeFailedMessage();
    if (outcome.transfer == Transfer::Read)
        return {WindowWords::tr("读数错误！！"), titles::dataError(), MessageIcon::Information};
    return {WindowWords::tr("数据传送错误！！"), titles::dataError(), MessageIcon::Information};
}

QString statusText(LinkStatus status) {
    switch (status) {
    case LinkStatus::Ready:
        return WindowWords::tr("对讲机就绪...");
    case LinkStatus::Writing:
        return WindowWords::tr("正在传送数据,,,,,,,");
    case LinkStatus::Written:
        return WindowWords::tr("数据传送完毕...");
    case LinkStatus::Read:
        return WindowWords::tr("读出信道数据完毕！");
    case LinkStatus::Empty:
        break;
    }
    return QString();
}

QString describeOpenFailure(const PortOpenFailure& f) {
    // In the window's language; the device path and the group stay as the system names them.
    using Kind = PortOpenFailure::Kind;
    switch (f.kind) {
    case Kind::None:
        return QString();
    case Kind::NotMapped:
        return WindowWords::tr("COM%1 未对应任何设备").arg(f.port);
    case Kind::Missing:
        return WindowWords::tr("%1：设备不存在").arg(f.device);
    case Kind::Busy:
        return WindowWords::tr("%1 正被其他程序占用").arg(f.device);
    case Kind::NoPermission:
        if (f.group.isEmpty())
            return WindowWords::tr("%1：无权打开").arg(f.device);
        return WindowWords::tr("%1：无权打开；加入用户组 %2 即可使用").arg(f.device, f.group);
    case Kind::SettingsRefused:
        return WindowWords::tr("%1 不支持 1200 bit/s 8N1：%2").arg(f.device, f.detail);
    case Kind::Other:
        break;
    }
    return WindowWords::tr("%1：%2").arg(f.device, f.detail);
}

WindowMessage portBusyMessage() {
    return {WindowWords::tr("正在传送数据，请在传送结束后再选择端口！"), titles::system(),
            MessageIcon::Information};
}

WindowMessage fileBusyMessage() {
    return {WindowWords::tr("正在传送数据，请在传送结束后再打开文件！"), titles::system(),
            MessageIcon::Information};
}

WindowMessage storeFailedMessage() {
    return {WindowWords::tr("数据库文件无法写入！"), titles::system(), MessageIcon::Warning};
}

QString jobStepWords(GuardedJob::Step step) {
    using Step = GuardedJob::Step;
    switch (step) {
    case Step::Backup:
        return WindowWords::tr("备份");
    case Step::Writing:
        return WindowWords::tr("写入");
    case Step::Verifying:
        return WindowWords::tr("校验");
    case Step::Reading:
        return WindowWords::tr("读取");
    default:
        return WindowWords::tr("连接对讲机");
    }
}

QString frameFieldWords(FrameField f) {
    switch (f) {
    case FrameField::Squelch:
        return WindowWords::tr("静噪级别");
    case FrameField::Power:
        return WindowWords::tr("功率");
    case FrameField::Shift:
        return WindowWords::tr("拍频");
    case FrameField::ReceiveFrequency:
        return WindowWords::tr("接收频率");
    case FrameField::TransmitFrequency:
        return WindowWords::tr("发送频率");
    case FrameField::ReceiveTone:
        return WindowWords::tr("收哑音");
    case FrameField::TransmitTone:
        return WindowWords::tr("发哑音");
    }
    return QString();
}

static QString transferWords(const TransferOutcome& o) {
    using Kind = TransferOutcome::Kind;
    switch (o.kind) {
    case Kind::SendFailed:
    case Kind::PortNotOpen:
        return WindowWords::tr("数据发送失败（连接线被拔出？）");
    case Kind::ReadTimedOut:
        return WindowWords::tr("对讲机停止发送（第 %1/16 帧没有收到）").arg(o.frame);
    case Kind::ReadMalformed:
    case Kind::ReadOutOfPlace:
        return WindowWords::tr("对讲机发来的数据有误（第 %1/16 帧）").arg(o.frame);
    case Kind::LinkLost:
        return WindowWords::tr("端口已断开（连接线被拔出？）");
    default:
        return WindowWords::tr("传送失败");
    }
}

QString jobFailureWords(const GuardedJob::Result& r) {
    using F = GuardedJob::Failure;
    switch (r.failure) {
    case F::PortNotOpened:
        return WindowWords::tr("端口无法打开：") + describeOpenFailure(r.openFailure);
    case F::NoAnswer:
        return WindowWords::tr("对讲机没有应答：请打开对讲机电源，插好连接线，并确认端口。");
    case F::PortLost:
        return WindowWords::tr("端口已断开（连接线被拔出？）。");
    case F::Transfer:
        return WindowWords::tr("%1时失败：%2。")
            .arg(jobStepWords(r.failedStep), transferWords(r.transfer));
    case F::BackupFolder:
    case F::BackupNotSaved:
        return WindowWords::tr("备份无法保存到 %1，没有向对讲机写入任何数据。").arg(r.backupPath);
    case F::Echo:
        return echoWords() + WindowWords::tr("。");
    default:
        return WindowWords::tr("操作被中断。");
    }
}

QString echoWords() {
    return WindowWords::tr("发出的字节被原样送回。建议：连接线短接成回环，或该设备不是对讲机");
}

static QString answerWords(const PortCheck& c) {
    switch (c.answer) {
    case RadioAnswer::Ready:
        return WindowWords::tr("对讲机应答“C”：已就绪");
    case RadioAnswer::Silent:
        return WindowWords::tr("一秒内没有应答。建议：打开对讲机电源，把插头插到底，并确认端口");
    case RadioAnswer::Echo:
        return echoWords();
    case RadioAnswer::Other:
        return WindowWords::tr("意外的应答：%1。建议：不是 ZT41，或线路速率不同")
            .arg(QString::fromLatin1(c.answerBytes.toHex(' ')));
    case RadioAnswer::NotAsked:
        break;
    }
    return QString();
}

QString portCheckWords(const PortCheck& c) {
    QStringList lines;
    if (!c.vendorId.isEmpty())
        lines << WindowWords::tr("USB %1:%2 %3，驱动 %4")
                     .arg(c.vendorId, c.productId, c.chip,
                          c.driver.isEmpty() ? WindowWords::tr("无") : c.driver);
    using Kind = PortOpenFailure::Kind;
    if (c.openFailure.kind == Kind::None) {
        lines << WindowWords::tr("可以打开");
    } else {
        lines << describeOpenFailure(c.openFailure);
        if (c.openFailure.kind == Kind::Busy && !c.holders.isEmpty())
            lines << WindowWords::tr("建议：关闭占用它的程序 %1（pid %2）")
                         .arg(c.holders.first().command)
                         .arg(c.holders.first().pid);
        if (c.openFailure.kind == Kind::NoPermission)
            lines << (c.userInGroup
                          ? WindowWords::tr("建议：您已在 %1 组中，请注销后重新登录")
                          : WindowWords::tr("建议：执行 sudo adduser $USER %1，然后注销并重新登录"))
                         .arg(c.group);
        if (c.openFailure.kind == Kind::Missing)
            lines << WindowWords::tr("建议：插上连接线；如已插上，则系统不识别其芯片");
    }
    if (const QString answer = answerWords(c); !answer.isEmpty())
        lines << answer;
    return lines.join(u'\n');
}

WindowMessage noBackupFolderMessage() {
    return {WindowWords::tr("找不到存放备份的文件夹（未设置 HOME），没有写入。"),
            titles::dataError(), MessageIcon::Information};
}

static QString columnName(Field field) {
    return ChannelGridModel::captions().value(static_cast<int>(field)).trimmed();
}

WindowMessage radioMatchesMessage(bool wrote, const QList<ChannelFinding>& warned) {
    return {(wrote ? WindowWords::tr("写入并校验完毕：对讲机中的信道与表格一致。")
                   : WindowWords::tr("对讲机中的信道与表格一致。")) +
                warnedValuesWords(warned, wrote),
            titles::system(), MessageIcon::Information};
}

QString warnedValuesWords(const QList<ChannelFinding>& warned, bool wrote) {
    if (warned.isEmpty())
        return QString();
    QStringList lines{wrote
                          ? WindowWords::tr("\n以下频率不在 5 kHz 或 6.25 kHz 步进上，按原值写入：")
                          : WindowWords::tr("\n表格中以下数值不合规则，写信道时不会写入：")};
    for (const ChannelFinding& f : warned)
        lines
            << WindowWords::tr("信道 %1  %2：%3").arg(f.channel).arg(columnName(f.field), f.value);
    return lines.join(u'\n');
}

QString restoreQuestion(const QDateTime& time, const QString& port) {
    return WindowWords::tr("将 %1 的备份写入 %2 上的对讲机？\n对讲机中现有的信道将被替换。")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), port);
}

QString loadBackupQuestion(const QDateTime& time) {
    return WindowWords::tr("用 %1 的备份替换表格中的信道？")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

QString closeDuringWriteQuestion() {
    return WindowWords::tr("正在写入对讲机。现在关闭，对讲机将只保留部分信道。\n仍要关闭吗？");
}

QString radioMayHaveChangedWords(const QString& backupPath) {
    return WindowWords::tr("\n对讲机中的信道可能已被改变。写入前的备份：") + backupPath;
}

WindowMessage jobFailedMessage(const GuardedJob::Result& result) {
    return {jobFailureWords(result), titles::dataError(), MessageIcon::Information};
}

WindowMessage cardNotSavedMessage(const QString& path, const QString& why) {
    return {WindowWords::tr("信道表 PDF 保存错误！！\n%1：%2").arg(path, why), titles::dataError(),
            MessageIcon::Warning};
}

WindowMessage sysInfoMissingMessage() {
    return {WindowWords::tr("此时系统信息不可用"), titles::kApplication, MessageIcon::None};
}

WindowMessage pasteRefusedMessage(const PasteResult& result) {
    constexpr int kNamed = 16;
    constexpr int kShown = 24; // characters of a value too long for any cell
    if (result.nothingToPaste)
        return {WindowWords::tr("剪贴板中没有可以粘贴的文字。"), titles::dataError(),
                MessageIcon::Information};
    const QList<RefusedValue>& refused = result.refused;
    const bool allKept = std::all_of(refused.begin(), refused.end(),
                                     [](const RefusedValue& v) { return !v.cellChanged(); });
    QStringList lines;
    if (!refused.isEmpty())
        lines << (allKept ? WindowWords::tr("以下数值不合规则，未粘贴，其单元格保持原值：")
                          : WindowWords::tr("以下数值不合规则，未粘贴："));
    for (const RefusedValue& v : refused.mid(0, kNamed)) {
        QString line = WindowWords::tr("信道 %1  %2：").arg(v.channel).arg(columnName(v.field));
        if (v.value.size() > kMaxCellText)
            line += WindowWords::tr("%1……（共 %2 个字符，太长）")
                        .arg(v.value.left(kShown))
                        .arg(v.value.size());
        else
            line += v.value;
        if (!allKept)
            line += v.cellChanged()
                        ? WindowWords::tr("（单元格现为“%1”）").arg(v.now.value_or(QString()))
                        : WindowWords::tr("（单元格保持原值）");
        lines << line;
    }
    if (refused.size() > kNamed)
        lines << WindowWords::tr("……另有 %1 个数值未粘贴。").arg(refused.size() - kNamed);
    if (result.linesLeftOut > 0)
        lines << WindowWords::tr("另有 %1 行超出信道 16，未粘贴。").arg(result.linesLeftOut);
    return {lines.join(u'\n'), titles::dataError(), MessageIcon::Information};
}

WindowMessage lastChannelHoldsDataMessage() {
    return {WindowWords::tr("信道 16 已有数据，不能插入信道！"), titles::dataError(),
            MessageIcon::Information};
}

WindowMessage noPortMessage(const QList<PortOpenFailure>& failures) {
    QString text = WindowWords::tr("无串行端口可用，系统失败，退出！ ");
    // A port that is there but may not be opened is worth naming, with the way in.
    QStringList reasons;
    for (const PortOpenFailure& failure : failures)
        if (failure.portIsThere())
            reasons
                << WindowWords::tr("COM%1：%2").arg(failure.port).arg(describeOpenFailure(failure));
    if (!reasons.isEmpty())
        text += QStringLiteral("\n\n") + reasons.join(u'\n');
    return {text, titles::system(), MessageIcon::Warning};
}

WindowMessage invalidPortMessage() {
    return {WindowWords::tr("选用的串行端口 无效！ "), titles::system(), MessageIcon::Critical};
}

QString outputRefusalWords(OutputRefusal refusal) {
    switch (refusal) {
    case OutputRefusal::Database:
        return WindowWords::tr("是信道数据库，不能写入");
    case OutputRefusal::Input:
        return WindowWords::tr("是正在读取的文件");
    case OutputRefusal::NoFolder:
    case OutputRefusal::FolderNotWritable:
        return WindowWords::tr("文件夹不存在或无法写入");
    case OutputRefusal::NotWritable:
        return WindowWords::tr("文件无法写入");
    default:
        return WindowWords::tr("不是普通文件");
    }
}

namespace {

QString cannotOpenDatabase() {
    return WindowWords::tr("数据库文件无法打开！");
}

// The second line of "数据库文件无法打开！": why the file was refused.
QString whyRefused(ChannelTable::OpenProblem problem, int foundRows, const QString& detail) {
    using Problem = ChannelTable::OpenProblem;
    switch (problem) {
    case Problem::None:
        break;
    case Problem::NotAFile:
        return WindowWords::tr("不是普通文件");
    case Problem::Missing:
        return WindowWords::tr("文件不存在");
    case Problem::NotSqlite:
        return WindowWords::tr("不是 SQLite 数据库");
    case Problem::ReadOnly:
        return WindowWords::tr("文件无法写入");
    case Problem::Damaged:
        return WindowWords::tr("文件已损坏（%1）").arg(detail);
    case Problem::NoTable:
        return WindowWords::tr("没有表 Chane");
    case Problem::Columns:
        return WindowWords::tr("表 Chane 的列应为 no, rf, rct, tf, tct, bt, pw");
    case Problem::ColumnTypes:
        return WindowWords::tr("表 Chane 的列类型会改变存入的文字");
    case Problem::RowCount:
        return WindowWords::tr("表 Chane 有 %1 行，应为 16 行").arg(foundRows);
    case Problem::SharedRowIds:
        return WindowWords::tr("表 Chane 有行共用同一个 rowid");
    case Problem::Other:
        return detail;
    }
    return QString();
}

} // namespace

WindowMessage databaseRefusedMessage(const ChannelTable& table) {
    return databaseRefusedMessage(table.openProblem(), table.foundRows(), table.errorString());
}

WindowMessage databaseRefusedMessage(ChannelTable::OpenProblem problem, int foundRows,
                                     const QString& detail) {
    const QString why = whyRefused(problem, foundRows, detail);
    return {why.isEmpty() ? cannotOpenDatabase() : cannotOpenDatabase() + u'\n' + why,
            titles::system(), MessageIcon::Critical};
}

WindowMessage databaseInUseMessage() {
    return {cannotOpenDatabase() + WindowWords::tr("\n本程序的另一个副本正在使用该数据库。"),
            titles::system(), MessageIcon::Critical};
}

WindowMessage databaseLockFailedMessage() {
    return {cannotOpenDatabase(), titles::system(), MessageIcon::Critical};
}

WindowMessage databaseNotRenumberedMessage() {
    return {cannotOpenDatabase() + WindowWords::tr("\n数据库文件无法写入！"), titles::system(),
            MessageIcon::Critical};
}

QString renumberQuestion() {
    return WindowWords::tr("信道号不是 1 到 16，是否重新编号？");
}

WindowMessage outOfRangeMessage() {
    return {WindowWords::tr("数据超出范围 ！！"), titles::dataError(), MessageIcon::Information};
}

WindowMessage squelchRefusedMessage() {
    return {WindowWords::tr("静燥级别不可大于 9 ！！！"), titles::squelch(),
            MessageIcon::Information};
}

WindowMessage fileReadErrorMessage() {
    return {WindowWords::tr("文件读取错误！！"), titles::dataError(), MessageIcon::Information};
}

WindowMessage fileSaveErrorMessage() {
    return {WindowWords::tr("文件保存错误！！"), titles::dataError(), MessageIcon::Information};
}

WindowMessage curDirMessage() {
    return {QStringLiteral("Error"), titles::kApplication, MessageIcon::None};
}

WindowMessage setCurDirMessage() {
    return {QStringLiteral("ERROR"), titles::kApplication, MessageIcon::None};
}

namespace {

QString csvRefusalText(ChirpRefusal refusal) {
    switch (refusal) {
    case ChirpRefusal::None:
        return QString();
    case ChirpRefusal::CannotOpen:
        return WindowWords::tr("无法打开该文件。");
    case ChirpRefusal::TooLarge:
        return WindowWords::tr("文件太大，不是信道列表。");
    case ChirpRefusal::NotText:
        return WindowWords::tr("不是文本文件，不是 CSV 文件。");
    case ChirpRefusal::UnclosedQuote:
        return WindowWords::tr("有一个引号没有结束，不是有效的 CSV 文件。");
    case ChirpRefusal::NoHeader:
        return WindowWords::tr("文件是空的，没有标题行。");
    case ChirpRefusal::NoFrequencyColumn:
        return WindowWords::tr("第一行没有 Frequency 列，不是 CHIRP 的 CSV 文件。");
    case ChirpRefusal::NoUsableRow:
        return WindowWords::tr("没有一行带有可用的接收频率。");
    case ChirpRefusal::CannotStore:
        return WindowWords::tr("信道数据库无法写入。");
    case ChirpRefusal::CannotWrite:
        return WindowWords::tr("文件无法写入。");
    }
    return QString();
}

// What a CSV column holds, with the column's own name beside it.
QString csvColumnLabel(const QString& column) {
    static const std::pair<const char*, const char*> labels[] = {
        {"Frequency", QT_TRANSLATE_NOOP("zt41::WindowWords", "接收频率")},
        {"Offset", QT_TRANSLATE_NOOP("zt41::WindowWords", "发送频率")},
        {"Duplex", QT_TRANSLATE_NOOP("zt41::WindowWords", "收发方式")},
        {"rToneFreq", QT_TRANSLATE_NOOP("zt41::WindowWords", "发射哑音")},
        {"cToneFreq", QT_TRANSLATE_NOOP("zt41::WindowWords", "哑音")},
        {"Tone", QT_TRANSLATE_NOOP("zt41::WindowWords", "哑音方式")},
        {"CrossMode", QT_TRANSLATE_NOOP("zt41::WindowWords", "哑音方式")},
        {"Power", QT_TRANSLATE_NOOP("zt41::WindowWords", "功率")},
        {"Mode", QT_TRANSLATE_NOOP("zt41::WindowWords", "调制方式")},
        {"Location", QT_TRANSLATE_NOOP("zt41::WindowWords", "位置")},
    };
    for (const auto& [name, words] : labels)
        if (column == QLatin1String(name))
            return WindowWords::tr("%1（%2）").arg(WindowWords::tr(words), column);
    return column;
}

QString csvProblemText(ChirpWarningKind kind) {
    using K = ChirpWarningKind;
    switch (kind) {
    case K::NotANumber:
        return WindowWords::tr("不是数字，已留空");
    case K::OutOfRange:
        return WindowWords::tr("不在 130 至 500 MHz 之内，已留空");
    case K::OffStep:
        return WindowWords::tr("不在 5 kHz 或 6.25 kHz 的步进上，已留空");
    case K::UnknownDuplex:
        return WindowWords::tr("无法识别，发送频率已留空");
    case K::ToneNotInSet:
        return WindowWords::tr("不是本机的 39 个哑音之一，已留空");
    case K::UnsupportedToneMode:
        return WindowWords::tr("本机不支持，哑音已留空");
    case K::UnknownPower:
        return WindowWords::tr("无法识别，已留空");
    case K::NotFm:
        return WindowWords::tr("本机只有 FM，按 FM 导入");
    case K::BadLocation:
        return WindowWords::tr("不是整数，该行排在最后");
    case K::FinerThan10Hz:
        return WindowWords::tr("精度超过 10 Hz，本机无法存储，已留空");
    case K::NegativeOffset:
        return WindowWords::tr("与收发差方向（+/-）同时为负数，含义不明，发送频率已留空");
    case K::TonesDiffer:
        return WindowWords::tr("与 cToneFreq 不同，TSQL 收发同用 cToneFreq");
    case K::NoReceiveFrequency:
    case K::RowsLeftOut:
        break;
    }
    return QString();
}

QString csvWarningText(const ChirpWarning& w) {
    if (w.kind == ChirpWarningKind::RowsLeftOut)
        return WindowWords::tr("另有 %1 行超出 16 个信道，没有导入。").arg(w.text);
    if (w.kind == ChirpWarningKind::NoReceiveFrequency)
        return WindowWords::tr(
                   "信道 %1：频率「%2」没有可用的接收频率，CHIRP 的一行放不下，该信道未导出。")
            .arg(w.channel)
            .arg(w.text);
    QString where;
    if (w.line == 0) // a warning of the file as a whole
        where = WindowWords::tr("信道 %1：").arg(w.channel);
    else if (w.channel > 0)
        where = WindowWords::tr("第 %1 行（信道 %2）：").arg(w.line).arg(w.channel);
    else
        where = WindowWords::tr("第 %1 行：").arg(w.line);
    return WindowWords::tr("%1%2「%3」%4。")
        .arg(where, csvColumnLabel(w.column), w.text, csvProblemText(w.kind));
}

} // namespace

WindowMessage csvImportMessage(const ChirpImport& import) {
    if (import.refusal != ChirpRefusal::None) {
        QString text = WindowWords::tr("CSV 文件无法导入：") + csvRefusalText(import.refusal);
        // Why no row was usable is in the warnings.
        for (const ChirpWarning& w : import.warnings)
            text += u'\n' + csvWarningText(w);
        return {text, titles::dataError(), MessageIcon::Information};
    }
    if (import.warnings.isEmpty())
        return {};
    QStringList lines{
        WindowWords::tr("CSV 文件已导入，以下 %1 项未能照原样导入：").arg(import.warnings.size())};
    for (const ChirpWarning& w : import.warnings)
        lines << csvWarningText(w);
    return {lines.join(u'\n'), titles::system(), MessageIcon::Warning};
}

WindowMessage csvExportMessage(ChirpRefusal refusal, const QList<ChirpWarning>& leftOut) {
    if (refusal != ChirpRefusal::None)
        return fileSaveErrorMessage();
    if (leftOut.isEmpty())
        return {};
    QStringList lines{
        WindowWords::tr("CSV 文件已导出，以下 %1 个信道未能导出：").arg(leftOut.size())};
    for (const ChirpWarning& w : leftOut)
        lines << csvWarningText(w);
    return {lines.join(u'\n'), titles::system(), MessageIcon::Warning};
}

QString spokenValue(Field field, const QString& text) {
    const QString value = text.trimmed();
    switch (field) {
    case Field::Rct:
    case Field::Tct:
        return value.isEmpty() ? WindowWords::tr("无") : value;
    case Field::Bt:
        if (value == u"on")
            return WindowWords::tr("开");
        if (value == u"off")
            return WindowWords::tr("关");
        break;
    case Field::Pw:
        if (value == u"H")
            return WindowWords::tr("高功率");
        if (value == u"L")
            return WindowWords::tr("低功率");
        break;
    default:
        break;
    }
    return value.isEmpty() ? WindowWords::tr("空") : value;
}

QString spokenColumnName(Field field) {
    return ChannelGridModel::captions().value(static_cast<int>(field)).trimmed();
}

} // namespace zt41
