// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelinput.h"

#include "channels/channeltable.h"
#include "csvwords.h"
#include "files/channelfile.h"
#include "files/chirpcsv.h"
#include "files/filetarget.h"
#include "link/channelframe.h"
#include "link/sendcheck.h"
#include "words.h"

#include <QFile>
#include <QFileInfo>

namespace zt41::cli {

namespace {

std::optional<ChannelSet> refuse(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

// Read through the window's own table class, opened read-only: the same
// checks judge the file, and the tool never changes it.
std::optional<ChannelRows> readDatabase(const QString& path, QString* error) {
    ChannelTable table;
    if (table.open(path, ChannelTable::Access::ReadOnly))
        return table.rows();
    using Problem = ChannelTable::OpenProblem;
    switch (table.openProblem()) {
    case Problem::NoTable:
        *error = Words::tr("%1: not a channel database (no table Chane)").arg(path);
        break;
    case Problem::RowCount:
        *error = Words::tr("%1: table Chane has %2 rows, not 16").arg(path).arg(table.foundRows());
        break;
    case Problem::Columns:
        *error = Words::tr("%1: the columns of table Chane are not no, rf, rct, tf, tct, bt, pw")
                     .arg(path);
        break;
    case Problem::ColumnTypes:
        *error = Words::tr("%1: a column of table Chane is numeric and changes the texts stored "
                           "in it")
                     .arg(path);
        break;
    case Problem::SharedRowIds:
        *error = Words::tr("%1: rows of table Chane share a rowid").arg(path);
        break;
    case Problem::Damaged:
        *error = Words::tr("%1: the database is damaged (%2)").arg(path, table.errorString());
        break;
    default:
        *error = Words::tr("%1: cannot open the database").arg(path);
        break;
    }
    return std::nullopt;
}

QString fileError(ChannelFileError e) {
    switch (e) {
    case ChannelFileError::TooFewValues:
        return Words::tr("holds fewer than 97 values");
    case ChannelFileError::ValueTooLong:
        return Words::tr("holds a value longer than 1024 characters");
    case ChannelFileError::NotText:
        return Words::tr("is not a text file");
    case ChannelFileError::BadNumber:
        return Words::tr("holds a number too large");
    default:
        return Words::tr("cannot be read");
    }
}

QString problemName(FrameProblem p) {
    switch (p) {
    case FrameProblem::ChannelNumber:
        return Words::tr("channel number");
    case FrameProblem::ReceiveFrequency:
        return Words::tr("receive frequency");
    case FrameProblem::TransmitFrequency:
        return Words::tr("transmit frequency");
    case FrameProblem::ReceiveTone:
        return Words::tr("receive tone");
    case FrameProblem::TransmitTone:
        return Words::tr("transmit tone");
    case FrameProblem::None:
    case FrameProblem::BreaksRule:
        break;
    }
    return QString();
}

} // namespace

std::optional<ChannelSet> loadChannelSet(const QString& path, const QString& squelchIfNone,
                                         bool mustTravel, QString* error, QStringList* warnings) {
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(error, Words::tr("%1: no such file").arg(path));
    if (!info.isFile() || !info.isReadable())
        return refuse(error, Words::tr("%1: cannot be read").arg(path));
    ChannelSet set;
    if (ChannelTable::isSqliteFile(path)) {
        QString why;
        const std::optional<ChannelRows> rows = readDatabase(path, &why);
        if (!rows)
            return refuse(error, why);
        set.rows = *rows;
        set.squelch = squelchIfNone;
    } else if (isChirpCsvFileName(path)) {
        const ChirpImport read = readChirpCsv(path);
        if (read.refusal != ChirpRefusal::None)
            return refuse(error, Words::tr("%1: not taken as CHIRP CSV: %2")
                                     .arg(path, csvRefusalText(read.refusal)));
        set.rows = read.rows;
        set.squelch = squelchIfNone;
        for (const ChirpWarning& w : read.warnings)
            if (warnings)
                *warnings << csvWarningText(w);
    } else {
        const ChannelFileRead read = readChannelFile(path);
        if (read.error != ChannelFileError::None)
            return refuse(
                error, Words::tr("%1: not a channel file: it %2").arg(path, fileError(read.error)));
        set.rows = read.contents.rows;
        set.squelch = read.contents.squelch;
        // A channel file keeps no numbers: rows are known by their places.
        for (int k = 1; k <= kChannelCount; ++k)
            set.rows[k - 1][Field::No] = QString::number(k);
    }
    // A write numbers the first row 1 before it sends, as the window does.
    const SendCheck check = sendCheck(set, WriteRules::FramesOnly, SendPurpose::Verify);
    if (mustTravel && !check.stuck.isEmpty())
        return refuse(error, Words::tr("%1: channel %2: the %3 cannot be sent to the radio")
                                 .arg(path)
                                 .arg(check.stuck.first().channel)
                                 .arg(problemName(check.stuck.first().problem)));
    return check.set;
}

bool acceptOutput(const QString& path, const QStringList& inputs, QString* error) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    switch (checkOutputTarget(path, inputs)) {
    case OutputRefusal::None:
        return true;
    case OutputRefusal::NoName:
        *error = Words::tr("no file named to write");
        break;
    case OutputRefusal::Database:
        *error = Words::tr("%1 is a channel database: zt41-cli never changes one; write a .doc "
                           "or .csv file and load it in the window")
                     .arg(path);
        break;
    case OutputRefusal::Input:
        *error = Words::tr("%1 is the file being read: it is not written over").arg(path);
        break;
    case OutputRefusal::NotPlainFile:
        *error = Words::tr("%1 is not a plain file: nothing is written there").arg(path);
        break;
    case OutputRefusal::NoFolder:
    case OutputRefusal::FolderNotWritable:
        *error = Words::tr("%1: the folder %2 does not exist or cannot be written")
                     .arg(path, folder.filePath());
        break;
    case OutputRefusal::NotWritable:
        *error = Words::tr("%1 is not a plain file that can be written").arg(path);
        break;
    }
    return false;
}

std::optional<OutputKind> outputKindFor(const QString& path, bool onlyKnownNames, QString* error,
                                        const QStringList& inputs) {
    // Judged by the name and by what is there already: a database renamed is
    // still the window's channels. Only a plain file is looked into: opening
    // a FIFO or a terminal to read would wait for ever.
    if (!acceptOutput(path, inputs, error))
        return std::nullopt;
    if (isChirpCsvFileName(path))
        return OutputKind::ChirpCsv;
    if (onlyKnownNames && !path.endsWith(QStringLiteral(".doc"), Qt::CaseInsensitive)) {
        *error = Words::tr("%1: unknown kind of file: give a name ending in .doc (channel file) "
                           "or .csv (CHIRP CSV)")
                     .arg(path);
        return std::nullopt;
    }
    return OutputKind::ChannelFile;
}

bool saveChannelSet(const QString& path, OutputKind kind, const ChannelSet& set, QString* error) {
    if (kind == OutputKind::ChirpCsv) {
        if (saveChirpCsv(path, set.rows) == ChirpRefusal::None)
            return true;
        *error = Words::tr("cannot write %1").arg(path);
        return false;
    }
    switch (saveChannelFile(path, set.squelch, set.rows)) {
    case ChannelFileError::None:
        return true;
    case ChannelFileError::CannotCarry:
        *error = Words::tr("%1 not written: it would not load back (a value too long, a number "
                           "too large, or quotes the file cannot carry)")
                     .arg(path);
        return false;
    default:
        *error = Words::tr("cannot write %1").arg(path);
        return false;
    }
}

} // namespace zt41::cli
