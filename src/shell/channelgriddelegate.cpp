// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelgriddelegate.h"

#include <QLineEdit>

namespace zt41 {

QWidget* ChannelGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    m_editor = editor;
    return editor;
}

void ChannelGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    const bool wasOpen = editor == m_editor;
    if (wasOpen)
        m_editor.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
    if (wasOpen)
        Q_EMIT const_cast<ChannelGridDelegate*>(this)->editorClosed();
}

void ChannelGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && !line->isModified())
        return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

void ChannelGridDelegate::commitOpenEditor() {
    if (!m_editor)
        return;
    QWidget* editor = m_editor;
    Q_EMIT commitData(editor);
    Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
}

} // namespace zt41
