// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41 {

enum class MessageIcon { None, Information, Warning, Critical };

// One message: its text, the window's title and the icon.
struct WindowMessage {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const WindowMessage&) const = default;
};

// Modal messages with one OK button. The shell shows them as message boxes;
// tests record them. show() returns once the user has closed the message.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const QString& text, const QString& title, MessageIcon icon) = 0;
    void show(const WindowMessage& m) { show(m.text, m.title, m.icon); }
    // A question with the buttons 是 and 否; true for 是. A front end that
    // cannot ask anyone answers 否.
    virtual bool ask(const QString& /*text*/, const QString& /*title*/) { return false; }
};

} // namespace zt41
