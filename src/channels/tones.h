// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace zt41 {

// The 39 CTCSS tones the radio knows, in Hz, in picker order.
const QStringList& toneSet();

} // namespace zt41
