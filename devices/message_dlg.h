#pragma once
// The message dialog: a notice with one button. Used through
// Prompts::ShowMessage (DialogPrompts).

#include <QDialog>

class QLabel;
class QPushButton;

class CMessageDlg final : public QDialog {
    Q_OBJECT

public:
    // Owned by no window unless a parent is given; it keeps its position.
    // exec() gives kDialogOk for the button.
    explicit CMessageDlg(QWidget* parent = nullptr);

    void SetTexts(const QString& title, const QString& text, const QString& buttonCaption);

private:
    void Layout();

    QLabel* text_;
    QPushButton* button_;
};
