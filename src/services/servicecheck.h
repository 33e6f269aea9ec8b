// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"
#include "kernel/services.h"

#include <QList>
#include <QString>

namespace zt41 {

struct Service;

// What a channel does that the service does not allow.
using kernel::FindingKind;

struct ServiceFinding {
    int channel = 0; // 1 to 16
    Field field = Field::Rf;
    FindingKind kind = FindingKind::OffPlan;
    QString value;         // as the radio holds it: "446.01000", "H"
    int nearest = 0;       // the nearest channel of the plan, 1 first; 0 for power
    QString nearestValue;  // its frequency, "446.00625"
    double watts = 0;      // HighPower: what the radio puts out at that setting
    double limitWatts = 0; // and what the service allows on that channel

    bool operator==(const ServiceFinding&) const = default;
};

// The rows as the radio would hold them after a write: canonical frequencies
// and tones, "on"/"off" and "H"/"L" on every channel with a receive frequency
// (blank power is high power there). A row the frames cannot carry stays as it is.
ChannelRows radioForm(const ChannelRows& rows);
// The squelch level as the radio holds it after a write: "9.4" is 9.
QString radioSquelch(const QString& squelch);

// Judges every channel with a frequency against the service, in channel
// order: receive and transmit exactly on the plan (a transmit frequency off
// the plan fails whatever the receive frequency), transmit equal to receive
// where the service is simplex, and the power (H and L in the radio's watts)
// against the service's limit on that channel. A channel without a transmit
// frequency only receives, which every service allows.
QList<ServiceFinding> checkChannels(const Service& service, const ChannelRows& rows);

// The first 16 channels of the plan (fewer when the plan is shorter, the rest
// empty): simplex, low power, beat shift off, no tones; receive only where the
// radio's low power is above the service's limit; rows numbered 1 to 16.
ChannelRows planRows(const Service& service);
// The squelch level that goes with them.
inline QString planSquelch() {
    return QString::fromStdString(kernel::planSquelch());
}

} // namespace zt41
