// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;
class QObject;
class QTranslator;

namespace zt41 {

// Loads Qt's own Simplified Chinese texts (the file dialogs, the buttons
// 确定, 取消, 打开, 保存), whatever the user's locale: the window is Chinese.
// False when Qt's translations are not installed; Qt's English then stays.
bool loadQtChinese(QCoreApplication& app);
// Qt's own Simplified Chinese, loaded but not installed; null when missing.
QTranslator* qtChineseTranslator(QObject* parent);

} // namespace zt41
