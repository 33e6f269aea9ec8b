// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channeltable.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A channel database of its own in a temporary folder.
struct TableFixture {
    QTemporaryDir dir;
    std::unique_ptr<zt41::ChannelTable> table;

    QString path() const { return dir.filePath(zt41::ChannelTable::defaultFileName()); }

    bool open() {
        table = std::make_unique<zt41::ChannelTable>();
        return table->open(path());
    }

    // Fills the current row's fields 1..6 (no null among them).
    void setRow(int row, const QStringList& six) {
        table->setCurrentRow(row);
        for (int f = 1; f <= 6; ++f)
            QVERIFY(table->writeField(static_cast<zt41::Field>(f), six.value(f - 1)));
    }
};
