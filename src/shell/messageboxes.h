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

private:
    QWidget* m_parent;
};

// Texts the window adds to the system's own.
namespace texts {
// The second line of "数据库文件无法打开！" when another copy holds the database.
inline const QString kDatabaseInUse = QStringLiteral("本程序的另一个副本正在使用该数据库。");
} // namespace texts

} // namespace zt41
