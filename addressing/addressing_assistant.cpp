#include "addressing/addressing_assistant.h"

#include "addressing/search_steps.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "storage/load_text.h"
#include "dali/dali_commands.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <atomic>
#include <system_error>
#include <thread>

using dali::code;
using dali::SpecialOp;

namespace addressing {
namespace {

constexpr StringId kTitle = 427, kStartQuestion = 436, kCancelQuestion = 437, kOk = 179, kCancel = 181,
                   kSearchingFreeText = 438;

}  // namespace

AddressingAssistant::AddressingAssistant(const BusLink& link, DeviceStore& store, Prompts& prompts,
                                         QString languageModulePath)
    : prompts_(prompts), store_(store), run_(link, store.workingTable, std::move(languageModulePath)) {
    run_.appendLine = [this](const QString& line) { AppendLine(line); };
    threadStartFailed = [this] { prompts_.ShowStockMessage(QStringLiteral("Critical Error. Thread not started"),
                                                           QStringLiteral("Thread Error")); };
}

void AddressingAssistant::AppendLine(const QString& line) {
    const auto show = [this, line] {
        if (surface_)
            surface_->AppendProgressLine(line);
    };
    if (QThread::currentThread() == uiThread_.thread())
        show();
    else
        QMetaObject::invokeMethod(&uiThread_, show, Qt::BlockingQueuedConnection);
}

bool AddressingAssistant::Start(const AssistantChoice& choice) {
    if (prompts_.AskConfirmation(kTitle, kStartQuestion, kOk, kCancel, 0) != kDialogOk)
        return false;
    run_.running = true;
    started_ = 1;
    run_.visualConfirmation = choice.visualConfirmation ? 1 : 0;
    run_.placedAt = store_.clock();
    if (surface_)
        surface_->DisableRunControls();
    if (choice.mode == AddressingMode::NewAddressing) {
        HandOutAllAddresses(run_);
        run_.initialiseData = kInitialiseAll;
        // Every short address is erased: the records of the old addresses
        // describe gear that will be elsewhere.
        store_.ClearWorkingTable();
    } else {
        AppendLine(LoadText(kSearchingFreeText, run_.languageModulePath));
        if (surface_)
            surface_->ProcessPendingEvents();
        CollectFreeAddresses(run_);
        run_.initialiseData = kInitialiseUnaddressed;
        // Cancelled while the free addresses were collected: no run follows.
        if (!run_.running)
            return true;
    }
    PrepareAddressing(run_.link, run_.initialiseData);
    RunWorker(choice.physicalSelection);
    return true;
}

void AddressingAssistant::RunWorker(bool physicalSelection) {
    QEventLoop waiting;
    std::atomic<bool> done = false;
    std::thread worker;
    try {
        worker = std::thread([this, physicalSelection, &waiting, &done] {
            if (physicalSelection)
                PhysicalSelectionWorker(run_);
            else
                RandomAddressingWorker(run_);
            done = true;
            QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        run_.running = false;
        if (threadStartFailed)
            threadStartFailed();
        return;
    }
    waiting.exec();
    // The loop also ends when the program quits: the worker is told to stop,
    // and its last lines are still taken so it can get there.
    if (!done) {
        run_.running = false;
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    worker.join();
}

bool AddressingAssistant::Cancel() {
    if (started_ == 0)
        return true;
    if (prompts_.AskConfirmation(kTitle, kCancelQuestion, kOk, kCancel, 0) == kDialogOk && run_.running) {
        run_.running = false;
        dalikit_Send(run_.link, code(SpecialOp::Terminate), 0x00);
        if (surface_)
            surface_->DisableCancel();
    }
    return false;
}

}  // namespace addressing
