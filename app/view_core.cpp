#include "app/view_core.h"

#include "app/view_surface.h"

void ViewCore::SetOfflineMode(uint8_t mode) {
    offlineMode = mode;
    store.link = busLink();
}

void ViewCore::SetPane(int pane, const QString& text, PaneStyle style) {
    status[size_t(pane)].text = text;
    status[size_t(pane)].style = style;
    services.surface.StatusChanged();
}

void ViewCore::SetCommands(std::initializer_list<CommandId> ids, bool on) {
    commands.Set(ids, on);
    services.surface.CommandsChanged();
}

void ViewCore::SendFrameAndWait(uint8_t first, uint8_t second) {
    const BusLink bus = busLink();
    if (!bus.handle)
        return;
    dalikit_Send(bus, first, second);
    dalikit_WaitIdle(bus);
}

void ViewCore::SetPresentFlagsFromTable() {
    for (int a = 0; a < kMatrixCellCount; ++a)
        matrix.cells[size_t(a)].present = store.workingTable[size_t(a)].present == 1 ? 1 : 0;
    services.surface.RepaintMatrix();
}

void ViewCore::PresentGearChanged() {
    ++presentGearChanges;
    SetPane(kPaneCount, QStringLiteral("%1/64").arg(store.PresentCount()));
    SetPresentFlagsFromTable();
}

void ViewCore::ProcessPendingEvents() { services.surface.ProcessPendingEvents(); }

void ViewCore::RepaintMatrix() { services.surface.RepaintMatrix(); }
