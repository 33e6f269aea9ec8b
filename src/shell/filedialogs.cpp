#include "filedialogs.h"

#include <QFileDialog>

namespace zt41 {

namespace {

QString ask(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({FileDialogs::filter(), FileDialogs::csvFilter()});
    dialog.selectNameFilter(FileDialogs::filter());
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString QtFileDialogs::saveFileName(QWidget* parent) {
    return ask(parent, QFileDialog::AcceptSave);
}

QString QtFileDialogs::openFileName(QWidget* parent) {
    return ask(parent, QFileDialog::AcceptOpen);
}

} // namespace zt41
