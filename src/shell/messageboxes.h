// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messagesink.h"

class QWidget;

namespace zt41 {

// Shows the program's messages as modal message boxes with one OK button,
// over the window that raised them.
class MessageBoxes : public MessageSink {
public:
    using MessageSink::show;
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

} // namespace zt41
