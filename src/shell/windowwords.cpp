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
        return {QStringLiteral("读数错误！！"), titles::kDataError, MessageIcon::Information};
    return {QStringLiteral("数据传送错误！！"), titles::kDataError, MessageIcon::Information};
}

QString statusText(LinkStatus status) {
    switch (status) {
    case LinkStatus::Ready:
        return QStringLiteral("对讲机就绪...");
    case LinkStatus::Writing:
        return QStringLiteral("正在传送数据,,,,,,,");
    case LinkStatus::Written:
        return QStringLiteral("数据传送完毕...");
    case LinkStatus::Read:
        return QStringLiteral("读出信道数据完毕！");
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
        return QStringLiteral("COM%1 未对应任何设备").arg(f.port);
    case Kind::Missing:
        return QStringLiteral("%1：设备不存在").arg(f.device);
    case Kind::Busy:
        return QStringLiteral("%1 正被其他程序占用").arg(f.device);
    case Kind::NoPermission:
        if (f.group.isEmpty())
            return QStringLiteral("%1：无权打开").arg(f.device);
        return QStringLiteral("%1：无权打开；加入用户组 %2 即可使用").arg(f.device, f.group);
    case Kind::SettingsRefused:
        return QStringLiteral("%1 不支持 1200 bit/s 8N1：%2").arg(f.device, f.detail);
    case Kind::Other:
        break;
    }
    return QStringLiteral("%1：%2").arg(f.device, f.detail);
}

WindowMessage portBusyMessage() {
    return {QStringLiteral("正在传送数据，请在传送结束后再选择端口！"), titles::kSystem,
            MessageIcon::Information};
}

WindowMessage fileBusyMessage() {
    return {QStringLiteral("正在传送数据，请在传送结束后再打开文件！"), titles::kSystem,
            MessageIcon::Information};
}

WindowMessage storeFailedMessage() {
    return {QStringLiteral("数据库文件无法写入！"), titles::kSystem, MessageIcon::Warning};
}

QString jobStepWords(GuardedJob::Step step) {
    using Step = GuardedJob::Step;
    switch (step) {
    case Step::Backup:
        return QStringLiteral("备份");
    case Step::Writing:
        return QStringLiteral("写入");
    case Step::Verifying:
        return QStringLiteral("校验");
    case Step::Reading:
        return QStringLiteral("读取");
    default:
        return QStringLiteral("连接对讲机");
    }
}

QString frameFieldWords(FrameField f) {
    switch (f) {
    case FrameField::Squelch:
        return QStringLiteral("静噪级别");
    case FrameField::Power:
        return QStringLiteral("功率");
    case FrameField::Shift:
        return QStringLiteral("拍频");
    case FrameField::ReceiveFrequency:
        return QStringLiteral("接收频率");
    case FrameField::TransmitFrequency:
        return QStringLiteral("发送频率");
    case FrameField::ReceiveTone:
        return QStringLiteral("收哑音");
    case FrameField::TransmitTone:
        return QStringLiteral("发哑音");
    }
    return QString();
}

static QString transferWords(const TransferOutcome& o) {
    using Kind = TransferOutcome::Kind;
    switch (o.kind) {
    case Kind::SendFailed:
    case Kind::PortNotOpen:
        return QStringLiteral("数据发送失败（连接线被拔出？）");
    case Kind::ReadTimedOut:
        return QStringLiteral("对讲机停止发送（第 %1/16 帧没有收到）").arg(o.frame);
    case Kind::ReadMalformed:
    case Kind::ReadOutOfPlace:
        return QStringLiteral("对讲机发来的数据有误（第 %1/16 帧）").arg(o.frame);
    case Kind::LinkLost:
        return QStringLiteral("端口已断开（连接线被拔出？）");
    default:
        return QStringLiteral("传送失败");
    }
}

QString jobFailureWords(const GuardedJob::Result& r) {
    using F = GuardedJob::Failure;
    switch (r.failure) {
    case F::PortNotOpened:
        return QStringLiteral("端口无法打开：") + describeOpenFailure(r.openFailure);
    case F::NoAnswer:
        return QStringLiteral("对讲机没有应答：请打开对讲机电源，插好连接线，并确认端口。");
    case F::PortLost:
        return QStringLiteral("端口已断开（连接线被拔出？）。");
    case F::Transfer:
        return QStringLiteral("%1时失败：%2。")
            .arg(jobStepWords(r.failedStep), transferWords(r.transfer));
    case F::BackupFolder:
    case F::BackupNotSaved:
        return QStringLiteral("备份无法保存到 %1，没有向对讲机写入任何数据。").arg(r.backupPath);
    case F::Echo:
        return echoWords() + QStringLiteral("。");
    default:
        return QStringLiteral("操作被中断。");
    }
}

QString echoWords() {
    return QStringLiteral("发出的字节被原样送回。建议：连接线短接成回环，或该设备不是对讲机");
}

static QString answerWords(const PortCheck& c) {
    switch (c.answer) {
    case RadioAnswer::Ready:
        return QStringLiteral("对讲机应答“C”：已就绪");
    case RadioAnswer::Silent:
        return QStringLiteral("一秒内没有应答。建议：打开对讲机电源，把插头插到底，并确认端口");
    case RadioAnswer::Echo:
        return echoWords();
    case RadioAnswer::Other:
        return QStringLiteral("意外的应答：%1。建议：不是 ZT41，或线路速率不同")
            .arg(QString::fromLatin1(c.answerBytes.toHex(' ')));
    case RadioAnswer::NotAsked:
        break;
    }
    return QString();
}

QString portCheckWords(const PortCheck& c) {
    QStringList lines;
    if (!c.vendorId.isEmpty())
        lines << QStringLiteral("USB %1:%2 %3，驱动 %4")
                     .arg(c.vendorId, c.productId, c.chip,
                          c.driver.isEmpty() ? QStringLiteral("无") : c.driver);
    using Kind = PortOpenFailure::Kind;
    if (c.openFailure.kind == Kind::None) {
        lines << QStringLiteral("可以打开");
    } else {
        lines << describeOpenFailure(c.openFailure);
        if (c.openFailure.kind == Kind::Busy && !c.holders.isEmpty())
            lines << QStringLiteral("建议：关闭占用它的程序 %1（pid %2）")
                         .arg(c.holders.first().command)
                         .arg(c.holders.first().pid);
        if (c.openFailure.kind == Kind::NoPermission)
            lines << (c.userInGroup
                          ? QStringLiteral("建议：您已在 %1 组中，请注销后重新登录")
                          : QStringLiteral("建议：执行 sudo adduser $USER %1，然后注销并重新登录"))
                         .arg(c.group);
        if (c.openFailure.kind == Kind::Missing)
            lines << QStringLiteral("建议：插上连接线；如已插上，则系统不识别其芯片");
    }
    if (const QString answer = answerWords(c); !answer.isEmpty())
        lines << answer;
    return lines.join(u'\n');
}

WindowMessage noBackupFolderMessage() {
    return {QStringLiteral("找不到存放备份的文件夹（未设置 HOME），没有写入。"), titles::kDataError,
            MessageIcon::Information};
}

static QString columnName(Field field) {
    return ChannelGridModel::captions().value(static_cast<int>(field)).trimmed();
}

WindowMessage radioMatchesMessage(bool wrote, const QList<ChannelFinding>& warned) {
    return {(wrote ? QStringLiteral("写入并校验完毕：对讲机中的信道与表格一致。")
                   : QStringLiteral("对讲机中的信道与表格一致。")) +
                warnedValuesWords(warned, wrote),
            titles::kSystem, MessageIcon::Information};
}

QString warnedValuesWords(const QList<ChannelFinding>& warned, bool wrote) {
    if (warned.isEmpty())
        return QString();
    QStringList lines{wrote
                          ? QStringLiteral("\n以下频率不在 5 kHz 或 6.25 kHz 步进上，按原值写入：")
                          : QStringLiteral("\n表格中以下数值不合规则，写信道时不会写入：")};
    for (const ChannelFinding& f : warned)
        lines << QStringLiteral("信道 %1  %2：%3").arg(f.channel).arg(columnName(f.field), f.value);
    return lines.join(u'\n');
}

QString restoreQuestion(const QDateTime& time, const QString& port) {
    return QStringLiteral("将 %1 的备份写入 %2 上的对讲机？\n对讲机中现有的信道将被替换。")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), port);
}

QString loadBackupQuestion(const QDateTime& time) {
    return QStringLiteral("用 %1 的备份替换表格中的信道？")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

QString closeDuringWriteQuestion() {
    return QStringLiteral("正在写入对讲机。现在关闭，对讲机将只保留部分信道。\n仍要关闭吗？");
}

QString radioMayHaveChangedWords(const QString& backupPath) {
    return QStringLiteral("\n对讲机中的信道可能已被改变。写入前的备份：") + backupPath;
}

WindowMessage jobFailedMessage(const GuardedJob::Result& result) {
    return {jobFailureWords(result), titles::kDataError, MessageIcon::Information};
}

WindowMessage cardNotSavedMessage(const QString& path, const QString& why) {
    return {QStringLiteral("信道表 PDF 保存错误！！\n%1：%2").arg(path, why), titles::kDataError,
            MessageIcon::Warning};
}

QString cardWriteWords(const CardWriteResult& result) {
    if (result.kind == CardWriteResult::Kind::NotDrawn)
        return QStringLiteral("the PDF could not be drawn");
    return result.systemReason;
}

QString dataHomeWords(DataHomeProblem problem, const QString& folder) {
    QString why;
    switch (problem) {
    case DataHomeProblem::None:
        return QString();
    case DataHomeProblem::NotAFolder:
        why = QStringLiteral("exists and is not a folder");
        break;
    case DataHomeProblem::CannotCreate:
        why = QStringLiteral("cannot be created");
        break;
    case DataHomeProblem::CannotEnter:
        why = QStringLiteral("cannot be entered");
        break;
    }
    return QStringLiteral("%1: %2").arg(folder, why);
}

QString portListWords(const PortListRefusal& refusal) {
    if (refusal.kind == PortListRefusal::Kind::NoDevice)
        return QStringLiteral("--ports names no device");
    return QStringLiteral("--ports names %1 devices; at most 8 (COM1 to COM8)")
        .arg(refusal.devices);
}

WindowMessage sysInfoMissingMessage() {
    return {QStringLiteral("此时系统信息不可用"), titles::kApplication, MessageIcon::None};
}

WindowMessage pasteRefusedMessage(const PasteResult& result) {
    constexpr int kNamed = 16;
    constexpr int kShown = 24; // characters of a value too long for any cell
    if (result.nothingToPaste)
        return {QStringLiteral("剪贴板中没有可以粘贴的文字。"), titles::kDataError,
                MessageIcon::Information};
    const QList<RefusedValue>& refused = result.refused;
    const bool allKept = std::all_of(refused.begin(), refused.end(),
                                     [](const RefusedValue& v) { return !v.cellChanged(); });
    QStringList lines;
    if (!refused.isEmpty())
        lines << (allKept ? QStringLiteral("以下数值不合规则，未粘贴，其单元格保持原值：")
                          : QStringLiteral("以下数值不合规则，未粘贴："));
    for (const RefusedValue& v : refused.mid(0, kNamed)) {
        QString line = QStringLiteral("信道 %1  %2：").arg(v.channel).arg(columnName(v.field));
        if (v.value.size() > kMaxCellText)
            line += QStringLiteral("%1……（共 %2 个字符，太长）")
                        .arg(v.value.left(kShown))
                        .arg(v.value.size());
        else
            line += v.value;
        if (!allKept)
            line += v.cellChanged()
                        ? QStringLiteral("（单元格现为“%1”）").arg(v.now.value_or(QString()))
                        : QStringLiteral("（单元格保持原值）");
        lines << line;
    }
    if (refused.size() > kNamed)
        lines << QStringLiteral("……另有 %1 个数值未粘贴。").arg(refused.size() - kNamed);
    if (result.linesLeftOut > 0)
        lines << QStringLiteral("另有 %1 行超出信道 16，未粘贴。").arg(result.linesLeftOut);
    return {lines.join(u'\n'), titles::kDataError, MessageIcon::Information};
}

WindowMessage lastChannelHoldsDataMessage() {
    return {QStringLiteral("信道 16 已有数据，不能插入信道！"), titles::kDataError,
            MessageIcon::Information};
}

WindowMessage noPortMessage(const QList<PortOpenFailure>& failures) {
    QString text = QStringLiteral("无串行端口可用，系统失败，退出！ ");
    // A port that is there but may not be opened is worth naming, with the way in.
    QStringList reasons;
    for (const PortOpenFailure& failure : failures)
        if (failure.portIsThere())
            reasons
                << QStringLiteral("COM%1：%2").arg(failure.port).arg(describeOpenFailure(failure));
    if (!reasons.isEmpty())
        text += QStringLiteral("\n\n") + reasons.join(u'\n');
    return {text, titles::kSystem, MessageIcon::Warning};
}

WindowMessage invalidPortMessage() {
    return {QStringLiteral("选用的串行端口 无效！ "), titles::kSystem, MessageIcon::Critical};
}

QString outputRefusalWords(OutputRefusal refusal) {
    switch (refusal) {
    case OutputRefusal::Database:
        return QStringLiteral("是信道数据库，不能写入");
    case OutputRefusal::Input:
        return QStringLiteral("是正在读取的文件");
    case OutputRefusal::NoFolder:
    case OutputRefusal::FolderNotWritable:
        return QStringLiteral("文件夹不存在或无法写入");
    case OutputRefusal::NotWritable:
        return QStringLiteral("文件无法写入");
    default:
        return QStringLiteral("不是普通文件");
    }
}

namespace {

const QString& cannotOpenDatabase() {
    static const QString text = QStringLiteral("数据库文件无法打开！");
    return text;
}

// The second line of "数据库文件无法打开！": why the file was refused.
QString whyRefused(ChannelTable::OpenProblem problem, int foundRows, const QString& detail) {
    using Problem = ChannelTable::OpenProblem;
    switch (problem) {
    case Problem::None:
        break;
    case Problem::NotAFile:
        return QStringLiteral("不是普通文件");
    case Problem::Missing:
        return QStringLiteral("文件不存在");
    case Problem::NotSqlite:
        return QStringLiteral("不是 SQLite 数据库");
    case Problem::ReadOnly:
        return QStringLiteral("文件无法写入");
    case Problem::Damaged:
        return QStringLiteral("文件已损坏（%1）").arg(detail);
    case Problem::NoTable:
        return QStringLiteral("没有表 Chane");
    case Problem::Columns:
        return QStringLiteral("表 Chane 的列应为 no, rf, rct, tf, tct, bt, pw");
    case Problem::ColumnTypes:
        return QStringLiteral("表 Chane 的列类型会改变存入的文字");
    case Problem::RowCount:
        return QStringLiteral("表 Chane 有 %1 行，应为 16 行").arg(foundRows);
    case Problem::SharedRowIds:
        return QStringLiteral("表 Chane 有行共用同一个 rowid");
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
            titles::kSystem, MessageIcon::Critical};
}

WindowMessage databaseInUseMessage() {
    return {cannotOpenDatabase() + QStringLiteral("\n本程序的另一个副本正在使用该数据库。"),
            titles::kSystem, MessageIcon::Critical};
}

WindowMessage databaseLockFailedMessage() {
    return {cannotOpenDatabase(), titles::kSystem, MessageIcon::Critical};
}

WindowMessage databaseNotRenumberedMessage() {
    return {cannotOpenDatabase() + QStringLiteral("\n数据库文件无法写入！"), titles::kSystem,
            MessageIcon::Critical};
}

QString renumberQuestion() {
    return QStringLiteral("信道号不是 1 到 16，是否重新编号？");
}

WindowMessage outOfRangeMessage() {
    return {QStringLiteral("数据超出范围 ！！"), titles::kDataError, MessageIcon::Information};
}

WindowMessage squelchRefusedMessage() {
    return {QStringLiteral("静燥级别不可大于 9 ！！！"), titles::kSquelch,
            MessageIcon::Information};
}

WindowMessage fileReadErrorMessage() {
    return {QStringLiteral("文件读取错误！！"), titles::kDataError, MessageIcon::Information};
}

WindowMessage fileSaveErrorMessage() {
    return {QStringLiteral("文件保存错误！！"), titles::kDataError, MessageIcon::Information};
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
        return QStringLiteral("无法打开该文件。");
    case ChirpRefusal::TooLarge:
        return QStringLiteral("文件太大，不是信道列表。");
    case ChirpRefusal::NotText:
        return QStringLiteral("不是文本文件，不是 CSV 文件。");
    case ChirpRefusal::UnclosedQuote:
        return QStringLiteral("有一个引号没有结束，不是有效的 CSV 文件。");
    case ChirpRefusal::NoHeader:
        return QStringLiteral("文件是空的，没有标题行。");
    case ChirpRefusal::NoFrequencyColumn:
        return QStringLiteral("第一行没有 Frequency 列，不是 CHIRP 的 CSV 文件。");
    case ChirpRefusal::NoUsableRow:
        return QStringLiteral("没有一行带有可用的接收频率。");
    case ChirpRefusal::CannotStore:
        return QStringLiteral("信道数据库无法写入。");
    case ChirpRefusal::CannotWrite:
        return QStringLiteral("文件无法写入。");
    }
    return QString();
}

// What a CSV column holds, with the column's own name beside it.
QString csvColumnLabel(const QString& column) {
    static const std::pair<const char*, const char*> labels[] = {
        {"Frequency", "接收频率"}, {"Offset", "发送频率"}, {"Duplex", "收发方式"},
        {"rToneFreq", "发射哑音"}, {"cToneFreq", "哑音"},  {"Tone", "哑音方式"},
        {"CrossMode", "哑音方式"}, {"Power", "功率"},      {"Mode", "调制方式"},
        {"Location", "位置"},
    };
    for (const auto& [name, words] : labels)
        if (column == QLatin1String(name))
            return QStringLiteral("%1（%2）").arg(QString::fromUtf8(words), column);
    return column;
}

QString csvProblemText(ChirpWarningKind kind) {
    using K = ChirpWarningKind;
    switch (kind) {
    case K::NotANumber:
        return QStringLiteral("不是数字，已留空");
    case K::OutOfRange:
        return QStringLiteral("不在 130 至 500 MHz 之内，已留空");
    case K::OffStep:
        return QStringLiteral("不在 5 kHz 或 6.25 kHz 的步进上，已留空");
    case K::UnknownDuplex:
        return QStringLiteral("无法识别，发送频率已留空");
    case K::ToneNotInSet:
        return QStringLiteral("不是本机的 39 个哑音之一，已留空");
    case K::UnsupportedToneMode:
        return QStringLiteral("本机不支持，哑音已留空");
    case K::UnknownPower:
        return QStringLiteral("无法识别，已留空");
    case K::NotFm:
        return QStringLiteral("本机只有 FM，按 FM 导入");
    case K::BadLocation:
        return QStringLiteral("不是整数，该行排在最后");
    case K::FinerThan10Hz:
        return QStringLiteral("精度超过 10 Hz，本机无法存储，已留空");
    case K::NegativeOffset:
        return QStringLiteral("与收发差方向（+/-）同时为负数，含义不明，发送频率已留空");
    case K::TonesDiffer:
        return QStringLiteral("与 cToneFreq 不同，TSQL 收发同用 cToneFreq");
    case K::NoReceiveFrequency:
    case K::RowsLeftOut:
        break;
    }
    return QString();
}

QString csvWarningText(const ChirpWarning& w) {
    if (w.kind == ChirpWarningKind::RowsLeftOut)
        return QStringLiteral("另有 %1 行超出 16 个信道，没有导入。").arg(w.text);
    if (w.kind == ChirpWarningKind::NoReceiveFrequency)
        return QStringLiteral(
                   "信道 %1：频率「%2」没有可用的接收频率，CHIRP 的一行放不下，该信道未导出。")
            .arg(w.channel)
            .arg(w.text);
    QString where;
    if (w.line == 0) // a warning of the file as a whole
        where = QStringLiteral("信道 %1：").arg(w.channel);
    else if (w.channel > 0)
        where = QStringLiteral("第 %1 行（信道 %2）：").arg(w.line).arg(w.channel);
    else
        where = QStringLiteral("第 %1 行：").arg(w.line);
    return QStringLiteral("%1%2「%3」%4。")
        .arg(where, csvColumnLabel(w.column), w.text, csvProblemText(w.kind));
}

} // namespace

WindowMessage csvImportMessage(const ChirpImport& import) {
    if (import.refusal != ChirpRefusal::None) {
        QString text = QStringLiteral("CSV 文件无法导入：") + csvRefusalText(import.refusal);
        // Why no row was usable is in the warnings.
        for (const ChirpWarning& w : import.warnings)
            text += u'\n' + csvWarningText(w);
        return {text, titles::kDataError, MessageIcon::Information};
    }
    if (import.warnings.isEmpty())
        return {};
    QStringList lines{
        QStringLiteral("CSV 文件已导入，以下 %1 项未能照原样导入：").arg(import.warnings.size())};
    for (const ChirpWarning& w : import.warnings)
        lines << csvWarningText(w);
    return {lines.join(u'\n'), titles::kSystem, MessageIcon::Warning};
}

WindowMessage csvExportMessage(ChirpRefusal refusal, const QList<ChirpWarning>& leftOut) {
    if (refusal != ChirpRefusal::None)
        return fileSaveErrorMessage();
    if (leftOut.isEmpty())
        return {};
    QStringList lines{
        QStringLiteral("CSV 文件已导出，以下 %1 个信道未能导出：").arg(leftOut.size())};
    for (const ChirpWarning& w : leftOut)
        lines << csvWarningText(w);
    return {lines.join(u'\n'), titles::kSystem, MessageIcon::Warning};
}

QString spokenValue(Field field, const QString& text) {
    const QString value = text.trimmed();
    switch (field) {
    case Field::Rct:
    case Field::Tct:
        return value.isEmpty() ? QStringLiteral("无") : value;
    case Field::Bt:
        if (value == u"on")
            return QStringLiteral("开");
        if (value == u"off")
            return QStringLiteral("关");
        break;
    case Field::Pw:
        if (value == u"H")
            return QStringLiteral("高功率");
        if (value == u"L")
            return QStringLiteral("低功率");
        break;
    default:
        break;
    }
    return value.isEmpty() ? QStringLiteral("空") : value;
}

QString spokenColumnName(Field field) {
    return ChannelGridModel::captions().value(static_cast<int>(field)).trimmed();
}

} // namespace zt41
