// SPDX-License-Identifier: GPL-3.0-or-later
#include "readypoll.h"

#include "seriallink.h"

namespace zt41 {

int probePorts(SerialLink& link, QList<PortOpenFailure>* failures) {
    link.close();
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n) {
        link.selectPort(n);
        if (link.open())
            return n;
        if (failures)
            *failures << link.openFailure();
    }
    return 0;
}

} // namespace zt41
