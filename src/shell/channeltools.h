// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/channelcard.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QPrinter;

namespace zt41 {

class ChannelTable;
class MainWindow;
class ServiceWindow;
struct Service;

// The 工具 menu: the channel card (printed with a preview, or saved as a PDF)
// and the 频段检查 window, which judges the table against a licence-free
// service and can fill it with that service's channels.
class ChannelTools : public QObject {
    Q_OBJECT
public:
    // Adds its commands to the window's 工具 menu.
    ChannelTools(MainWindow& window, ChannelTable& table, QMenu* tools);

    // The card of what the window shows now, dated today.
    CardContent cardContent() const;
    // Writes the card; a failure is told in a message box and gives false.
    bool exportPdf(const QString& path);
    // Draws the card on a printer the print dialog has set up; printing to a
    // file is checked first as every file the program writes is, and a
    // refused file is told and never drawn. Gives whether it drew.
    bool printTo(QPrinter& printer, const CardContent& content);
    // Replaces the 16 channels and the squelch level with the first channels
    // of the service, once the user has agreed; refused while a transfer runs.
    void fillFrom(const Service& service);
    ServiceWindow* serviceWindow() const;

    // The save dialog's answer (a cancelled dialog gives empty text) and the
    // answer to a yes/no question; tests replace them.
    std::function<QString()> askPdfName;
    std::function<bool(const QString&)> confirm;

private:
    void print();
    void exportCard();
    void openServiceWindow();

    MainWindow& m_window;
    ChannelTable& m_table;
    QPointer<ServiceWindow> m_serviceWindow;
};

} // namespace zt41
