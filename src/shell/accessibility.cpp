// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QShortcut>
#include <QWindow>

namespace zt41 {

namespace {

const char* const kStatusLine = "zt41StatusLine";

class StatusLineAccessible : public QAccessibleWidget {
public:
    explicit StatusLineAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text().trimmed();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (className == u"QLabel" && object->property(kStatusLine).toBool())
        return new StatusLineAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

} // namespace

void installAccessibleRoles() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(roleFactory);
}

void markStatusLine(QLabel* label) {
    label->setProperty(kStatusLine, true);
}

void closeOnEscape(QWidget* window) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    esc->setContext(Qt::WindowShortcut);
    QObject::connect(esc, &QShortcut::activated, window, &QWidget::close);
}

FocusKeeper::FocusKeeper(QWidget* window, QWidget* fallback)
    : QObject(window)
    , m_window(window)
    , m_fallback(fallback) {
    qApp->installEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched != m_window && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow() && !m_due) {
        m_due = true;
        QMetaObject::invokeMethod(this, &FocusKeeper::takeBack, Qt::QueuedConnection);
    }
    return false;
}

void FocusKeeper::takeBack() {
    m_due = false;
    if (!m_window || !m_window->isVisible() || QGuiApplication::focusWindow() ||
        QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    m_window->activateWindow();
    if (!m_window->focusWidget() && m_fallback)
        m_fallback->setFocus(Qt::OtherFocusReason);
}

} // namespace zt41
