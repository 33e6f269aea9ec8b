// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace zt41 {

// The editor of the grid's frequency cells. It knows whether an editor is
// open, so that code moving the cursor (a write walking the rows) can leave
// an edit in progress alone, and so that a menu command can end the edit
// first and act on what the window shows.
class ChannelGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    // An editor the user did not type into leaves the cell as it was: opening
    // a cell and leaving it is no edit, and must not reset the row's defaults.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    bool hasOpenEditor() const { return !m_editor.isNull(); }
    // Ends the open edit as leaving the cell would: the text is stored and the
    // editor closed.
    void commitOpenEditor();

Q_SIGNALS:
    void editorClosed();

private:
    mutable QPointer<QWidget> m_editor;
};

} // namespace zt41
