// SPDX-License-Identifier: GPL-3.0-or-later
#include "tones.h"

namespace zt41 {

const QStringList& toneSet() {
    static const QStringList tones = {
        QStringLiteral("67.0"),  QStringLiteral("69.3"),  QStringLiteral("71.9"),
        QStringLiteral("74.4"),  QStringLiteral("77.0"),  QStringLiteral("79.7"),
        QStringLiteral("82.5"),  QStringLiteral("85.4"),  QStringLiteral("88.5"),
        QStringLiteral("91.5"),  QStringLiteral("94.8"),  QStringLiteral("97.4"),
        QStringLiteral("100.0"), QStringLiteral("103.5"), QStringLiteral("107.2"),
        QStringLiteral("110.9"), QStringLiteral("114.8"), QStringLiteral("118.8"),
        QStringLiteral("123.0"), QStringLiteral("127.3"), QStringLiteral("131.8"),
        QStringLiteral("136.5"), QStringLiteral("141.3"), QStringLiteral("146.2"),
        QStringLiteral("151.4"), QStringLiteral("156.7"), QStringLiteral("162.2"),
        QStringLiteral("167.9"), QStringLiteral("173.8"), QStringLiteral("179.9"),
        QStringLiteral("186.2"), QStringLiteral("192.8"), QStringLiteral("203.5"),
        QStringLiteral("210.7"), QStringLiteral("218.1"), QStringLiteral("225.7"),
        QStringLiteral("233.6"), QStringLiteral("241.8"), QStringLiteral("250.3"),
    };
    return tones;
}

} // namespace zt41
