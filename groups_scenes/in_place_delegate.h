#pragma once
// CComboListCtrl's item delegate: it makes the in-place editor for a cell
// (CInPlaceCombo or CInPlaceEdit, as the list says), fills it with the cell's
// text and writes the edited text back. Qt owns the editor's life: Enter and
// a lost focus commit, Escape reverts, and a pick from the drop-down commits
// at once.

#include <QStyledItemDelegate>

class CComboListCtrl;

class CInPlaceDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CInPlaceDelegate(CComboListCtrl& list);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    // Commits the editor's text and closes it; the list takes the focus back
    // (the drop-down had it).
    void Finish(QWidget* editor, EndEditHint hint);

    CComboListCtrl& list_;
};
