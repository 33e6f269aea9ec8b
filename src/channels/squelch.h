// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zt41 {

// The radio-wide squelch level, which is nothing but the text of its list.
class Squelch {
public:
    static QString initialText() { return QStringLiteral("3"); }
    // "  0" to "  9": each digit behind two blanks.
    static QStringList items();

    // The check that runs on every change of the list's text: a refused level
    // is replaced by "3" (and the front end says so). Returns the text the
    // list should show afterwards.
    static QString afterCheck(const QString& text) {
        return isRefused(text) ? initialText() : text;
    }
    // Whether the check refuses a text: it rounds above 9, or it is a number
    // too large for a double ("-1e400"), which no channel file could load back.
    static bool isRefused(const QString& text);
    static bool isAcceptable(const QString& text) { return !isRefused(text); }

    // The level as a frame carries it: rounded as the check rounds and held to 0..9.
    static int levelForFrame(const QString& text);
};

} // namespace zt41
