#pragma once
// A wait dialog as the jobs of one owner share it, counting the jobs that run
// for the close guard. Jobs let window events run between bus transactions,
// so a second job may start on the same dialog while one runs: it takes the
// dialog over, and when it ends the dialog shows the first job again as it
// was (texts, bar, progress line), a cancel already pressed included.

#include "devices/wait_dialog.h"

#include <vector>

class JobWaitDialog final : public WaitDialog {
public:
    // Both outlive this; `runningJobs` may be shared by several dialogs.
    JobWaitDialog(WaitDialog& dialog, int& runningJobs) : dialog_(dialog), runningJobs_(runningJobs) {}

    void Show(const WaitDialogRequest& request) override;
    void SetProgressText(const QString& text) override;
    void Step() override;
    bool CancelRequested() const override;
    void Repaint() override { dialog_.Repaint(); }
    void Hide() override;
    void ProcessPendingEvents() override { dialog_.ProcessPendingEvents(); }

private:
    struct Job {
        WaitDialogRequest request;
        QString progressText;
        int steps = 0;
        bool cancelled = false;  // pressed before a nested job took the dialog
    };

    WaitDialog& dialog_;
    int& runningJobs_;
    std::vector<Job> jobs_;  // innermost last
};
