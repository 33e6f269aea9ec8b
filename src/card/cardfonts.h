// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace zt41 {

// 楷体_GB2312 and 宋体 by name first; where those Windows faces are missing,
// the GB2312 Kai and Song faces that the project installs, then a face that
// shows any Chinese text. The window and the channel card use the same faces.
QFont kaiFont(qreal pointSize);
QFont songFont(qreal pointSize);

} // namespace zt41
