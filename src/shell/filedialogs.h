// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace zt41 {

// The open and save dialogs of the file commands: the filter "text(*.doc)",
// first and chosen, then a second one for CSV files. No question before
// replacing a file, no check that a typed name exists. A name saved without
// an extension gets the chosen filter's. A cancelled dialog gives empty text.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString saveFileName(QWidget* parent) = 0;
    virtual QString openFileName(QWidget* parent) = 0;

    static QString filter() { return QStringLiteral("text(*.doc)"); }
    // Beside it, second and never the default: channel lists in CHIRP's CSV.
    static QString csvFilter() { return QStringLiteral("CHIRP CSV(*.csv)"); }
};

// Both dialogs open in the folder last used (kept between starts); before
// any, in `startFolder`, or the working directory when that is empty.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QString startFolder = QString());
    QString saveFileName(QWidget* parent) override;
    QString openFileName(QWidget* parent) override;

    // The folder the next dialog opens in.
    QString folder() const;

private:
    QString ask(QWidget* parent, bool save);

    QString m_startFolder;
};

} // namespace zt41
