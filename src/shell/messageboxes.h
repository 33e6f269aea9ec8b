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

} // namespace zt41
