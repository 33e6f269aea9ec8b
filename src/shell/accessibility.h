// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace zt41 {

// What Qt cannot be told through a property, it is told here: the status line
// reads as a status bar, a list of the window by its own name (on Linux Qt
// names a list by its text) and the menu bar's entries without the blanks that
// pad the drawn captions. Installed once, before the first window is shown.
void installAccessibleRoles();
// Sends `event` to the screen reader, and to the listener when one is set
// (Qt sends events only while a screen reader listens; tests listen here).
void tellScreenReader(QAccessibleEvent* event);
using ScreenReaderListener = void (*)(QAccessibleEvent*);
void setScreenReaderListener(ScreenReaderListener listener);
// Esc closes `window`, as it closes a dialog.
void closeOnEscape(QWidget* window);

// The window's status line: a screen reader hears each new text.
class StatusLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setStatus(const QString& text);
};

// A list of the window: read by its accessible name, its value as the words
// its items carry.
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

// The 工具 windows take the focus when shown. When a window of the program
// closes and leaves no window with the focus, `window` takes it back, and
// `fallback` when nothing inside had it.
class FocusKeeper : public QObject {
    Q_OBJECT
public:
    FocusKeeper(QWidget* window, QWidget* fallback);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeBack();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_fallback;
    bool m_due = false;
};

} // namespace zt41
