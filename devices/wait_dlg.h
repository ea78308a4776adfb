#pragma once
// The wait dialog that long jobs show: a message, an optional progress bar, a
// progress line and an optional cancel button. Modeless; created hidden once
// per owner and only shown and hidden afterwards.

#include "devices/wait_dialog.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class CWaitDlg final : public QDialog, public WaitDialog {
    Q_OBJECT

public:
    explicit CWaitDlg(QWidget* owner);
    ~CWaitDlg() override;

    void Show(const WaitDialogRequest& request) override;
    void SetProgressText(const QString& text) override;
    void Step() override;
    void Repaint() override { repaint(); }
    bool CancelRequested() const override { return state_ == kCancelRequested; }
    void Hide() override;
    void ProcessPendingEvents() override;

    // The dialog cannot be closed by the user: Esc and the close box do nothing.
    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;  // swallows Enter and Esc
    void closeEvent(QCloseEvent* event) override;

private:
    enum State { kIdle = 0, kRunning = 1, kCancelRequested = 2 };

    void Layout();
    void SetBusyCursor(bool busy);

    QLabel* message_;
    QProgressBar* bar_;
    QLabel* progressText_;
    QPushButton* cancel_;
    State state_ = kIdle;
    bool busyCursor_ = false;
};
