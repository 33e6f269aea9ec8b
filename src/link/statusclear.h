// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kernel/linksession.h"

namespace zt41 {

// Empties the status line on the eleventh 60 ms tick of Timer2 after it starts,
// whatever the line says by then. A view of the kernel's status clear that a
// session owns.
class StatusClear {
public:
    static constexpr int kTicks = kernel::StatusClear::kTicks;

    explicit StatusClear(kernel::StatusClear& clear)
        : m_clear(clear) {}
    void tick() { m_clear.tick(); }
    int count() const { return m_clear.count(); }

private:
    kernel::StatusClear& m_clear;
};

} // namespace zt41
