// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"

#include "windowwords.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace zt41 {

namespace {
bool g_exiting = false;
// The window the user was typing in gets the keys back once the box is
// closed, so Ctrl+Z or an arrow key right after it acts there; not every
// desktop hands the focus back by itself.
int execKeepingFocus(QDialog& box) {
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int result = box.exec();
    if (active && active->isVisible())
        active->activateWindow();
    return result;
}

} // namespace

void MessageBoxes::closeAllForExit() {
    g_exiting = true;
    // Innermost first: each box ends its own event loop.
    while (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        if (!box->isVisible())
            break;
        box->done(QDialog::Rejected);
    }
}

void MessageBoxes::show(const QString& text, const QString& title, MessageIcon icon) {
    if (g_exiting)
        return;
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, m_parent);
    execKeepingFocus(box);
}

bool MessageBoxes::ask(const QString& text, const QString& title) {
    if (g_exiting)
        return false;
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.button(QMessageBox::Yes)->setText(WindowWords::tr("是"));
    box.button(QMessageBox::No)->setText(WindowWords::tr("否"));
    box.setDefaultButton(QMessageBox::No);
    return execKeepingFocus(box) == QMessageBox::Yes && !g_exiting;
}

} // namespace zt41
