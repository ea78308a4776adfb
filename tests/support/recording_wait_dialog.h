#pragma once
// A WaitDialog for tests: records what a job showed, in order, and presses
// the cancel button when the script says so.

#include "devices/wait_dialog.h"

#include <QStringList>

#include <functional>
#include <vector>

class RecordingWaitDialog final : public WaitDialog {
public:
    void Show(const WaitDialogRequest& request) override;
    void SetProgressText(const QString& text) override;
    void Step() override;
    void Repaint() override { log.append(QStringLiteral("repaint")); }
    bool CancelRequested() const override { return cancelRequested_; }
    void Hide() override;
    void ProcessPendingEvents() override;

    // Presses the cancel button now, or once the job has taken that many
    // steps since its Show.
    void PressCancel() { cancelRequested_ = true; }
    void PressCancelAfterSteps(int steps) { cancelAfterSteps_ = steps; }

    // Runs whenever the job lets pending window events run, as a click
    // arriving during the job would.
    std::function<void()> onPendingEvents;

    // Every call in order: "show <title>|<text>", "progress <text>", "step",
    // "repaint", "events", "hide".
    QStringList log;
    std::vector<WaitDialogRequest> shows;
    QStringList progressTexts;
    int steps = 0;  // steps since the last Show
    bool visible = false;

private:
    bool cancelRequested_ = false;
    int cancelAfterSteps_ = -1;
};
