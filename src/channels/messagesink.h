// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zt41 {

enum class MessageIcon { None, Information, Warning, Critical };

// Modal messages with one OK button. The shell shows them as message boxes;
// tests record them. show() returns once the user has closed the message.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const QString& text, const QString& title, MessageIcon icon) = 0;
    // A question with the buttons 是 and 否; true for 是. A front end that
    // cannot ask anyone answers 否.
    virtual bool ask(const QString& /*text*/, const QString& /*title*/) { return false; }
};

// The titles the program's messages carry.
namespace titles {
inline const QString kSystem = QStringLiteral("系统信息");
inline const QString kDataError = QStringLiteral("错误警告 "); // one trailing blank
inline const QString kSquelch = QStringLiteral("错误警告");
inline const QString kApplication = QStringLiteral("ZT90");
} // namespace titles

} // namespace zt41
