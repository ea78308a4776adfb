#include "devices/job_wait_dialog.h"

void JobWaitDialog::Show(const WaitDialogRequest& request) {
    if (!jobs_.empty())
        jobs_.back().cancelled = jobs_.back().cancelled || dialog_.CancelRequested();
    jobs_.push_back({request, {}, 0, false});
    ++runningJobs_;
    dialog_.Show(request);
}

void JobWaitDialog::SetProgressText(const QString& text) {
    if (!jobs_.empty())
        jobs_.back().progressText = text;
    dialog_.SetProgressText(text);
}

void JobWaitDialog::Step() {
    if (!jobs_.empty())
        ++jobs_.back().steps;
    dialog_.Step();
}

bool JobWaitDialog::CancelRequested() const {
    return dialog_.CancelRequested() || (!jobs_.empty() && jobs_.back().cancelled);
}

void JobWaitDialog::Hide() {
    if (jobs_.empty()) {
        dialog_.Hide();
        return;
    }
    jobs_.pop_back();
    --runningJobs_;
    if (jobs_.empty()) {
        dialog_.Hide();
        return;
    }
    const Job& outer = jobs_.back();
    dialog_.Show(outer.request);
    if (!outer.progressText.isEmpty())
        dialog_.SetProgressText(outer.progressText);
    for (int i = 0; i < outer.steps; ++i)
        dialog_.Step();
}
