// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/messagesink.h"

#include <QList>
#include <QString>

#include <QTest>

#include <functional>

namespace zt41 {
// A message as a failing comparison prints it.
inline char* toString(const WindowMessage& m) {
    return QTest::toString(QStringLiteral("%1 | %2 | %3").arg(m.text, m.title).arg(int(m.icon)));
}
} // namespace zt41
Q_DECLARE_METATYPE(zt41::WindowMessage)

// Records every message instead of showing it; a test may act when one is shown.
class RecordingMessages : public zt41::MessageSink {
public:
    using zt41::MessageSink::show;
    using Message = zt41::WindowMessage;

    void show(const QString& text, const QString& title, zt41::MessageIcon icon) override {
        shown.append({text, title, icon});
        if (onShow)
            onShow(shown.last());
    }

    // Questions are recorded as messages with the icon None and get `answer`.
    bool ask(const QString& text, const QString& title) override {
        show(text, title, zt41::MessageIcon::None);
        return answer;
    }

    QStringList texts() const {
        QStringList out;
        for (const Message& m : shown)
            out << m.text;
        return out;
    }

    QList<Message> shown;
    bool answer = false;
    std::function<void(const Message&)> onShow;
};
