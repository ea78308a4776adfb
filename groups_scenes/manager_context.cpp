#include "groups_scenes/manager_context.h"

#include "devices/prompts.h"

bool ManagerMayClose(ManagerContext& c, int changeCount) {
    constexpr StringId kTitle = 253, kQuestion = 163, kOk = 179, kCancel = 181;
    return c.offlineMode == 1 || changeCount == 0 ||
           c.prompts.AskConfirmation(kTitle, kQuestion, kOk, kCancel, 0) == kDialogOk;
}
