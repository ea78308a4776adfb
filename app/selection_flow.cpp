#include "app/selection_flow.h"

#include "app/device_tabs.h"
#include "app/tab_flow.h"
#include "app/view_surface.h"
#include "dali/dali_commands.h"
#include "devices/prompts.h"

void SelectionFlow::enableTabControls(bool enabled) {
    core_.tabs.EnableBasicControls(enabled);
    core_.tabs.EnableSceneControls(enabled);
}

// Entries past the count keep what they held: switching identify mode off
// marks the address selected last even after "Deselect ALL".
void SelectionFlow::RebuildSelection() {
    DeviceStore& store = core_.store;
    int count = 0;
    for (int i = 0; i < kMatrixCellCount; ++i)
        if (core_.matrix.cells[size_t(i)].selected == 1)
            store.selectedAddresses[size_t(count++)] = i;
    store.selectedCount = count;
    tabs_.SelectionChanged();
}

void SelectionFlow::clicked() {
    if (core_.offlineMode == 1)
        ClickOffline();
    else
        ClickOnline();
}

void SelectionFlow::ClickOffline() {
    DeviceStore& store = core_.store;
    core_.matrix.ctrlMultiSelect = 0;
    enableTabControls(true);
    core_.tabs.DisableBusButtons();
    store.selectedAddresses.fill(-1);
    RebuildSelection();
    if (store.selectedCount > 0)
        tabs_.RefreshTabs(store.selectedAddresses[0]);
}

// Unsent edits are lost by a new selection: the user may keep the old one.
void SelectionFlow::ClickOnline() {
    constexpr StringId kUnsentTitle = 402, kUnsentText = 403, kOk = 179, kCancel = 181;
    const DeviceStore& store = core_.store;
    if ((core_.basicChanged == 1 || core_.scenesChanged == 1 || core_.tabs.colourEdited()) &&
        core_.services.prompts.AskConfirmation(kUnsentTitle, kUnsentText, kOk, kCancel, 0) != kDialogOk) {
        for (MatrixCell& cell : core_.matrix.cells)
            cell.selected = 0;
        for (int i = 0; i < store.selectedCount; ++i)
            if (MatrixModel::IsCell(store.selectedAddresses[size_t(i)]))
                core_.matrix.cells[size_t(store.selectedAddresses[size_t(i)])].selected = 1;
        core_.RepaintMatrix();
        return;
    }
    SelectionChanged();
    core_.basicChanged = 0;
    core_.scenesChanged = 0;
}

void SelectionFlow::selectOnly(int address) {
    for (MatrixCell& cell : core_.matrix.cells)
        cell.selected = 0;
    core_.matrix.cells[size_t(address)].selected = 1;
    core_.RepaintMatrix();
    ClickOnline();
}

void SelectionFlow::SelectionChanged() {
    using C = CommandId;
    DeviceStore& store = core_.store;
    store.selectedAddresses.fill(-1);
    RebuildSelection();
    core_.matrix.ctrlMultiSelect = 1;
    if (core_.services.settings.identifyMode == 1) {
        core_.SendFrameAndWait(dali::kBroadcastArc, kIdentifyBackgroundLevel);
        for (int i = 0; i < store.selectedCount; ++i)
            core_.SendFrameAndWait(dali::arcAddress(store.selectedAddresses[size_t(i)]), kIdentifyLevel);
    }
    core_.SetCommands({C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice, C::Send}, false);
    enableTabControls(true);
    if (store.selectedCount == 1) {
        const int address = store.selectedAddresses[0];
        core_.SetCommands({C::SaveDeviceFile}, true);
        core_.SetPane(kPaneSelection, QStringLiteral("Adr: %1").arg(address));
        if (core_.offlineMode != 1) {
            core_.SetCommands({C::LoadDeviceFile, C::ReadDevice, C::Send}, true);
            core_.tabs.EnableSendButtons(true);
            tabs_.RefreshTabs(address);
        }
    } else {
        core_.SetPane(kPaneSelection, QStringLiteral("List"));
    }
}

void SelectionFlow::SelectAll() {
    using C = CommandId;
    for (int i = 0; i < kMatrixCellCount; ++i)
        if (core_.store.workingTable[size_t(i)].present == 1)
            core_.matrix.cells[size_t(i)].selected = 1;
    RebuildSelection();
    core_.SetPane(kPaneSelection, QStringLiteral("List"));
    enableTabControls(true);
    core_.SetCommands({C::Send}, true);
    core_.SetCommands({C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice}, false);
    core_.RepaintMatrix();
}

void SelectionFlow::DeselectAll() {
    using C = CommandId;
    MatrixModel& matrix = core_.matrix;
    for (int i = 0; i < kMatrixCellCount; ++i)
        if (core_.store.workingTable[size_t(i)].present == 1)
            matrix.cells[size_t(i)].selected = 0;
    matrix.lastClickedCell = -1;
    matrix.pressedCell = -1;
    matrix.targetCell = -1;
    matrix.selectedCount = 0;
    matrix.dragging = 0;
    RebuildSelection();
    core_.SetPane(kPaneSelection, QStringLiteral("NONE"));
    enableTabControls(false);
    core_.SetCommands({C::Send, C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice}, false);
    core_.RepaintMatrix();
}

void SelectionFlow::resetGroupEntry() {
    groupEntry_ = 0;
    core_.services.surface.SelectGroupEntry(0);
}

void SelectionFlow::GroupEntryChanged(int entry) {
    groupEntry_ = entry;
    for (int i = 0; i < kMatrixCellCount; ++i) {
        const DeviceRecord& record = core_.store.workingTable[size_t(i)];
        core_.matrix.cells[size_t(i)].groupHighlight =
            entry >= 1 && record.present == 1 && (record.groupMask >> (entry - 1)) & 1 ? 1 : 0;
    }
    core_.RepaintMatrix();
}

void SelectionFlow::refreshGroupHighlight(bool letEventsRunFirst) {
    if (groupEntry_ < 1)
        return;
    if (letEventsRunFirst)
        core_.ProcessPendingEvents();
    GroupEntryChanged(groupEntry_);
}

void SelectionFlow::SelectGroup() {
    DeviceStore& store = core_.store;
    store.selectedCount = 0;
    store.selectedAddresses.fill(-1);
    if (groupEntry_ == 0) {
        for (MatrixCell& cell : core_.matrix.cells)
            cell.selected = 0;
        enableTabControls(false);
    } else {
        for (int i = 0; i < kMatrixCellCount; ++i) {
            const DeviceRecord& record = store.workingTable[size_t(i)];
            core_.matrix.cells[size_t(i)].selected =
                record.present == 1 && (record.groupMask >> (groupEntry_ - 1)) & 1;
        }
        RebuildSelection();
        enableTabControls(true);
    }
    core_.RepaintMatrix();
}

void SelectionFlow::IdentifyClicked() {
    Settings& settings = core_.services.settings;
    if (settings.identifyMode == 0) {
        settings.identifyMode = 1;
        return;
    }
    const DeviceStore& store = core_.store;
    if (store.selectedCount == 0) {
        // Refreshing the tabs would do nothing with no gear selected.
        const int first = store.selectedAddresses[0];
        // Only a real address is marked; -1 means nothing was selected before.
        if (MatrixModel::IsCell(first)) {
            core_.matrix.cells[size_t(first)].selected = 1;
            core_.RepaintMatrix();
        }
    }
    settings.identifyMode = 0;
}
