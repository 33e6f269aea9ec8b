// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"

#include "files/filetarget.h"
#include "language.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace zt41 {

namespace {

const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");

QSettings settings() {
    return windowSettings();
}

} // namespace

QtFileDialogs::QtFileDialogs(QString startFolder)
    : m_startFolder(std::move(startFolder)) {}

QString QtFileDialogs::folder() const {
    const QString last = settings().value(kLastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    if (m_startFolder.isEmpty())
        return QDir::currentPath();
    return QFileInfo(m_startFolder).isDir() ? m_startFolder : QDir::homePath();
}

QString QtFileDialogs::ask(QWidget* parent, bool save) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({FileDialogs::filter(), FileDialogs::csvFilter()});
    dialog.selectNameFilter(FileDialogs::filter());
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(folder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString name = dialog.selectedFiles().first();
    settings().setValue(kLastFolderKey, QFileInfo(name).absolutePath());
    if (save) {
        // The chosen filter names the format of a name typed without an extension.
        const bool csv = dialog.selectedNameFilter() == FileDialogs::csvFilter();
        name = withFilterSuffix(name, csv ? QStringLiteral("csv") : QStringLiteral("doc"));
    }
    return name;
}

QString QtFileDialogs::saveFileName(QWidget* parent) {
    return ask(parent, true);
}

QString QtFileDialogs::openFileName(QWidget* parent) {
    return ask(parent, false);
}

} // namespace zt41
