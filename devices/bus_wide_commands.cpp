#include "devices/bus_wide_commands.h"

#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

using dali::code;
using dali::Op;

namespace {

constexpr uint8_t kAll = dali::kBroadcast;

constexpr StringId kYes = 239, kNo = 240, kContinue = 253, kResetQuestion = 401, kRemove = 411,
                   kRemoveGroupsQuestion = 412, kRemoveScenesQuestion = 413, kInformation = 418, kSucceeded = 419,
                   kFailed = 420, kWriting = 182, kWaitWriting = 206;

void reportOutcome(Prompts& prompts, bool succeeded) {
    prompts.ShowMessage(kInformation, succeeded ? kSucceeded : kFailed);
}

// Only with an interface: asks, then sends the repeated broadcast
// firstOpcode + n for n = 0..15 under the wait dialog and brings every
// present record in step. Success is silent; when a frame did not get through
// the records stay as they were (the gear may still hold what they held) and
// the user is told.
void removeFromAll(BusWideContext& c, StringId questionId, uint8_t firstOpcode, void (*clear)(DeviceRecord&)) {
    if (!c.link.handle || c.prompts.AskConfirmation(kRemove, questionId, kYes, kNo, 0) != kDialogOk)
        return;
    const QString& module = c.languageModulePath;
    c.waitDialog.Show({LoadText(kWriting, module), LoadText(kWaitWriting, module), 1, 0, {}, 16});
    LinkResult failures = 0;
    for (uint8_t n = 0; n < 16; ++n) {
        failures |= dalikit_SendTwice(c.link, kAll, uint8_t(firstOpcode + n));
        failures |= dalikit_WaitIdle(c.link);
        c.waitDialog.Step();
        c.processPendingEvents();
    }
    c.waitDialog.Hide();
    if (failures != 0) {
        reportOutcome(c.prompts, false);
        return;
    }
    for (DeviceRecord& record : c.store.workingTable)
        if (record.present == 1)
            clear(record);
}

}  // namespace

void ResetBus(BusWideContext& c) {
    if (c.prompts.AskConfirmation(kContinue, kResetQuestion, kYes, kNo, 0) != kDialogOk || !c.link.handle)
        return;
    const LinkResult r1 = dalikit_SendTwice(c.link, kAll, code(Op::Reset));
    const LinkResult r2 = dalikit_WaitIdle(c.link);
    const LinkResult r3 = dalikit_SendWithDTR(c.link, kAll, code(Op::StoreDtrAsShortAddress), dali::kMask);
    const LinkResult r4 = dalikit_WaitIdle(c.link);
    c.store.ClearWorkingTable();
    c.resetMatrix();
    reportOutcome(c.prompts, (r1 | r2 | r3 | r4) == 0);
}

void AllOff(BusWideContext& c) {
    if (!c.link.handle)
        return;
    const LinkResult r1 = dalikit_Send(c.link, kAll, code(Op::Off));
    const LinkResult r2 = dalikit_WaitIdle(c.link);
    reportOutcome(c.prompts, (r1 | r2) == 0);
}

void RemoveAllGroups(BusWideContext& c) {
    removeFromAll(c, kRemoveGroupsQuestion, code(Op::RemoveFromGroup), [](DeviceRecord& record) { record.SetGroupMask(0); });
}

void RemoveAllScenes(BusWideContext& c) {
    removeFromAll(c, kRemoveScenesQuestion, code(Op::RemoveFromScene),
                  [](DeviceRecord& record) { record.sceneLevel = kAllScenesMasked; });
}
