// SPDX-License-Identifier: GPL-3.0-or-later
#include "safeprogramming.h"

#include "channels/cellrule.h"
#include "channels/channelcheck.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "files/channelfile.h"
#include "language.h"
#include "link/channelframe.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "mainwindow.h"
#include "messagesink.h"
#include "windowwords.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zt41 {

ListWindow::ListWindow(const QString& name, const QString& title, const QString& intro,
                       const QStringList& heads, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(intro, this);
    label->setObjectName(QStringLiteral("intro"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    m_table = new QTableWidget(0, int(heads.size()), this);
    m_table->setHorizontalHeaderLabels(heads);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table for the buttons; the arrows move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->setAccessibleName(title);
    m_table->setVisible(!heads.isEmpty());
    layout->addWidget(m_table);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    layout->addLayout(m_buttons);
    resize(640, heads.isEmpty() ? 160 : 400);
}

void ListWindow::setTexts(const QString& title, const QString& intro, const QStringList& heads) {
    setWindowTitle(title);
    findChild<QLabel*>(QStringLiteral("intro"))->setText(intro);
    m_table->setHorizontalHeaderLabels(heads);
    m_table->setAccessibleName(title);
}

void ListWindow::setRows(const QList<QStringList>& rows) {
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    if (!rows.isEmpty())
        m_table->selectRow(0);
}

QPushButton* ListWindow::addButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    m_buttons->addWidget(button);
    return button;
}

QPushButton* ListWindow::addButton(const char* name) {
    QPushButton* button = addButton(QString::fromUtf8(name), QString());
    sayInWindowLanguage(button, [button, name] { button->setText(SafeProgramming::tr(name)); });
    return button;
}

QPushButton* ListWindow::addCloseButton() {
    QPushButton* button = addButton(QStringLiteral("关闭"), QString());
    sayInWindowLanguage(button, [button] { button->setText(tr("关闭")); });
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}

SafeProgramming::SafeProgramming(MainWindow& window, ChannelTable& table, SerialLink& link,
                                 const PortMap* ports, MessageSink& messages)
    : QObject(&window)
    , m_window(window)
    , m_table(table)
    , m_link(link)
    , m_ports(ports)
    , m_messages(messages) {}

void SafeProgramming::addTo(QMenu* tools) {
    const auto add = [&](const QString& name, const char* text, void (SafeProgramming::*f)()) {
        QAction* a = tools->addAction(QString(), this, f);
        a->setObjectName(name);
        sayInWindowLanguage(a, [a, text] { a->setText(tr(text)); });
        m_actions << a;
    };
    add(QStringLiteral("写入并校验"), QT_TR_NOOP("写入并校验(&V)"),
        &SafeProgramming::writeAndVerify);
    add(QStringLiteral("校验对讲机"), QT_TR_NOOP("校验对讲机(&C)"), &SafeProgramming::verifyRadio);
    add(QStringLiteral("备份与恢复"), QT_TR_NOOP("备份与恢复(&B)..."),
        &SafeProgramming::showBackups);
    add(QStringLiteral("连接诊断"), QT_TR_NOOP("连接诊断(&D)..."),
        &SafeProgramming::showConnectionCheck);
}

void SafeProgramming::setEnabled(bool enabled) {
    for (QAction* a : m_actions)
        a->setEnabled(enabled);
}

ChannelSet SafeProgramming::tableSet() const {
    ChannelSet set{m_window.squelchText(), m_table.rows()};
    set.rows[0][Field::No] = QStringLiteral("1"); // as a write numbers it
    return set;
}

QString SafeProgramming::portName() const {
    return QStringLiteral("COM%1").arg(m_link.portNumber());
}

void SafeProgramming::writeAndVerify() {
    m_window.commitPendingEdit();
    run(GuardedJob::Operation::Write, tableSet(), Purpose::WriteAndVerify);
}

void SafeProgramming::verifyRadio() {
    m_window.commitPendingEdit();
    run(GuardedJob::Operation::Verify, tableSet(), Purpose::Verify);
}

void SafeProgramming::run(GuardedJob::Operation operation, const ChannelSet& set, Purpose purpose) {
    // Ignored, as a second 写信道 is: its menu is disabled meanwhile.
    if (m_window.transferRunning() || m_check)
        return;
    const bool restoring = purpose == Purpose::Restore;
    // A backup goes back as the radio held it; the table's rows go out as a
    // write sends them: what it would refuse, this refuses too.
    const QList<ChannelFinding> findings =
        restoring ? QList<ChannelFinding>{} : checkChannelSet(set.squelch, set.rows);
    if (operation == GuardedJob::Operation::Write) {
        for (int k = 1; k <= kChannelCount; ++k) {
            const bool refused = !restoring && !refusals(checkRow(k, set.rows[k - 1])).isEmpty();
            if (frameProblem(k, set.rows[k - 1]) != FrameProblem::None || refused) {
                if (purpose == Purpose::WriteAndVerify)
                    m_table.setCurrentRow(k - 1);
                m_messages.show(outOfRangeMessage());
                return;
            }
        }
    }
    // A write names what went out off the steps; a check, what a write would refuse.
    m_warned = operation == GuardedJob::Operation::Write ? warnings(findings) : refusals(findings);
    GuardedJob::Options options;
    options.operation = operation;
    options.toSend = set;
    options.verify = true;
    options.restoring = restoring;
    if (operation == GuardedJob::Operation::Write) {
        options.backup = BackupStore::standard();
        if (!options.backup) {
            m_messages.show(noBackupFolderMessage());
            return;
        }
    }
    m_purpose = purpose;
    m_window.holdLinkForTool(true);
    m_job = new GuardedJob(m_link, portName(), options, this);
    connect(m_job, &GuardedJob::changed, this, &SafeProgramming::progress);
    connect(m_job, &GuardedJob::finished, this, &SafeProgramming::ended, Qt::QueuedConnection);
    m_job->start();
}

bool SafeProgramming::isWriting() const {
    return m_job && m_job->step() == GuardedJob::Step::Writing;
}

void SafeProgramming::progress() {
    if (!m_job || m_job->isDone())
        return;
    using Step = GuardedJob::Step;
    const Step step = m_job->step();
    if (step == Step::Backup || step == Step::Writing || step == Step::Verifying ||
        step == Step::Reading)
        m_window.showStatusText(tr("正在%1... %2/16").arg(jobStepWords(step)).arg(m_job->frame()));
    else
        m_window.showStatusText(tr("正在等待对讲机..."));
}

void SafeProgramming::ended() {
    const GuardedJob::Result r = m_job->result();
    const bool changed = m_job->radioMayHaveChanged();
    m_job->deleteLater();
    m_job = nullptr;
    m_window.showStatusText(QString());
    m_window.holdLinkForTool(false);
    if (!r.backupPath.isEmpty() && m_backups)
        fillBackups(); // the backup just kept belongs in the open list
    const bool wrote = m_purpose != Purpose::Verify;
    if (r.ok()) {
        m_messages.show(radioMatchesMessage(wrote, m_warned));
        return;
    }
    if (r.failure == GuardedJob::Failure::Differences) {
        showDifferences(r, wrote && !r.backupPath.isEmpty());
        return;
    }
    if (changed && !r.backupPath.isEmpty()) {
        offerRestore(r);
        return;
    }
    m_messages.show(jobFailedMessage(r));
}

void SafeProgramming::showDifferences(const GuardedJob::Result& r, bool restorable) {
    auto* w =
        new ListWindow(QStringLiteral("校验结果"), QString(), QString(), QStringList(4), &m_window);
    const bool withTable = m_purpose == Purpose::WriteAndVerify || m_purpose == Purpose::Verify;
    const bool wrote = m_purpose != Purpose::Verify;
    sayInWindowLanguage(w, [w, r, withTable, wrote, warned = m_warned] {
        QString intro = tr("对讲机中有 %1 处与%2不同。")
                            .arg(r.differences.size())
                            .arg(withTable ? tr("表格") : tr("备份"));
        if (!r.backupPath.isEmpty())
            intro += tr("\n写入前的备份：") + r.backupPath;
        intro += warnedValuesWords(warned, wrote);
        w->setTexts(tr("校验结果"), intro, {tr("信道"), tr("项目"), tr("表格中"), tr("对讲机中")});
        QList<QStringList> rows;
        for (const FieldDifference& d : r.differences)
            rows << QStringList{d.field == FrameField::Squelch ? QStringLiteral("-")
                                                               : QString::number(d.channel),
                                frameFieldWords(d.field), d.expected, d.actual};
        w->setRows(rows);
    });
    if (restorable) {
        const QString path = r.backupPath;
        connect(w->addButton(QT_TR_NOOP("恢复备份")), &QPushButton::clicked, this, [this, w, path] {
            w->close();
            restore(path);
        });
    }
    w->addCloseButton();
    w->show();
}

void SafeProgramming::offerRestore(const GuardedJob::Result& r) {
    auto* w = new ListWindow(QStringLiteral("写入失败"), QString(), QString(), {}, &m_window);
    sayInWindowLanguage(w, [w, r] {
        w->setTexts(titles::dataError(),
                    jobFailureWords(r) + radioMayHaveChangedWords(r.backupPath), {});
    });
    const QString backupPath = r.backupPath;
    connect(w->addButton(QT_TR_NOOP("恢复备份")), &QPushButton::clicked, this,
            [this, w, backupPath] {
                w->close();
                restore(backupPath);
            });
    w->addCloseButton();
    w->show();
}

// When and where a backup was kept, for the questions before it is used.
static QDateTime backupTime(const QString& path) {
    const std::optional<BackupStore> store = BackupStore::standard();
    const std::optional<BackupEntry> entry = store ? store->entryAt(path) : std::nullopt;
    return entry ? entry->time : QFileInfo(path).lastModified();
}

void SafeProgramming::restore(const QString& backupPath) {
    if (m_window.transferRunning() || m_check)
        return;
    const ChannelFileRead read = readChannelFile(backupPath);
    if (read.error != ChannelFileError::None) {
        m_messages.show(fileReadErrorMessage());
        return;
    }
    if (!m_messages.ask(restoreQuestion(backupTime(backupPath), portName()), titles::system()))
        return;
    ChannelSet set{read.contents.squelch, read.contents.rows};
    for (int k = 1; k <= kChannelCount; ++k)
        set.rows[k - 1][Field::No] = QString::number(k);
    run(GuardedJob::Operation::Write, set, Purpose::Restore);
}

void SafeProgramming::showBackups() {
    if (m_backups) {
        m_backups->raise();
        m_backups->activateWindow();
        return;
    }
    const std::optional<BackupStore> store = BackupStore::standard();
    m_backups = new ListWindow(QStringLiteral("备份与恢复"), QString(), QString(), QStringList(4),
                               &m_window);
    sayInWindowLanguage(
        m_backups, [w = m_backups.data(), folder = store ? store->folder() : QString()] {
            w->setTexts(tr("备份与恢复"), tr("写入前保存的对讲机信道（%1）：").arg(folder),
                        {tr("时间"), tr("端口"), tr("静噪"), tr("信道 1 接收频率")});
        });
    fillBackups();
    // The backup on the chosen row, found by its path: the list may be filled anew.
    const auto chosen = [this]() -> QString {
        const QTableWidgetItem* item =
            m_backups ? m_backups->table()->item(m_backups->table()->currentRow(), 0) : nullptr;
        return item ? item->data(Qt::UserRole).toString() : QString();
    };
    connect(m_backups->addButton(QT_TR_NOOP("载入表格")), &QPushButton::clicked, this,
            [this, chosen] {
                if (const QString path = chosen(); !path.isEmpty())
                    loadBackup(path);
            });
    connect(m_backups->addButton(QT_TR_NOOP("写入对讲机")), &QPushButton::clicked, this,
            [this, chosen] {
                if (const QString path = chosen(); !path.isEmpty())
                    restore(path);
            });
    m_backups->addCloseButton();
    m_backups->show();
}

void SafeProgramming::fillBackups() {
    const std::optional<BackupStore> store = BackupStore::standard();
    const QList<BackupEntry> list = store ? store->list() : QList<BackupEntry>{};
    QList<QStringList> rows;
    for (const BackupEntry& e : list)
        rows << QStringList{e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), e.port,
                            e.squelch, e.firstReceive};
    m_backups->setRows(rows);
    for (int r = 0; r < list.size(); ++r)
        m_backups->table()->item(r, 0)->setData(Qt::UserRole, list[r].path);
}

void SafeProgramming::loadBackup(const QString& path) {
    // Replaces the table as 打开 does: never into a running transfer.
    if (m_window.transferRunning()) {
        m_messages.show(fileBusyMessage());
        return;
    }
    const ChannelFileRead read = readChannelFile(path);
    if (read.error != ChannelFileError::None) {
        m_messages.show(fileReadErrorMessage());
        return;
    }
    // Nothing to lose when the table holds the backup already.
    const bool same = compareInFrameForm(read.contents.squelch, read.contents.rows,
                                         m_window.squelchText(), m_table.rows())
                          .isEmpty();
    if (!same && !m_messages.ask(loadBackupQuestion(backupTime(path)), titles::system()))
        return;
    const EditHistory::Step step(m_window.history());
    const QString squelch = loadTableFromFile(m_table, path);
    if (squelch.isNull()) {
        m_messages.show(fileReadErrorMessage());
        return;
    }
    m_window.setSquelchText(squelch);
}

void SafeProgramming::showConnectionCheck() {
    if (m_window.transferRunning() || m_check)
        return;
    if (!m_connection) {
        m_connection = new ListWindow(QStringLiteral("连接诊断"), QString(), QString(),
                                      QStringList(2), &m_window);
        m_connectionReport.reset();
        sayInWindowLanguage(m_connection, [this] { sayConnectionWindow(); });
        connect(m_connection->addButton(QT_TR_NOOP("重新检查")), &QPushButton::clicked, this,
                &SafeProgramming::showConnectionCheck);
        m_connection->addCloseButton();
        m_connection->show();
    }
    // The window's own port is let go for the check, so that it is asked like the others.
    m_window.holdLinkForTool(true);
    m_reopenAfterCheck = m_link.isOpen();
    m_link.close();
    const PortMap map = m_ports ? *m_ports : PortMap::platformDefault();
    m_check = new ConnectionCheck({}, this);
    connect(m_check, &ConnectionCheck::finished, this, &SafeProgramming::fillConnectionWindow);
    m_check->start(m_check->candidates(map), map);
}

void SafeProgramming::fillConnectionWindow() {
    const ConnectionReport report = m_check->report();
    m_check->deleteLater();
    m_check = nullptr;
    // The port goes back to the window whatever the check met: a device gone
    // meanwhile is opened again when it comes back, as after an unplug.
    if (m_reopenAfterCheck && !m_link.open())
        m_window.session().reopenWhenBack();
    m_window.holdLinkForTool(false);
    m_connectionReport = report;
    sayConnectionWindow();
}

void SafeProgramming::sayConnectionWindow() {
    if (!m_connection)
        return;
    QString intro = tr("正在检查...");
    QList<QStringList> rows;
    if (m_connectionReport) {
        const ConnectionReport& report = *m_connectionReport;
        QStringList services;
        for (const ProcessInfo& s : report.services)
            services << (s.command == u"brltty" ? tr("brltty（pid %1）正在运行：它会占用 CH340 "
                                                     "连接线；如不使用盲文显示器，请卸载它。")
                                                      .arg(s.pid)
                                                : tr("%1（pid %2）正在运行：它会探测新的串行端口。")
                                                      .arg(s.command)
                                                      .arg(s.pid));
        intro = (report.ports.isEmpty()   ? tr("没有找到串行端口：请插上连接线。")
                 : report.radioAnswered() ? tr("有对讲机应答。")
                                          : tr("没有对讲机应答。")) +
                (services.isEmpty() ? QString() : u'\n' + services.join(u'\n'));
        for (const PortCheck& c : report.ports)
            rows << QStringList{(QStringList{c.device} + c.names).join(u'\n'), portCheckWords(c)};
    }
    m_connection->setTexts(tr("连接诊断"), intro, {tr("端口"), tr("结果")});
    m_connection->setRows(rows);
}

} // namespace zt41
