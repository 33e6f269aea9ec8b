// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace zt41 {

struct TwoLanguages;

// The window speaks Chinese, as the system defines it, or English when the
// user chooses it. The Chinese texts are the sources of Qt's translations;
// the English ones come from translations/zt41_en.ts.
enum class Language { Chinese, English };

// The one settings file of the window: the dialogs' last folder and the
// chosen language (~/.config/zt41/zt41.ini).
QSettings windowSettings();

// "zh" and "en", as --lang and the settings file take them.
std::optional<Language> languageNamed(const QString& name);
QString languageName(Language language);
// The language chosen last, Chinese when none was.
Language savedLanguage();
void saveLanguage(Language language);

// The language the window speaks now.
Language windowLanguage();
// Installs the window's translation (and Qt's own texts in that language) and
// says every text again in it; false when the translation could not be loaded.
bool useLanguage(Language language);
// A text the library keeps in both languages, in the window's.
QString inWindowLanguage(const TwoLanguages& text);

// Runs `say` now and again after each change of the language, as long as
// `owner` lives: `say` sets the texts it owns from their Chinese sources.
void sayInWindowLanguage(QObject* owner, std::function<void()> say);

// Labels and buttons of `window` whose text does not fit their defined size
// get the whole text as tool tip; the window keeps its size.
void tipTextsThatDoNotFit(QWidget* window);

// Tells the texts of the window that the language has changed.
class LanguageNews : public QObject {
    Q_OBJECT
public:
    static LanguageNews& instance();
Q_SIGNALS:
    void changed();
};

} // namespace zt41
