// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/seriallink.h"
#include "link/sessionhost.h"
#include "version.h"
#include "windowwords.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTableView;
class QTimer;

namespace zt41 {

class ChannelGridDelegate;
class ChannelGridModel;
class ChannelTable;
class DatabaseLock;
class EditHistory;
class FileDialogs;
class HelpWindows;
enum class Language;
class LinkSession;
class MessageSink;
class PortDialog;
class PortMap;
class ReadTransfer;
class ReadyPoll;
class SafeProgramming;
class SerialLink;
class StatusClear;
class StatusLabel;
class TableRows;
class WriteTransfer;
namespace kernel {
enum class Picker;
}
using kernel::Picker;

// Opens the channel database the program works on. A file that is not a
// channel database, or cannot be written, is left as it is: the user is told
// "数据库文件无法打开！" and false is returned, and the program then ends.
// With a lock, a database that another copy of the program holds is refused
// the same way, with a second line saying so.
bool openChannelDatabase(ChannelTable& table, const QString& path, MessageSink& messages,
                         DatabaseLock* lock = nullptr);

// The main window 启动窗体: the grid over the channel table, the squelch list
// and pickers, the status line and the menus. It observes the link session
// that owns the port's timers and transfers, and only wires the windows to the
// library, where the rules live.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Services {
        ChannelTable& table;
        SerialLink& link;
        const PortMap* ports = nullptr;  // for the port dialog's tool tips
        MessageSink* messages = nullptr; // message boxes over this window when null
        FileDialogs* dialogs = nullptr;  // Qt's file dialogs when null
    };

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window, probes the ports and starts the ready poll. When no
    // port opens it says so and closes the window; it then gives false.
    bool start();

    QString squelchText() const;
    // Runs the squelch check, as any change of the list does.
    void setSquelchText(const QString& text);
    MessageSink& messages();

    // The session that owns the port's timers and transfers.
    LinkSession& session() const { return *m_session; }
    // The tick of Timer4: runs the whole read before it returns.
    void readTick();
    // A write or a read is under way (a read from its command on).
    bool transferRunning() const;
    // Ends an edit still open in the grid, as leaving the cell would: a menu
    // command acts on what the window shows.
    void commitPendingEdit();
    PortDialog* portDialog() const;
    HelpWindows& helpWindows() const { return *m_help; }
    SafeProgramming& safeProgramming() const { return *m_safe; }
    // The edits of the session, for whatever replaces the table to make one step of it.
    EditHistory* history() const { return m_history; }

    // A command of the 工具 menu talks to the radio: the lock of a write (both
    // transfer commands included) and the ready poll stopped until it lets go.
    void holdLinkForTool(bool held);
    void showStatusText(const QString& text);

    // Closes the window without a question, for a signal to the process.
    void closeNow();

    // "ZT41 [版本 A 1.1]", in the window's language.
    static QString caption();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    // Says the window's texts in the language now in use.
    void retranslate();
    // 帮助 → 语言: the choice is remembered and taken at once.
    void chooseLanguage(Language language);
    void wireCursor();
    QComboBox* addPicker(QWidget* client, const QString& name, Picker picker, int left, int width);

    void squelchTextChanged(const QString& text);
    void due(const WindowMessage& message);
    void showDueMessages();
    void followCursor(int row);
    void writeCommand();
    void readCommand();
    void saveFile();
    void openFile();
    void openPortDialog();
    // The working directory, taken and set back around a file dialog.
    QString curDir();
    void setCurDir(const QString& path);
    void showIfAny(const WindowMessage& message);
    void wireSession();
    void lockFor(Transfer transfer);
    void runRead();
    void showOutcome(const TransferOutcome& outcome);
    void setStatus(const QString& text);

    ChannelTable& m_table;
    SerialLink& m_link;
    const PortMap* m_ports;
    std::unique_ptr<MessageSink> m_ownMessages;
    MessageSink* m_messages;
    std::unique_ptr<FileDialogs> m_ownDialogs;
    FileDialogs* m_dialogs;

    std::unique_ptr<TableRows> m_rows;
    LinkSession* m_session = nullptr;
    HelpWindows* m_help = nullptr;

    ChannelGridModel* m_model = nullptr;
    ChannelGridDelegate* m_delegate = nullptr;
    // Messages of finished edits, shown once the editor has closed.
    QList<WindowMessage> m_dueMessages;
    // The squelch level the transfers read: the list's text once the squelch
    // check has accepted it, so a tick never sees a level about to be replaced.
    QString m_squelchValue;
    bool m_closing = false;
    bool m_closeWithoutQuestions = false;
    // A transfer's command runs: the cursor it moves leaves the keyboard's place alone.
    bool m_transferCommand = false;
    QTableView* m_grid = nullptr;
    StatusLabel* m_status = nullptr;
    QComboBox* m_squelch = nullptr;
    QAction* m_readAction = nullptr;
    QAction* m_writeAction = nullptr;
    QAction* m_exitAction = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    SafeProgramming* m_safe = nullptr;
    bool m_toolHolding = false;
    // What the status line says for the link, to be said again in another language.
    std::optional<LinkStatus> m_linkStatus;
    QPointer<PortDialog> m_portDialog;
    QList<PortOpenFailure> m_probeFailures;
    EditHistory* m_history = nullptr;
};

} // namespace zt41
