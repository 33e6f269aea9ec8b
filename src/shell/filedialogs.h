#pragma once

#include <QString>

class QWidget;

namespace zt41 {

// The open and save dialogs of the file commands: the filter "text(*.doc)",
// first and chosen, then a second one for CSV files, and nothing else set. No question before
// replacing a file, no check that a typed name exists, no extension added. A cancelled dialog gives
// empty text.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString saveFileName(QWidget* parent) = 0;
    virtual QString openFileName(QWidget* parent) = 0;

    static QString filter() { return QStringLiteral("text(*.doc)"); }
    // Beside it, second and never the default: channel lists in CHIRP's CSV.
    static QString csvFilter() { return QStringLiteral("CHIRP CSV(*.csv)"); }
};

class QtFileDialogs : public FileDialogs {
public:
    QString saveFileName(QWidget* parent) override;
    QString openFileName(QWidget* parent) override;
};

} // namespace zt41
