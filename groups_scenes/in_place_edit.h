#pragma once
// The one-line text editor that CComboListCtrl's delegate opens over one
// cell. With a set of valid characters nothing else gets in, however it comes
// (typed, pasted, dropped, from an input method); a typed character that is
// refused beeps, and a paste is taken only when every character is valid.
// Without a set, typing is free and pasting and dropping are refused.

#include <QLineEdit>

class CInPlaceEdit final : public QLineEdit {
    Q_OBJECT

public:
    CInPlaceEdit(const QString& validCharacters, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PasteIfValid();
    bool AllValid(const QString& text) const;

    QString validCharacters_;
};
