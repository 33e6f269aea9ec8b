// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/messagesink.h"

class QWidget;

namespace zt41 {

// Shows the program's messages as modal message boxes with one OK button,
// over the window that raised them.
class MessageBoxes : public MessageSink {
public:
    explicit MessageBoxes(QWidget* parent)
        : m_parent(parent) {}
    void show(const QString& text, const QString& title, MessageIcon icon) override;
    bool ask(const QString& text, const QString& title) override;

    // The program is ending (a signal): every box now open is closed as if
    // its user had closed it, and no box is shown any more.
    static void closeAllForExit();

private:
    QWidget* m_parent;
};

// Texts the window adds to the system's own.
namespace texts {
// The second line of "数据库文件无法打开！" when another copy holds the database.
inline const QString kDatabaseInUse = QStringLiteral("本程序的另一个副本正在使用该数据库。");
// Asked at start when the channel numbers of the database are not 1 to 16 in order.
inline const QString kRenumber = QStringLiteral("信道号不是 1 到 16，是否重新编号？");
} // namespace texts

} // namespace zt41
