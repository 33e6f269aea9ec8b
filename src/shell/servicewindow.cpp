// SPDX-License-Identifier: GPL-3.0-or-later
#include "servicewindow.h"

#include "accessibility.h"
#include "card/cardfonts.h"
#include "channels/channeltable.h"
#include "language.h"
#include "services/service.h"
#include "services/servicecheck.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zt41 {

QString findingFieldText(const ServiceFinding& finding) {
    switch (finding.field) {
    case Field::Rf:
        return ServiceWindow::tr("接收频率");
    case Field::Tf:
        return ServiceWindow::tr("发送频率");
    default:
        return ServiceWindow::tr("功率");
    }
}

QString findingText(const Service& service, const ServiceFinding& finding) {
    switch (finding.kind) {
    case FindingKind::OffPlan:
        return ServiceWindow::tr("不在%1的信道上").arg(inWindowLanguage(service.name));
    case FindingKind::NotSimplex:
        return ServiceWindow::tr("发送频率与接收频率不同：%1不允许异频或中继差频")
            .arg(inWindowLanguage(service.name));
    case FindingKind::HighPower:
        return ServiceWindow::tr(
                   "%1功率为 %2 W：%3在此信道最多允许 %4 W，请改为只接收（不填发送频率）")
            .arg(finding.value == u"L" ? ServiceWindow::tr("低") : ServiceWindow::tr("高"))
            .arg(finding.watts)
            .arg(inWindowLanguage(service.name))
            .arg(finding.limitWatts);
    }
    return QString();
}

ServiceWindow::ServiceWindow(const ChannelTable& table, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_table(table) {
    setObjectName(QStringLiteral("频段检查"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(songFont(10.5));
    closeOnEscape(this);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("频段列表"));
    for (const Service& s : services()) {
        auto* item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, s.id);
    }
    m_list->setFixedWidth(240);
    m_about = new QLabel(this);
    m_about->setObjectName(QStringLiteral("频段说明"));
    m_about->setWordWrap(true);
    m_findings = new QTreeWidget(this);
    m_findings->setObjectName(QStringLiteral("检查结果"));
    m_findings->setRootIsDecorated(false);
    // 说明 takes the width that is left, inside the window: what does not fit
    // ends in "…" and its tool tip holds the whole text.
    // The five columns first: a resize mode set on a section the header does
    // not have yet writes past the header's sections.
    m_findings->setColumnCount(5);
    m_findings->header()->setStretchLastSection(true);
    m_findings->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_findings->header()->setSectionResizeMode(4, QHeaderView::Stretch);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("检查结论"));
    auto* fill = new QPushButton(this);
    fill->setObjectName(QStringLiteral("按此频段填入信道"));

    auto* right = new QVBoxLayout;
    right->addWidget(m_about);
    right->addWidget(m_findings, 1);
    right->addWidget(m_verdict);
    right->addWidget(fill, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(right, 1);
    resize(900, 480);

    connect(m_list, &QListWidget::currentRowChanged, this, &ServiceWindow::refresh);
    connect(&m_table, &ChannelTable::fieldChanged, this, &ServiceWindow::refresh);
    connect(&m_table, &ChannelTable::rowsReplaced, this, &ServiceWindow::refresh);
    connect(fill, &QPushButton::clicked, this, [this] { Q_EMIT fillRequested(chosen()); });
    m_list->setCurrentRow(0);
    sayInWindowLanguage(this, [this, fill] {
        setWindowTitle(tr("频段检查"));
        m_list->setAccessibleName(tr("频段"));
        for (int i = 0; i < m_list->count(); ++i)
            m_list->item(i)->setText(inWindowLanguage(services().at(i).name));
        m_findings->setHeaderLabels(
            {tr("信道"), tr("项目"), tr("数值"), tr("最近的频段信道"), tr("说明")});
        m_findings->setAccessibleName(tr("检查结果"));
        fill->setText(tr("按此频段填入信道"));
        refresh();
    });
}

const Service& ServiceWindow::chosen() const {
    return services().at(qMax(0, m_list->currentRow()));
}

void ServiceWindow::choose(const QString& id) {
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole).toString() == id)
            m_list->setCurrentRow(i);
}

void ServiceWindow::refresh() {
    const Service& s = chosen();
    m_about->setText(tr("%1 个信道，%2 至 %3 MHz；%4；功率最多 %5。\n%6")
                         .arg(s.plan.size())
                         .arg(s.lowestText(), s.highestText(),
                              s.simplex ? tr("收发同频") : tr("可异频"),
                              inWindowLanguage(s.powerLimit), inWindowLanguage(s.note)));
    m_findings->clear();
    const QList<ServiceFinding> findings = checkChannels(s, m_table.rows());
    for (const ServiceFinding& f : findings) {
        const QString nearest =
            f.nearest ? tr("%1（%2）").arg(f.nearest).arg(f.nearestValue) : QString();
        auto* item =
            new QTreeWidgetItem(m_findings, {QString::number(f.channel), findingFieldText(f),
                                             f.value, nearest, findingText(s, f)});
        item->setToolTip(4, item->text(4));
    }
    m_verdict->setText(
        findings.isEmpty()
            ? tr("全部信道符合%1。").arg(inWindowLanguage(s.name))
            : tr("发现 %1 处不符合%2。").arg(findings.size()).arg(inWindowLanguage(s.name)));
}

} // namespace zt41
