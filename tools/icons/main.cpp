// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-icons: renders the program's icon into a hicolor icon theme tree,
// OUT/<n>x<n>/apps/zt41.png for every size given.
#include "programicon.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: zt41-icons OUT SIZE...\n");
        return 2;
    }
    const QDir out(args.first());
    for (const QString& text : args.mid(1)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            std::fprintf(stderr, "zt41-icons: not an icon size: %s\n", qPrintable(text));
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/zt41.png"));
        if (!out.mkpath(folder) || !zt41::programImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "zt41-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
