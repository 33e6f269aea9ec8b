// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelinput.h"
#include "channels/channelcheck.h"
#include "link/framecompare.h"

#include <QJsonObject>
#include <QString>

namespace zt41 {

namespace kernel {
struct TransferOutcome;
} // namespace kernel
using kernel::TransferOutcome;
struct PortOpenFailure;
} // namespace zt41

namespace zt41::cli {

// The tool's words: tables of channels, differences, and what went wrong.

// The squelch level and the 16 rows as an aligned table, one line each.
QString channelTable(const QString& squelch, const ChannelRows& rows);
// "channel 3: receive tone: 67.0 expected, 71.9 found", one line each.
QString differenceLine(const FieldDifference& d, const QString& expectedName,
                       const QString& actualName);
// "channel 1: receive frequency "600.00000": outside 130 to 500 MHz".
QString findingLine(const ChannelFinding& f);
// The finding as scripts read it (JSON), always the same English words.
QJsonObject findingJson(const ChannelFinding& f);
// The field's name for people, in the tool's language.
QString fieldName(FrameField field);
// The field's name for scripts (JSON), always the same English words.
QString fieldKey(FrameField field);
QString describeOpenFailure(const PortOpenFailure& failure);
QString describeOutcome(const TransferOutcome& outcome);

} // namespace zt41::cli
