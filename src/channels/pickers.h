// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"
#include "kernel/pickers.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zt41 {

class ChannelTable;

// The four selection lists that set the fields the grid does not let the user type.
using kernel::Picker;

class Pickers {
public:
    static QStringList items(Picker picker);
    static std::vector<Field> fields(Picker picker);
    // Writes the chosen item unchanged into the current row's fields, in order.
    // With no current row nothing is written and false is returned.
    static bool pick(ChannelTable& table, Picker picker, const QString& item);
    // The same choice made on a row the user points at (a cell of the grid).
    static bool pickAt(ChannelTable& table, int row, Picker picker, const QString& item);
    // The picker that serves a column of the grid, if one does.
    static std::optional<Picker> forField(Field field);
};

} // namespace zt41
