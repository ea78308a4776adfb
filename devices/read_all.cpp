#include "devices/read_all.h"

#include "devices/colour_reading.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

namespace {
constexpr StringId kReadTitle = 409, kReadQuestion = 410, kYes = 239, kNo = 240, kWaitTitle = 423, kWaitText = 424,
                   kCancel = 181;
}

void RunReadAll(ReadAllContext& c) {
    DeviceStore& store = c.store;
    const int present = store.PresentCount();
    if (!store.link.handle || present == 0)
        return;
    if (c.askFirst && c.prompts.AskConfirmation(kReadTitle, kReadQuestion, kYes, kNo, 0) != kDialogOk)
        return;
    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kWaitTitle, module), LoadText(kWaitText, module), 1, 1, LoadText(kCancel, module),
                       present});
    // The table is looked at afresh for every address: clicks may arrive
    // while window events run.
    for (int address = 0; address < kDeviceCount && !c.waitDialog.CancelRequested(); ++address) {
        if (store.workingTable[size_t(address)].present != 1)
            continue;
        store.ReadParameters(address);
        store.ReadScenes(address);
        if (c.readBanks)
            store.ReadBanks(address);
        DeviceRecord& record = store.workingTable[size_t(address)];
        if (HasDeviceType(record, dali::kDeviceTypeColour)) {
            ColourReadContext colour{store.link, record, address};
            ReadColour(colour);
        }
        c.waitDialog.Step();
        c.processPendingEvents();
    }
    c.waitDialog.Hide();
}
