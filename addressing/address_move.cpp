#include "addressing/address_move.h"

#include "addressing/matrix_model.h"
#include "addressing/random_search.h"
#include "addressing/search_steps.h"
#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <utility>

namespace addressing {
namespace {

constexpr StringId kTitle = 404, kQuestion = 405, kDontAsk = 406, kNoFreeAddressQuestion = 407, kOk = 179,
                   kCancel = 181, kWaitTitle = 423, kWaitText = 424, kGearLostText = 445;

void showWaitDialog(AddressMoveContext& c) {
    WaitDialogRequest request;
    request.title = LoadText(kWaitTitle, c.languageModulePath);
    request.text = LoadText(kWaitText, c.languageModulePath);
    c.waitDialog.Show(request);
}

void endDrag(MatrixModel& matrix) {
    matrix.dragging = 0;
    matrix.targetCell = -1;
    matrix.pressedCell = -1;
}

int highestFreeAddress(const DeviceTable& table) {
    for (int a = kDeviceCount - 1; a >= 0; --a)
        if (table[size_t(a)].present != 1)
            return a;
    return -1;
}

void moveToFreeAddress(AddressMoveContext& c, int s, int d) {
    DeviceTable& table = c.store.workingTable;
    ChangeShortAddress(c.link, s, d);
    table[size_t(d)] = table[size_t(s)];
    table[size_t(s)].Reset();
    c.matrix.cells[size_t(s)].present = 0;
    c.matrix.cells[size_t(d)].present = 1;
    c.repaintMatrix();
}

void exchangeThroughFreeAddress(AddressMoveContext& c, int s, int d, int f) {
    DeviceTable& table = c.store.workingTable;
    ChangeShortAddress(c.link, d, f);
    table[size_t(f)] = table[size_t(d)];
    ChangeShortAddress(c.link, s, d);
    table[size_t(d)] = table[size_t(s)];
    ChangeShortAddress(c.link, f, s);
    table[size_t(s)] = table[size_t(f)];
    table[size_t(f)].Reset();
}

// Every address is in use: the target gear loses its address, the dragged
// gear takes it, and the search gives the source address to the gear that
// has none. Returns false when the search never found that gear.
bool exchangeBySearch(AddressMoveContext& c, int s, int d) {
    DeviceTable& table = c.store.workingTable;
    dalikit_SendWithDTR(c.link, dali::commandAddress(d), kStoreDtrAsShortAddress, 0xFF);
    dalikit_WaitIdle(c.link);
    ChangeShortAddress(c.link, s, d);
    if (AddressOneUnaddressed(c.link, s)) {
        std::swap(table[size_t(s)], table[size_t(d)]);
        return true;
    }
    // The former target gear stays without an address: nothing answers at s.
    table[size_t(d)] = table[size_t(s)];
    table[size_t(s)].Reset();
    c.matrix.cells[size_t(s)].present = 0;
    return false;
}

void abandonMove(AddressMoveContext& c) {
    endDrag(c.matrix);
    c.processPendingEvents();
    c.repaintMatrix();
}

// After the bus work: the selection follows the dragged gear.
void finishMove(AddressMoveContext& c, int s, int d) {
    endDrag(c.matrix);
    if (c.store.selectedCount > 0) {
        c.matrix.cells[size_t(s)].selected = 0;
        c.matrix.cells[size_t(d)].selected = 1;
        c.repaintMatrix();
        c.showSelectedAddress(d);
    }
    c.processPendingEvents();
    c.repaintMatrix();
}

}  // namespace

void ChangeShortAddress(const BusLink& link, int from, int to) {
    dalikit_SendWithDTR(link, dali::commandAddress(from), kStoreDtrAsShortAddress, dali::commandAddress(to));
    dalikit_WaitIdle(link);
}

void MoveAddress(AddressMoveContext& c) {
    const int s = c.matrix.pressedCell, d = c.matrix.targetCell;
    if (c.prompts.AskConfirmation(kTitle, kQuestion, kOk, kCancel, kDontAsk) != kDialogOk) {
        abandonMove(c);
        return;
    }
    if (s == d || !MatrixModel::IsCell(s) || !MatrixModel::IsCell(d))
        return;

    bool gearLost = false;
    if (c.store.workingTable[size_t(d)].present != 1) {
        showWaitDialog(c);
        moveToFreeAddress(c, s, d);
    } else if (c.store.PresentCount() < kDeviceCount) {
        showWaitDialog(c);
        exchangeThroughFreeAddress(c, s, d, highestFreeAddress(c.store.workingTable));
    } else {
        // Refused: every gear keeps its address, so the selection stays too.
        if (c.prompts.AskConfirmation(kTitle, kNoFreeAddressQuestion, kOk, kCancel, 0) != kDialogOk) {
            abandonMove(c);
            return;
        }
        showWaitDialog(c);
        gearLost = !exchangeBySearch(c, s, d);
    }
    c.store.selectedAddresses[0] = d;
    c.waitDialog.Hide();
    if (gearLost)
        c.prompts.ShowMessage(kTitle, kGearLostText);
    finishMove(c, s, d);
}

}  // namespace addressing
