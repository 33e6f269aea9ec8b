// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/messagesink.h"

#include <QString>

namespace zt41 {

enum class LinkStatus;
struct PortOpenFailure;
struct TransferOutcome;

// The window's words for what the link reports: every text, title and icon
// of the transfers' messages is chosen here.
struct WindowMessage {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// The message for a transfer's outcome; an empty text when there is none to show.
WindowMessage messageFor(const TransferOutcome& outcome);
// The status line's text.
QString statusText(LinkStatus status);
// Why a port did not open, for the no-port message and the port dialog's tool tips.
QString describeOpenFailure(const PortOpenFailure& failure);
// The port dialog's message when the chosen port does not open.
WindowMessage invalidPortMessage();
// 端口, or OK, Cancel or the close button of the port dialog, while a write
// or a read runs: switching ports would move the transfer and put the poll's
// "C" among the frames.
WindowMessage portBusyMessage();
// 打开 (a channel file or a CSV) while a write or a read runs: the rows would
// change under the frames going out.
WindowMessage fileBusyMessage();
// The database refused to store rows: an edit, a pick or what a read brought.
WindowMessage storeFailedMessage();

} // namespace zt41
