#include "groups_scenes/combo_list_ctrl.h"

#include "groups_scenes/in_place_combo.h"
#include "groups_scenes/in_place_delegate.h"
#include "groups_scenes/in_place_edit.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {
constexpr int kNarrowestEditableColumn = 10;
}

CComboListCtrl::CComboListCtrl(QWidget* parent) : QTableWidget(parent) {
    // Editors open only through the list's own click rules.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemDelegate(new CInPlaceDelegate(*this));
    verticalHeader()->hide();
}

QString CComboListCtrl::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CComboListCtrl::SetCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

QWidget* CComboListCtrl::openEditor() const { return editor_.data(); }

void CComboListCtrl::mousePressEvent(QMouseEvent* event) {
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (!hit.isValid())
        return;  // outside every row and column: not even the selection changes
    QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    const int row = hit.row(), column = hit.column();
    if (!labelEditing_ || currentRow() != row || readOnlyColumns_.count(column))
        return;
    const QString text = CellText(row, column);
    if (comboColumns_.count(column)) {
        const QStringList choices = RequestColumnChoices ? RequestColumnChoices(column) : QStringList();
        ShowInPlaceCombo(row, column, choices, text, int(choices.indexOf(text)));
    } else {
        ShowInPlaceEdit(row, column, text);
    }
}

void CComboListCtrl::scrollContentsBy(int dx, int dy) {
    EndOpenEdit();
    QTableWidget::scrollContentsBy(dx, dy);
}

// The open edit ends as if the list had taken the focus: its text counts.
void CComboListCtrl::EndOpenEdit() {
    if (!editor_)
        return;
    QWidget* editor = editor_;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    setFocus();
}

QModelIndex CComboListCtrl::ShowableCell(int row, int column) {
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount() ||
        columnWidth(column) < kNarrowestEditableColumn)
        return {};
    const QModelIndex cell = model()->index(row, column);
    scrollTo(cell);
    return cell;
}

QWidget* CComboListCtrl::OpenEditor(const QModelIndex& cell, EditorRequest request) {
    EndOpenEdit();
    if (!item(cell.row(), cell.column()))
        SetCellText(cell.row(), cell.column(), QString());
    request.open = true;
    request.row = cell.row();
    request.column = cell.column();
    request_ = std::move(request);
    setCurrentIndex(cell);
    edit(cell);
    request_.open = false;
    editor_ = indexWidget(cell);  // the delegate's editor, open now
    return editor_;
}

CInPlaceCombo* CComboListCtrl::ShowInPlaceCombo(int row, int column, const QStringList& choices, const QString&,
                                                int selection) {
    const QModelIndex cell = ShowableCell(row, column);
    if (!cell.isValid())
        return nullptr;
    EditorRequest request;
    request.combo = true;
    request.choices = choices;
    request.selection = selection;
    return qobject_cast<CInPlaceCombo*>(OpenEditor(cell, std::move(request)));
}

CInPlaceEdit* CComboListCtrl::ShowInPlaceEdit(int row, int column, const QString&) {
    const QModelIndex cell = ShowableCell(row, column);
    if (!cell.isValid())
        return nullptr;
    EditorRequest request;
    request.validCharacters = validCharacters_;
    return qobject_cast<CInPlaceEdit*>(OpenEditor(cell, std::move(request)));
}

void CComboListCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor != editor_) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    const int row = request_.row, column = request_.column;
    editor_ = nullptr;
    // Tab ends the edit like Enter; it does not walk on into the next cell.
    const bool revert = hint == QAbstractItemDelegate::RevertModelCache;
    QTableWidget::closeEditor(editor, revert ? hint : QAbstractItemDelegate::NoHint);
    const QString text = CellText(row, column);
    Q_EMIT CellEditValidate(row, column, text);
    Q_EMIT CellEditEnded(row, column, text);
}
