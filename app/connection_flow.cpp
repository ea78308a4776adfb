#include "app/connection_flow.h"

#include "app/device_tabs.h"
#include "app/interface_list.h"
#include "app/view_surface.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "devices/bus_scan.h"
#include "storage/load_text.h"

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned kReadTimeoutMs = 2000;
constexpr StringId kOk = 179, kCancel = 181, kOfflineTitle = 243, kOfflineCloseProject = 248, kNoMasterTitle = 191,
                   kNoMasterText = 192, kSearchTitle = 189, kSearchQuestion = 190, kOnline = 247, kOffline = 246, kWarning = 265,
                   kAddressSharedText = 443, kSilentNamedText = 714;

using C = CommandId;

// Every command Disconnect switches off: all with a flag but "Neues Projekt"
// (toolbar) and "Bus Test", which keep their state.
std::vector<CommandId> commandsOffAfterDisconnect() {
    std::vector<CommandId> ids;
    for (const CommandInfo& command : CommandTable())
        if (command.rule == EnableRule::Flag && command.id != C::NewProjectTool && command.id != C::BusTest &&
            command.id != C::OpenProjectTool && command.id != C::Connect)
            ids.push_back(command.id);
    return ids;
}

}  // namespace

void ConnectionFlow::Connect() {
    Prompts& prompts = core_.services.prompts;
    if (core_.offlineMode == 1 && core_.projectLoaded == 1 &&
        prompts.AskConfirmation(kOfflineTitle, kOfflineCloseProject, kOk, kCancel, 0) != kDialogOk)
        return;

    core_.link.handle = kit_open();
    if (!core_.link.handle) {
        prompts.ShowMessage(kNoMasterTitle, kNoMasterText);
        return;
    }
    core_.matrix.ResetFlags();
    core_.services.surface.RepaintMatrix();
    core_.store.Clear();
    if (core_.projectLoaded == 1) {
        core_.projectLoaded = 0;
        core_.projectDirty = 0;
        if (projectClosed)
            projectClosed();
        core_.services.surface.CommandsChanged();
    }

    const int count = kit_device_count();
    if (count < 1) {
        prompts.ShowMessage(kNoMasterTitle, kNoMasterText);
        core_.SetOfflineMode(1);
        return;
    }
    int quorrelCount = 0;
    KitHandle lastQuorrel = nullptr;
    for (int i = 1; i <= std::min(count, kKitMaxDevices); ++i) {
        const KitHandle handle = kit_device_at(i);
        if (kit_product_id(handle) == kQuorrelProductId) {
            ++quorrelCount;
            lastQuorrel = handle;
        }
    }

    if (quorrelCount == 1) {
        if (core_.interfaceConnected == 1)
            return;
        ConnectChosenInterface(lastQuorrel);
    } else if (quorrelCount == 0) {
        prompts.ShowMessage(kNoMasterTitle, kNoMasterText);
        core_.SetOfflineMode(1);
    } else {
        const Prompts::ChooserResult chosen =
            prompts.ChooseInterface(core_.link.handle, core_.services.settings.languageModulePath);
        // An OK on an empty list chooses nothing: that is a cancel.
        if (chosen.result == kDialogOk && chosen.handle)
            ConnectChosenInterface(chosen.handle);
    }
}

void ConnectionFlow::ConnectChosenInterface(KitHandle handle) {
    core_.link.handle = handle;
    if (!handle)
        return;
    kit_set_timeout(handle, kReadTimeoutMs);
    dalikit_EnableI2C(handle);

    core_.interfaceConnected = 1;
    core_.link.bridgeAddress = dalikit_ProbeBridgeAddress(handle);
    core_.SetOfflineMode(0);
    core_.tabs.SetLink(core_.link);

    serialText_ = InterfaceSerial(handle);
    core_.SetPane(kPaneState, LoadText(kOnline, core_.services.settings.languageModulePath), PaneStyle::Online);
    core_.SetPane(kPaneSerial, QStringLiteral("SN: ") + serialText_);
    core_.SetPane(kPaneRevision, QStringLiteral("Rev: ") + QString::fromStdString(dalikit_ReadRevision(core_.link)));

    core_.SetCommands({C::OpenProjectTool, C::OpenProjectMenu, C::SaveProjectMenu, C::Disconnect, C::SearchDevices,
                 C::AddressTool, C::AddressMenu, C::ResetBus, C::AllOff, C::RemoveAllGroups, C::RemoveAllScenes,
                 C::BusTest},
                true);
    core_.SetCommands({C::SaveProjectTool, C::Connect, C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice, C::ReadAll,
                 C::Send, C::GroupsTool, C::ScenesTool, C::GroupsMenu, C::ScenesMenu},
                false);
    core_.tabs.EnableSendButtons(false);
    OfferBusScan();
}

void ConnectionFlow::OfferBusScan() {
    DeviceTabs& tabs = core_.tabs;
    if (core_.services.prompts.AskConfirmation(kSearchTitle, kSearchQuestion, kOk, kCancel, 0) != kDialogOk) {
        tabs.EnableBasicControls(false);
        tabs.EnableSceneControls(false);
        return;
    }
    const int found = ScanBus();
    tabs.EnableBasicControls(true);
    tabs.EnableSceneControls(true);
    if (found >= 1)
        EnableScannedBus();
}

void ConnectionFlow::EnableScannedBus() {
    core_.SetCommands({C::SaveProjectTool, C::GroupsTool, C::ScenesTool, C::ReadAll, C::GroupsMenu, C::ScenesMenu}, true);
    core_.services.surface.EnableDevicePanel(true);
    core_.services.surface.RepaintMatrix();
    // Nothing is selected yet.
    core_.tabs.EnableBasicControls(false);
    core_.tabs.EnableSceneControls(false);
}

void ConnectionFlow::SearchDevices() {
    if (!core_.link.handle)
        return;
    core_.store.ClearWorkingTableKeepingNames();
    for (MatrixCell& cell : core_.matrix.cells)
        cell.present = 0;
    core_.services.surface.RepaintMatrix();
    core_.services.surface.ProcessPendingEvents();
    core_.services.surface.RepaintMatrix();
    if (ScanBus() >= 1) {
        core_.SetCommands({C::SaveProjectTool, C::GroupsTool, C::ScenesTool, C::ReadAll}, true);
        core_.services.surface.EnableDevicePanel(true);
        core_.tabs.EnableBasicControls(true);
        core_.tabs.EnableSceneControls(true);
    }
}

int ConnectionFlow::ScanBus() {
    if (!core_.link.handle)
        return core_.store.PresentCount();
    core_.SetCommands({C::Send, C::ReadDevice, C::ReadAll}, false);
    core_.tabs.EnableBasicControls(false);
    core_.tabs.EnableSceneControls(false);

    ViewSurface& surface = core_.services.surface;
    BusScanContext context{core_.link,
                           core_.store,
                           core_.matrix,
                           core_.waitDialog,
                           core_.services.prompts,
                           core_.services.settings.languageModulePath,
                           [&surface] { surface.RepaintMatrix(); },
                           [&surface] { surface.ProcessPendingEvents(); }};
    const BusScanResult result = RunBusScan(context);
    if (!result.ran)
        return result.presentCount;
    core_.PresentGearChanged();
    core_.SetOfflineMode(0);
    if (!result.sharedAddresses.empty())
        core_.services.prompts.ShowMessage(kWarning, kAddressSharedText);
    if (!result.silentNamedAddresses.empty()) {
        QStringList named;
        for (int a : result.silentNamedAddresses)
            named << QStringLiteral("%1 (%2)").arg(a).arg(core_.store.workingTable[size_t(a)].name);
        core_.services.prompts.ShowList(kSearchTitle, kSilentNamedText, named);
    }
    return result.presentCount;
}

void ConnectionFlow::Disconnect() {
    if (core_.link.handle) {
        if (core_.projectDirty == 1)
            core_.saveProject();
        core_.store.ClearWorkingTable();
        core_.matrix.ResetFlags();
        core_.services.surface.RepaintMatrix();
    }
    core_.projectLoaded = 0;
    core_.projectDirty = 0;
    core_.SetOfflineMode(1);
    core_.interfaceConnected = 0;

    core_.commands.Set({C::OpenProjectTool, C::Connect}, true);
    for (CommandId id : commandsOffAfterDisconnect())
        core_.commands.Set(id, false);
    core_.services.surface.CommandsChanged();

    ShowOffline();
    core_.SetPane(kPaneSelection, QStringLiteral("---"));
    core_.SetPane(kPaneSerial, QStringLiteral("---"));
    core_.tabs.EnableBasicControls(false);
    core_.tabs.EnableSceneControls(false);
    core_.tabs.ShowEmergencyPage(false, false);  // the unit is gone with the table
    core_.services.surface.EnableDevicePanel(false);
}

void ConnectionFlow::Close() {
    if (core_.projectDirty == 1)
        core_.saveProject();
    if (core_.link.handle)
        kit_close(core_.link.handle);
}

void ConnectionFlow::ShowOffline() {
    core_.SetPane(kPaneState, LoadText(kOffline, core_.languageModulePath()), PaneStyle::Offline);
}

void ConnectionFlow::resetSerial() {
    serialText_ = QStringLiteral("00000000");
    core_.SetPane(kPaneSerial, QStringLiteral("---"));
}
