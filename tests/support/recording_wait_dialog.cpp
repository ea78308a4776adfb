#include "tests/support/recording_wait_dialog.h"

void RecordingWaitDialog::Show(const WaitDialogRequest& request) {
    log.append(QStringLiteral("show ") + request.title + u'|' + request.text);
    shows.push_back(request);
    steps = 0;
    visible = true;
    cancelRequested_ = false;
}

void RecordingWaitDialog::SetProgressText(const QString& text) {
    log.append(QStringLiteral("progress ") + text);
    progressTexts.append(text);
}

void RecordingWaitDialog::Step() {
    log.append(QStringLiteral("step"));
    ++steps;
    if (steps == cancelAfterSteps_)
        cancelRequested_ = true;
}

void RecordingWaitDialog::Hide() {
    log.append(QStringLiteral("hide"));
    visible = false;
}

void RecordingWaitDialog::ProcessPendingEvents() {
    log.append(QStringLiteral("events"));
    if (onPendingEvents)
        onPendingEvents();
}
