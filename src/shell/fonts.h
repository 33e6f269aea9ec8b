#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace zt41 {

// 楷体_GB2312 and 宋体 by name first; where those Windows faces are missing,
// the GB2312 Kai and Song faces that the project installs, then a face that
// shows any Chinese text.
QFont kaiFont(qreal pointSize);
QFont songFont(qreal pointSize);

inline const QColor kPureBlue{0, 0, 255};
inline const QColor kPureRed{255, 0, 0};
inline const QColor kPurple{192, 0, 192};

// Colours the text of a widget while it is enabled; a disabled one stays grey.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace zt41
