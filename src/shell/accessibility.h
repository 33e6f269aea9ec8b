// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
#include <QWidget>

namespace zt41 {

// The roles Qt cannot be told through a property: the status line reads as a
// status bar, and menu entries are named without the blanks that pad the
// drawn captions. Installed once, before the first window is shown.
void installAccessibleRoles();
// `label` is the window's status line: a screen reader hears each new text.
void markStatusLine(QLabel* label);
// Esc closes `window`, as it closes a dialog.
void closeOnEscape(QWidget* window);

// When a window of the program closes and leaves no window with the focus,
// `window` takes it back, and `fallback` when nothing inside had it.
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
