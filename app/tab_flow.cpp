// The device tabs of the selected gear: each tab reads under its own wait
// dialog, so a read while a job of the view runs leaves that job's dialog alone.

#include "app/tab_flow.h"

#include "addressing/own_command.h"
#include "app/device_tabs.h"
#include "app/emergency_flow.h"
#include "app/luminaire_info.h"
#include "app/view_surface.h"
#include "devices/colour_reading.h"
#include "devices/gear_commands.h"
#include "devices/project_header.h"
#include "devices/read_all.h"
#include "devices/send_all.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <algorithm>

namespace {
constexpr StringId kReadingTitle = 177, kReadingText = 188;
constexpr int kSceneReadSteps = 16;  // the bar the scenes tab shows while reading; it does not move
constexpr uint32_t kForceRead = 0xFFFFFFF1;  // the parameter, scene and colour read bits clear
}  // namespace

TabFlow::TabFlow(ViewCore& core, EmergencyFlow& emergency, std::function<void()> groupsChanged,
                 std::function<void(int, int)> notifyView)
    : core_(core),
      emergency_(emergency),
      groupsChanged_(std::move(groupsChanged)),
      notifyView_(std::move(notifyView)),
      colour_(core) {}

JobWaitDialog& TabFlow::waitDialogOf(DeviceTab tab) {
    std::optional<JobWaitDialog>& dialog = waitDialogs_[size_t(tab)];
    if (!dialog)
        dialog.emplace(core_.tabs.WaitDialogOf(tab), core_.runningJobs);
    return *dialog;
}

GearCommandContext TabFlow::GearCommands() {
    // The basic tab's commands show the basic tab's dialog.
    return {core_.busLink(), core_.store, core_.services.prompts, waitDialogOf(DeviceTab::Basic),
            core_.languageModulePath()};
}

void TabFlow::RefreshTabs(int address) {
    if (core_.store.selectedCount != 1 || !MatrixModel::IsCell(address))
        return;
    if (!core_.busLink().handle) {
        ShowSelectedRecord(address);
        return;
    }
    RefreshTab(currentTab_, address);
}

void TabFlow::RefreshTab(DeviceTab tab, int address) {
    DeviceTabs& tabs = core_.tabs;
    WaitDialog& wait = waitDialogOf(tab);
    const QString& module = core_.languageModulePath();
    DeviceRecord& record = core_.store.workingTable[size_t(address)];
    // The scenes tab shows a bar that does not move while it reads.
    auto read = [&](bool bar, auto&& job) {
        wait.Show({LoadText(kReadingTitle, module), LoadText(kReadingText, module), uint8_t(bar), 0, {},
                   bar ? kSceneReadSteps : 0});
        job();
        wait.Hide();
    };
    switch (tab) {
        case DeviceTab::Basic:
            if (!(record.readState & kReadStateParameters))
                read(false, [&] { core_.store.ReadParameters(address); });
            tabs.ShowBasic(address, record);
            return;
        case DeviceTab::Scenes:
            if (!(record.readState & kReadStateScenes))
                read(true, [&] { core_.store.ReadScenes(address); });
            // Tunable-white gear show a colour temperature per scene.
            if (IsColourGear(record) && !(record.readState & kReadStateColour))
                read(false, [&] {
                    ColourReadContext context{core_.busLink(), record, address};
                    ReadColour(context);
                });
            tabs.ShowScenes(address, record);
            return;
        case DeviceTab::Info: {
            std::vector<InfoRow> rows;
            // What bank 0 says stays with the record, for the report's gear table.
            read(false, [&] {
                rows = ReadDeviceInfo(core_.link, address, module);
                core_.store.ReadIdentity(address);
                core_.store.ReadBanks(address);
            });
            // An address where nothing answered gets no sections that would call its banks missing.
            if (std::any_of(rows.begin(), rows.end(), [](const InfoRow& row) { return !row.value.isEmpty(); })) {
                const std::vector<InfoRow> banks = LuminaireInfoRows(record.banks, module);
                rows.insert(rows.end(), banks.begin(), banks.end());
                const std::vector<InfoRow> identity = IdentityInfoRows(record.identity, module);
                rows.insert(rows.end(), identity.begin(), identity.end());
            }
            tabs.ShowInfo(rows);
            return;
        }
        case DeviceTab::Emergency:
            emergency_.ShowUnit(address, wait);
            return;
        case DeviceTab::Colour:
            colour_.Refresh(wait);
            return;
    }
}

void TabFlow::TabChanged(DeviceTab tab) {
    const int first = core_.store.selectedAddresses[0];
    currentTab_ = tab;
    // Several colour gear are read and shown as one, online or not.
    if (tab == DeviceTab::Colour) {
        colour_.Refresh(waitDialogOf(tab));
        return;
    }
    if (core_.offlineMode == 1) {
        if (core_.store.selectedCount == 1 && core_.services.settings.identifyMode == 0 && MatrixModel::IsCell(first)) {
            if (tab == DeviceTab::Basic)
                core_.tabs.ShowBasic(first, core_.store.workingTable[size_t(first)]);
            else if (tab == DeviceTab::Scenes)
                core_.tabs.ShowScenes(first, core_.store.workingTable[size_t(first)]);
            else if (tab == DeviceTab::Emergency)
                emergency_.ShowUnit(first, waitDialogOf(tab));
        }
    } else if (core_.link.handle && core_.store.selectedCount == 1 && MatrixModel::IsCell(first)) {
        RefreshTab(tab, first);
    }
}

void TabFlow::ReadDevice() {
    if (core_.offlineMode == 1 || core_.store.selectedCount != 1)
        return;
    const int address = core_.store.selectedAddresses[0];
    if (!MatrixModel::IsCell(address))
        return;
    core_.store.workingTable[size_t(address)].readState = kForceRead;
    RefreshTabs(address);
}

void TabFlow::ReadAll(bool askFirst) {
    ReadAllContext context{core_.store,
                           core_.services.prompts,
                           core_.waitDialog,
                           core_.languageModulePath(),
                           [this] { core_.ProcessPendingEvents(); },
                           askFirst,
                           core_.services.settings.readBanks == 1};
    RunReadAll(context);
}

void TabFlow::SendAll() {
    SendAllContext context{core_.busLink(),
                           core_.store,
                           core_.services.prompts,
                           core_.waitDialog,
                           core_.languageModulePath(),
                           currentTab_,
                           core_.tabs.basicSettings(),
                           core_.tabs.sceneSettings(),
                           [this] { core_.ProcessPendingEvents(); }};
    const SendAllResult result = RunSendAll(context);
    if (result.sent)
        core_.projectDirty = 1;
    if (!result.selectionChecked)
        return;
    // Group membership may have changed: the highlighted group follows.
    if (currentTab_ == DeviceTab::Basic)
        groupsChanged_();
    core_.basicChanged = 0;
    core_.scenesChanged = 0;
}

void TabFlow::SendToSelectedGear(uint8_t opcode) {
    GearCommandContext context = GearCommands();
    ::SendToSelected(context, opcode);
}

std::optional<uint8_t> TabFlow::ReadActualLevel() {
    GearCommandContext context = GearCommands();
    return ::ReadActualLevel(context);
}

void TabFlow::IdentifySelectedGear() {
    GearCommandContext context = GearCommands();
    IdentifySelected(context);
}

void TabFlow::RemoveAddress() {
    GearCommandContext context = GearCommands();
    if (RemoveSelectedAddresses(context))
        notifyView_(WM_OWN_COMMAND_UPDATE, 0);
}

void TabFlow::FactoryReset() {
    GearCommandContext context = GearCommands();
    if (FactoryResetSelected(context) && core_.store.selectedCount == 1) {
        const int address = core_.store.selectedAddresses[0] & 0x3F;
        core_.tabs.ShowBasic(address, core_.store.workingTable[size_t(address)]);
    }
}

void TabFlow::ActualLevelMoving(uint8_t level) {
    GearCommandContext context = GearCommands();
    DirectArcPowerToFirst(context, level);
}

void TabFlow::ActualLevelSet(uint8_t level) {
    GearCommandContext context = GearCommands();
    DirectArcPowerToSelected(context, level);
}

uint8_t TabFlow::FirstSelectedDimmingCurve() const {
    const int first = core_.store.selectedAddresses[0];
    return MatrixModel::IsCell(first) ? core_.store.workingTable[size_t(first)].dimmingCurve : 0;
}

void TabFlow::ShowSelectedRecord(int address) {
    if (!MatrixModel::IsCell(address))
        return;
    const DeviceRecord& record = core_.store.workingTable[size_t(address)];
    core_.tabs.ShowBasic(address, record);
    core_.tabs.ShowScenes(address, record);
    if (IsColourGear(record))
        core_.tabs.ShowColour(record, core_.busLink().handle != nullptr);
}

void TabFlow::SelectionChanged() {
    ShowSelectedName();
    colour_.SelectionChanged(currentTab_ == DeviceTab::Colour, waitDialogOf(DeviceTab::Colour));
    emergency_.ShowPage();
}

void TabFlow::ShowSelectedName() {
    const DeviceStore& store = core_.store;
    const int first = store.selectedAddresses[0];
    const bool one = store.selectedCount == 1 && MatrixModel::IsCell(first);
    const QString name = one ? store.workingTable[size_t(first)].name : QString();
    core_.SetPane(kPaneName, name);
    core_.tabs.ShowName(one ? first : -1, name, one);
}

// A name is the project's, not the gear's: nothing is sent, the project
// has a change to save.
void TabFlow::NameEdited(int address, const QString& name) {
    DeviceStore& store = core_.store;
    if (!MatrixModel::IsCell(address) || store.workingTable[size_t(address)].present != 1)
        return;
    QString& stored = store.workingTable[size_t(address)].name;
    const QString trimmed = ProjectText(name);
    if (trimmed == stored)
        return;
    stored = trimmed;
    core_.projectDirty = 1;
    ShowSelectedName();
}

LinkResult TabFlow::ReadEmergencyUnit(EmergencyState& state) { return emergency_.Read(state); }

LinkResult TabFlow::RunEmergencyCommand(EmergencyAction action) { return emergency_.Run(action); }

void TabFlow::EmergencyFailed(LinkResult result) { emergency_.Failed(result); }
