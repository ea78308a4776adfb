#pragma once
// The one-line text editor that CComboListCtrl opens over one cell. With a
// set of valid characters, other typed characters are dropped with a beep
// and a paste is taken only when every character is valid; without one,
// typing is free and pasting is refused. It ends like CInPlaceCombo.

#include <QLineEdit>

class CInPlaceEdit final : public QLineEdit {
    Q_OBJECT

public:
    CInPlaceEdit(int row, int column, const QString& validCharacters, const QString& initialText, QWidget* parent);

    int row() const { return row_; }
    int column() const { return column_; }

Q_SIGNALS:
    void editEnded(int row, int column, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

public:
    // Ends the edit now (as losing the focus does); only the first end counts.
    void End();

private:
    void PasteIfValid();
    bool AllValid(const QString& text) const;

    int row_, column_;
    QString validCharacters_;
    QString initialText_;
    bool escape_ = false;
    bool ended_ = false;
};
