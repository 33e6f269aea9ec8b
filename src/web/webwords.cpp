// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-webwords [--lang zh|en] FILE: writes the window's words as JSON for
// the page, in Chinese or under the window's English translation, so the
// page speaks with the window's own texts and nobody types them twice. The
// window is built (not shown, no port probed) over a channel database in a
// temporary folder and its menus, labels and controls are read by their
// object names; the messages and status texts come from the window's words,
// the channel card's from the card's.
#include "card/channelcard.h"
#include "channels/channeltable.h"
#include "files/chirpcsv.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "link/sessionhost.h"
#include "services/service.h"
#include "services/servicecheck.h"
#include "shell/channelgridmodel.h"
#include "shell/filedialogs.h"
#include "shell/helpwindows.h"
#include "shell/language.h"
#include "shell/mainwindow.h"
#include "shell/safeprogramming.h"
#include "shell/servicewindow.h"
#include "shell/windowwords.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace zt41;

namespace {

// A menu or action caption as the page shows it: without the access key's
// "(&X)" and the padding the window's menu bar uses for spacing.
QString plainCaption(QString text) {
    static const QRegularExpression accessKey(QStringLiteral("\\(&[A-Z]\\)"));
    return text.remove(accessKey).remove(u'&').trimmed();
}

QJsonObject message(const WindowMessage& m) {
    static const char* icons[] = {"none", "information", "warning", "critical"};
    return {{QStringLiteral("text"), m.text},
            {QStringLiteral("title"), m.title},
            {QStringLiteral("icon"), QString::fromLatin1(icons[static_cast<int>(m.icon)])}};
}

QJsonObject windowTexts(MainWindow& window) {
    QJsonObject actions;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* a : bar->findChildren<QAction*>())
            if (!a->objectName().isEmpty() && !a->text().isEmpty())
                actions.insert(a->objectName(), plainCaption(a->text()));
    for (QAction* a : window.findChildren<QAction*>())
        if (!a->objectName().isEmpty() && !a->text().isEmpty() &&
            !actions.contains(a->objectName()))
            actions.insert(a->objectName(), plainCaption(a->text()));
    // Items of the 工具 menu carry no object name: their captions by position.
    QJsonArray tools;
    if (QMenu* menu = window.findChild<QMenu*>(QStringLiteral("工具")))
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                tools.append(plainCaption(a->text()));
    QJsonObject labels;
    for (QLabel* l : window.findChildren<QLabel*>())
        if (!l->objectName().isEmpty() && !l->text().isEmpty())
            labels.insert(l->objectName(), l->text());
    QJsonObject names;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->accessibleName().isEmpty())
            names.insert(w->objectName(), w->accessibleName());
    return {{QStringLiteral("title"), window.windowTitle()},
            {QStringLiteral("actions"), actions},
            {QStringLiteral("tools"), tools},
            {QStringLiteral("labels"), labels},
            {QStringLiteral("names"), names}};
}

QJsonObject statusTexts() {
    return {{QStringLiteral("ready"), statusText(LinkStatus::Ready)},
            {QStringLiteral("writing"), statusText(LinkStatus::Writing)},
            {QStringLiteral("written"), statusText(LinkStatus::Written)},
            {QStringLiteral("read"), statusText(LinkStatus::Read)}};
}

// Every transfer's every outcome that has a message, keyed "transfer:kind"
// by the kernel's numbers of both.
QJsonObject outcomeMessages() {
    using Kind = TransferOutcome::Kind;
    QJsonObject out;
    for (Transfer transfer : {Transfer::Write, Transfer::Read})
        for (int kind = static_cast<int>(Kind::Done); kind <= static_cast<int>(Kind::NotStored);
             ++kind) {
            TransferOutcome o;
            o.transfer = transfer;
            o.kind = static_cast<Kind>(kind);
            o.frame = 1;
            const WindowMessage m = messageFor(o);
            if (!m.text.isEmpty())
                out.insert(QStringLiteral("%1:%2").arg(static_cast<int>(transfer)).arg(kind),
                           message(m));
        }
    return out;
}

QJsonObject plainMessages() {
    QJsonObject out{
        {QStringLiteral("outOfRange"), message(outOfRangeMessage())},
        {QStringLiteral("squelchRefused"), message(squelchRefusedMessage())},
        {QStringLiteral("fileReadError"), message(fileReadErrorMessage())},
        {QStringLiteral("fileSaveError"), message(fileSaveErrorMessage())},
        {QStringLiteral("fileBusy"), message(fileBusyMessage())},
        {QStringLiteral("lastChannelHoldsData"), message(lastChannelHoldsDataMessage())},
        {QStringLiteral("databaseInUse"), message(databaseInUseMessage())},
        {QStringLiteral("invalidPort"), message(invalidPortMessage())},
        {QStringLiteral("portBusy"), message(portBusyMessage())},
        {QStringLiteral("storeFailed"), message(storeFailedMessage())},
    };
    return out;
}

// The paste message's parts, taken from the window's own message for pastes
// made up to show each part, with markers where the page puts its values:
// {channel}, {value}, {now}, {n}.
QJsonObject pasteTemplates() {
    const QString value = QStringLiteral("\u0001"), now = QStringLiteral("\u0002");
    const auto lines = [](const PasteResult& r) {
        return pasteRefusedMessage(r).text.split(u'\n');
    };
    const auto refused = [&](int channel, Field field, bool changed) {
        RefusedValue v;
        v.channel = channel;
        v.field = field;
        v.value = value;
        v.before = QString();
        v.now = changed ? now : QString();
        return v;
    };
    PasteResult kept;
    kept.refused = {refused(16, Field::Rf, false)};
    PasteResult changed;
    changed.refused = {refused(16, Field::Rf, true), refused(16, Field::Tf, false)};
    QJsonArray fieldLines;
    for (int f = 0; f < kFieldCount; ++f) {
        PasteResult one;
        one.refused = {refused(16, static_cast<Field>(f), false)};
        fieldLines.append(lines(one)
                              .value(1)
                              .replace(QStringLiteral("16"), QStringLiteral("{channel}"))
                              .replace(value, QStringLiteral("{value}")));
    }
    const QString changedLine = lines(changed).value(1), keptLine = lines(changed).value(2);
    const QString plainLine = lines(kept).value(1);
    PasteResult many;
    for (int i = 0; i < 17; ++i)
        many.refused.append(refused(16, Field::Rf, false));
    PasteResult leftOut;
    leftOut.linesLeftOut = 7;
    PasteResult nothing;
    nothing.nothingToPaste = true;
    const WindowMessage m = pasteRefusedMessage(kept);
    return {{QStringLiteral("title"), m.title},
            {QStringLiteral("icon"), message(m).value(QStringLiteral("icon"))},
            {QStringLiteral("keptHeader"), lines(kept).value(0)},
            {QStringLiteral("changedHeader"), lines(changed).value(0)},
            {QStringLiteral("lines"), fieldLines},
            {QStringLiteral("changedSuffix"),
             changedLine.mid(plainLine.size()).replace(now, QStringLiteral("{now}"))},
            {QStringLiteral("keptSuffix"), keptLine.mid(keptLine.indexOf(value) + 1)},
            {QStringLiteral("more"),
             lines(many).last().replace(QStringLiteral("1"), QStringLiteral("{n}"))},
            {QStringLiteral("leftOut"),
             lines(leftOut).last().replace(QStringLiteral("7"), QStringLiteral("{n}"))},
            {QStringLiteral("nothing"), message(pasteRefusedMessage(nothing))}};
}

// CSV import and export messages, in parts as for the paste message: each
// refusal's message; the line naming a warning for each kind, at a line with
// a channel ("row"), at a line left out ("left") and of the file ("file"),
// with {line}, {channel}, {column} and {text} to fill in; and the labels the
// window gives the CSV's columns. Kinds and refusals by the kernel's numbers.
QJsonObject csvTemplates() {
    const QString text = QStringLiteral("\u0001"), column = QStringLiteral("\u0003");
    const auto fill = [&](QString s) {
        return s.replace(QStringLiteral("90001"), QStringLiteral("{line}"))
            .replace(QStringLiteral("90002"), QStringLiteral("{channel}"))
            .replace(column, QStringLiteral("{column}"))
            .replace(text, QStringLiteral("{text}"));
    };
    const auto warningLine = [&](ChirpWarningKind kind, int line, int channel, const QString& col) {
        ChirpImport import;
        import.warnings = {ChirpWarning { line, channel, col, kind, text }};
        return csvImportMessage(import).text.section(u'\n', 1);
    };
    QJsonArray refusals;
    for (int r = 0; r <= static_cast<int>(ChirpRefusal::CannotWrite); ++r) {
        ChirpImport import;
        import.refusal = static_cast<ChirpRefusal>(r);
        refusals.append(r == 0 ? QString() : csvImportMessage(import).text);
    }
    QJsonArray lines;
    for (int k = 0; k <= static_cast<int>(ChirpWarningKind::NoReceiveFrequency); ++k) {
        const auto kind = static_cast<ChirpWarningKind>(k);
        lines.append(
            QJsonObject{{QStringLiteral("row"), fill(warningLine(kind, 90001, 90002, column))},
                        {QStringLiteral("left"), fill(warningLine(kind, 90001, 0, column))},
                        {QStringLiteral("file"), fill(warningLine(kind, 0, 90002, column))}});
    }
    // A column's label: what stands where the raw name stood.
    const QString bare = warningLine(ChirpWarningKind::NotANumber, 0, 90002, column);
    const QString before = bare.section(column, 0, 0), after = bare.section(column, 1);
    QJsonObject labels;
    const QByteArray header = encodeChirpCsv(ChannelRows{}).split('\n').value(0).trimmed();
    for (const QByteArray& name : header.split(',')) {
        const QString labelled =
            warningLine(ChirpWarningKind::NotANumber, 0, 90002, QString::fromUtf8(name));
        labels.insert(QString::fromUtf8(name),
                      labelled.mid(before.size(), labelled.size() - before.size() - after.size()));
    }
    ChirpImport many;
    for (int i = 0; i < 7; ++i)
        many.warnings.append(ChirpWarning{});
    const WindowMessage imported = csvImportMessage(many);
    ChirpImport refused;
    refused.refusal = ChirpRefusal::NoHeader;
    const WindowMessage refusedMessage = csvImportMessage(refused);
    const WindowMessage exported = csvExportMessage(ChirpRefusal::None, {ChirpWarning{}});
    return {
        {QStringLiteral("refusals"), refusals},
        {QStringLiteral("refusedTitle"), refusedMessage.title},
        {QStringLiteral("refusedIcon"), message(refusedMessage).value(QStringLiteral("icon"))},
        {QStringLiteral("importedHeader"),
         imported.text.section(u'\n', 0, 0).replace(QStringLiteral("7"), QStringLiteral("{n}"))},
        {QStringLiteral("importedTitle"), imported.title},
        {QStringLiteral("importedIcon"), message(imported).value(QStringLiteral("icon"))},
        {QStringLiteral("exportedHeader"),
         exported.text.section(u'\n', 0, 0).replace(QStringLiteral("1"), QStringLiteral("{n}"))},
        {QStringLiteral("lines"), lines},
        {QStringLiteral("columns"), labels}};
}

// 频段检查: the window's title, headers and button, and for each service (by
// the kernel's order) its description, its verdicts and the words of each
// finding, with {n}, {watts} and {limit} to fill in. A channel off every plan
// makes the window say its verdict on findings.
QJsonObject serviceTexts(ChannelTable& table) {
    ServiceWindow window(table, nullptr);
    const auto text = [&](const char* name) {
        return window.findChild<QLabel*>(QString::fromUtf8(name))->text();
    };
    QJsonArray list;
    for (const Service& s : services()) {
        window.choose(s.id);
        const QString about = text("频段说明"), ok = text("检查结论");
        ServiceFinding f;
        f.kind = FindingKind::HighPower;
        f.watts = 90001;
        f.limitWatts = 90002;
        const auto high = [&](const QString& power) {
            f.value = power;
            return findingText(s, f)
                .replace(QStringLiteral("90001"), QStringLiteral("{watts}"))
                .replace(QStringLiteral("90002"), QStringLiteral("{limit}"));
        };
        ServiceFinding offPlan, notSimplex;
        offPlan.kind = FindingKind::OffPlan;
        notSimplex.kind = FindingKind::NotSimplex;
        list.append(QJsonObject{{QStringLiteral("id"), s.id},
                                {QStringLiteral("name"), inWindowLanguage(s.name)},
                                {QStringLiteral("about"), about},
                                {QStringLiteral("ok"), ok},
                                {QStringLiteral("offPlan"), findingText(s, offPlan)},
                                {QStringLiteral("notSimplex"), findingText(s, notSimplex)},
                                {QStringLiteral("highH"), high(QStringLiteral("H"))},
                                {QStringLiteral("highL"), high(QStringLiteral("L"))}});
    }
    table.setCurrentRow(0);
    table.writeField(Field::Rf, QStringLiteral("131.00000"));
    window.choose(services().front().id);
    QString bad = text("检查结论");
    auto* findings = window.findChild<QTreeWidget*>(QStringLiteral("检查结果"));
    QJsonArray headers;
    for (int c = 0; c < findings->columnCount(); ++c)
        headers.append(findings->headerItem()->text(c));
    const QList<ServiceFinding> found = checkChannels(services().front(), table.rows());
    QString nearest = findings->topLevelItem(0)->text(3);
    nearest.replace(found.front().nearestValue, QStringLiteral("{value}"))
        .replace(QString::number(found.front().nearest), QStringLiteral("{n}"));
    table.writeField(Field::Rf, QString());
    const auto field = [](Field f) {
        ServiceFinding finding;
        finding.field = f;
        return findingFieldText(finding);
    };
    return {{QStringLiteral("title"), window.windowTitle()},
            {QStringLiteral("headers"), headers},
            {QStringLiteral("fill"),
             window.findChild<QPushButton*>(QStringLiteral("按此频段填入信道"))->text()},
            {QStringLiteral("bad"),
             bad.replace(QStringLiteral(" %1 ").arg(found.size()), QStringLiteral(" {n} "))
                 .replace(inWindowLanguage(services().front().name), QStringLiteral("{name}"))},
            {QStringLiteral("nearest"), nearest},
            {QStringLiteral("fields"), QJsonObject{{QStringLiteral("rf"), field(Field::Rf)},
                                                   {QStringLiteral("tf"), field(Field::Tf)},
                                                   {QStringLiteral("pw"), field(Field::Pw)}}},
            {QStringLiteral("services"), list}};
}

// 操作说明 and 关于本软件: the windows' titles and texts, the About window's
// labels in their order on the window.
QJsonObject helpTexts() {
    HelpWindows help;
    QWidget* instructions = help.showInstructions();
    QWidget* about = help.showAbout();
    QJsonArray aboutLabels;
    for (QLabel* l : about->findChildren<QLabel*>())
        if (!l->text().isEmpty() && l->pixmap().isNull())
            aboutLabels.append(l->text());
    QJsonObject out{
        {QStringLiteral("instructionsTitle"), instructions->windowTitle()},
        {QStringLiteral("instructions"), QJsonArray::fromStringList(instructionsLines())},
        {QStringLiteral("aboutTitle"), about->windowTitle()},
        {QStringLiteral("about"), aboutLabels}};
    instructions->close();
    about->close();
    return out;
}

// The 工具 menu's guarded jobs: the step and frame while one runs, each
// field's name, each failure's message (keyed "failure" or, for a transfer,
// "failure:step:kind" by the kernel's numbers) with {frame} and {backup} to
// fill in, the messages of a radio that matches, the lines naming values
// that went out with a warning, the questions before a backup is used with
// {time} and {port}, and the 校验结果 and 备份与恢复 windows' words.
QJsonObject toolTexts(MainWindow& window) {
    using Job = GuardedJob;
    const QString frame = QStringLiteral("90001"), backup = QStringLiteral("\u0001");
    const auto fill = [&](QString s) {
        return s.replace(frame, QStringLiteral("{frame}"))
            .replace(backup, QStringLiteral("{backup}"));
    };
    QJsonObject steps;
    for (Job::Step step :
         {Job::Step::Backup, Job::Step::Writing, Job::Step::Verifying, Job::Step::Reading})
        steps.insert(QString::number(static_cast<int>(step)),
                     SafeProgramming::tr("正在%1... %2/16")
                         .arg(jobStepWords(step), QStringLiteral("{frame}")));
    QJsonArray fields;
    for (int f = 0; f <= static_cast<int>(FrameField::TransmitTone); ++f)
        fields.append(frameFieldWords(static_cast<FrameField>(f)));
    QJsonObject failures;
    for (int f = static_cast<int>(Job::Failure::PortNotOpened);
         f <= static_cast<int>(Job::Failure::Echo); ++f) {
        Job::Result r;
        r.failure = static_cast<Job::Failure>(f);
        r.backupPath = backup;
        if (r.failure != Job::Failure::Transfer) {
            if (r.failure != Job::Failure::Differences)
                failures.insert(QString::number(f), fill(jobFailedMessage(r).text));
            continue;
        }
        for (Job::Step step :
             {Job::Step::Backup, Job::Step::Writing, Job::Step::Verifying, Job::Step::Reading})
            for (int kind = static_cast<int>(TransferOutcome::Kind::PortNotOpen);
                 kind <= static_cast<int>(TransferOutcome::Kind::NotStored); ++kind) {
                r.failedStep = step;
                r.transfer.kind = static_cast<TransferOutcome::Kind>(kind);
                r.transfer.frame = 90001;
                failures.insert(
                    QStringLiteral("%1:%2:%3").arg(f).arg(static_cast<int>(step)).arg(kind),
                    fill(jobFailureWords(r)));
            }
    }
    Job::Result failed;
    failed.failure = Job::Failure::Interrupted;
    ChannelFinding warned;
    warned.channel = 90001;
    warned.field = Field::Rf;
    warned.value = backup;
    const auto warnedLines = [&](bool wrote) {
        const QStringList lines = warnedValuesWords({warned}, wrote).split(u'\n');
        return QJsonObject{{QStringLiteral("header"), lines.value(1)},
                           {QStringLiteral("line"),
                            lines.value(2)
                                .replace(QStringLiteral("90001"), QStringLiteral("{channel}"))
                                .replace(ChannelGridModel::captions().value(1).trimmed(),
                                         QStringLiteral("{column}"))
                                .replace(backup, QStringLiteral("{value}"))}};
    };
    const QDateTime time(QDate(2001, 2, 3), QTime(4, 5, 6));
    const QString timeText = time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const auto withTime = [&](QString s) {
        return s.replace(timeText, QStringLiteral("{time}"))
            .replace(backup, QStringLiteral("{port}"));
    };

    SafeProgramming& safe = window.safeProgramming();
    safe.showBackups();
    auto* backups = window.findChild<ListWindow*>(QStringLiteral("备份与恢复"));
    QString intro = backups->findChild<QLabel*>(QStringLiteral("intro"))->text();
    if (const std::optional<BackupStore> store = BackupStore::standard())
        intro.replace(store->folder(), QStringLiteral("{folder}"));
    QJsonArray heads;
    for (int c = 0; c < backups->table()->columnCount(); ++c)
        heads.append(backups->table()->horizontalHeaderItem(c)->text());
    QJsonObject buttons;
    for (QPushButton* b : backups->findChildren<QPushButton*>())
        buttons.insert(b->objectName(), b->text());
    backups->close();
    const auto tr = [](const char* text) {
        return SafeProgramming::tr(text);
    };
    return {
        {QStringLiteral("waiting"), tr("正在等待对讲机...")},
        {QStringLiteral("steps"), steps},
        {QStringLiteral("fields"), fields},
        {QStringLiteral("failures"), failures},
        {QStringLiteral("failedTitle"),
         message(jobFailedMessage(failed)).value(QStringLiteral("title"))},
        {QStringLiteral("failedIcon"),
         message(jobFailedMessage(failed)).value(QStringLiteral("icon"))},
        {QStringLiteral("mayHaveChanged"), fill(radioMayHaveChangedWords(backup))},
        {QStringLiteral("written"), message(radioMatchesMessage(true))},
        {QStringLiteral("matches"), message(radioMatchesMessage(false))},
        {QStringLiteral("warnedWritten"), warnedLines(true)},
        {QStringLiteral("warnedChecked"), warnedLines(false)},
        {QStringLiteral("restoreQuestion"), withTime(restoreQuestion(time, backup))},
        {QStringLiteral("loadQuestion"), withTime(loadBackupQuestion(time))},
        {QStringLiteral("questionTitle"), titles::system()},
        {QStringLiteral("backups"), QJsonObject{{QStringLiteral("title"), backups->windowTitle()},
                                                {QStringLiteral("intro"), intro},
                                                {QStringLiteral("heads"), heads},
                                                {QStringLiteral("buttons"), buttons}}},
        {QStringLiteral("differences"),
         QJsonObject{
             {QStringLiteral("title"), tr("校验结果")},
             {QStringLiteral("intro"), tr("对讲机中有 %1 处与%2不同。")
                                           .arg(QStringLiteral("{n}"), QStringLiteral("{what}"))},
             {QStringLiteral("table"), tr("表格")},
             {QStringLiteral("backup"), tr("备份")},
             {QStringLiteral("backupLine"), tr("\n写入前的备份：") + QStringLiteral("{backup}")},
             {QStringLiteral("heads"),
              QJsonArray{tr("信道"), tr("项目"), tr("表格中"), tr("对讲机中")}},
             {QStringLiteral("restore"), tr("恢复备份")}}},
    };
}

// The channel card: its title, the date and squelch lines with {date} and
// {level}, the strip's caption, the columns' titles, and the cells' words by
// the kernel's numbers.
QJsonObject cardWords() {
    const CardTexts t = cardTexts();
    return {{QStringLiteral("title"), t.title},
            {QStringLiteral("dateLine"), t.dateLine.arg(QStringLiteral("{date}"))},
            {QStringLiteral("squelchLine"), t.squelchLine.arg(QStringLiteral("{level}"))},
            {QStringLiteral("stripCaption"), t.stripCaption},
            {QStringLiteral("columns"), QJsonArray::fromStringList(t.columns)},
            {QStringLiteral("words"), QJsonArray::fromStringList(t.words)}};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    std::optional<Language> language = Language::Chinese;
    if (args.size() == 3 && args.front() == u"--lang") {
        language = languageNamed(args.at(1));
        args = args.mid(2);
    }
    if (args.size() != 1 || !language) {
        fprintf(stderr, "usage: zt41-webwords [--lang zh|en] FILE\n");
        return 2;
    }
    if (*language != Language::Chinese && !useLanguage(*language)) {
        fprintf(stderr, "zt41-webwords: the window's translation could not be loaded\n");
        return 1;
    }
    QTemporaryDir dir;
    ChannelTable table;
    if (!dir.isValid() || !table.open(dir.filePath(ChannelTable::defaultFileName()))) {
        fprintf(stderr, "zt41-webwords: no channel database in a temporary folder\n");
        return 1;
    }
    QSerialPortLink link{PortMap{}};
    MainWindow window(MainWindow::Services{table, link});

    QJsonArray columns;
    for (const QString& c : ChannelGridModel::captions())
        columns.append(c.trimmed());
    const QJsonObject titles{{QStringLiteral("system"), titles::system()},
                             {QStringLiteral("dataError"), titles::dataError()},
                             {QStringLiteral("squelch"), titles::squelch()},
                             {QStringLiteral("application"), titles::kApplication}};
    const QJsonObject words{{QStringLiteral("window"), windowTexts(window)},
                            {QStringLiteral("columns"), columns},
                            {QStringLiteral("status"), statusTexts()},
                            {QStringLiteral("titles"), titles},
                            {QStringLiteral("messages"), plainMessages()},
                            {QStringLiteral("outcomes"), outcomeMessages()},
                            {QStringLiteral("paste"), pasteTemplates()},
                            {QStringLiteral("help"), helpTexts()},
                            {QStringLiteral("csv"), csvTemplates()},
                            {QStringLiteral("services"), serviceTexts(table)},
                            {QStringLiteral("tools"), toolTexts(window)},
                            {QStringLiteral("card"), cardWords()},
                            {QStringLiteral("filters"),
                             QJsonObject{{QStringLiteral("channel"), FileDialogs::filter()},
                                         {QStringLiteral("csv"), FileDialogs::csvFilter()}}}};
    QFile out(args.front());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(QJsonDocument(words).toJson(QJsonDocument::Indented)) < 0 || !out.flush()) {
        fprintf(stderr, "zt41-webwords: cannot write %s\n", qPrintable(args.front()));
        return 1;
    }
    return 0;
}
