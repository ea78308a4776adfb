#pragma once
// The drop-down editor that CComboListCtrl opens over one cell. It ends when
// it loses the focus, on Enter, on Escape (which keeps the cell's old text)
// and when its drop-down closes; then it reports the text once.

#include <QComboBox>

class CInPlaceCombo final : public QComboBox {
    Q_OBJECT

public:
    CInPlaceCombo(int row, int column, const QStringList& choices, const QString& initialText, QWidget* parent);

    int row() const { return row_; }
    int column() const { return column_; }

    void hidePopup() override;

Q_SIGNALS:
    // The edit ended with this text: the initial one after Escape.
    void editEnded(int row, int column, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

public:
    // Ends the edit now (as losing the focus does); only the first end counts.
    void End();

private:

    int row_, column_;
    QString initialText_;
    bool escape_ = false;
    bool ended_ = false;
};
