// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendcheck.h"

#include "channels/kernelbridge.h"

namespace zt41 {

SendCheck sendCheck(const ChannelSet& set, WriteRules rules, SendPurpose purpose) {
    const kernel::SendCheck k =
        kernel::sendCheck({toKernel(set.squelch), toKernel(set.rows)}, rules, purpose);
    SendCheck out{{fromKernel(k.set.squelch), fromKernel(k.set.rows)},
                  {k.stuck.begin(), k.stuck.end()},
                  {},
                  k.mayGo};
    for (const kernel::ChannelFinding& f : k.findings)
        out.findings.append({f.channel, f.field, QString::fromStdString(f.value), f.reason});
    return out;
}

} // namespace zt41
