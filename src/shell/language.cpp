// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "qtchinese.h"
#include "services/service.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QWidget>

namespace zt41 {

namespace {

const QString kLanguageKey = QStringLiteral("window/language");
// The tool tips this file gave, told apart from the ones a window sets itself.
const char* const kCutTextTip = "zt41CutTextTip";

Language g_language = Language::Chinese;
QPointer<QTranslator> g_ours;
QPointer<QTranslator> g_qts;

void drop(QPointer<QTranslator>& translator) {
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
}

} // namespace

QSettings windowSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zt41"),
                     QStringLiteral("zt41"));
}

std::optional<Language> languageNamed(const QString& name) {
    if (name == u"zh")
        return Language::Chinese;
    if (name == u"en")
        return Language::English;
    return std::nullopt;
}

QString languageName(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

Language savedLanguage() {
    return languageNamed(windowSettings().value(kLanguageKey).toString())
        .value_or(Language::Chinese);
}

void saveLanguage(Language language) {
    QSettings settings = windowSettings();
    settings.setValue(kLanguageKey, languageName(language));
    settings.sync();
}

Language windowLanguage() {
    return g_language;
}

bool useLanguage(Language language) {
    drop(g_ours);
    drop(g_qts);
    bool loaded = true;
    if (language == Language::English) {
        // Qt's own texts are English without a translation.
        g_ours = new QTranslator(QCoreApplication::instance());
        loaded = g_ours->load(QStringLiteral(":/i18n/zt41_en.qm")) &&
                 QCoreApplication::installTranslator(g_ours);
        if (!loaded)
            drop(g_ours);
    } else {
        g_qts = qtChineseTranslator(QCoreApplication::instance());
        if (g_qts)
            QCoreApplication::installTranslator(g_qts);
    }
    g_language = loaded ? language : Language::Chinese;
    Q_EMIT LanguageNews::instance().changed();
    return loaded;
}

QString inWindowLanguage(const TwoLanguages& text) {
    return g_language == Language::English && !text.en.isEmpty() ? text.en : text.zh;
}

void sayInWindowLanguage(QObject* owner, std::function<void()> say) {
    say();
    QObject::connect(&LanguageNews::instance(), &LanguageNews::changed, owner, std::move(say));
}

void tipTextsThatDoNotFit(QWidget* window) {
    // The Chinese texts fit as the system placed them: no tips there, and no
    // measuring either (it would lay out every text before the first paint).
    const bool english = g_language == Language::English;
    if (!english) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->property(kCutTextTip).toBool()) {
                w->setToolTip(QString());
                w->setProperty(kCutTextTip, false);
            }
        }
        return;
    }
    const auto tip = [english](QWidget* w, const QString& text, bool cut) {
        if (english && cut) {
            w->setToolTip(text);
            w->setProperty(kCutTextTip, true);
        } else if (w->property(kCutTextTip).toBool()) {
            w->setToolTip(QString());
            w->setProperty(kCutTextTip, false);
        }
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text.isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        const bool cut = label->wordWrap()
                             ? label->heightForWidth(room.width()) > room.height()
                             : label->fontMetrics().horizontalAdvance(text) > room.width();
        tip(label, text.trimmed(), cut);
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        if (text.isEmpty())
            continue;
        // Beside a radio button's text sits its mark.
        const int frame = qobject_cast<QPushButton*>(button) ? 12 : 24;
        const bool cut =
            button->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + frame >
            button->width();
        tip(button, QString(text).remove(u'&').trimmed(), cut);
    }
}

LanguageNews& LanguageNews::instance() {
    static LanguageNews news;
    return news;
}

} // namespace zt41
