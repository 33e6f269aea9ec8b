// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtchinese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zt41 {

QTranslator* qtChineseTranslator(QObject* parent) {
    auto* translator = new QTranslator(parent);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    return translator;
}

bool loadQtChinese(QCoreApplication& app) {
    QTranslator* translator = qtChineseTranslator(&app);
    return translator && QCoreApplication::installTranslator(translator);
}

} // namespace zt41
