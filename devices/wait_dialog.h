#pragma once
// How long jobs show that they are busy: a modeless dialog with an optional
// progress bar and an optional cancel button. The widget layer implements it
// with CWaitDlg; tests record what was shown (tests/support).

#include <QString>

#include <cstdint>

struct WaitDialogRequest {
    QString title;             // window title
    QString text;              // message above the progress bar
    uint8_t showProgress = 0;  // 1 = show the progress bar
    uint8_t showCancel = 0;    // non-zero = show the cancel button
    QString cancelCaption;     // caption of the cancel button
    int32_t steps = 0;         // range of the progress bar (0..steps)
};

class WaitDialog {
public:
    virtual ~WaitDialog() = default;

    // Shows the dialog for a new job (centred over its owner, busy cursor on):
    // the bar at 0 when showProgress is 1, else hidden; the cancel button as
    // the request says; an empty progress text; no cancel requested.
    virtual void Show(const WaitDialogRequest& request) = 0;

    // The line below the bar, e.g. "Sende Daten an Gerät 1 von 3".
    virtual void SetProgressText(const QString& text) = 0;

    // Advances the bar by one step.
    virtual void Step() = 0;

    // Paints the dialog now, so a progress line set before a bus transaction
    // is seen while it runs.
    virtual void Repaint() = 0;

    // True once the cancel button was pressed since the last Show. The button
    // only records the request; a job that honours it tests this between steps.
    virtual bool CancelRequested() const = 0;

    // Ends the busy cursor and hides the dialog; every job ends with it.
    virtual void Hide() = 0;

    // Lets pending window events run, so the dialog repaints and its cancel
    // button can be pressed between two bus transactions.
    virtual void ProcessPendingEvents() = 0;
};
