// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/cellpaste.h"
#include "channels/channelcheck.h"
#include "channels/channeltable.h"
#include "files/chirpcsv.h"
#include "files/filetarget.h"
#include "link/guardedjob.h"
#include "messagesink.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

namespace zt41 {

namespace kernel {
enum class LinkStatus;
struct TransferOutcome;
} // namespace kernel
using kernel::LinkStatus;
using kernel::TransferOutcome;

struct PortCheck;
struct PortOpenFailure;

// The window's words: every text, title and icon of the messages the window
// shows for an outcome of the library is chosen here, and nowhere else.

// The context of these words in the window's translations: the Chinese texts
// are the sources, said in the window's language.
class WindowWords {
    Q_DECLARE_TR_FUNCTIONS(zt41::WindowWords)
};

// The titles the program's messages carry.
namespace titles {
QString system();    // 系统信息
QString dataError(); // 错误警告, one trailing blank
QString squelch();   // 错误警告
inline const QString kApplication = QStringLiteral("ZT90");
} // namespace titles

// The message for a transfer's outcome; an empty text when there is none to show.
WindowMessage messageFor(const TransferOutcome& outcome);
// The status line's text.
QString statusText(LinkStatus status);
// Why a port did not open, for the no-port message and the port dialog's tool tips.
QString describeOpenFailure(const PortOpenFailure& failure);
// At start, when no port opened; the ports that are there but refused are named.
WindowMessage noPortMessage(const QList<PortOpenFailure>& failures);
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

// The channel database at start: refused by the table (the reason on a
// second line), held by another copy of the program, or the lock not taken.
WindowMessage databaseRefusedMessage(const ChannelTable& table);
// `detail`: SQLite's words for a damaged file, or the table's own for another failure.
WindowMessage databaseRefusedMessage(ChannelTable::OpenProblem problem, int foundRows,
                                     const QString& detail);
WindowMessage databaseInUseMessage();
WindowMessage databaseLockFailedMessage();
WindowMessage databaseNotRenumberedMessage();
// Asked at start when the channel numbers of the database are not 1 to 16 in order.
QString renumberQuestion();

// A frequency outside 130..500 MHz, typed or about to be written.
WindowMessage outOfRangeMessage();
// A squelch level the check refused.
WindowMessage squelchRefusedMessage();
// 打开 and 保存 of a channel file.
WindowMessage fileReadErrorMessage();
WindowMessage fileSaveErrorMessage();
// 打开 of a CSV file: its refusal, or its warnings as one list; an empty
// text when it was taken as it stands.
WindowMessage csvImportMessage(const ChirpImport& import);
// 保存 as CSV: a refusal is a save error; the channels left out are listed.
WindowMessage csvExportMessage(ChirpRefusal refusal, const QList<ChirpWarning>& leftOut);
// The working directory could not be taken, or not set back.
WindowMessage curDirMessage();
WindowMessage setCurDirMessage();

// The 工具 menu's safe programming: the step a guarded job is at, a field
// the check found different, why a job failed, and what a port check found.
QString jobStepWords(GuardedJob::Step step);
QString frameFieldWords(FrameField field);
QString jobFailureWords(const GuardedJob::Result& result);
// Why a file is not written (the output check's refusal), for a message's second line.
QString outputRefusalWords(OutputRefusal refusal);
// The doctor's words for our own bytes coming back, said by a write as well.
QString echoWords();
WindowMessage jobFailedMessage(const GuardedJob::Result& result);
// The radio holds what was written (`wrote`), or what the table holds; the
// values that went out with a warning are named.
WindowMessage radioMatchesMessage(bool wrote, const QList<ChannelFinding>& warned = {});
// The lines naming values written with a warning (off the steps), or, for a
// check that wrote nothing, the table's values the rules would not send;
// empty for none.
QString warnedValuesWords(const QList<ChannelFinding>& warned, bool wrote);
// Asked before a backup (taken at `time`) goes into the radio on `port`.
QString restoreQuestion(const QDateTime& time, const QString& port);
// Asked before a backup replaces a table that holds something else.
QString loadBackupQuestion(const QDateTime& time);
// Asked when the window is closed while a 工具 command writes the radio.
QString closeDuringWriteQuestion();
WindowMessage noBackupFolderMessage();
// Added to a failure that came after the first frame was sent.
QString radioMayHaveChangedWords(const QString& backupPath);
QString portCheckWords(const PortCheck& check);

// The grid's edits: one message after a paste, naming each value that kept
// its cell as it was; 插入信道 while channel 16 holds data.
WindowMessage pasteRefusedMessage(const PasteResult& result);
WindowMessage lastChannelHoldsDataMessage();

// The channel card's PDF could not be written, and why.
WindowMessage cardNotSavedMessage(const QString& path, const QString& why);
// 关于's 系统信息 when no system information program is found.
WindowMessage sysInfoMissingMessage();

// What a screen reader says for a grid cell's or a picker item's text: the
// blanks and letters the window shows, as words ("无" for no tone, "高功率"
// for H, "空" for an empty cell). Other texts are said as they are.
QString spokenValue(Field field, const QString& text);
// A grid column's name, read without the caption's padding.
QString spokenColumnName(Field field);

} // namespace zt41
