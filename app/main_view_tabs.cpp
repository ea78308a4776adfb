// The main view and its device tabs: showing and reading the selected gear,
// switching tabs, "Auslesen", "Alle Geräte auslesen", "Senden" and the tabs'
// commands to the selected gear.

#include "addressing/own_command.h"
#include "app/device_tabs.h"
#include "app/main_view.h"
#include "app/view_surface.h"
#include "devices/gear_commands.h"
#include "devices/read_all.h"
#include "devices/send_all.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

namespace {
constexpr StringId kReadingTitle = 177, kReadingText = 188;
constexpr int kSceneReadSteps = 16;  // the bar the scenes tab shows while reading; it does not move
constexpr uint32_t kForceRead = 0xFFFFFFF9;  // both read bits clear
}  // namespace

GearCommandContext MainView::GearCommands() {
    // The basic tab's commands show the basic tab's dialog.
    return {busLink(), store_, services_.prompts, basicWaitDialog_, services_.settings.languageModulePath};
}

void MainView::RefreshTabs(int address) {
    if (store_.selectedCount != 1 || !MatrixModel::IsCell(address))
        return;
    if (!busLink().handle) {
        const DeviceRecord& record = store_.workingTable[size_t(address)];
        services_.tabs.ShowBasic(address, record);
        services_.tabs.ShowScenes(address, record);
        return;
    }
    RefreshTab(currentTab_, address);
}

void MainView::RefreshTab(DeviceTab tab, int address) {
    DeviceTabs& tabs = services_.tabs;
    // Each tab reads under its own dialog: a read while a job of the view
    // runs leaves that job's dialog alone.
    WaitDialog& wait = tab == DeviceTab::Basic    ? basicWaitDialog_
                       : tab == DeviceTab::Scenes ? scenesWaitDialog_
                                                  : infoWaitDialog_;
    const QString& module = services_.settings.languageModulePath;
    DeviceRecord& record = store_.workingTable[size_t(address)];
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
                read(false, [&] { store_.ReadParameters(address); });
            tabs.ShowBasic(address, record);
            return;
        case DeviceTab::Scenes:
            if (!(record.readState & kReadStateScenes))
                read(true, [&] { store_.ReadScenes(address); });
            tabs.ShowScenes(address, record);
            return;
        case DeviceTab::Info: {
            std::vector<InfoRow> rows;
            read(false, [&] { rows = ReadDeviceInfo(link_, address, module); });
            tabs.ShowInfo(rows);
            return;
        }
    }
}

void MainView::TabChanged(DeviceTab tab) {
    const int first = store_.selectedAddresses[0];
    if (offlineMode_ == 1) {
        if (store_.selectedCount == 1 && services_.settings.identifyMode == 0 && MatrixModel::IsCell(first)) {
            if (tab == DeviceTab::Basic)
                services_.tabs.ShowBasic(first, store_.workingTable[size_t(first)]);
            else if (tab == DeviceTab::Scenes)
                services_.tabs.ShowScenes(first, store_.workingTable[size_t(first)]);
        }
    } else if (link_.handle && store_.selectedCount == 1 && MatrixModel::IsCell(first)) {
        RefreshTab(tab, first);
    }
    currentTab_ = tab;
}

void MainView::ReadDevice() {
    if (offlineMode_ == 1 || store_.selectedCount != 1)
        return;
    const int address = store_.selectedAddresses[0];
    if (!MatrixModel::IsCell(address))
        return;
    store_.workingTable[size_t(address)].readState = kForceRead;
    RefreshTabs(address);
}

void MainView::ReadAll() {
    ReadAllContext context{store_, services_.prompts, viewWaitDialog_, services_.settings.languageModulePath,
                           [this] { services_.surface.ProcessPendingEvents(); }};
    RunReadAll(context);
}

void MainView::SendAll() {
    SendAllContext context{busLink(),
                           store_,
                           services_.prompts,
                           viewWaitDialog_,
                           services_.settings.languageModulePath,
                           currentTab_,
                           services_.tabs.basicSettings(),
                           services_.tabs.sceneSettings(),
                           [this] { services_.surface.ProcessPendingEvents(); }};
    const SendAllResult result = RunSendAll(context);
    if (result.sent)
        projectDirty = 1;
    if (!result.selectionChecked)
        return;
    // Group membership may have changed: the highlighted group follows.
    if (currentTab_ == DeviceTab::Basic && groupEntry_ >= 1) {
        services_.surface.ProcessPendingEvents();
        GroupEntryChanged(groupEntry_);
    }
    basicChanged = 0;
    scenesChanged = 0;
}

void MainView::SendRequested() { OwnCommand(WM_OWN_COMMAND_SEND, 0); }

void MainView::SendToSelectedGear(uint8_t opcode) {
    GearCommandContext context = GearCommands();
    ::SendToSelected(context, opcode);
}

std::optional<uint8_t> MainView::ReadActualLevel() {
    GearCommandContext context = GearCommands();
    return ::ReadActualLevel(context);
}

void MainView::IdentifySelectedGear() {
    GearCommandContext context = GearCommands();
    IdentifySelected(context);
}

void MainView::RemoveAddress() {
    GearCommandContext context = GearCommands();
    if (RemoveSelectedAddresses(context))
        OwnCommand(WM_OWN_COMMAND_UPDATE, 0);
}

void MainView::FactoryReset() {
    GearCommandContext context = GearCommands();
    if (FactoryResetSelected(context) && store_.selectedCount == 1) {
        const int address = store_.selectedAddresses[0] & 0x3F;
        services_.tabs.ShowBasic(address, store_.workingTable[size_t(address)]);
    }
}

void MainView::ActualLevelMoving(uint8_t level) {
    GearCommandContext context = GearCommands();
    DirectArcPowerToFirst(context, level);
}

void MainView::ActualLevelSet(uint8_t level) {
    GearCommandContext context = GearCommands();
    DirectArcPowerToSelected(context, level);
}

uint8_t MainView::FirstSelectedDimmingCurve() const {
    const int first = store_.selectedAddresses[0];
    return MatrixModel::IsCell(first) ? store_.workingTable[size_t(first)].dimmingCurve : 0;
}
