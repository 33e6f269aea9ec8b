// SPDX-License-Identifier: GPL-3.0-or-later
#include "squelch.h"

#include "kernel/squelch.h"
#include "kernelbridge.h"

namespace zt41 {

QStringList Squelch::items() {
    return fromKernel(kernel::squelch::items());
}

bool Squelch::isRefused(const QString& text) {
    return kernel::squelch::isRefused(toKernel(text));
}

int Squelch::levelForFrame(const QString& text) {
    return kernel::squelch::levelForFrame(toKernel(text));
}

} // namespace zt41
