// SPDX-License-Identifier: GPL-3.0-or-later
#include "servicecheck.h"

#include "channels/kernelbridge.h"
#include "kernel/frames.h"
#include "service.h"

namespace zt41 {

ChannelRows radioForm(const ChannelRows& rows) {
    const kernel::ChannelRows in = toKernel(rows);
    const ChannelRows held = fromKernel(kernel::radioForm(in));
    // Only the rows the frames carry change, and only in their data fields.
    ChannelRows out = rows;
    for (int k = 1; k <= kChannelCount; ++k) {
        if (kernel::frameProblem(k, in[k - 1]) != kernel::FrameProblem::None)
            continue;
        for (Field f : {Field::Rf, Field::Rct, Field::Tf, Field::Tct, Field::Bt, Field::Pw})
            out[k - 1][f] = held[k - 1][f];
    }
    return out;
}

QString radioSquelch(const QString& squelch) {
    return fromKernel(kernel::radioSquelch(toKernel(squelch)));
}

QList<ServiceFinding> checkChannels(const Service& service, const ChannelRows& rows) {
    return listFromKernel<ServiceFinding>(kernel::checkChannels(toKernel(service), toKernel(rows)),
                                          [](const kernel::ServiceFinding& f) {
                                              return ServiceFinding{
                                                  f.channel, f.field,
                                                  f.kind,    fromKernel(f.value),
                                                  f.nearest, fromKernel(f.nearestValue),
                                                  f.watts,   f.limitWatts};
                                          });
}

ChannelRows planRows(const Service& service) {
    return fromKernel(kernel::planRows(toKernel(service)));
}

} // namespace zt41
