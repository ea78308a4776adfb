#pragma once
// What the addressing assistant's dialog does, without the dialog: the Start
// and Cancel buttons with their questions, the run on a worker thread and the
// progress lines it sends back. CAddressDlg shows it; tests drive it headless.
//
// A run: Start asks, prepares the bus on the UI thread, starts the worker and
// waits for it in a local event loop, so the progress lines appear and Cancel
// can be pressed meanwhile. The worker's lines reach the UI thread by blocking
// queued calls: the worker goes on once its line is shown. Cancel's TERMINATE
// and the worker's steps share the link's transaction lock.

#include "addressing/addressing_workers.h"

#include <QObject>

#include <memory>

class DeviceStore;
class Prompts;

namespace addressing {

// The dialog's controls, as the run uses them.
class AssistantSurface {
public:
    virtual ~AssistantSurface() = default;
    // Appends a line to the progress list and selects it.
    virtual void AppendProgressLine(const QString& line) = 0;
    // The mode list, the Start button and both check boxes, until the dialog closes.
    virtual void DisableRunControls() = 0;
    // The Cancel button, once a cancelled run is stopping.
    virtual void DisableCancel() = 0;
    virtual void ProcessPendingEvents() = 0;
};

enum class AddressingMode { NewAddressing = 0, AddToInstallation = 1 };

struct AssistantChoice {
    AddressingMode mode = AddressingMode::NewAddressing;
    bool physicalSelection = false;
    bool visualConfirmation = false;
};

class AddressingAssistant {
public:
    AddressingAssistant(const BusLink& link, DeviceStore& store, Prompts& prompts, QString languageModulePath);
    AddressingAssistant(const AddressingAssistant&) = delete;
    AddressingAssistant& operator=(const AddressingAssistant&) = delete;

    void SetSurface(AssistantSurface* surface) { surface_ = surface; }

    // The Start button. True when the dialog is to close: a run took place and
    // has ended. False when the user did not confirm; the dialog stays open.
    bool Start(const AssistantChoice& choice);

    // The Cancel button. True when the dialog is to close: before a run
    // (result 2). During a run it asks first; on OK the run stops, TERMINATE
    // goes out at once and the Cancel button is disabled, but the dialog stays
    // open until the worker has stopped (Start then closes it, result 1). A
    // refusal lets the run go on. False in both cases.
    bool Cancel();

    // 1 once a run was started (the dialog's final result), else 2.
    int result() const { return started_ == 1 ? 1 : 2; }
    uint8_t started() const { return started_; }
    bool running() const { return run_.running; }
    const AddressingRun& run() const { return run_; }

    // Called when the worker thread cannot be started; shows the stock
    // "Thread Error" box by default. Tests replace it.
    std::function<void()> threadStartFailed;

private:
    void AppendLine(const QString& line);
    void RunWorker(bool physicalSelection);

    Prompts& prompts_;
    DeviceStore& store_;
    AddressingRun run_;
    uint8_t started_ = 0;
    AssistantSurface* surface_ = nullptr;
    QObject uiThread_;  // receives the worker's lines in the UI thread
};

}  // namespace addressing
