#include "app/colour_tab_flow.h"

#include "app/device_tabs.h"
#include "dali/dali_commands.h"
#include "devices/colour_reading.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

namespace {
constexpr StringId kReadingTitle = 177, kReadingText = 188, kWriting = 182, kWaitWriting = 206,
                   kOverwriteWarning = 408, kOk = 179, kCancel = 181, kColourCaption = 543,
                   kLimitsOutOfOrder = 544, kLevelUnknown = 545, kScenesNotSent = 546, kNotAnswered = 547,
                   kLimitsNotTaken = 750;
}  // namespace

bool IsColourGear(const DeviceRecord& record) {
    return record.present == 1 && (HasDeviceType(record, dali::kDeviceTypeColour) || record.colour.features != 0);
}

std::vector<int32_t> ColourTabFlow::SelectedColourGear() const {
    const DeviceStore& store = core_.store;
    std::vector<int32_t> gear;
    gear.reserve(size_t(store.selectedCount));
    for (int i = 0; i < store.selectedCount; ++i) {
        const int32_t address = store.selectedAddresses[size_t(i)];
        if (MatrixModel::IsCell(address) && IsColourGear(store.workingTable[size_t(address)]))
            gear.push_back(address);
    }
    return gear;
}

void ColourTabFlow::SelectionChanged(bool inFront, WaitDialog& wait) {
    const std::vector<int32_t> gear = SelectedColourGear();
    core_.tabs.ShowColourTab(!gear.empty());
    if (gear.empty())
        return;
    // Behind, the tab shows the record as it stands, and the old edits go.
    if (inFront)
        Refresh(wait);
    else
        core_.tabs.ShowColour(core_.store.workingTable[size_t(gear.front())], core_.busLink().handle != nullptr);
}

void ColourTabFlow::Refresh(WaitDialog& wait) {
    const std::vector<int32_t> gear = SelectedColourGear();
    if (gear.empty())
        return;
    const BusLink link = core_.busLink();
    DeviceTable& table = core_.store.workingTable;
    std::vector<int32_t> unread;
    for (int32_t address : gear)
        if (!(table[size_t(address)].readState & kReadStateColour))
            unread.push_back(address);
    if (link.handle && !unread.empty()) {
        const QString& module = core_.languageModulePath();
        wait.Show({LoadText(kReadingTitle, module), LoadText(kReadingText, module), 0, 0, {}, 0});
        for (int32_t address : unread) {
            ColourReadContext context{link, table[size_t(address)], address};
            ReadColour(context);
        }
        wait.Hide();
    }
    core_.tabs.ShowColour(table[size_t(gear.front())], link.handle != nullptr);
}

ColourWriteResult ColourTabFlow::Send(const std::vector<int32_t>& gear, const ColourChanges& changes) {
    ColourSelectionContext context{core_.busLink(), core_.store.workingTable, gear};
    return SendColourToSelection(context, changes);
}

// The colour shown now is the gear's, not the project's: nothing to save.
void ColourTabFlow::SetLiveColourTemperature(uint16_t mirek) {
    ColourChanges live;
    live.values.mirek = mirek;
    live.Set(ColourItem::Live);
    Send(SelectedColourGear(), live);
}

void ColourTabFlow::SendColourChanges(const ColourChanges& changes) {
    const std::vector<int32_t> gear = SelectedColourGear();
    if (!core_.busLink().handle || !changes.Any() || gear.empty())
        return;
    Prompts& prompts = core_.services.prompts;
    if (gear.size() > 1 && prompts.AskConfirmation(kWriting, kOverwriteWarning, kOk, kCancel, 0) != kDialogOk)
        return;
    const QString& module = core_.languageModulePath();
    core_.waitDialog.Show({LoadText(kWriting, module), LoadText(kWaitWriting, module), 0, 0, {}, 0});
    const ColourWriteResult result = Send(gear, changes);
    core_.waitDialog.Hide();
    core_.projectDirty = 1;
    // What was held back is said, so the installer does not take it as stored.
    const std::pair<bool, StringId> notices[] = {{result.limitsOutOfOrder, kLimitsOutOfOrder},
                                                 {result.limitsNotTaken, kLimitsNotTaken},
                                                 {result.levelUnknown, kLevelUnknown},
                                                 {result.scenesNotSent != 0, kScenesNotSent},
                                                 {result.results != link_result::kOk, kNotAnswered}};
    for (const auto& [held, text] : notices)
        if (held)
            prompts.ShowMessage(kColourCaption, text);
    core_.tabs.ShowColour(core_.store.workingTable[size_t(gear.front())], true);
}
