// SPDX-License-Identifier: GPL-3.0-or-later
#include "framecompare.h"

#include "channels/kernelbridge.h"
#include "kernel/frames.h"

namespace zt41 {

QList<FieldDifference> compareInFrameForm(const QString& expectedSquelch,
                                          const ChannelRows& expected, const QString& actualSquelch,
                                          const ChannelRows& actual) {
    const auto differences = kernel::compareInFrameForm(
        toKernel(expectedSquelch), toKernel(expected), toKernel(actualSquelch), toKernel(actual));
    return listFromKernel<FieldDifference>(differences, [](const kernel::FieldDifference& d) {
        return FieldDifference{d.channel, d.field, fromKernel(d.expected), fromKernel(d.actual)};
    });
}

} // namespace zt41
