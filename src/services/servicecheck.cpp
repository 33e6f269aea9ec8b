// SPDX-License-Identifier: GPL-3.0-or-later
#include "servicecheck.h"

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

QList<ServiceFinding> checkChannels(const Service& service, const ChannelRows& rows) {
    QList<ServiceFinding> findings;
    const ChannelRows held = radioForm(rows);
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = held[k - 1];
        const qint64 rx = frequencyCount(row.text(Field::Rf));
        if (rx == 0)
            continue;
        if (!service.plan.contains(rx))
            findings << frequencyFinding(service, k, Field::Rf, FindingKind::OffPlan,
                                         row.text(Field::Rf));
        const qint64 tx = frequencyCount(row.text(Field::Tf));
        if (tx != 0 && !service.plan.contains(tx))
            findings << frequencyFinding(service, k, Field::Tf, FindingKind::OffPlan,
                                         row.text(Field::Tf));
        if (tx != 0 && tx != rx && service.simplex)
            findings << frequencyFinding(service, k, Field::Tf, FindingKind::NotSimplex,
                                         row.text(Field::Tf));
        if (row.text(Field::Pw).trimmed() != u"L")
            findings << ServiceFinding{k, Field::Pw, FindingKind::HighPower, QStringLiteral("H"),
                                       0, QString()};
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
        row[Field::Rf] = frequency;
        row[Field::Tf] = frequency;
        row[Field::Rct] = QString();
        row[Field::Tct] = QString();
        row[Field::Bt] = used ? QStringLiteral("off") : QString();
        row[Field::Pw] = used ? QStringLiteral("L") : QString();
    }
    return rows;
}

} // namespace zt41
