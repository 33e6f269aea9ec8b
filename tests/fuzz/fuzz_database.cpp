// SPDX-License-Identifier: GPL-3.0-or-later
// A damaged channel database (a good file with bytes changed) is refused when
// it opens, or every write it reports as stored is there when it opens again.
#include "channels/channeltable.h"
#include "fuzzdata.h"
#include "sqlfiles.h"

#include <QTemporaryDir>

#include <memory>

using namespace zt41;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<QTemporaryDir> folder;
    static QByteArray good;
    const QString path = folder ? folder->filePath(QStringLiteral("ZT41XE.mdb")) : QString();
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>(fuzzScratchTemplate());
        if (!ChannelTable().open(folder->filePath(QStringLiteral("good.mdb"))))
            fuzzFail("no good database to start from");
        good = fileBytes(folder->filePath(QStringLiteral("good.mdb")));
        return LLVMFuzzerTestOneInput(data, size);
    }
    // Each three bytes: where (two bytes) and what.
    QByteArray bytes = good;
    for (size_t i = 0; i + 2 < size; i += 3)
        bytes[((data[i] << 8) | data[i + 1]) % bytes.size()] = static_cast<char>(data[i + 2]);
    QFile::remove(path + QStringLiteral("-journal"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFail("cannot write the damaged file");
    file.close();

    ChannelRows stored{};
    {
        ChannelTable table;
        if (!table.open(path))
            return 0;
        stored = table.rows();
        for (int r = 0; r < kChannelCount; ++r) {
            const QString rf = QStringLiteral("%1.00000").arg(140 + r + int(size % 50));
            if (table.writeFieldsAt(r, {{Field::Rf, rf}}))
                stored[r][Field::Rf] = rf;
        }
        ChannelRows all = stored;
        for (ChannelRecord& row : all)
            row[Field::Pw] = QStringLiteral("L");
        if (table.replaceDataFields(all))
            stored = all;
    }
    ChannelTable again;
    if (!again.open(path))
        fuzzFail("a file that took writes no longer opens:", again.errorString());
    for (int r = 0; r < kChannelCount; ++r)
        for (int f = 1; f < kFieldCount; ++f)
            if (again.row(r)[static_cast<Field>(f)] != stored[r][static_cast<Field>(f)])
                fuzzFail("a write reported as stored is missing in row", QString::number(r + 1));
    return 0;
}
