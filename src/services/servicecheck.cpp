// SPDX-License-Identifier: GPL-3.0-or-later
#include "servicecheck.h"

#include "channels/radiopower.h"
#include "link/channelframe.h"
#include "service.h"

#include <cstdlib>

namespace zt41 {

namespace {

// The plan's channel nearest to a count, the lower one on a tie.
int nearestChannel(const Service& service, qint64 count) {
    int best = 0;
    for (int n = 1; n <= service.plan.size(); ++n)
        if (best == 0 ||
            std::llabs(service.plan[n - 1] - count) < std::llabs(service.plan[best - 1] - count))
            best = n;
    return best;
}

ServiceFinding frequencyFinding(const Service& service, int channel, Field field, FindingKind kind,
                                const QString& value) {
    const int nearest = nearestChannel(service, frequencyCount(value));
    return {channel, field,   kind,
            value,   nearest, nearest ? service.frequencyText(nearest) : QString()};
}

} // namespace

ChannelRows radioForm(const ChannelRows& rows) {
    ChannelRows out = rows;
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = rows[k - 1];
        if (frameProblem(k, row) != FrameProblem::None)
            continue;
        DecodeChannelFrame(EncodeChannelFrame(k, QString(), row), k, out[k - 1]);
    }
    return out;
}

QString radioSquelch(const QString& squelch) {
    ChannelRecord row{};
    return DecodeChannelFrame(EncodeChannelFrame(1, squelch, ChannelRecord{}), 1, row);
}

QList<ServiceFinding> checkChannels(const Service& service, const ChannelRows& rows) {
    QList<ServiceFinding> findings;
    const ChannelRows held = radioForm(rows);
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = held[k - 1];
        const qint64 rx = frequencyCount(row.text(Field::Rf));
        const qint64 tx = frequencyCount(row.text(Field::Tf));
        if (rx != 0 && !service.plan.contains(rx))
            findings << frequencyFinding(service, k, Field::Rf, FindingKind::OffPlan,
                                         row.text(Field::Rf));
        if (tx == 0)
            continue; // receives only
        const int planChannel = int(service.plan.indexOf(tx)) + 1;
        if (planChannel == 0)
            findings << frequencyFinding(service, k, Field::Tf, FindingKind::OffPlan,
                                         row.text(Field::Tf));
        if (rx != 0 && tx != rx && service.simplex)
            findings << frequencyFinding(service, k, Field::Tf, FindingKind::NotSimplex,
                                         row.text(Field::Tf));
        // The frame carries the power of a channel that only transmits too,
        // though the radio shows no power on a channel without a receive frequency.
        const QString pw = rx != 0 ? row.text(Field::Pw) : rows[k - 1].text(Field::Pw);
        const double watts = powerWatts(pw);
        const double limit = planChannel ? service.limitWatts(planChannel) : service.watts;
        if (watts > limit)
            findings << ServiceFinding{k,
                                       Field::Pw,
                                       FindingKind::HighPower,
                                       isLowPower(pw) ? QStringLiteral("L") : QStringLiteral("H"),
                                       0,
                                       QString(),
                                       watts,
                                       limit};
    }
    return findings;
}

ChannelRows planRows(const Service& service) {
    ChannelRows rows{};
    for (int k = 1; k <= kChannelCount; ++k) {
        ChannelRecord& row = rows[k - 1];
        row[Field::No] = QString::number(k);
        const bool used = k <= service.plan.size();
        const QString frequency = used ? service.frequencyText(k) : QString();
        // Where even the radio's low power is above the limit, it only receives.
        const bool transmits = used && kLowPowerWatts <= service.limitWatts(k);
        row[Field::Rf] = frequency;
        row[Field::Tf] = transmits ? frequency : QString();
        row[Field::Rct] = QString();
        row[Field::Tct] = QString();
        row[Field::Bt] = used ? QStringLiteral("off") : QString();
        row[Field::Pw] = used ? QStringLiteral("L") : QString();
    }
    return rows;
}

} // namespace zt41
