// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/services.h"

#include <QList>
#include <QString>

namespace zt41 {

// A text in the window's Chinese and in the tool's English.
struct TwoLanguages {
    QString zh;
    QString en;
};

// A licence-free radio service: the channels anyone may use, and how.
struct Service {
    QString id; // "pmr446", what the command line takes
    TwoLanguages name;
    // Channel n of the service (1 first) is plan[n - 1], in 10 Hz counts.
    QList<qint64> plan;
    bool simplex = true; // transmit must equal receive
    TwoLanguages powerLimit;
    double watts = 0;           // the most a transmitter may put out
    QList<int> reducedChannels; // channels of the plan with a lower limit:
    double reducedWatts = 0;    // this one
    TwoLanguages note;          // who may use it

    // The power limit on channel n of the plan (1 first), in watts.
    double limitWatts(int n) const;
    // Channel n's frequency as the table writes it, "446.00625".
    QString frequencyText(int n) const;
    // The lowest and the highest frequency of the plan, as text.
    QString lowestText() const;
    QString highestText() const;
};

// The services the program knows, in the order they are offered.
const QList<Service>& services();
// The service of that identifier, or null.
const Service* findService(const QString& id);

// The kernel's form of a service.
kernel::Service toKernel(const Service& service);

// A frequency text in 10 Hz counts, rounded to the nearest count; 0 for none.
qint64 frequencyCount(const QString& text);

} // namespace zt41
