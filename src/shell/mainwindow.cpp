// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "accessibility.h"
#include "channelgriddelegate.h"
#include "channelgridmodel.h"
#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "channels/databaselock.h"
#include "channels/edithistory.h"
#include "channels/pickers.h"
#include "channels/squelch.h"
#include "channeltools.h"
#include "filedialogs.h"
#include "files/channelfile.h"
#include "files/chirpcsv.h"
#include "files/workingdir.h"
#include "fonts.h"
#include "gridedits.h"
#include "gridkeys.h"
#include "helpwindows.h"
#include "language.h"
#include "link/linksession.h"
#include "link/readypoll.h"
#include "link/rowstore.h"
#include "link/seriallink.h"
#include "messageboxes.h"
#include "pickerbox.h"
#include "portdialog.h"
#include "programicon.h"
#include "safeprogramming.h"
#include "twips.h"
#include "windowwords.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>

namespace zt41 {

namespace {

template <typename Label = QLabel>
Label* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                const QFont& font, const QColor& colour) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

} // namespace

bool openChannelDatabase(ChannelTable& table, const QString& path, MessageSink& messages,
                         DatabaseLock* lock) {
    if (lock) {
        switch (lock->acquire(path)) {
        case DatabaseLock::Result::Locked:
            break;
        case DatabaseLock::Result::HeldByAnother:
            messages.show(databaseInUseMessage());
            return false;
        case DatabaseLock::Result::Failed:
            messages.show(databaseLockFailedMessage());
            return false;
        }
    }
    const auto refuse = [&](const WindowMessage& message) {
        if (lock)
            lock->release();
        messages.show(message);
        return false;
    };
    if (!table.open(path))
        return refuse(databaseRefusedMessage(table));
    if (table.numbersInOrder())
        return true;
    // Rows numbered otherwise could never be written to the radio, and the
    // grid does not let the numbers be mended.
    if (!messages.ask(renumberQuestion(), titles::system())) {
        if (lock)
            lock->release();
        return false;
    }
    if (!table.renumber())
        return refuse(databaseNotRenumberedMessage());
    return true;
}

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_table(services.table)
    , m_link(services.link)
    , m_ports(services.ports) {
    setObjectName(QStringLiteral("启动窗体"));
    setWindowIcon(programIcon());
    installAccessibleRoles();
    // The data source and the serial port keep the names the rest of the system knows them by.
    m_table.setObjectName(QStringLiteral("Adodc1"));
    m_link.setObjectName(QStringLiteral("MSComm1"));

    if (services.messages) {
        m_messages = services.messages;
    } else {
        m_ownMessages = std::make_unique<MessageBoxes>(this);
        m_messages = m_ownMessages.get();
    }
    if (services.dialogs) {
        m_dialogs = services.dialogs;
    } else {
        m_ownDialogs = std::make_unique<QtFileDialogs>();
        m_dialogs = m_ownDialogs.get();
    }

    m_rows = std::make_unique<TableRows>(
        m_table, [this] { return squelchText(); },
        [this](const QString& text) { setSquelchText(text); });
    m_session = new LinkSession(m_link, *m_rows, this);
    m_help = new HelpWindows(this);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    // The client area starts at its designed size; the window may be resized,
    // minimised and maximised, and the controls keep their places.
    client->setMinimumSize(twipRect(0, 0, 11880, 8100).size());
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    wireSession();
    wireCursor();
    m_history = new EditHistory(
        m_table, [this] { return squelchText(); },
        [this](const QString& text) { setSquelchText(text); }, this);
    m_model->setHistory(m_history);
    sayInWindowLanguage(this, [this] { retranslate(); });
    new GridKeys(
        m_grid, m_table, [this] { return m_history; }, this);
    new FocusKeeper(this, m_grid);
    new GridEdits({this, m_grid, m_delegate, m_table, *m_history, *m_session, *m_messages,
                   [this] { return transferRunning(); },
                   [this] {
                       commitPendingEdit();
                   }},
                  this);
    // An edit or a pick that the database refuses is told once, when no editor
    // is open; the grid keeps showing what the file holds.
    connect(&m_table, &ChannelTable::storeFailed, this, [this] { due(storeFailedMessage()); });
    adjustSize();
}

MainWindow::~MainWindow() {
    // An edit still open ends now, while the window is whole, as leaving the
    // cell would; afterwards nothing the children or the table say may reach
    // a window that is half gone.
    commitPendingEdit();
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    disconnect(&m_table, nullptr, this, nullptr);
}

void MainWindow::buildControls(QWidget* client) {
    auto* line = new QFrame(client);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(0, twipsToPixels(120), twipsToPixels(11880), 1);

    addLabel(client, QStringLiteral("Label1"), QString(), twipRect(4200, 480, 3735, 855),
             kaiFont(26.25), kPureBlue);
    m_status = addLabel<StatusLabel>(client, QStringLiteral("Label2"), QStringLiteral(" "),
                                     twipRect(8040, 600, 3615, 375), kaiFont(15.75), kPureBlue);
    addLabel(client, QStringLiteral("Label3"), QStringLiteral("(ZT_41X)"),
             twipRect(5160, 1080, 1695, 375), songFont(15.75), kPureBlue);
    QLabel* squelchLabel = addLabel(client, QStringLiteral("Label4"), QString(),
                                    twipRect(1200, 1080, 1695, 495), kaiFont(14.25), kPureRed);

    m_model = new ChannelGridModel(m_table, this);
    m_grid = new QTableView(client);
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setGeometry(twipRect(1200, 1560, 9495, 6255));
    m_grid->setModel(m_model);
    m_delegate = new ChannelGridDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->setDefaultSectionSize(twipsToPixels(300));
    m_grid->verticalHeader()->setFixedWidth(twipsToPixels(240));
    for (int c = 0; c < kFieldCount; ++c)
        m_grid->setColumnWidth(c, twipsToPixels(ChannelGridModel::columnWidthsInTwips()[c]));
    // The rule itself has run and stored its result with the edit; its
    // message waits until the editor has closed, so it never stands in the
    // middle of an edit.
    connect(m_model, &ChannelGridModel::outOfRange, this, [this] { due(outOfRangeMessage()); });

    m_squelch = new NamedComboBox(client);
    m_squelch->setObjectName(QStringLiteral("Combo1"));
    m_squelch->setEditable(true);
    m_squelch->setInsertPolicy(QComboBox::NoInsert);
    m_squelch->addItems(Squelch::items());
    for (int i = 0; i < m_squelch->count(); ++i)
        m_squelch->setItemData(i, m_squelch->itemText(i).trimmed(), Qt::AccessibleTextRole);
    m_squelch->setGeometry(twipRect(2760, 1080, 855, 360));
    setTextColour(m_squelch, kPureRed);
    // Inline completion would turn a typed blank into "  0".
    m_squelch->setCompleter(nullptr);
    m_squelch->setEditText(Squelch::initialText());
    m_squelchValue = Squelch::initialText();
    connect(m_squelch, &QComboBox::editTextChanged, this, &MainWindow::squelchTextChanged);
    // The caption names the list for a screen reader; Alt+S reaches it, as an
    // access key would without changing the caption's text.
    squelchLabel->setBuddy(m_squelch);
    m_squelch->setAccessibleDescription(QStringLiteral("Alt+S"));
    auto* squelchKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), this);
    connect(squelchKey, &QShortcut::activated, this, [this] {
        m_squelch->setFocus(Qt::ShortcutFocusReason);
        m_squelch->lineEdit()->selectAll();
    });

    // The pickers sit over the grid, one at the left edge of each column they serve.
    addPicker(client, QStringLiteral("Combo4"), Picker::BothTones, 4320, 1095);
    addPicker(client, QStringLiteral("Combo5"), Picker::TransmitTone, 7200, 1095);
    addPicker(client, QStringLiteral("Combo2"), Picker::Shift, 8280, 975);
    addPicker(client, QStringLiteral("Combo3"), Picker::Power, 9240, 975);
}

QComboBox* MainWindow::addPicker(QWidget* client, const QString& name, Picker picker, int left,
                                 int width) {
    auto* box = new PickerBox(client);
    box->setObjectName(name);
    box->addItems(Pickers::items(picker));
    // Named by the column it serves; its items are read as words, blanks included.
    const Field field = Pickers::fields(picker).front();
    sayInWindowLanguage(box, [box, field] {
        box->setAccessibleName(spokenColumnName(field));
        for (int i = 0; i < box->count(); ++i)
            box->setItemData(i, spokenValue(field, box->itemText(i)), Qt::AccessibleTextRole);
    });
    box->setCurrentIndex(-1);
    box->setGeometry(twipRect(left, 1920, width, 360));
    setTextColour(box, kPureRed);
    box->raise();
    connect(box, &QComboBox::activated, this, [this, box, picker](int index) {
        const EditHistory::Step step(m_history);
        Pickers::pick(m_table, picker, box->itemText(index));
    });
    return box;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QString());
    file->setObjectName(QStringLiteral("文件"));
    file->menuAction()->setObjectName(QStringLiteral("文件"));
    QAction* open = file->addAction(QString(), this, &MainWindow::openFile);
    open->setObjectName(QStringLiteral("打开"));
    QAction* save = file->addAction(QString(), this, &MainWindow::saveFile);
    save->setObjectName(QStringLiteral("保存"));

    m_readAction = bar->addAction(QString(), this, &MainWindow::readCommand);
    m_readAction->setObjectName(QStringLiteral("读信道"));
    m_writeAction = bar->addAction(QString(), this, &MainWindow::writeCommand);
    m_writeAction->setObjectName(QStringLiteral("写信道"));
    QAction* port = bar->addAction(QString(), this, &MainWindow::openPortDialog);
    port->setObjectName(QStringLiteral("端口"));
    m_exitAction = bar->addAction(QString(), this, &QWidget::close);
    m_exitAction->setObjectName(QStringLiteral("退出"));

    // Beside the defined commands, before 帮助: what makes programming safe.
    m_toolsMenu = bar->addMenu(QString());
    m_toolsMenu->setObjectName(QStringLiteral("工具"));
    m_toolsMenu->menuAction()->setObjectName(QStringLiteral("工具"));
    m_safe = new SafeProgramming(*this, m_table, m_link, m_ports, *m_messages);
    m_safe->addTo(m_toolsMenu);
    m_helpMenu = bar->addMenu(QString());
    m_helpMenu->setObjectName(QStringLiteral("帮助"));
    m_helpMenu->menuAction()->setObjectName(QStringLiteral("帮助"));
    QAction* instructions =
        m_helpMenu->addAction(QString(), this, [this] { m_help->showInstructions(); });
    instructions->setObjectName(QStringLiteral("操作"));
    QAction* about = m_helpMenu->addAction(QString(), this, [this] { m_help->showAbout(); });
    about->setObjectName(QStringLiteral("关于"));
    // Beside the system's own help: the window's language, Chinese or English.
    QMenu* language = m_helpMenu->addMenu(QString());
    language->setObjectName(QStringLiteral("语言"));
    language->menuAction()->setObjectName(QStringLiteral("语言"));
    auto* languages = new QActionGroup(language);
    for (const Language l : {Language::Chinese, Language::English}) {
        // Each language is named in its own words, whichever the window speaks.
        QAction* choice = language->addAction(l == Language::Chinese ? QStringLiteral("中文")
                                                                     : QStringLiteral("English"),
                                              this, [this, l] { chooseLanguage(l); });
        choice->setObjectName(languageName(l));
        choice->setCheckable(true);
        languages->addAction(choice);
    }
    // And in 工具: the channel card and the licence-free services.
    new ChannelTools(*this, m_table, m_toolsMenu);
}

void MainWindow::retranslate() {
    setWindowTitle(caption());
    const auto say = [this](const char* name, const QString& text) {
        if (QLabel* label = centralWidget()->findChild<QLabel*>(QString::fromUtf8(name)))
            label->setText(text);
        else if (QAction* action = menuBar()->findChild<QAction*>(QString::fromUtf8(name)))
            action->setText(text);
    };
    say("Label1", tr("信道设置系统"));
    say("Label4", tr("静噪级别："));
    m_squelch->setAccessibleName(tr("静噪级别"));
    m_squelch->lineEdit()->setAccessibleName(tr("静噪级别"));
    say("文件", tr("       文件(&F)"));
    say("打开", tr("打开文件(&O)"));
    say("保存", tr("保存文件(&V)"));
    say("读信道", tr("        读信道数据(&R)"));
    say("写信道", tr("        写信道数据(&W)"));
    say("端口", tr("     选择端口(&P)"));
    say("退出", tr("       退出系统(&E)"));
    say("工具", tr("       工具(&T)"));
    say("帮助", tr("       帮助(&H)"));
    say("操作", tr("操作说明(&I)"));
    say("关于", tr("关于本软件(&A)"));
    say("语言", tr("语言 / Language(&L)"));
    for (const Language l : {Language::Chinese, Language::English})
        if (QAction* choice = menuBar()->findChild<QAction*>(languageName(l)))
            choice->setChecked(l == windowLanguage());
    Q_EMIT m_model->headerDataChanged(Qt::Horizontal, 0, kFieldCount - 1);
    // The ready line is said again in the new words; a passing status goes by itself.
    if (m_linkStatus)
        setStatus(statusText(*m_linkStatus));
    tipTextsThatDoNotFit(centralWidget());
}

void MainWindow::chooseLanguage(Language language) {
    saveLanguage(language);
    if (language != windowLanguage())
        useLanguage(language);
}

void MainWindow::wireSession() {
    connect(m_session, &LinkSession::statusChanged, this, [this](LinkStatus status) {
        m_linkStatus = status;
        setStatus(statusText(status));
    });
    connect(m_session, &LinkSession::transferChanged, this, &MainWindow::lockFor);
    // At the end of a transfer the grid's cursor goes where the table's is.
    connect(m_session, &LinkSession::transferChanged, this, [this](Transfer t) {
        if (t == Transfer::None)
            followCursor(m_table.currentRow());
    });
    connect(m_session, &LinkSession::finished, this, &MainWindow::showOutcome);
    connect(m_session, &LinkSession::readStarted, this, &MainWindow::runRead);
}

void MainWindow::lockFor(Transfer transfer) {
    // A transfer locks the other transfer's command, Exit and Help; its own command stays.
    // The 工具 commands that talk to the radio wait too.
    m_safe->setEnabled(transfer == Transfer::None);
    m_readAction->setEnabled(transfer != Transfer::Write);
    m_writeAction->setEnabled(transfer != Transfer::Read);
    m_exitAction->setEnabled(transfer == Transfer::None);
    m_helpMenu->menuAction()->setEnabled(transfer == Transfer::None);
}

void MainWindow::showOutcome(const TransferOutcome& outcome) {
    showIfAny(messageFor(outcome));
}

void MainWindow::runRead() {
    if (m_session->transfer() != Transfer::Read)
        return;
    // The window keeps painting while the read runs; user input waits until it is over.
    QEventLoop loop;
    connect(m_session, &LinkSession::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::wireCursor() {
    // The grid's selected row and the table's current row are one cursor.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    m_table.setCurrentRow(current.row());
            });
    connect(&m_table, &ChannelTable::currentRowChanged, this, &MainWindow::followCursor);
    // Once the user has ended an edit, the grid shows the cursor again
    // wherever a write has walked it meanwhile.
    connect(
        m_delegate, &ChannelGridDelegate::editorClosed, this,
        [this] { followCursor(m_table.currentRow()); }, Qt::QueuedConnection);
}

void MainWindow::followCursor(int row) {
    // Moving the grid would commit and close an editor the user is typing
    // into; the grid catches up when the edit is over.
    if (m_delegate->hasOpenEditor())
        return;
    if (row == ChannelTable::kNoRow) {
        m_grid->selectionModel()->clear();
        return;
    }
    const QModelIndex current = m_grid->currentIndex();
    const int column = qMax(0, current.column());
    // While a transfer walks the rows the grid marks the row it is on, but the
    // keyboard's place, and a screen reader's, stays where the user left it.
    if ((m_transferCommand || m_session->isBusy()) && current.isValid()) {
        m_grid->selectionModel()->select(m_model->index(row, column),
                                         QItemSelectionModel::ClearAndSelect);
        return;
    }
    if (current.row() == row)
        return;
    m_grid->setCurrentIndex(m_model->index(row, column));
}

void MainWindow::commitPendingEdit() {
    m_delegate->commitOpenEditor();
}

void MainWindow::due(const WindowMessage& message) {
    // The same message twice for one action (several fields refused) is said once.
    for (const WindowMessage& waiting : m_dueMessages)
        if (waiting.text == message.text)
            return;
    m_dueMessages << message;
    QMetaObject::invokeMethod(this, &MainWindow::showDueMessages, Qt::QueuedConnection);
}

void MainWindow::showDueMessages() {
    while (!m_dueMessages.isEmpty()) {
        m_messages->show(m_dueMessages.takeFirst());
    }
}

bool MainWindow::transferRunning() const {
    return m_session->isBusy() || m_toolHolding;
}

void MainWindow::holdLinkForTool(bool held) {
    m_toolHolding = held;
    lockFor(held ? Transfer::Write : Transfer::None);
    m_writeAction->setEnabled(!held);
    m_safe->setEnabled(!held);
    if (held) {
        m_session->stopPoll();
    } else {
        m_session->startPollNow();
    }
}

void MainWindow::writeCommand() {
    commitPendingEdit();
    m_transferCommand = true;
    m_session->write();
    m_transferCommand = false;
}

void MainWindow::readCommand() {
    commitPendingEdit();
    m_transferCommand = true;
    m_session->read();
    m_transferCommand = false;
}

bool MainWindow::start() {
    show();
    // Painted now, so that the window stands on the screen while the ports
    // are probed; no user input is taken before start-up is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_table.moveFirst();
    m_grid->setCurrentIndex(m_model->index(0, 0));
    m_grid->setFocus(Qt::OtherFocusReason);
    m_session->timer(SessionTimer::Write)->stop();
    m_probeFailures.clear();
    if (probePorts(m_link, &m_probeFailures) != 0) {
        m_session->startPoll();
        m_session->timer(SessionTimer::Write)->stop();
        m_session->timer(SessionTimer::StatusClear)->stop();
        return true;
    }
    m_messages->show(noPortMessage(m_probeFailures));
    close();
    return false;
}

QString MainWindow::caption() {
    return tr("ZT41 [版本 A %1]").arg(QStringLiteral(ZT41_VERSION));
}

void MainWindow::showStatusText(const QString& text) {
    m_linkStatus.reset();
    setStatus(text);
}

void MainWindow::setStatus(const QString& text) {
    m_status->setStatus(text);
}

PortDialog* MainWindow::portDialog() const {
    return m_portDialog.data();
}

QString MainWindow::squelchText() const {
    return m_squelchValue;
}

void MainWindow::setSquelchText(const QString& text) {
    if (m_squelch->currentText() == text)
        squelchTextChanged(text); // the check runs on every setting, changed or not
    else
        m_squelch->setEditText(text);
}

MessageSink& MainWindow::messages() {
    return *m_messages;
}

void MainWindow::squelchTextChanged(const QString& text) {
    const EditHistory::Step step(m_history, EditHistory::Kind::SquelchTyping);
    if (!Squelch::isRefused(text)) {
        m_squelchValue = text;
        return;
    }
    // The level is replaced before the message is shown: the write's ticks go
    // on behind the message box and must already send what the list ends with.
    m_squelchValue = Squelch::initialText();
    m_messages->show(squelchRefusedMessage());
    const QString shown = Squelch::initialText();
    // Something else (a read) may have set the list while the message stood.
    if (m_squelch->currentText() == text)
        m_squelch->setEditText(shown);
}

void MainWindow::readTick() {
    m_session->readTick();
}

void MainWindow::saveFile() {
    commitPendingEdit();
    const QString workingDir = curDir();
    m_table.moveFirst();
    const QString name = m_dialogs->saveFileName(this);
    if (name.isEmpty())
        return;
    if (isChirpCsvFileName(name)) {
        const ChirpRefusal refusal = exportChirpCsv(m_table, name);
        const QList<ChirpWarning> leftOut = refusal == ChirpRefusal::None
                                                ? chirpExportLeftOut(m_table.rows())
                                                : QList<ChirpWarning>();
        showIfAny(csvExportMessage(refusal, leftOut));
    } else if (!saveTableToFile(m_table, squelchText(), name)) {
        m_messages->show(fileSaveErrorMessage());
    }
    setCurDir(workingDir);
}

void MainWindow::openFile() {
    commitPendingEdit();
    // Replacing the rows now would send some frames from one table and the
    // rest from another.
    if (transferRunning()) {
        m_messages->show(fileBusyMessage());
        return;
    }
    const QString workingDir = curDir();
    m_table.moveFirst();
    const EditHistory::Step step(m_history);
    const QString name = m_dialogs->openFileName(this);
    if (name.isEmpty())
        return;
    if (isChirpCsvFileName(name)) {
        // A channel list carries no squelch level: the list keeps its own.
        showIfAny(csvImportMessage(importChirpCsv(m_table, name)));
        setCurDir(workingDir);
        return;
    }
    const QString squelch = loadTableFromFile(m_table, name);
    if (squelch.isNull())
        m_messages->show(fileReadErrorMessage());
    else {
        // The list is set as the value is read and once more at the end, and
        // each setting runs the squelch check.
        setSquelchText(squelch);
        setSquelchText(squelch);
    }
    setCurDir(workingDir);
}

QString MainWindow::curDir() {
    const QString path = GetCurDir();
    if (path.isEmpty())
        m_messages->show(curDirMessage());
    return path;
}

void MainWindow::setCurDir(const QString& path) {
    if (!SetCurDir(path))
        m_messages->show(setCurDirMessage());
}

void MainWindow::showIfAny(const WindowMessage& message) {
    if (!message.text.isEmpty())
        m_messages->show(message);
}

void MainWindow::openPortDialog() {
    if (m_portDialog) {
        m_portDialog->raise();
        m_portDialog->activateWindow();
        return;
    }
    // Its load tries every port, which would move a running transfer to another
    // one and put the poll's "C" among the frames.
    if (transferRunning()) {
        m_messages->show(portBusyMessage());
        return;
    }
    m_portDialog = new PortDialog(m_link, *m_session, *m_messages, m_ports, this);
    m_portDialog->setBusyCheck([this] { return !m_closing && transferRunning(); });
    m_portDialog->show();
}

void MainWindow::closeNow() {
    m_closeWithoutQuestions = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A 工具 write cut short leaves the radio with part of the table: only on purpose.
    if (!m_closeWithoutQuestions && !m_closing && m_safe->isWriting() &&
        !m_messages->ask(closeDuringWriteQuestion(), titles::system())) {
        event->ignore();
        return;
    }
    // An edit still open is stored and checked before the window goes.
    commitPendingEdit();
    showDueMessages();
    m_closing = true;
    if (m_portDialog)
        m_portDialog->close();
    m_session->stopAll();
    m_link.close();
    QMainWindow::closeEvent(event);
}

} // namespace zt41
