#include "fonts.h"

#include <QStringList>
#include <QWidget>

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

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
        p.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(p);
}

QFont songFont(qreal pointSize) {
    return chineseFont(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL SungtiL GB")},
        pointSize);
}

} // namespace zt41
