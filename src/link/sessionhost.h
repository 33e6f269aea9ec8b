// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelframe.h"
#include "kernel/session.h"

#include <QMetaType>

namespace zt41 {

// The session's timers, its transfers, status and outcomes, and the host the
// transfers report to are the kernel's: every front end shares them.
using kernel::LinkStatus;
using kernel::SessionHost;
using kernel::SessionTimer;
using kernel::Transfer;
using kernel::TransferOutcome;
using kernel::WriteRules;

} // namespace zt41

Q_DECLARE_METATYPE(zt41::TransferOutcome)
