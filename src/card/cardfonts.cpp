// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardfonts.h"

#include <QStringList>

namespace zt41 {

namespace {

QFont chineseFont(const QStringList& families, qreal pointSize) {
    QFont font;
    font.setFamilies(families + QStringList{QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont kaiFont(qreal pointSize) {
    return chineseFont({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi_GB2312"),
                        QStringLiteral("AR PL KaitiM GB")},
                       pointSize);
}

QFont songFont(qreal pointSize) {
    return chineseFont(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL SungtiL GB")},
        pointSize);
}

} // namespace zt41
