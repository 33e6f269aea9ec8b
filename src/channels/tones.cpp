// SPDX-License-Identifier: GPL-3.0-or-later
#include "tones.h"

#include "kernel/squelch.h"
#include "kernelbridge.h"

namespace zt41 {

const QStringList& toneSet() {
    static const QStringList tones = fromKernel(kernel::toneSet());
    return tones;
}

} // namespace zt41
