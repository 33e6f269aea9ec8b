// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The licence-free radio services the program knows, and the check of a
// channel set against one of them.

#include "record.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

// A text in the window's Chinese and in the tool's English.
struct TwoLanguages {
    std::string zh;
    std::string en;
};

// A licence-free radio service: the channels anyone may use, and how.
struct Service {
    std::string id; // "pmr446", what the command line takes
    TwoLanguages name;
    // Channel n of the service (1 first) is plan[n - 1], in 10 Hz counts.
    std::vector<std::int64_t> plan;
    bool simplex = true; // transmit must equal receive
    TwoLanguages powerLimit;
    double watts = 0;                 // the most a transmitter may put out
    std::vector<int> reducedChannels; // channels of the plan with a lower limit:
    double reducedWatts = 0;          // this one
    TwoLanguages note;                // who may use it

    // The power limit on channel n of the plan (1 first), in watts.
    double limitWatts(int n) const;
    // Channel n's frequency as the table writes it, "446.00625".
    std::string frequencyText(int n) const;
    // The lowest and the highest frequency of the plan, as text; empty for no plan.
    std::string lowestText() const;
    std::string highestText() const;
};

// The services the program knows, in the order they are offered.
const std::vector<Service>& services();
// The service of that identifier, or null.
const Service* findService(std::string_view id);

// A frequency text in 10 Hz counts, rounded to the nearest count; 0 for none.
std::int64_t frequencyCount(std::string_view text);

// What a channel does that the service does not allow.
enum class FindingKind {
    OffPlan,    // the frequency is no channel of the service's plan
    NotSimplex, // transmit differs from receive where the service wants them equal
    HighPower,  // the power set (H or L, in the radio's watts) is above the service's limit
};

struct ServiceFinding {
    int channel = 0; // 1 to 16
    Field field = Field::Rf;
    FindingKind kind = FindingKind::OffPlan;
    std::string value;        // as the radio holds it: "446.01000", "H"
    int nearest = 0;          // the nearest channel of the plan, 1 first; 0 for power
    std::string nearestValue; // its frequency, "446.00625"
    double watts = 0;         // HighPower: what the radio puts out at that setting
    double limitWatts = 0;    // and what the service allows on that channel

    bool operator==(const ServiceFinding&) const = default;
};

// The rows as the radio would hold them after a write: canonical frequencies
// and tones, "on"/"off" and "H"/"L" on every channel with a receive frequency
// (blank power is high power there). A row the frames cannot carry stays as it is.
ChannelRows radioForm(const ChannelRows& rows);
// The squelch level as the radio holds it after a write: "9.4" is 9.
std::string radioSquelch(std::string_view squelch);

// Judges every channel with a frequency against the service, in channel
// order: receive and transmit exactly on the plan (a transmit frequency off
// the plan fails whatever the receive frequency), transmit equal to receive
// where the service is simplex, and the power (H and L in the radio's watts)
// against the service's limit on that channel. A channel without a transmit
// frequency only receives, which every service allows.
std::vector<ServiceFinding> checkChannels(const Service& service, const ChannelRows& rows);

// The first 16 channels of the plan (fewer when the plan is shorter, the rest
// empty): simplex, low power, beat shift off, no tones; receive only where the
// radio's low power is above the service's limit; rows numbered 1 to 16.
ChannelRows planRows(const Service& service);
// The squelch level that goes with them.
inline std::string planSquelch() {
    return "3";
}

} // namespace zt41::kernel
