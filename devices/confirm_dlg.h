#pragma once
// The confirmation dialog: a message, OK and cancel, and an optional check
// box with which the user stops further asking. Used through
// Prompts::AskConfirmation (DialogPrompts).

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class CConfirmDlg final : public QDialog {
    Q_OBJECT

public:
    // Owned by no window; centred over centreOver (the main window) when it
    // opens. exec() gives kDialogOk or kDialogCancel.
    explicit CConfirmDlg(QWidget* centreOver = nullptr);

    // An empty check-box caption hides the box and makes the dialog lower.
    void SetTexts(const QString& title, const QString& text, const QString& okCaption, const QString& cancelCaption,
                  const QString& dontAskCaption);

    // Set when OK closed the dialog while the check box was ticked.
    bool dontAskAgain() const { return dontAskAgain_; }

    void reject() override;  // cancel and the close box: kDialogCancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Layout();
    void AcceptOk();

    QLabel* text_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QCheckBox* dontAsk_;
    QWidget* centreOver_;
    bool dontAskAgain_ = false;
};
