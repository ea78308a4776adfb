// The main view's addressing: the assistant command and the drag of a gear's
// cell in the matrix (identification while dragging, the drop that moves the
// gear to another short address).

#include "addressing/address_move.h"
#include "addressing/addressing_assistant.h"
#include "addressing/search_steps.h"
#include "app/main_view.h"
#include "app/view_surface.h"
#include "dali/dali_commands.h"
#include "devices/prompts.h"

using dali::code;
using dali::SpecialOp;

void MainView::RunAddressingAssistant() {
    constexpr StringId kInformationTitle = 418, kFinishedText = 422;
    if (!busLink().handle)
        return;
    ViewSurface& surface = services_.surface;
    addressing::AddressingAssistant assistant(link_, store_, services_.prompts,
                                              services_.settings.languageModulePath);
    if (surface.RunAddressingDialog(assistant) != kDialogOk)
        return;
    services_.prompts.ShowMessage(kInformationTitle, kFinishedText);
    dalikit_Send(link_, code(SpecialOp::Terminate), 0x00);
    SetPresentFlagsFromTable();
    // The managers' toolbar buttons; their menu entries follow a scan or an offline project.
    if (store_.PresentCount() > 0)
        SetCommands({CommandId::GroupsTool, CommandId::ScenesTool}, true);
    surface.ProcessPendingEvents();
    surface.RepaintMatrix();
}

// The first move of a drag lights the dragged gear; later moves of the same
// drag send nothing.
void MainView::DragStarted(int pressedCell) {
    if (dragIdentifyDone_ == 1)
        return;
    if (services_.settings.identifyMode == 1) {
        SendFrameAndWait(dali::kBroadcastArc, kIdentifyBackgroundLevel);
        SendFrameAndWait(dali::arcAddress(pressedCell), kIdentifyLevel);
    }
    dragIdentifyDone_ = 1;
}

// The gear under the dragged mouse lights up, the one before it dims back,
// in identify mode or not.
void MainView::DragTracked(int cell) {
    if (!MatrixModel::IsCell(cell) || store_.workingTable[size_t(cell)].present != 1)
        return;
    if (lastTrackedAddress_ != -1)
        SendFrameAndWait(dali::arcAddress(lastTrackedAddress_), kIdentifyBackgroundLevel);
    SendFrameAndWait(dali::arcAddress(cell), kIdentifyLevel);
    lastTrackedAddress_ = cell;
}

void MainView::MoveDropped() {
    addressing::AddressMoveContext context{
        link_,
        store_,
        matrix_,
        services_.prompts,
        viewWaitDialog_,
        services_.settings.languageModulePath,
        [this] { services_.surface.RepaintMatrix(); },
        [this] { services_.surface.ProcessPendingEvents(); },
        [this](int address) {
            SetPane(kPaneSelection, QStringLiteral("Adr: %1").arg(address));
            ShowSelectedName();
            RefreshTabs(address);
        },
    };
    addressing::MoveAddress(context);
}
