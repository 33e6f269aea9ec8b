// SPDX-License-Identifier: GPL-3.0-or-later
#include "services.h"

#include "frames.h"
#include "numbers.h"
#include "radiopower.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace zt41::kernel {

namespace {

// Channels `count` of a plan that steps evenly from `first`, in 10 Hz counts.
std::vector<std::int64_t> evenPlan(std::int64_t first, std::int64_t step, int count) {
    std::vector<std::int64_t> plan;
    for (int n = 0; n < count; ++n)
        plan.push_back(first + step * n);
    return plan;
}

std::vector<std::int64_t> joined(std::initializer_list<std::vector<std::int64_t>> parts) {
    std::vector<std::int64_t> plan;
    for (const std::vector<std::int64_t>& part : parts)
        plan.insert(plan.end(), part.begin(), part.end());
    return plan;
}

std::vector<Service> knownServices() {
    std::vector<Service> list;
    {
        Service s;
        s.id = "pmr446";
        s.name = {"PMR446（欧洲）", "PMR446 (Europe)"};
        s.plan = evenPlan(44600625, 1250, 16);
        s.powerLimit = {"0.5 W", "0.5 W"};
        s.watts = 0.5;
        s.note = {"欧洲免执照对讲频段，任何人均可使用，仅限一体式天线的手持机。",
                  "Licence-free in Europe for anyone, handhelds with a fixed antenna only."};
        list.push_back(s);
    }
    {
        Service s;
        s.id = "cn409";
        s.name = {"409 MHz 公众对讲频段（中国）", "409 MHz public band (China)"};
        s.plan = evenPlan(40975000, 1250, 20);
        s.powerLimit = {"0.5 W", "0.5 W"};
        s.watts = 0.5;
        s.note = {"中国公众对讲机频段，免执照，任何人均可使用。",
                  "China's licence-free public walkie-talkie band, for anyone."};
        list.push_back(s);
    }
    {
        Service s;
        s.id = "frs";
        s.name = {"FRS 家庭无线电（北美）", "FRS Family Radio Service (North America)"};
        // 1 to 7 and 8 to 14 on 462 and 467 MHz, 15 to 22 between 462.550 and 462.725.
        s.plan = joined({evenPlan(46256250, 2500, 7), evenPlan(46756250, 2500, 7),
                         evenPlan(46255000, 2500, 8)});
        s.powerLimit = {"2 W（8 至 14 信道 0.5 W）", "2 W (0.5 W on channels 8 to 14)"};
        s.watts = 2;
        s.reducedChannels = {8, 9, 10, 11, 12, 13, 14};
        s.reducedWatts = 0.5;
        s.note = {"美国和加拿大的免执照频段，任何人均可使用，天线不可拆卸。",
                  "Licence-free in the USA and Canada for anyone, with a fixed antenna."};
        list.push_back(s);
    }
    {
        Service s;
        s.id = "lpd433";
        s.name = {"LPD433 低功率设备（欧洲）", "LPD433 low-power devices (Europe)"};
        s.plan = evenPlan(43307500, 2500, 69);
        s.powerLimit = {"10 mW", "10 mW"};
        s.watts = 0.01;
        s.note = {"欧洲多数国家的免执照低功率频段，任何人均可使用。",
                  "Licence-free low-power band in most of Europe, for anyone."};
        list.push_back(s);
    }
    return list;
}

bool planHolds(const Service& service, std::int64_t count) {
    return std::find(service.plan.begin(), service.plan.end(), count) != service.plan.end();
}

// The plan's channel nearest to a count, the lower one on a tie.
int nearestChannel(const Service& service, std::int64_t count) {
    int best = 0;
    for (int n = 1; n <= static_cast<int>(service.plan.size()); ++n)
        if (best == 0 ||
            std::llabs(service.plan[n - 1] - count) < std::llabs(service.plan[best - 1] - count))
            best = n;
    return best;
}

ServiceFinding frequencyFinding(const Service& service, int channel, Field field, FindingKind kind,
                                const std::string& value) {
    const int nearest = nearestChannel(service, frequencyCount(value));
    return {channel, field,   kind,
            value,   nearest, nearest ? service.frequencyText(nearest) : std::string()};
}

std::string planText(std::int64_t count) {
    return formatFrequency(static_cast<double>(count) / 100000);
}

} // namespace

double Service::limitWatts(int n) const {
    return std::find(reducedChannels.begin(), reducedChannels.end(), n) != reducedChannels.end()
               ? reducedWatts
               : watts;
}

std::string Service::frequencyText(int n) const {
    return planText(plan.at(static_cast<std::size_t>(n - 1)));
}

std::string Service::lowestText() const {
    return plan.empty() ? std::string() : planText(*std::min_element(plan.begin(), plan.end()));
}

std::string Service::highestText() const {
    return plan.empty() ? std::string() : planText(*std::max_element(plan.begin(), plan.end()));
}

const std::vector<Service>& services() {
    static const std::vector<Service> list = knownServices();
    return list;
}

const Service* findService(std::string_view id) {
    for (const Service& s : services())
        if (s.id == id)
            return &s;
    return nullptr;
}

std::int64_t frequencyCount(std::string_view text) {
    const double count = roundToSignificant15(numericValue(text) * 100000);
    return std::isfinite(count) && std::fabs(count) < 1e15 ? std::llround(count) : 0;
}

ChannelRows radioForm(const ChannelRows& rows) {
    ChannelRows out = rows;
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = rows[k - 1];
        if (frameProblem(k, row) != FrameProblem::None)
            continue;
        decodeFrame(encodeFrame(k, "", row), k, out[k - 1]);
    }
    return out;
}

std::string radioSquelch(std::string_view squelch) {
    ChannelRecord row{};
    return decodeFrame(encodeFrame(1, squelch, ChannelRecord{}), 1, row);
}

std::vector<ServiceFinding> checkChannels(const Service& service, const ChannelRows& rows) {
    std::vector<ServiceFinding> findings;
    const ChannelRows held = radioForm(rows);
    for (int k = 1; k <= kChannelCount; ++k) {
        const ChannelRecord& row = held[k - 1];
        const std::int64_t rx = frequencyCount(row.text(Field::Rf));
        const std::int64_t tx = frequencyCount(row.text(Field::Tf));
        if (rx != 0 && !planHolds(service, rx))
            findings.push_back(
                frequencyFinding(service, k, Field::Rf, FindingKind::OffPlan, row.text(Field::Rf)));
        if (tx == 0)
            continue; // receives only
        const auto at = std::find(service.plan.begin(), service.plan.end(), tx);
        const int planChannel =
            at == service.plan.end() ? 0 : static_cast<int>(at - service.plan.begin()) + 1;
        if (planChannel == 0)
            findings.push_back(
                frequencyFinding(service, k, Field::Tf, FindingKind::OffPlan, row.text(Field::Tf)));
        if (rx != 0 && tx != rx && service.simplex)
            findings.push_back(frequencyFinding(service, k, Field::Tf, FindingKind::NotSimplex,
                                                row.text(Field::Tf)));
        // The frame carries the power of a channel that only transmits too,
        // though the radio shows no power on a channel without a receive frequency.
        const std::string pw = rx != 0 ? row.text(Field::Pw) : rows[k - 1].text(Field::Pw);
        const double watts = powerWatts(pw);
        const double limit = planChannel ? service.limitWatts(planChannel) : service.watts;
        if (watts > limit)
            findings.push_back(ServiceFinding{k, Field::Pw, FindingKind::HighPower,
                                              isLowPower(pw) ? "L" : "H", 0, std::string(), watts,
                                              limit});
    }
    return findings;
}

ChannelRows planRows(const Service& service) {
    ChannelRows rows{};
    for (int k = 1; k <= kChannelCount; ++k) {
        ChannelRecord& row = rows[k - 1];
        row[Field::No] = std::to_string(k);
        const bool used = k <= static_cast<int>(service.plan.size());
        const std::string frequency = used ? service.frequencyText(k) : std::string();
        // Where even the radio's low power is above the limit, it only receives.
        const bool transmits = used && kLowPowerWatts <= service.limitWatts(k);
        row[Field::Rf] = frequency;
        row[Field::Tf] = transmits ? frequency : std::string();
        row[Field::Rct] = std::string();
        row[Field::Tct] = std::string();
        row[Field::Bt] = used ? "off" : "";
        row[Field::Pw] = used ? "L" : "";
    }
    return rows;
}

} // namespace zt41::kernel
