// SPDX-License-Identifier: GPL-3.0-or-later
// The write is the kernel's (kernel/transfers.cpp); this header-only adapter
// keeps its place in the link layer.
#include "writetransfer.h"
