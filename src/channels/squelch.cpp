// SPDX-License-Identifier: GPL-3.0-or-later
#include "squelch.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace zt41 {

QStringList Squelch::items() {
    QStringList list;
    for (int level = 0; level <= 9; ++level)
        list << QStringLiteral("  %1").arg(level);
    return list;
}

bool Squelch::isRefused(const QString& text) {
    const double level = roundHalfEven(numericValue(text.trimmed()));
    return !std::isfinite(level) || level > 9;
}

int Squelch::levelForFrame(const QString& text) {
    const double level = roundHalfEven(numericValue(text.trimmed()));
    if (std::isnan(level))
        return 0;
    return static_cast<int>(std::clamp(level, 0.0, 9.0));
}

} // namespace zt41
