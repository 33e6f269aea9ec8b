// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zt41::cli {

// The context of the tool's human messages in its translations; JSON keys
// and values that scripts match on stay untranslated.
class Words {
    Q_DECLARE_TR_FUNCTIONS(Words)
};

// Loads the translation the locale asks for (LC_ALL, LC_MESSAGES, LANG,
// LANGUAGE) from the tool's own resources, so an installed tool finds it.
void installTranslation(QCoreApplication& app);
// Whether the tool speaks Chinese: data that carries both languages (the
// services) is shown in the one the messages use.
bool speaksChinese();

// Columns a text takes on a terminal: a Chinese character takes two.
qsizetype displayWidth(const QString& text);
// The text filled with blanks to `width` columns, after it or before it.
QString padRight(const QString& text, qsizetype width);
QString padLeft(const QString& text, qsizetype width);

// --verbose, given anywhere on the command line: Qt's own warnings and the
// programming line's passed-over entries are shown.
void setVerbose(bool on);
bool isVerbose();
// The arguments without --verbose.
QStringList withoutVerbose(QStringList arguments);
// Qt's own messages (its warnings on a port, a watcher, the platform) reach
// standard error only with --verbose: they are no words for the user.
void keepQtMessagesForVerbose();

// Prints one line on standard error, after "zt41-cli: ".
void complain(const QString& line);

// Writes to standard output at once. A closed or full output never stops
// the tool (SIGPIPE is ignored): outputFailed() tells the end of the command.
void writeOut(const QString& text);
bool outputFailed();

// Columns of the terminal on standard output, or 0 when it is none.
int terminalColumns();
// The text cut to `width` columns, so that a terminal never wraps it.
QString cutToWidth(const QString& text, qsizetype width);

} // namespace zt41::cli
