// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelcheck.h"
#include "link/connectioncheck.h"
#include "link/guardedjob.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

class QAction;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QTableWidget;

namespace zt41 {

class ChannelTable;
class MainWindow;
class MessageSink;
class PortMap;
class SerialLink;

// A window listing rows of text, with buttons below; modeless, found by its
// objectName, so that no test waits on it.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    ListWindow(const QString& name, const QString& title, const QString& intro,
               const QStringList& heads, QWidget* parent);
    QTableWidget* table() const { return m_table; }
    // The title, the introduction and the column heads, said anew when the
    // window's language changes.
    void setTexts(const QString& title, const QString& intro, const QStringList& heads);
    void setRows(const QList<QStringList>& rows);
    // Enter never presses one of these: it presses 关闭, the default button.
    QPushButton* addButton(const QString& name, const QString& text);
    // A button named by its Chinese words (SafeProgramming's), in the window's language.
    QPushButton* addButton(const char* name);
    QPushButton* addCloseButton();

private:
    QTableWidget* m_table;
    QHBoxLayout* m_buttons;
};

// The 工具 menu's commands that talk to the radio: a write kept safe by a
// backup and a read-back, a check of the radio against the table, the
// backups, and the connection check. Each runs the library's guarded job on
// the window's port under the same lock as a write.
class SafeProgramming : public QObject {
    Q_OBJECT
public:
    SafeProgramming(MainWindow& window, ChannelTable& table, SerialLink& link, const PortMap* ports,
                    MessageSink& messages);

    void addTo(QMenu* tools);
    // Its commands, while another talks to the radio, are not offered.
    void setEnabled(bool enabled);

    void writeAndVerify();
    void verifyRadio();
    void showBackups();
    void showConnectionCheck();

    bool isRunning() const { return m_job != nullptr; }
    // A job is sending frames: the radio would keep only part of them.
    bool isWriting() const;
    GuardedJob* job() const { return m_job; }

private:
    enum class Purpose { WriteAndVerify, Verify, Restore, WriteBackup };
    void run(GuardedJob::Operation operation, const ChannelSet& set, Purpose purpose);
    void progress();
    void ended();
    void showDifferences(const GuardedJob::Result& r, bool offerRestore);
    void fillBackups();
    void offerRestore(const GuardedJob::Result& r);
    void restore(const QString& backupPath);
    void loadBackup(const QString& path);
    void writeBackup(const QString& path);
    void fillConnectionWindow();
    void sayConnectionWindow();
    ChannelSet tableSet() const;
    QString portName() const;

    MainWindow& m_window;
    ChannelTable& m_table;
    SerialLink& m_link;
    const PortMap* m_ports;
    MessageSink& m_messages;
    QList<QAction*> m_actions;
    GuardedJob* m_job = nullptr;
    Purpose m_purpose = Purpose::Verify;
    // What the running job's set holds that the user needs to know of.
    QList<ChannelFinding> m_warned;
    QPointer<ListWindow> m_backups;
    QPointer<ListWindow> m_connection;
    ConnectionCheck* m_check = nullptr;
    std::optional<ConnectionReport> m_connectionReport;
    bool m_reopenAfterCheck = false;
};

} // namespace zt41
