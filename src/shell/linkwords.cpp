// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkwords.h"

#include "channels/cellrule.h"
#include "link/seriallink.h"
#include "link/sessionhost.h"

namespace zt41 {

WindowMessage messageFor(const TransferOutcome& outcome) {
    using Kind = TransferOutcome::Kind;
    if (outcome.ok())
        return {};
    if (outcome.kind == Kind::RowCannotTravel)
        return {CellRule::outOfRangeText(), titles::kDataError, MessageIcon::Information};
    // The radio answered in full; it is the file that refused what it sent.
    if (outcome.kind == Kind::NotStored)
        return storeFailedMessage();
    if (outcome.transfer == Transfer::Read)
        return {QStringLiteral("读数错误！！"), titles::kDataError, MessageIcon::Information};
    return {QStringLiteral("数据传送错误！！"), titles::kDataError, MessageIcon::Information};
}

QString statusText(LinkStatus status) {
    switch (status) {
    case LinkStatus::Ready:
        return QStringLiteral("对讲机就绪...");
    case LinkStatus::Writing:
        return QStringLiteral("正在传送数据,,,,,,,");
    case LinkStatus::Written:
        return QStringLiteral("数据传送完毕...");
    case LinkStatus::Read:
        return QStringLiteral("读出信道数据完毕！");
    case LinkStatus::Empty:
        break;
    }
    return QString();
}

QString describeOpenFailure(const PortOpenFailure& f) {
    // In the window's language; the device path and the group stay as the system names them.
    using Kind = PortOpenFailure::Kind;
    switch (f.kind) {
    case Kind::None:
        return QString();
    case Kind::NotMapped:
        return QStringLiteral("COM%1 未对应任何设备").arg(f.port);
    case Kind::Missing:
        return QStringLiteral("%1：设备不存在").arg(f.device);
    case Kind::Busy:
        return QStringLiteral("%1 正被其他程序占用").arg(f.device);
    case Kind::NoPermission:
        if (f.group.isEmpty())
            return QStringLiteral("%1：无权打开").arg(f.device);
        return QStringLiteral("%1：无权打开；加入用户组 %2 即可使用").arg(f.device, f.group);
    case Kind::SettingsRefused:
        return QStringLiteral("%1 不支持 1200 bit/s 8N1：%2").arg(f.device, f.detail);
    case Kind::Other:
        break;
    }
    return QStringLiteral("%1：%2").arg(f.device, f.detail);
}

WindowMessage portBusyMessage() {
    return {QStringLiteral("正在传送数据，请在传送结束后再选择端口！"), titles::kSystem,
            MessageIcon::Information};
}

WindowMessage fileBusyMessage() {
    return {QStringLiteral("正在传送数据，请在传送结束后再打开文件！"), titles::kSystem,
            MessageIcon::Information};
}

WindowMessage storeFailedMessage() {
    return {QStringLiteral("数据库文件无法写入！"), titles::kSystem, MessageIcon::Warning};
}

WindowMessage invalidPortMessage() {
    return {QStringLiteral("选用的串行端口 无效！ "), titles::kSystem, MessageIcon::Critical};
}

} // namespace zt41
