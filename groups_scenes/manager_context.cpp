#include "groups_scenes/manager_context.h"

#include "devices/device_store.h"
#include "devices/project_header.h"
#include "devices/prompts.h"

bool ManagerMayClose(ManagerContext& c, int changeCount) {
    constexpr StringId kTitle = 253, kQuestion = 163, kOk = 179, kCancel = 181;
    return c.offlineMode == 1 || changeCount == 0 ||
           c.prompts.AskConfirmation(kTitle, kQuestion, kOk, kCancel, 0) == kDialogOk;
}

void ManagerNameEdited(ManagerContext& c, int address, const QString& name) {
    if (address < 0 || address >= kDeviceCount)
        return;
    QString& stored = c.store.workingTable[size_t(address)].name;
    const QString kept = ProjectText(name);
    if (kept == stored)
        return;
    stored = kept;
    if (c.projectEdited)
        c.projectEdited();
}
