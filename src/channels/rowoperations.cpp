// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowoperations.h"

#include "kernelbridge.h"

namespace zt41 {

bool holdsData(const ChannelRecord& row) {
    return kernel::holdsData(toKernel(row));
}

int rowsChanged(const ChannelRows& a, const ChannelRows& b) {
    return kernel::rowsChanged(toKernel(a), toKernel(b));
}

RowOperationResult applyRowOperation(const ChannelRows& rows, int current, RowOperation op) {
    const kernel::RowOperationResult k = kernel::applyRowOperation(toKernel(rows), current, op);
    return {k.kind, fromKernel(k.rows), k.current};
}

} // namespace zt41
