#include "groups_scenes/combo_list_ctrl.h"

#include "groups_scenes/in_place_combo.h"
#include "groups_scenes/in_place_edit.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int kNarrowestEditableColumn = 10;
}

CComboListCtrl::CComboListCtrl(QWidget* parent) : QTableWidget(parent) {
    // The list's own editing would bypass the in-place editors' rules.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
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
        if (CInPlaceCombo* combo = ShowInPlaceCombo(row, column, choices, text, -1))
            combo->setCurrentIndex(combo->findText(text));
    } else {
        ShowInPlaceEdit(row, column, text);
    }
}

void CComboListCtrl::scrollContentsBy(int dx, int dy) {
    EndOpenEdit();
    QTableWidget::scrollContentsBy(dx, dy);
}

void CComboListCtrl::EndOpenEdit() {
    if (!editor_)
        return;
    setFocus();
    // A window that is not active sees no focus change: the editor is ended directly.
    if (auto* combo = qobject_cast<CInPlaceCombo*>(editor_.data()))
        combo->End();
    else if (auto* edit = qobject_cast<CInPlaceEdit*>(editor_.data()))
        edit->End();
}

QRect CComboListCtrl::CellRect(int row, int column) {
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount() ||
        columnWidth(column) < kNarrowestEditableColumn)
        return {};
    scrollTo(model()->index(row, column));
    return visualRect(model()->index(row, column));
}

CInPlaceCombo* CComboListCtrl::ShowInPlaceCombo(int row, int column, const QStringList& choices,
                                                const QString& cellText, int selection) {
    const QRect cell = CellRect(row, column);
    if (cell.isEmpty())
        return nullptr;
    EndOpenEdit();
    auto* combo = new CInPlaceCombo(row, column, choices, cellText, viewport());
    combo->setGeometry(cell);
    combo->setCurrentIndex(selection);
    connect(combo, &CInPlaceCombo::editEnded, this,
            [this, combo](int r, int c, const QString& text) { EditEnded(combo, r, c, text); });
    editor_ = combo;
    combo->show();
    combo->setFocus();
    return combo;
}

CInPlaceEdit* CComboListCtrl::ShowInPlaceEdit(int row, int column, const QString& cellText) {
    const QRect cell = CellRect(row, column);
    if (cell.isEmpty())
        return nullptr;
    EndOpenEdit();
    auto* edit = new CInPlaceEdit(row, column, validCharacters_, cellText, viewport());
    edit->setGeometry(cell);
    connect(edit, &CInPlaceEdit::editEnded, this,
            [this, edit](int r, int c, const QString& text) { EditEnded(edit, r, c, text); });
    editor_ = edit;
    edit->show();
    edit->setFocus();
    return edit;
}

void CComboListCtrl::EditEnded(QWidget* editor, int row, int column, const QString& text) {
    editor->hide();
    editor->deleteLater();
    if (editor_ == editor)
        editor_ = nullptr;
    SetCellText(row, column, text);
    Q_EMIT CellEditValidate(row, column, text);
    Q_EMIT CellEditEnded(row, column, text);
}
