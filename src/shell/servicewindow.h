// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QTreeWidget;

namespace zt41 {

class ChannelTable;
struct Service;
struct ServiceFinding;

// A finding in the window's words: the field's name, and what is wrong.
QString findingFieldText(const ServiceFinding& finding);
QString findingText(const Service& service, const ServiceFinding& finding);

// The 频段检查 window: a list of the licence-free services, the chosen one's
// plan and rules, and the findings against the table, kept up to date as the
// table changes. One per main window, modeless.
class ServiceWindow : public QWidget {
    Q_OBJECT
public:
    explicit ServiceWindow(const ChannelTable& table, QWidget* parent);

    const Service& chosen() const;
    void choose(const QString& id);

Q_SIGNALS:
    // 按此频段填入信道 was clicked.
    void fillRequested(const zt41::Service& service);

private:
    void refresh();

    const ChannelTable& m_table;
    QListWidget* m_list = nullptr;
    QLabel* m_about = nullptr;
    QTreeWidget* m_findings = nullptr;
    QLabel* m_verdict = nullptr;
};

} // namespace zt41
