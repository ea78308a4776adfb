#include "app/manager_flow.h"

#include "app/device_tabs.h"
#include "app/selection_flow.h"
#include "app/view_surface.h"
#include "devices/prompts.h"
#include "groups_scenes/manager_context.h"

ManagerContext ManagerFlow::Managers() {
    return {core_.busLink(),
            core_.store,
            core_.offlineMode,
            core_.services.prompts,
            core_.languageModulePath(),
            [this] { core_.ProcessPendingEvents(); },
            [this] { core_.projectDirty = 1; }};
}

bool ManagerFlow::gearPresent() {
    constexpr StringId kNoGearTitle = 198, kNoGearText = 197;
    if (core_.store.PresentCount() > 0)
        return true;
    core_.services.prompts.ShowMessage(kNoGearTitle, kNoGearText);
    return false;
}

void ManagerFlow::OpenGroupManager() {
    if (!gearPresent() || core_.services.surface.RunGroupDialog(Managers()) != kManagerClosed)
        return;
    const DeviceStore& store = core_.store;
    if (store.selectedCount == 1) {
        const int address = store.selectedAddresses[0];
        core_.tabs.ShowBasic(address, store.workingTable[size_t(address)]);
    }
    selection_.refreshGroupHighlight();
}

void ManagerFlow::OpenSceneManager() {
    if (!gearPresent() || core_.services.surface.RunSceneDialog(Managers()) != kManagerClosed ||
        core_.store.selectedCount != 1)
        return;
    const int address = core_.store.selectedAddresses[0];
    core_.tabs.ShowScenes(address, core_.store.workingTable[size_t(address)]);
}
