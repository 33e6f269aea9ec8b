// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace zt41 {

// The program's one icon image: a handheld radio, 32 x 32 in 24-bit colour.
// Every window shows this same image.
QImage programImage();
// The same picture at another size, for the desktop's icon theme.
QImage programImage(int size);
QPixmap programPixmap();
QIcon programIcon();

} // namespace zt41
