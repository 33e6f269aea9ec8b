// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirpwords.h"

#include "channelfile.h"
#include "channels/channeltable.h"
#include "channels/messagesink.h"
#include "filetarget.h"

namespace zt41 {

QString chirpRefusalText(ChirpRefusal refusal, ChirpLanguage language) {
    const bool zh = language == ChirpLanguage::Chinese;
    switch (refusal) {
    case ChirpRefusal::None:
        return QString();
    case ChirpRefusal::CannotOpen:
        return zh ? QStringLiteral("无法打开该文件。") : QStringLiteral("cannot open the file");
    case ChirpRefusal::TooLarge:
        return zh ? QStringLiteral("文件太大，不是信道列表。")
                  : QStringLiteral("the file is far too large for a channel list");
    case ChirpRefusal::NotText:
        return zh ? QStringLiteral("不是文本文件，不是 CSV 文件。")
                  : QStringLiteral("not a text file, so not CSV");
    case ChirpRefusal::UnclosedQuote:
        return zh ? QStringLiteral("有一个引号没有结束，不是有效的 CSV 文件。")
                  : QStringLiteral("a quoted value never ends: not a valid CSV file");
    case ChirpRefusal::NoHeader:
        return zh ? QStringLiteral("文件是空的，没有标题行。")
                  : QStringLiteral("the file is empty: no header line");
    case ChirpRefusal::NoFrequencyColumn:
        return zh ? QStringLiteral("第一行没有 Frequency 列，不是 CHIRP 的 CSV 文件。")
                  : QStringLiteral("the header line has no Frequency column: not a CHIRP CSV file");
    case ChirpRefusal::NoUsableRow:
        return zh ? QStringLiteral("没有一行带有可用的接收频率。")
                  : QStringLiteral("no row has a usable receive frequency");
    case ChirpRefusal::CannotStore:
        return zh ? QStringLiteral("信道数据库无法写入。")
                  : QStringLiteral("the channel database could not be written");
    case ChirpRefusal::CannotWrite:
        return zh ? QStringLiteral("文件无法写入。")
                  : QStringLiteral("the file could not be written");
    }
    return QString();
}

namespace {

QString columnLabel(const QString& column, ChirpLanguage language) {
    const bool zh = language == ChirpLanguage::Chinese;
    struct Label {
        const char* column;
        const char* zh;
        const char* en;
    };
    static const Label labels[] = {
        {"Frequency", "接收频率", "receive frequency"},
        {"Offset", "发送频率", "transmit frequency"},
        {"Duplex", "收发方式", "duplex"},
        {"rToneFreq", "发射哑音", "transmit tone"},
        {"cToneFreq", "哑音", "tone"},
        {"Tone", "哑音方式", "tone mode"},
        {"CrossMode", "哑音方式", "cross mode"},
        {"Power", "功率", "power"},
        {"Mode", "调制方式", "mode"},
        {"Location", "位置", "location"},
    };
    for (const Label& l : labels) {
        if (column == QLatin1String(l.column))
            return QStringLiteral("%1（%2）")
                .arg(zh ? QString::fromUtf8(l.zh) : QString::fromUtf8(l.en), column);
    }
    return column;
}

} // namespace

QString chirpWarningText(const ChirpWarning& w, ChirpLanguage language) {
    const bool zh = language == ChirpLanguage::Chinese;
    if (w.kind == ChirpWarningKind::RowsLeftOut)
        return zh ? QStringLiteral("另有 %1 行超出 16 个信道，没有导入。").arg(w.text)
                  : QStringLiteral("%1 rows beyond the 16 channels were left out").arg(w.text);

    if (w.kind == ChirpWarningKind::NoReceiveFrequency)
        return zh ? QStringLiteral(
                        "信道 %1：频率「%2」没有可用的接收频率，CHIRP 的一行放不下，该信道未导出。")
                        .arg(w.channel)
                        .arg(w.text)
                  : QStringLiteral("channel %1: the frequency \"%2\" stands without a usable "
                                   "receive frequency, which a CHIRP row needs; the channel was "
                                   "left out")
                        .arg(w.channel)
                        .arg(w.text);

    QString where;
    if (w.line == 0) // a warning of the file as a whole
        where = zh ? QStringLiteral("信道 %1：").arg(w.channel)
                   : QStringLiteral("channel %1: ").arg(w.channel);
    else if (zh)
        where = w.channel > 0 ? QStringLiteral("第 %1 行（信道 %2）：").arg(w.line).arg(w.channel)
                              : QStringLiteral("第 %1 行：").arg(w.line);
    else
        where = w.channel > 0 ? QStringLiteral("line %1 (channel %2): ").arg(w.line).arg(w.channel)
                              : QStringLiteral("line %1: ").arg(w.line);
    QString label = columnLabel(w.column, language);
    if (!zh)
        label.replace(QStringLiteral("（"), QStringLiteral(" ("))
            .replace(QStringLiteral("）"), QStringLiteral(")"));
    const QString value =
        zh ? QStringLiteral("「%1」").arg(w.text) : QStringLiteral("\"%1\"").arg(w.text);

    QString problem;
    switch (w.kind) {
    case ChirpWarningKind::NotANumber:
        problem =
            zh ? QStringLiteral("不是数字，已留空") : QStringLiteral("is not a number; left empty");
        break;
    case ChirpWarningKind::OutOfRange:
        problem = zh ? QStringLiteral("不在 130 至 500 MHz 之内，已留空")
                     : QStringLiteral("is outside 130 to 500 MHz; left empty");
        break;
    case ChirpWarningKind::OffStep:
        problem = zh ? QStringLiteral("不在 5 kHz 或 6.25 kHz 的步进上，已留空")
                     : QStringLiteral("is on neither the 5 kHz nor the 6.25 kHz step; left empty");
        break;
    case ChirpWarningKind::UnknownDuplex:
        problem = zh ? QStringLiteral("无法识别，发送频率已留空")
                     : QStringLiteral("is not known; transmit frequency left empty");
        break;
    case ChirpWarningKind::ToneNotInSet:
        problem = zh ? QStringLiteral("不是本机的 39 个哑音之一，已留空")
                     : QStringLiteral("is not one of the radio's 39 CTCSS tones; left empty");
        break;
    case ChirpWarningKind::UnsupportedToneMode:
        problem = zh ? QStringLiteral("本机不支持，哑音已留空")
                     : QStringLiteral("is not supported by the radio; tones left empty");
        break;
    case ChirpWarningKind::UnknownPower:
        problem =
            zh ? QStringLiteral("无法识别，已留空") : QStringLiteral("is not known; left empty");
        break;
    case ChirpWarningKind::NotFm:
        problem = zh ? QStringLiteral("本机只有 FM，按 FM 导入")
                     : QStringLiteral("is not FM, the radio's only mode; imported as FM");
        break;
    case ChirpWarningKind::BadLocation:
        problem = zh ? QStringLiteral("不是整数，该行排在最后")
                     : QStringLiteral("is not a whole number; the row was placed last");
        break;
    case ChirpWarningKind::FinerThan10Hz:
        problem = zh ? QStringLiteral("精度超过 10 Hz，本机无法存储，已留空")
                     : QStringLiteral("has digits finer than the radio's 10 Hz; left empty");
        break;
    case ChirpWarningKind::NegativeOffset:
        problem = zh ? QStringLiteral("与收发差方向（+/-）同时为负数，含义不明，发送频率已留空")
                     : QStringLiteral("is negative while Duplex gives the direction; transmit "
                                      "frequency left empty");
        break;
    case ChirpWarningKind::TonesDiffer:
        problem = zh ? QStringLiteral("与 cToneFreq 不同，TSQL 收发同用 cToneFreq")
                     : QStringLiteral("differs from cToneFreq; TSQL uses cToneFreq both ways");
        break;
    case ChirpWarningKind::NoReceiveFrequency:
    case ChirpWarningKind::RowsLeftOut:
        break;
    }
    return zh ? where + label + value + problem + QStringLiteral("。")
              : where + label + u' ' + value + u' ' + problem;
}

QString chirpWarningsMessage(const QList<ChirpWarning>& warnings, ChirpLanguage language) {
    QStringList lines;
    lines
        << (language == ChirpLanguage::Chinese
                ? QStringLiteral("CSV 文件已导入，以下 %1 项未能照原样导入：").arg(warnings.size())
                : QStringLiteral("imported with %1 warnings:").arg(warnings.size()));
    for (const ChirpWarning& w : warnings)
        lines << chirpWarningText(w, language);
    return lines.join(u'\n');
}

bool importTableFromChirpCsv(ChannelTable& table, const QString& path, MessageSink& messages) {
    const ChirpImport result = importChirpCsv(table, path);
    if (result.refusal != ChirpRefusal::None) {
        QString text = QStringLiteral("CSV 文件无法导入：") +
                       chirpRefusalText(result.refusal, ChirpLanguage::Chinese);
        // Why no row was usable is in the warnings.
        for (const ChirpWarning& w : result.warnings)
            text += u'\n' + chirpWarningText(w, ChirpLanguage::Chinese);
        messages.show(text, titles::kDataError, MessageIcon::Information);
        return false;
    }
    if (!result.warnings.isEmpty())
        messages.show(chirpWarningsMessage(result.warnings, ChirpLanguage::Chinese),
                      titles::kSystem, MessageIcon::Warning);
    return true;
}

bool exportTableToChirpCsv(const ChannelTable& table, const QString& path, MessageSink& messages) {
    // Never over the channel database itself, under whatever name.
    if (isSameFile(path, table.filePath()) || exportChirpCsv(table, path) != ChirpRefusal::None) {
        messages.show(channelFileSaveErrorText(), titles::kDataError, MessageIcon::Information);
        return false;
    }
    const QList<ChirpWarning> leftOut = chirpExportLeftOut(table.rows());
    if (!leftOut.isEmpty()) {
        QStringList lines{
            QStringLiteral("CSV 文件已导出，以下 %1 个信道未能导出：").arg(leftOut.size())};
        for (const ChirpWarning& w : leftOut)
            lines << chirpWarningText(w, ChirpLanguage::Chinese);
        messages.show(lines.join(u'\n'), titles::kSystem, MessageIcon::Warning);
    }
    return true;
}

} // namespace zt41
