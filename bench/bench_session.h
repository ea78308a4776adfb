#pragma once
// What the bench's flow jobs share: questions answered yes, a wait dialog
// nobody sees, and an interface whose bus was scanned as the main view scans
// it after connecting, so the store holds every gear found.

#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "link/dalikit.h"
#include "storage/settings.h"

#include <QString>

#include <functional>

namespace bench {

// Every question is answered yes, every file chooser with `chosenFile`; a
// message means the job could not do what it was asked, so it is counted.
class YesPrompts final : public Prompts {
public:
    using Prompts::Prompts;
    void ShowStockMessage(const QString&, const QString&) override { ++messages; }
    ChooserResult ChooseInterface(KitHandle, const QString&) override { return {}; }
    QString ChooseFile(const FileChooserRequest&) override { return chosenFile; }

    QString chosenFile;
    int messages = 0;

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest&) override { return {kDialogOk, false}; }
    int Pick(const ListRequest&) override { return -1; }
    int Message(const MessageRequest&) override {
        ++messages;
        return kDialogOk;
    }
};

class NoWaitDialog final : public WaitDialog {
public:
    void Show(const WaitDialogRequest&) override {}
    void SetProgressText(const QString&) override {}
    void Step() override {}
    void Repaint() override {}
    bool CancelRequested() const override { return false; }
    void Hide() override {}
    void ProcessPendingEvents() override {}
};

// The main view's bus scan of all 64 short addresses into `store`; the
// number of gear found, or -1 when the bus was busy or in error.
int scanBusInto(const BusLink& link, DeviceStore& store, Prompts& prompts);

// The first interface, connected and scanned; the store's link reaches it.
// Built-in (German) texts.
struct ScannedBus {
    ScannedBus();
    bool ready() const { return found > 0; }

    Settings settings;
    YesPrompts prompts{settings};
    NoWaitDialog waitDialog;
    DeviceStore store;
    int found = 0;  // gear the scan found; 0 without an interface
    std::function<void()> noEvents = [] {};
};

}  // namespace bench
