#include "app/addressing_flow.h"

#include "addressing/address_move.h"
#include "addressing/addressing_assistant.h"
#include "addressing/gear_replacement.h"
#include "app/tab_flow.h"
#include "app/view_surface.h"
#include "dali/dali_commands.h"
#include "devices/prompts.h"

using dali::code;
using dali::SpecialOp;

void AddressingFlow::RunAddressingAssistant() {
    constexpr StringId kInformationTitle = 418, kFinishedText = 422;
    if (!core_.busLink().handle)
        return;
    ViewServices& services = core_.services;
    addressing::AddressingAssistant assistant(core_.link, core_.store, services.prompts, core_.languageModulePath());
    if (services.surface.RunAddressingDialog(assistant) != kDialogOk)
        return;
    services.prompts.ShowMessage(kInformationTitle, kFinishedText);
    dalikit_Send(core_.link, code(SpecialOp::Terminate), 0x00);
    showChangedAddresses();
}

void AddressingFlow::ReplaceGear(int preferredAddress) {
    if (!core_.busLink().handle)
        return;
    addressing::ReplacementContext context{core_.link, core_.store, core_.services.prompts, core_.waitDialog,
                                           core_.languageModulePath()};
    if (addressing::RunGearReplacement(context, preferredAddress).empty())
        return;
    showChangedAddresses();
    core_.services.surface.CommandsChanged();
}

void AddressingFlow::showChangedAddresses() {
    core_.PresentGearChanged();
    // The managers' toolbar buttons; their menu entries follow a scan or an offline project.
    if (core_.store.PresentCount() > 0)
        core_.SetCommands({CommandId::GroupsTool, CommandId::ScenesTool}, true);
    core_.ProcessPendingEvents();
    core_.RepaintMatrix();
}

// The first move of a drag lights the dragged gear; later moves of the same
// drag send nothing.
void AddressingFlow::DragStarted(int pressedCell) {
    if (dragIdentifyDone_ == 1)
        return;
    if (core_.services.settings.identifyMode == 1) {
        core_.SendFrameAndWait(dali::kBroadcastArc, kIdentifyBackgroundLevel);
        core_.SendFrameAndWait(dali::arcAddress(pressedCell), kIdentifyLevel);
    }
    dragIdentifyDone_ = 1;
}

// The gear under the dragged mouse lights up, the one before it dims back,
// in identify mode or not.
void AddressingFlow::DragTracked(int cell) {
    if (!MatrixModel::IsCell(cell) || core_.store.workingTable[size_t(cell)].present != 1)
        return;
    if (lastTrackedAddress_ != -1)
        core_.SendFrameAndWait(dali::arcAddress(lastTrackedAddress_), kIdentifyBackgroundLevel);
    core_.SendFrameAndWait(dali::arcAddress(cell), kIdentifyLevel);
    lastTrackedAddress_ = cell;
}

void AddressingFlow::MoveDropped() {
    addressing::AddressMoveContext context{
        core_.link,
        core_.store,
        core_.matrix,
        core_.services.prompts,
        core_.waitDialog,
        core_.languageModulePath(),
        [this] { core_.RepaintMatrix(); },
        [this] { core_.ProcessPendingEvents(); },
        [this](int address) {
            core_.SetPane(kPaneSelection, QStringLiteral("Adr: %1").arg(address));
            tabs_.ShowSelectedName();
            tabs_.RefreshTabs(address);
        },
    };
    addressing::MoveAddress(context);
    core_.PresentGearChanged();
}
