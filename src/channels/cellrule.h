#pragma once

#include <QString>

namespace zt41 {

class ChannelTable;
class MessageSink;

// The rule that runs when the user finishes typing into a grid cell: column 1
// (receive frequency) and column 3 (transmit frequency) are checked against
// 130..500 MHz, snapped to the channel steps and written back as "###.00000";
// a receive frequency also fills in the row's defaults. Other columns do nothing.
class CellRule {
public:
    static void apply(ChannelTable& table, int column, MessageSink& messages);

    // 130 and 500 themselves are in range; an infinite value never is.
    static bool inRange(double mhz);
    // The frequency text of an in-range value on the radio's channel steps:
    // 6.25 kHz and 5 kHz multiples stay, anything else drops to the 5 kHz step below.
    static QString normalise(double mhz);

    static const QString& outOfRangeText();

private:
    static void applyReceive(ChannelTable& table, MessageSink& messages);
    static void applyTransmit(ChannelTable& table, MessageSink& messages);
};

} // namespace zt41
