#include "storage/device_file_flows.h"

#include "dali/dali_commands.h"
#include "devices/colour_writing.h"
#include "devices/device_store.h"
#include "devices/gear_writing.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/device_lines.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kCountTitle = 230, kOnlyOneGear = 231, kReadTitle = 177, kReadText = 188, kSaveTitle = 186,
                   kSaved = 268, kContinueTitle = 253, kTransferQuestion = 344, kOk = 179, kCancel = 181,
                   kWriteTitle = 182, kWriteText = 206, kNotWritten = 446, kLoadTitle = 292, kNotRead = 459;

const QString kDeviceExtension = QStringLiteral("dev");
const QString kDeviceFilter = QStringLiteral("Device file (*.dev)|*.dev|All Files (*.*)|*.*||");

// The one selected address, or -1 after telling the user to select one.
int singleSelectedAddress(DeviceFileContext& c) {
    if (c.store.selectedCount == 1)
        return c.store.selectedAddresses[0];
    c.prompts.ShowMessage(kCountTitle, kOnlyOneGear);
    return -1;
}

void showWaitDialog(DeviceFileContext& c, StringId title, StringId text) {
    c.waitDialog.Show({LoadText(title, c.languageModulePath), LoadText(text, c.languageModulePath), 0, 0, QString(), 0});
}

}  // namespace

void SaveDeviceFile(DeviceFileContext& c) {
    if (singleSelectedAddress(c) < 0)
        return;
    const QString path = ChooseFileWithExtension(c, true, kDeviceExtension, kDeviceFilter);
    if (path.isEmpty())
        return;
    const int address = c.store.selectedAddresses[0];
    showWaitDialog(c, kReadTitle, kReadText);
    c.store.ReadParameters(address);
    c.store.ReadScenes(address);
    const bool written = WriteDeviceFile(path, c.store.workingTable, address);
    c.waitDialog.Hide();
    c.prompts.ShowMessage(kSaveTitle, written ? kSaved : kNotWritten);
}

void LoadDeviceFile(DeviceFileContext& c) {
    if (singleSelectedAddress(c) < 0)
        return;
    const QString path = ChooseFileWithExtension(c, false, kDeviceExtension, kDeviceFilter);
    if (path.isEmpty())
        return;
    const int address = c.store.selectedAddresses[0];
    DeviceStore& store = c.store;
    if (!ReadDeviceFile(path, store.deviceFileRecord)) {
        c.prompts.ShowMessage(kLoadTitle, kNotRead);
        return;
    }
    DeviceRecord& record = store.workingTable[size_t(address)];
    DeviceRecord loaded = store.deviceFileRecord;
    loaded.present = record.present;
    loaded.deviceType = record.deviceType;
    loaded.deviceTypes = record.deviceTypes;
    loaded.readState = record.readState;
    // A file without colour leaves the gear's colour as it is known.
    const bool fileHasColour = loaded.colour.features != 0;
    if (!fileHasColour)
        loaded.colour = record.colour;
    record = loaded;
    c.showRecord(address);
    record.readState |= kReadStateParameters | kReadStateScenes;
    if (!store.link.handle ||
        c.prompts.AskConfirmation(kContinueTitle, kTransferQuestion, kOk, kCancel, 0) != kDialogOk)
        return;
    showWaitDialog(c, kWriteTitle, kWriteText);
    // The scenes too: the record now claims the file's scenes as the gear's.
    SendBasicSettings(store.link, record, address, c.basicSettings());
    StoreAllScenes(store.link, record, address);
    if (fileHasColour && HasDeviceType(record, dali::kDeviceTypeColour)) {
        const ColourSettings fileColour = record.colour;
        record.colour = UnknownColour(fileColour);
        ColourWriteContext colour{store.link, record, address};
        SendColourSettings(colour, fileColour);
    }
    c.waitDialog.Hide();
    c.showRecord(address);
}
