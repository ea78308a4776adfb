// The main view's group and scene managers: opened only with present gear;
// after "Schließen" the tabs and the group highlight show what was applied.

#include "app/device_tabs.h"
#include "app/main_view.h"
#include "app/view_surface.h"
#include "devices/prompts.h"
#include "groups_scenes/manager_context.h"

namespace {

constexpr StringId kNoGearTitle = 198, kNoGearText = 197;

}  // namespace

ManagerContext MainView::Managers() {
    return {busLink(),
            store_,
            offlineMode_,
            services_.prompts,
            services_.settings.languageModulePath,
            [this] { services_.surface.ProcessPendingEvents(); },
            [this] { projectDirty = 1; }};
}

void MainView::OpenGroupManager() {
    if (store_.PresentCount() <= 0) {
        services_.prompts.ShowMessage(kNoGearTitle, kNoGearText);
        return;
    }
    if (services_.surface.RunGroupDialog(Managers()) != kManagerClosed)
        return;
    if (store_.selectedCount == 1) {
        const int address = store_.selectedAddresses[0];
        services_.tabs.ShowBasic(address, store_.workingTable[size_t(address)]);
    }
    if (groupEntry_ >= 1)
        GroupEntryChanged(groupEntry_);
}

void MainView::OpenSceneManager() {
    if (store_.PresentCount() <= 0) {
        services_.prompts.ShowMessage(kNoGearTitle, kNoGearText);
        return;
    }
    if (services_.surface.RunSceneDialog(Managers()) != kManagerClosed || store_.selectedCount != 1)
        return;
    const int address = store_.selectedAddresses[0];
    services_.tabs.ShowScenes(address, store_.workingTable[size_t(address)]);
}
