#pragma once
// A report list whose cells are edited in place: a click on a cell of the
// focused row opens a drop-down (combo columns, choices from the owner) or a
// text field (other columns) exactly over the cell; read-only columns never
// open one. Ctrl and Shift clicks only select; clicks outside every row and
// column do nothing at all; scrolling ends an open edit. The editors come
// from the list's item delegate (CInPlaceDelegate), so Qt applies a pick and
// owns the editor's life. When an edit ends the cell takes the text (the old
// one after Escape), the list has the keyboard focus again and the owner
// hears CellEditValidate, then CellEditEnded. The list knows nothing of DALI.

#include <QPointer>
#include <QTableWidget>

#include <functional>
#include <set>

class CInPlaceCombo;
class CInPlaceEdit;

class CComboListCtrl final : public QTableWidget {
    Q_OBJECT

public:
    explicit CComboListCtrl(QWidget* parent = nullptr);

    void SetComboColumn(int column) { comboColumns_.insert(column); }
    void SetReadOnlyColumn(int column) { readOnlyColumns_.insert(column); }
    // Characters the text editor accepts; empty: every character, no paste.
    void SetValidCharacters(const QString& characters) { validCharacters_ = characters; }
    // Whether a click opens an editor at all.
    void SetLabelEditing(bool allowed) { labelEditing_ = allowed; }

    // The owner's choices for a combo column, asked before each drop-down opens.
    std::function<QStringList(int column)> RequestColumnChoices;

    // Opens the editors over a cell (scrolled into view); nullptr when the
    // cell cannot be shown (no such column, or narrower than 10 pixels). The
    // drop-down shows entry `selection` (-1: none).
    CInPlaceCombo* ShowInPlaceCombo(int row, int column, const QStringList& choices, const QString& cellText,
                                    int selection);
    CInPlaceEdit* ShowInPlaceEdit(int row, int column, const QString& cellText);

    QWidget* openEditor() const;
    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

    // What the delegate is to open: set by the Show functions just before
    // they ask Qt for the editor.
    struct EditorRequest {
        bool open = false;
        int row = -1, column = -1;
        bool combo = false;
        QStringList choices;
        int selection = -1;
        QString validCharacters;
    };
    const EditorRequest& editorRequest() const { return request_; }

Q_SIGNALS:
    void CellEditValidate(int row, int column, const QString& text);
    void CellEditEnded(int row, int column, const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The cell scrolled into view, the whole column showing; invalid when it
    // cannot be shown.
    QModelIndex ShowableCell(int row, int column);
    QWidget* OpenEditor(const QModelIndex& cell, EditorRequest request);
    void EndOpenEdit();

    std::set<int> comboColumns_, readOnlyColumns_;
    QString validCharacters_;
    bool labelEditing_ = true;
    EditorRequest request_;
    QPointer<QWidget> editor_;
};
