// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channelrecord.h"

#include <QObject>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QSqlQuery;

namespace zt41 {

// The 16 channel rows of the table Chane in an SQLite file, with the one
// current-row cursor that the grid, the pickers, the transfers and the file
// commands share. Every write is stored in the file at once; a cached copy of
// the rows serves reads.
class ChannelTable : public QObject {
    Q_OBJECT
public:
    static constexpr int kNoRow = -1;

    // Why open() refused a file, as a value: each front end words it.
    enum class OpenProblem {
        None,
        NotAFile,
        Missing, // opened read-only, and there is no such file
        NotSqlite,
        ReadOnly,
        Damaged,      // SQLite's own check found the file damaged; errorString() has its words
        NoTable,      // no table Chane
        Columns,      // Chane's columns are not no, rf, rct, tf, tct, bt, pw in this order
        ColumnTypes,  // a column rf to pw is numeric and would change the texts stored in it
        RowCount,     // Chane does not hold 16 rows; foundRows() says how many
        SharedRowIds, // two rows share a rowid: a write could not tell them apart
        Other,
    };

    explicit ChannelTable(QObject* parent = nullptr);
    ~ChannelTable() override;
    Q_DISABLE_COPY_MOVE(ChannelTable)

    static QString defaultFileName() { return QStringLiteral("ZT41XE.mdb"); }

    // ReadWrite is the window's: the file is created with its 16 numbered
    // rows when missing, and must be writable. ReadOnly reads a database
    // another program may have open, and never changes it: writes fail.
    enum class Access { ReadWrite, ReadOnly };

    // Opens the channel database. A file that is not a channel database, or
    // that cannot be written when it must be, is left untouched and open()
    // fails with a reason.
    bool open(const QString& path, Access access = Access::ReadWrite);
    // The one check of the file's first 16 bytes that says SQLite.
    static bool isSqliteFile(const QString& path);
    bool isOpen() const { return m_open; }
    QString errorString() const { return m_error; }
    OpenProblem openProblem() const { return m_problem; }
    int foundRows() const { return m_foundRows; }

    // The channel numbers read 1 to 16 in row order.
    bool numbersInOrder() const;
    // Sets the channel numbers to 1 to 16 in row order, in one transaction;
    // nothing else changes. False, with nothing changed, when it cannot be stored.
    bool renumber();
    QString filePath() const { return m_path; }

    // The cursor: 0 to 15, or kNoRow after walking past the sixteenth row.
    int currentRow() const { return m_current; }
    bool hasCurrentRow() const { return m_current != kNoRow; }
    void moveFirst() { setCurrentRow(0); }
    void setCurrentRow(int row);

    // Fields of the current row; a write with no current row stores nothing and fails.
    bool writeField(Field f, const QString& text);
    // Several fields of the current row, in the order given, in one transaction.
    bool writeFields(const std::vector<std::pair<Field, QString>>& changes);

    const ChannelRecord& row(int index) const { return m_rows.at(index); }
    const ChannelRows& rows() const { return m_rows; }
    // Several fields of any row, in the order given, in one transaction.
    bool writeFieldsAt(int row, const std::vector<std::pair<Field, QString>>& changes);

    // Replaces the six data fields (rf to pw) of all 16 rows in one transaction;
    // on failure nothing changes.
    bool replaceDataFields(const ChannelRows& rows);

Q_SIGNALS:
    void fieldChanged(int row, zt41::Field field);
    void rowsReplaced();
    void currentRowChanged(int row);
    // A write of one row could not be stored (the file is locked by another
    // program, cannot be written, or the write did not change exactly that
    // row); the rows show what the file holds.
    // replaceDataFields() says so by its result alone: its callers report it.
    void storeFailed(const QString& reason);

private:
    bool openFile(const QString& path);
    void closeConnection();
    bool openExisting();
    bool createNew();
    bool loadRows();
    bool checkIntegrity();
    void reloadAfterFailure();
    bool store(int row, const std::vector<std::pair<Field, QString>>& changes);
    // Runs `updates` in one transaction: committed when it gives true, rolled
    // back otherwise; false, with errorString() saying why, when nothing was stored.
    bool inTransaction(const std::function<bool(QSqlQuery&)>& updates);
    bool fail(const QString& reason, OpenProblem problem = OpenProblem::Other);

    QString m_connection;
    QString m_path;
    QString m_error;
    OpenProblem m_problem = OpenProblem::None;
    int m_foundRows = 0;
    bool m_open = false;
    bool m_readOnly = false;
    int m_current = 0;
    std::array<qint64, kChannelCount> m_rowIds{};
    ChannelRows m_rows{};
};

} // namespace zt41
