// The main view's bus scan, as it runs after a connection: every address asked,
// every gear found read (groups, device type, dimming curve).

#include "addressing/matrix_model.h"
#include "bench/bench_jobs.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "link/bus_scan.h"

namespace bench {
namespace {

// Nobody answers questions in a bench; a message means the scan could not run.
class SilentPrompts final : public Prompts {
public:
    using Prompts::Prompts;
    void ShowStockMessage(const QString&, const QString&) override {}
    ChooserResult ChooseInterface(KitHandle, const QString&) override { return {}; }
    QString ChooseFile(const FileChooserRequest&) override { return {}; }
    int messages = 0;

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest&) override { return {}; }
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

}  // namespace

int scanBus(const BusLink& link) {
    Settings settings;
    SilentPrompts prompts(settings);
    NoWaitDialog waitDialog;
    DeviceStore store;
    MatrixModel matrix;
    BusScanContext context{link, store, matrix, waitDialog, prompts, {}, [] {}, [] {}};
    const BusScanResult result = RunBusScan(context);
    return result.ran ? result.presentCount : -1;
}

}  // namespace bench
