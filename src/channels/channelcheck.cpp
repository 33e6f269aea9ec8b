// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelcheck.h"

#include "kernel/channelcheck.h"
#include "kernelbridge.h"

namespace zt41 {

namespace {

QList<ChannelFinding> fromKernel(const kernel::Findings& findings) {
    return listFromKernel<ChannelFinding>(findings, [](const kernel::ChannelFinding& f) {
        return ChannelFinding{f.channel, f.field, QString::fromStdString(f.value), f.reason};
    });
}

kernel::Findings toKernel(const QList<ChannelFinding>& findings) {
    kernel::Findings out;
    for (const ChannelFinding& f : findings)
        out.push_back({f.channel, f.field, zt41::toKernel(f.value), f.reason});
    return out;
}

} // namespace

bool isNoValue(const FieldValue& value) {
    return kernel::isNoValue(zt41::toKernel(value));
}

std::optional<CheckReason> frequencyProblem(const FieldValue& value) {
    return kernel::frequencyProblem(zt41::toKernel(value));
}

std::optional<CheckReason> toneProblem(const FieldValue& value) {
    return kernel::toneProblem(zt41::toKernel(value));
}

QList<ChannelFinding> checkRow(int channel, const ChannelRecord& row) {
    return fromKernel(kernel::checkRow(channel, zt41::toKernel(row)));
}

QList<ChannelFinding> checkChannelSet(const QString& squelch, const ChannelRows& rows) {
    return fromKernel(kernel::checkChannelSet(zt41::toKernel(squelch), zt41::toKernel(rows)));
}

QList<ChannelFinding> refusals(const QList<ChannelFinding>& findings) {
    return fromKernel(kernel::refusals(toKernel(findings)));
}

QList<ChannelFinding> warnings(const QList<ChannelFinding>& findings) {
    return fromKernel(kernel::warnings(toKernel(findings)));
}

} // namespace zt41
