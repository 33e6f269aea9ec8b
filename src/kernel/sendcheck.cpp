// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendcheck.h"

#include <algorithm>

namespace zt41::kernel {

SendCheck sendCheck(const ChannelSet& set, WriteRules rules, SendPurpose purpose) {
    const bool writes = purpose == SendPurpose::Write;
    SendCheck out{set, {}, {}};
    out.set.rows[0][Field::No] = "1";
    if (rules == WriteRules::Editing)
        out.findings = checkChannelSet(out.set.squelch, out.set.rows);
    for (int k = 1; k <= kChannelCount; ++k) {
        FrameProblem problem = frameProblem(k, out.set.rows[k - 1]);
        // A value the editing rules refuse (a file's 600.00000, a tone off the
        // set, a row out of its place) is no more sent than one no frame holds.
        // An off-step frequency travels exactly and goes out.
        if (problem == FrameProblem::None && writes &&
            std::any_of(out.findings.begin(), out.findings.end(),
                        [k](const ChannelFinding& f) { return f.channel == k && f.refuses(); }))
            problem = FrameProblem::BreaksRule;
        if (problem != FrameProblem::None)
            out.stuck.push_back({k, problem});
    }
    out.mayGo = out.stuck.empty() && (!writes || out.refusals().empty());
    return out;
}

} // namespace zt41::kernel
