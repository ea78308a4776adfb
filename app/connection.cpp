// Connecting to an interface, the device search, disconnecting and the close
// notification.

#include "addressing/trace.h"
#include "app/device_tabs.h"
#include "app/interface_list.h"
#include "app/main_view.h"
#include "app/view_surface.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "link/bus_scan.h"
#include "storage/load_text.h"

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned kReadTimeoutMs = 2000;
constexpr StringId kOk = 179, kCancel = 181, kOfflineTitle = 243, kOfflineCloseProject = 248, kNoMasterTitle = 191,
                   kNoMasterText = 192, kSearchTitle = 189, kSearchQuestion = 190, kOnline = 247, kWarning = 265,
                   kAddressSharedText = 443;

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

void MainView::Connect() {
    Prompts& prompts = services_.prompts;
    if (offlineMode_ == 1 && projectLoaded == 1 &&
        prompts.AskConfirmation(kOfflineTitle, kOfflineCloseProject, kOk, kCancel, 0) != kDialogOk)
        return;

    link_.handle = kit_open();
    if (!link_.handle) {
        prompts.ShowMessage(kNoMasterTitle, kNoMasterText);
        return;
    }
    matrix_.ResetFlags();
    services_.surface.RepaintMatrix();
    store_.Clear();

    const int count = kit_device_count();
    if (count < 1) {
        prompts.ShowMessage(kNoMasterTitle, kNoMasterText);
        SetOfflineMode(1);
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
        if (interfaceConnected_ == 1)
            return;
        ConnectChosenInterface(lastQuorrel);
    } else if (quorrelCount == 0) {
        prompts.ShowMessage(kNoMasterTitle, kNoMasterText);
        SetOfflineMode(1);
    } else {
        const Prompts::ChooserResult chosen =
            prompts.ChooseInterface(link_.handle, services_.settings.languageModulePath);
        // An OK on an empty list chooses nothing: that is a cancel.
        if (chosen.result == kDialogOk && chosen.handle)
            ConnectChosenInterface(chosen.handle);
    }
}

void MainView::ConnectChosenInterface(KitHandle handle) {
    link_.handle = handle;
    if (!handle)
        return;
    kit_set_timeout(handle, kReadTimeoutMs);
    dalikit_EnableI2C(handle);

    interfaceConnected_ = 1;
    link_.bridgeAddress = dalikit_ProbeBridgeAddress(handle);
    SetOfflineMode(0);
    services_.tabs.SetLink(link_);

    serialText_ = InterfaceSerial(handle);
    SetPane(kPaneState, LoadText(kOnline, services_.settings.languageModulePath), PaneStyle::Online);
    SetPane(kPaneSerial, QStringLiteral("SN: ") + serialText_);
    SetPane(kPaneRevision, QStringLiteral("Rev: ") + QString::fromStdString(dalikit_ReadRevision(link_)));

    SetCommands({C::OpenProjectTool, C::OpenProjectMenu, C::SaveProjectMenu, C::Disconnect, C::SearchDevices,
                 C::AddressTool, C::AddressMenu, C::ResetBus, C::AllOff, C::RemoveAllGroups, C::RemoveAllScenes,
                 C::BusTest},
                true);
    SetCommands({C::SaveProjectTool, C::Connect, C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice, C::ReadAll,
                 C::Send, C::GroupsTool, C::ScenesTool, C::GroupsMenu, C::ScenesMenu},
                false);
    services_.tabs.EnableSendButtons(false);
    OfferBusScan();
}

void MainView::OfferBusScan() {
    DeviceTabs& tabs = services_.tabs;
    if (services_.prompts.AskConfirmation(kSearchTitle, kSearchQuestion, kOk, kCancel, 0) != kDialogOk) {
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

void MainView::EnableScannedBus() {
    SetCommands({C::SaveProjectTool, C::GroupsTool, C::ScenesTool, C::ReadAll, C::GroupsMenu, C::ScenesMenu}, true);
    services_.surface.EnableDevicePanel(true);
    services_.surface.RepaintMatrix();
    // Nothing is selected yet.
    services_.tabs.EnableBasicControls(false);
    services_.tabs.EnableSceneControls(false);
}

void MainView::SetOfflineMode(uint8_t mode) {
    offlineMode_ = mode;
    store_.link = busLink();
}

void MainView::SearchDevices() {
    if (!link_.handle)
        return;
    store_.ClearWorkingTable();
    for (MatrixCell& cell : matrix_.cells)
        cell.present = 0;
    services_.surface.RepaintMatrix();
    services_.surface.ProcessPendingEvents();
    services_.surface.RepaintMatrix();
    if (ScanBus() >= 1) {
        SetCommands({C::SaveProjectTool, C::GroupsTool, C::ScenesTool, C::ReadAll}, true);
        services_.surface.EnableDevicePanel(true);
        services_.tabs.EnableBasicControls(true);
        services_.tabs.EnableSceneControls(true);
    }
}

int MainView::ScanBus() {
    if (!link_.handle)
        return store_.PresentCount();
    SetCommands({C::Send, C::ReadDevice, C::ReadAll}, false);
    services_.tabs.EnableBasicControls(false);
    services_.tabs.EnableSceneControls(false);

    ViewSurface& surface = services_.surface;
    BusScanContext context{link_,
                           store_,
                           matrix_,
                           viewWaitDialog_,
                           services_.prompts,
                           services_.settings.languageModulePath,
                           [&surface] { surface.RepaintMatrix(); },
                           [&surface] { surface.ProcessPendingEvents(); }};
    const BusScanResult result = RunBusScan(context);
    if (!result.ran)
        return result.presentCount;
    SetPane(kPaneCount, QStringLiteral("%1/64").arg(result.presentCount));
    SetOfflineMode(0);
    if (!result.sharedAddresses.empty())
        services_.prompts.ShowMessage(kWarning, kAddressSharedText);
    return result.presentCount;
}

void MainView::Disconnect() {
    if (link_.handle) {
        if (projectDirty == 1)
            saveProject();
        store_.ClearWorkingTable();
        matrix_.ResetFlags();
        services_.surface.RepaintMatrix();
    }
    projectLoaded = 0;
    projectDirty = 0;
    SetOfflineMode(1);
    interfaceConnected_ = 0;

    commands_.Set({C::OpenProjectTool, C::Connect}, true);
    for (CommandId id : commandsOffAfterDisconnect())
        commands_.Set(id, false);
    services_.surface.CommandsChanged();

    ShowOffline();
    SetPane(kPaneSelection, QStringLiteral("---"));
    SetPane(kPaneSerial, QStringLiteral("---"));
    services_.tabs.EnableBasicControls(false);
    services_.tabs.EnableSceneControls(false);
    services_.surface.EnableDevicePanel(false);
}

void MainView::Close() {
    if (projectDirty == 1)
        saveProject();
    if (link_.handle)
        kit_close(link_.handle);
}
