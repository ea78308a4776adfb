#include "groups_scenes/in_place_delegate.h"

#include "groups_scenes/combo_list_ctrl.h"
#include "groups_scenes/in_place_combo.h"
#include "groups_scenes/in_place_edit.h"

#include <QPointer>

CInPlaceDelegate::CInPlaceDelegate(CComboListCtrl& list) : QStyledItemDelegate(&list), list_(list) {}

QWidget* CInPlaceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    const CComboListCtrl::EditorRequest& request = list_.editorRequest();
    if (!request.open || request.row != index.row() || request.column != index.column())
        return nullptr;  // only the list's own clicks and calls open editors
    if (request.combo) {
        auto* combo = new CInPlaceCombo(request.choices, parent);
        QPointer<CInPlaceCombo> guarded(combo);
        auto* self = const_cast<CInPlaceDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, guarded] {
            if (guarded)
                self->Finish(guarded, NoHint);
        });
        connect(combo, &CInPlaceCombo::dismissed, self, [self, guarded] {
            if (guarded)
                self->Finish(guarded, NoHint);
        });
        return combo;
    }
    return new CInPlaceEdit(request.validCharacters, parent);
}

void CInPlaceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<CInPlaceCombo*>(editor)) {
        combo->setCurrentIndex(list_.editorRequest().selection);
    } else if (auto* edit = qobject_cast<CInPlaceEdit*>(editor)) {
        edit->setText(index.data(Qt::DisplayRole).toString());
        edit->selectAll();
    }
}

void CInPlaceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<CInPlaceCombo*>(editor))
        model->setData(index, combo->currentText(), Qt::EditRole);
    else if (auto* edit = qobject_cast<CInPlaceEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void CInPlaceDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void CInPlaceDelegate::Finish(QWidget* editor, EndEditHint hint) {
    if (list_.openEditor() != editor)
        return;  // already ended by its focus or its keys
    Q_EMIT commitData(editor);
    Q_EMIT closeEditor(editor, hint);
    list_.setFocus();
}
