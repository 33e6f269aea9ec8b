// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWindow>

namespace zt41 {

namespace {

ScreenReaderListener g_listener = nullptr;

QString withoutAmpersand(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

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

class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return box()->accessibleName();
        if (t == QAccessible::Value) {
            const QVariant word = box()->currentData(Qt::AccessibleTextRole);
            return word.isValid() && box()->currentText() == box()->itemText(box()->currentIndex())
                       ? word.toString()
                       : box()->currentText().trimmed();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        return box()->lineEdit() && child->object() == box()->lineEdit() ? 1 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = box()->isEditable();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }
};

// A menu bar entry whose drawn caption is padded with blanks.
class MenuBarItemAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    MenuBarItemAccessible(QAction* action, QMenuBar* bar)
        : QAccessibleObject(action)
        , m_action(action)
        , m_bar(bar) {}

    bool isValid() const override { return m_action && m_bar; }
    QWindow* window() const override { return m_bar->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    int childCount() const override { return m_action->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && m_action->menu()
                   ? QAccessible::queryAccessibleInterface(m_action->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && m_action->menu() && child->object() == m_action->menu() ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        const QString caption = m_action->text();
        if (t == QAccessible::Name)
            return withoutAmpersand(caption).trimmed();
        if (t == QAccessible::Accelerator) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            return key.isEmpty() ? QString() : key.toString(QKeySequence::NativeText);
        }
        return {};
    }
    QRect rect() const override {
        const QRect r = m_bar->actionGeometry(m_action);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.disabled = !m_action->isEnabled();
        s.focusable = true;
        s.focused = m_bar->activeAction() == m_action;
        s.hasPopup = m_action->menu() != nullptr;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        return {m_action->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString&) override {
        if (!m_action->isEnabled())
            return;
        if (m_action->menu())
            m_bar->setActiveAction(m_action);
        else
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override {
        return {text(QAccessible::Accelerator)};
    }

private:
    QPointer<QAction> m_action;
    QPointer<QMenuBar> m_bar;
};

QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (className == u"zt41::StatusLabel")
        return new StatusLineAccessible(static_cast<QLabel*>(object));
    if (className == u"zt41::NamedComboBox" || className == u"zt41::PickerBox")
        return new ComboAccessible(static_cast<QComboBox*>(object));
    if (className == u"QAction") {
        auto* action = static_cast<QAction*>(object);
        if (action->text() == action->text().trimmed())
            return nullptr;
        for (QObject* owner : action->associatedObjects())
            if (auto* bar = qobject_cast<QMenuBar*>(owner))
                return new MenuBarItemAccessible(action, bar);
    }
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

void tellScreenReader(QAccessibleEvent* event) {
    if (g_listener)
        g_listener(event);
    QAccessible::updateAccessibility(event);
}

void setScreenReaderListener(ScreenReaderListener listener) {
    g_listener = listener;
}

void StatusLabel::setStatus(const QString& text) {
    // The label tells a screen reader its new name itself; a test listens here.
    setText(text);
    if (g_listener) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        g_listener(&changed);
    }
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
    // The 工具 windows open from a menu, and some window managers leave the
    // focus where it was: they take it, so that their keys work at once.
    if (event->type() == QEvent::Show && watched->inherits("zt41::ListWindow"))
        QMetaObject::invokeMethod(
            watched,
            [window = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
                if (window && window->isVisible())
                    window->activateWindow();
            },
            Qt::QueuedConnection);
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
