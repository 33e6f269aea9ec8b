// SPDX-License-Identifier: GPL-3.0-or-later
#include "safeprogramming.h"

#include "channels/cellrule.h"
#include "channels/channelcheck.h"
#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "channels/messagesink.h"
#include "files/channelfile.h"
#include "link/channelframe.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "linkwords.h"
#include "mainwindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zt41 {

namespace {

QString stepWords(GuardedJob::Step step) {
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

QString fieldWords(FrameField f) {
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

QString transferWords(const TransferOutcome& o) {
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

QString failureWords(const GuardedJob::Result& r) {
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
            .arg(stepWords(r.failedStep), transferWords(r.transfer));
    case F::BackupFolder:
    case F::BackupNotSaved:
        return QStringLiteral("备份无法保存到 %1，没有向对讲机写入任何数据。").arg(r.backupPath);
    default:
        return QStringLiteral("操作被中断。");
    }
}

QString answerWords(const PortCheck& c) {
    switch (c.answer) {
    case RadioAnswer::Ready:
        return QStringLiteral("对讲机应答“C”：已就绪");
    case RadioAnswer::Silent:
        return QStringLiteral("一秒内没有应答。建议：打开对讲机电源，把插头插到底，并确认端口");
    case RadioAnswer::Echo:
        return QStringLiteral("发出的字节被原样送回。建议：连接线短接成回环，或该设备不是对讲机");
    case RadioAnswer::Other:
        return QStringLiteral("意外的应答：%1。建议：不是 ZT41，或线路速率不同")
            .arg(QString::fromLatin1(c.answerBytes.toHex(' ')));
    case RadioAnswer::NotAsked:
        break;
    }
    return QString();
}

QString checkWords(const PortCheck& c) {
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

} // namespace

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
    m_table->setVisible(!heads.isEmpty());
    layout->addWidget(m_table);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    layout->addLayout(m_buttons);
    resize(640, heads.isEmpty() ? 160 : 400);
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
    m_buttons->addWidget(button);
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
    const auto add = [&](const QString& name, const QString& text, void (SafeProgramming::*f)()) {
        QAction* a = tools->addAction(text, this, f);
        a->setObjectName(name);
        m_actions << a;
    };
    add(QStringLiteral("写入并校验"), QStringLiteral("写入并校验(&V)"),
        &SafeProgramming::writeAndVerify);
    add(QStringLiteral("校验对讲机"), QStringLiteral("校验对讲机(&C)"),
        &SafeProgramming::verifyRadio);
    add(QStringLiteral("备份与恢复"), QStringLiteral("备份与恢复(&B)..."),
        &SafeProgramming::showBackups);
    add(QStringLiteral("连接诊断"), QStringLiteral("连接诊断(&D)..."),
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
    if (m_window.transferRunning() || m_check) {
        const WindowMessage busy = portBusyMessage();
        m_messages.show(busy.text, busy.title, busy.icon);
        return;
    }
    // The rows go out as a write sends them: what it would refuse, this refuses too.
    if (operation == GuardedJob::Operation::Write) {
        for (int k = 1; k <= kChannelCount; ++k) {
            if (frameProblem(k, set.rows[k - 1]) != FrameProblem::None ||
                !checkRow(k, set.rows[k - 1]).isEmpty()) {
                if (purpose == Purpose::WriteAndVerify)
                    m_table.setCurrentRow(k - 1);
                m_messages.show(CellRule::outOfRangeText(), titles::kDataError,
                                MessageIcon::Information);
                return;
            }
        }
    }
    GuardedJob::Options options;
    options.operation = operation;
    options.toSend = set;
    options.verify = true;
    if (operation == GuardedJob::Operation::Write) {
        options.backup = BackupStore::standard();
        if (!options.backup) {
            m_messages.show(QStringLiteral("找不到存放备份的文件夹（未设置 HOME），没有写入。"),
                            titles::kDataError, MessageIcon::Information);
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

void SafeProgramming::progress() {
    if (!m_job || m_job->isDone())
        return;
    using Step = GuardedJob::Step;
    const Step step = m_job->step();
    if (step == Step::Backup || step == Step::Writing || step == Step::Verifying ||
        step == Step::Reading)
        m_window.showStatusText(
            QStringLiteral("正在%1... %2/16").arg(stepWords(step)).arg(m_job->frame()));
    else
        m_window.showStatusText(QStringLiteral("正在等待对讲机..."));
}

void SafeProgramming::ended() {
    const GuardedJob::Result r = m_job->result();
    const bool changed = m_job->radioMayHaveChanged();
    m_job->deleteLater();
    m_job = nullptr;
    m_window.showStatusText(QString());
    m_window.holdLinkForTool(false);
    const bool wrote = m_purpose != Purpose::Verify;
    if (r.ok()) {
        m_messages.show(wrote ? QStringLiteral("写入并校验完毕：对讲机中的信道与表格一致。")
                              : QStringLiteral("对讲机中的信道与表格一致。"),
                        titles::kSystem, MessageIcon::Information);
        return;
    }
    if (r.failure == GuardedJob::Failure::Differences) {
        showDifferences(r, wrote && !r.backupPath.isEmpty());
        return;
    }
    if (changed && !r.backupPath.isEmpty() && m_purpose != Purpose::Restore) {
        offerRestore(failureWords(r) +
                         QStringLiteral("\n对讲机中的信道可能已被改变。写入前的备份：") +
                         r.backupPath,
                     r.backupPath);
        return;
    }
    m_messages.show(failureWords(r), titles::kDataError, MessageIcon::Information);
}

void SafeProgramming::showDifferences(const GuardedJob::Result& r, bool restorable) {
    QString intro = QStringLiteral("对讲机中有 %1 处与%2不同。")
                        .arg(r.differences.size())
                        .arg(m_purpose == Purpose::WriteAndVerify || m_purpose == Purpose::Verify
                                 ? QStringLiteral("表格")
                                 : QStringLiteral("备份"));
    if (!r.backupPath.isEmpty())
        intro += QStringLiteral("\n写入前的备份：") + r.backupPath;
    auto* w = new ListWindow(QStringLiteral("校验结果"), QStringLiteral("校验结果"), intro,
                             {QStringLiteral("信道"), QStringLiteral("项目"),
                              QStringLiteral("表格中"), QStringLiteral("对讲机中")},
                             &m_window);
    QList<QStringList> rows;
    for (const FieldDifference& d : r.differences)
        rows << QStringList{d.field == FrameField::Squelch ? QStringLiteral("-")
                                                           : QString::number(d.channel),
                            fieldWords(d.field), d.expected, d.actual};
    w->setRows(rows);
    if (restorable) {
        const QString path = r.backupPath;
        connect(w->addButton(QStringLiteral("恢复备份"), QStringLiteral("恢复备份")),
                &QPushButton::clicked, this, [this, w, path] {
                    w->close();
                    restore(path);
                });
    }
    connect(w->addButton(QStringLiteral("关闭"), QStringLiteral("关闭")), &QPushButton::clicked, w,
            &QWidget::close);
    w->show();
}

void SafeProgramming::offerRestore(const QString& text, const QString& backupPath) {
    auto* w = new ListWindow(QStringLiteral("写入失败"), titles::kDataError, text, {}, &m_window);
    connect(w->addButton(QStringLiteral("恢复备份"), QStringLiteral("恢复备份")),
            &QPushButton::clicked, this, [this, w, backupPath] {
                w->close();
                restore(backupPath);
            });
    connect(w->addButton(QStringLiteral("关闭"), QStringLiteral("关闭")), &QPushButton::clicked, w,
            &QWidget::close);
    w->show();
}

void SafeProgramming::restore(const QString& backupPath) {
    const ChannelFileRead read = readChannelFile(backupPath);
    if (read.error != ChannelFileError::None) {
        m_messages.show(channelFileReadErrorText(), titles::kDataError, MessageIcon::Information);
        return;
    }
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
    const QList<BackupEntry> list = store ? store->list() : QList<BackupEntry>{};
    m_backups = new ListWindow(
        QStringLiteral("备份与恢复"), QStringLiteral("备份与恢复"),
        QStringLiteral("写入前保存的对讲机信道（%1）：").arg(store ? store->folder() : QString()),
        {QStringLiteral("时间"), QStringLiteral("端口"), QStringLiteral("静噪"),
         QStringLiteral("信道 1 接收频率")},
        &m_window);
    QList<QStringList> rows;
    for (const BackupEntry& e : list)
        rows << QStringList{e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), e.port,
                            e.squelch, e.firstReceive};
    m_backups->setRows(rows);
    const auto chosen = [this, list]() -> QString {
        const int row = m_backups ? m_backups->table()->currentRow() : -1;
        return row >= 0 && row < list.size() ? list[row].path : QString();
    };
    connect(m_backups->addButton(QStringLiteral("载入表格"), QStringLiteral("载入表格")),
            &QPushButton::clicked, this, [this, chosen] {
                if (const QString path = chosen(); !path.isEmpty())
                    loadBackup(path);
            });
    connect(m_backups->addButton(QStringLiteral("写入对讲机"), QStringLiteral("写入对讲机")),
            &QPushButton::clicked, this, [this, chosen] {
                if (const QString path = chosen(); !path.isEmpty())
                    restore(path);
            });
    connect(m_backups->addButton(QStringLiteral("关闭"), QStringLiteral("关闭")),
            &QPushButton::clicked, m_backups.data(), &QWidget::close);
    m_backups->show();
}

void SafeProgramming::loadBackup(const QString& path) {
    // Replaces the table as 打开 does: never into a running transfer.
    if (m_window.transferRunning()) {
        const WindowMessage busy = portBusyMessage();
        m_messages.show(busy.text, busy.title, busy.icon);
        return;
    }
    const ChannelFileRead read = readChannelFile(path);
    const EditHistory::Step step(m_window.history());
    if (read.error != ChannelFileError::None || !m_table.replaceDataFields(read.contents.rows)) {
        m_messages.show(channelFileReadErrorText(), titles::kDataError, MessageIcon::Information);
        return;
    }
    m_table.moveFirst();
    m_window.setSquelchText(read.contents.squelch);
}

void SafeProgramming::showConnectionCheck() {
    if (m_window.transferRunning() || m_check) {
        const WindowMessage busy = portBusyMessage();
        m_messages.show(busy.text, busy.title, busy.icon);
        return;
    }
    if (!m_connection) {
        m_connection = new ListWindow(QStringLiteral("连接诊断"), QStringLiteral("连接诊断"),
                                      QStringLiteral("正在检查..."),
                                      {QStringLiteral("端口"), QStringLiteral("结果")}, &m_window);
        connect(m_connection->addButton(QStringLiteral("重新检查"), QStringLiteral("重新检查")),
                &QPushButton::clicked, this, &SafeProgramming::showConnectionCheck);
        connect(m_connection->addButton(QStringLiteral("关闭"), QStringLiteral("关闭")),
                &QPushButton::clicked, m_connection.data(), &QWidget::close);
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
    if (m_reopenAfterCheck)
        m_link.open();
    m_window.holdLinkForTool(false);
    if (!m_connection)
        return;
    QStringList services;
    for (const ProcessInfo& s : report.services)
        services << (s.command == u"brltty"
                         ? QStringLiteral("brltty（pid %1）正在运行：它会占用 CH340 "
                                          "连接线；如不使用盲文显示器，请卸载它。")
                               .arg(s.pid)
                         : QStringLiteral("%1（pid %2）正在运行：它会探测新的串行端口。")
                               .arg(s.command)
                               .arg(s.pid));
    m_connection->findChild<QLabel*>(QStringLiteral("intro"))
        ->setText((report.ports.isEmpty() ? QStringLiteral("没有找到串行端口：请插上连接线。")
                   : report.radioAnswered() ? QStringLiteral("有对讲机应答。")
                                            : QStringLiteral("没有对讲机应答。")) +
                  (services.isEmpty() ? QString() : u'\n' + services.join(u'\n')));
    QList<QStringList> rows;
    for (const PortCheck& c : report.ports)
        rows << QStringList{(QStringList{c.device} + c.names).join(u'\n'), checkWords(c)};
    m_connection->setRows(rows);
}

} // namespace zt41
