#include "devices/gear_commands.h"

#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/gear_transactions.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <functional>

using dali::code;
using dali::Op;

namespace {

constexpr int kIdentifyCycles = 5;
constexpr unsigned kIdentifyPauseMs = 250;
// Gear may ignore commands for up to 300 ms after RESET (IEC 62386-102).
constexpr unsigned kResetSettleMs = 300;
constexpr StringId kOk = 179, kCancel = 181, kRemoveTitle = 414, kRemoveQuestion = 415, kResetTitle = 416,
                   kResetQuestion = 417, kWaitTitle = 423, kWaitText = 424, kIdentifyTitle = 425, kIdentifyText = 426;

void forEachSelected(const DeviceStore& store, const std::function<void(int)>& action) {
    for (int i = 0; i < store.selectedCount; ++i)
        action(store.selectedAddresses[size_t(i)] & 0x3F);
}

void showWait(GearCommandContext& c, StringId title, StringId text) {
    c.waitDialog.Show({LoadText(title, c.languageModulePath), LoadText(text, c.languageModulePath), 0, 0, {}, 0});
}

}  // namespace

void SendToSelected(GearCommandContext& c, uint8_t opcode) {
    if (!c.link.handle)
        return;
    LinkResult ignored = 0;
    forEachSelected(c.store, [&](int a) { SendToGear(c.link, dali::commandAddress(a), opcode, ignored); });
}

std::optional<uint8_t> ReadActualLevel(GearCommandContext& c) {
    if (!c.link.handle || c.store.selectedCount != 1)
        return std::nullopt;
    LinkResult ignored = 0;
    return QueryGear(c.link, dali::commandAddress(c.store.selectedAddresses[0]), code(Op::QueryActualLevel), ignored);
}

void IdentifySelected(GearCommandContext& c) {
    if (!c.link.handle || c.store.selectedCount < 1)
        return;
    showWait(c, kIdentifyTitle, kIdentifyText);
    for (int cycle = 0; cycle < kIdentifyCycles; ++cycle) {
        for (uint8_t opcode : {code(Op::RecallMaxLevel), code(Op::RecallMinLevel)}) {
            SendToSelected(c, opcode);
            kit_sleep(c.link.handle, kIdentifyPauseMs);
        }
    }
    c.waitDialog.Hide();
}

bool RemoveSelectedAddresses(GearCommandContext& c) {
    if (!c.link.handle || c.prompts.AskConfirmation(kRemoveTitle, kRemoveQuestion, kOk, kCancel, 0) != kDialogOk)
        return false;
    showWait(c, kWaitTitle, kWaitText);
    forEachSelected(c.store, [&](int a) {
        dalikit_SendWithDTR(c.link, dali::commandAddress(a), code(Op::StoreDtrAsShortAddress), dali::kMask);
        dalikit_WaitIdle(c.link);
        c.store.workingTable[size_t(a)].Reset();
    });
    c.waitDialog.Hide();
    return true;
}

bool FactoryResetSelected(GearCommandContext& c) {
    if (!c.link.handle || c.prompts.AskConfirmation(kResetTitle, kResetQuestion, kOk, kCancel, 0) != kDialogOk)
        return false;
    forEachSelected(c.store, [&](int a) {
        dalikit_SendTwice(c.link, dali::commandAddress(a), code(Op::Reset));
        dalikit_WaitIdle(c.link);
        // The record no longer holds the gear's settings, scenes included.
        c.store.workingTable[size_t(a)].readState &= ~(kReadStateParameters | kReadStateScenes);
    });
    if (c.store.selectedCount == 1) {
        kit_sleep(c.link.handle, kResetSettleMs);
        c.store.ReadParameters(c.store.selectedAddresses[0] & 0x3F);
    }
    return true;
}

void DirectArcPowerToFirst(GearCommandContext& c, uint8_t level) {
    if (!c.link.handle || c.store.selectedCount < 1)
        return;
    dalikit_Send(c.link, dali::arcAddress(c.store.selectedAddresses[0]), level);
}

void DirectArcPowerToSelected(GearCommandContext& c, uint8_t level) {
    if (!c.link.handle)
        return;
    LinkResult ignored = 0;
    forEachSelected(c.store, [&](int a) {
        SendToGear(c.link, dali::arcAddress(a), level, ignored);
        c.store.workingTable[size_t(a)].actualLevel = level;
    });
}
