#include "addressing/address_move.h"

#include "addressing/matrix_model.h"
#include "addressing/random_search.h"
#include "addressing/search_steps.h"
#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <optional>
#include <utility>

using dali::code;
using dali::Op;

namespace addressing {
namespace {

constexpr StringId kTitle = 404, kQuestion = 405, kDontAsk = 406, kNoFreeAddressQuestion = 407, kOk = 179,
                   kCancel = 181, kWaitTitle = 423, kWaitText = 424, kSharedAddressText = 443, kGearLostText = 445,
                   kMoveFailedText = 452;

enum class MoveOutcome { Done, Failed, GearLost };

// A gear that missed its move (switched off, or deaf to one copy of the
// command) answers nowhere new, and the next step of an exchange must not
// count on it: a question that never got through counts as silence here.
bool answersAt(const BusLink& link, int address) { return AnswersAt(link, address).value_or(false); }

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

// An address no gear answers on; -1 when there is none.
int highestFreeAddress(const DeviceStore& store) {
    for (int a = kDeviceCount - 1; a >= 0; --a)
        if (store.workingTable[size_t(a)].present != 1 && !store.unclearAddresses.test(size_t(a)))
            return a;
    return -1;
}

// The bus work of one drop. Each step that the link carried moves the gear's
// record and cell with it, and the selected gear's address with the gear.
class Move {
public:
    explicit Move(AddressMoveContext& c)
        : c_(c), selected_(c.store.selectedCount > 0 ? c.store.selectedAddresses[0] : -1) {}

    // The gear at `from` to the free address `to`.
    bool step(int from, int to) {
        if (!ChangeShortAddress(c_.link, from, to))
            return false;
        arrive(to, std::exchange(table()[size_t(from)], DeviceRecord{}));
        c_.store.floorPlans.Follow(from, to);
        c_.matrix.cells[size_t(from)].present = 0;
        follow(from, to);
        return true;
    }

    // Every address is in use: the target gear loses its address, the dragged
    // gear takes it, and the search gives the source address to the gear that
    // has none. Should the dragged gear not move, the target gear is searched
    // back onto its own address.
    MoveOutcome exchangeBySearch(int s, int d) {
        const LinkResult removed =
            dalikit_ConfigureWithDTR(c_.link, dali::commandAddress(d), code(Op::StoreDtrAsShortAddress), kNoShortAddress);
        const LinkResult waited = dalikit_WaitIdle(c_.link);
        if (removed != link_result::kOk || waited != link_result::kOk)
            return MoveOutcome::Failed;
        const DeviceRecord unaddressed = std::exchange(table()[size_t(d)], DeviceRecord{});
        const std::optional<PlanPlace> unaddressedPlace = c_.store.floorPlans.Take(d);
        c_.matrix.cells[size_t(d)].present = 0;
        follow(d, kUnaddressed);
        const bool moved = step(s, d);
        const int home = moved ? s : d;
        if (!AddressOneUnaddressed(c_.link, home))
            return MoveOutcome::GearLost;
        arrive(home, unaddressed);
        c_.store.floorPlans.places[size_t(home)] = unaddressedPlace;
        follow(kUnaddressed, home);
        return moved ? MoveOutcome::Done : MoveOutcome::Failed;
    }

    int selected() const { return selected_; }

private:
    static constexpr int kUnaddressed = -2;

    DeviceTable& table() { return c_.store.workingTable; }
    void arrive(int address, const DeviceRecord& record) {
        table()[size_t(address)] = record;
        c_.store.MarkPlaced(address);
        c_.matrix.cells[size_t(address)].present = 1;
    }
    void follow(int from, int to) {
        if (selected_ == from)
            selected_ = to;
    }

    AddressMoveContext& c_;
    int selected_;  // the selected gear's address, kUnaddressed while it has none
};

void abandonMove(AddressMoveContext& c) {
    endDrag(c.matrix);
    c.processPendingEvents();
    c.repaintMatrix();
}

// After the bus work: the selection goes where the selected gear went (it
// stays put when another gear was dragged past it).
void finishMove(AddressMoveContext& c, int selectedBefore, int selectedNow) {
    endDrag(c.matrix);
    if (c.store.selectedCount > 0 && selectedNow != selectedBefore) {
        c.matrix.cells[size_t(selectedBefore)].selected = 0;
        if (MatrixModel::IsCell(selectedNow)) {
            c.matrix.cells[size_t(selectedNow)].selected = 1;
            c.store.selectedAddresses[0] = selectedNow;
            c.showSelectedGear(selectedNow);
        } else {
            c.store.selectedAddresses[0] = -1;
            c.store.selectedCount = 0;
        }
        c.repaintMatrix();
    }
    c.processPendingEvents();
    c.repaintMatrix();
}

}  // namespace

std::optional<bool> AnswersAt(const BusLink& link, int address) {
    for (int attempt = 0; attempt < kProgramAttempts; ++attempt) {
        uint8_t answer = 0, status = 0;
        const LinkResult asked =
            dalikit_Query(link, dali::commandAddress(address), dali::code(dali::Op::QueryStatus), answer, status);
        dalikit_WaitIdle(link);
        if (asked == link_result::kOk)
            return status != 0;
    }
    return std::nullopt;
}

bool ChangeShortAddress(const BusLink& link, int from, int to) {
    const LinkResult sent =
        dalikit_ConfigureWithDTR(link, dali::commandAddress(from), code(Op::StoreDtrAsShortAddress), dali::commandAddress(to));
    const LinkResult waited = dalikit_WaitIdle(link);
    return sent == link_result::kOk && waited == link_result::kOk && answersAt(link, to);
}

void MoveAddress(AddressMoveContext& c) {
    const int s = c.matrix.pressedCell, d = c.matrix.targetCell;
    // Several gear already answer there: one more would only join them.
    if (MatrixModel::IsCell(d) && c.store.unclearAddresses.test(size_t(d))) {
        c.prompts.ShowMessage(kTitle, kSharedAddressText);
        abandonMove(c);
        return;
    }
    if (c.prompts.AskConfirmation(kTitle, kQuestion, kOk, kCancel, kDontAsk) != kDialogOk) {
        abandonMove(c);
        return;
    }
    if (s == d || !MatrixModel::IsCell(s) || !MatrixModel::IsCell(d))
        return;

    Move move(c);
    const int selectedBefore = move.selected();
    const int free = highestFreeAddress(c.store);
    MoveOutcome outcome = MoveOutcome::Done;
    if (c.store.workingTable[size_t(d)].present != 1) {
        showWaitDialog(c);
        outcome = move.step(s, d) ? MoveOutcome::Done : MoveOutcome::Failed;
    } else if (free >= 0) {
        showWaitDialog(c);
        outcome = move.step(d, free) && move.step(s, d) && move.step(free, s) ? MoveOutcome::Done
                                                                                 : MoveOutcome::Failed;
    } else {
        // Refused: every gear keeps its address, so the selection stays too.
        if (c.prompts.AskConfirmation(kTitle, kNoFreeAddressQuestion, kOk, kCancel, 0) != kDialogOk) {
            abandonMove(c);
            return;
        }
        showWaitDialog(c);
        outcome = move.exchangeBySearch(s, d);
    }
    c.repaintMatrix();
    c.waitDialog.Hide();
    if (outcome == MoveOutcome::Failed)
        c.prompts.ShowMessage(kTitle, kMoveFailedText);
    else if (outcome == MoveOutcome::GearLost)
        c.prompts.ShowMessage(kTitle, kGearLostText);
    finishMove(c, selectedBefore, move.selected());
}

}  // namespace addressing
