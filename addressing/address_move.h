#pragma once
// Giving a gear another short address by dropping its matrix cell on another
// cell: onto a free address the gear moves; onto an address in use the two
// gear exchange their addresses, through the highest free address when there
// is one, else by removing the target's address and finding that gear again
// by random-address search. The records and the matrix follow the gear.

#include "link/dalikit.h"

#include <QString>

#include <functional>
#include <optional>

class DeviceStore;
class MatrixModel;
class Prompts;
class WaitDialog;

namespace addressing {

struct AddressMoveContext {
    const BusLink& link;
    DeviceStore& store;
    MatrixModel& matrix;  // pressedCell is the source, targetCell the target
    Prompts& prompts;
    WaitDialog& waitDialog;
    const QString& languageModulePath;
    std::function<void()> repaintMatrix;
    std::function<void()> processPendingEvents;
    // The selected gear is now at `address`: the status pane "Adr: %d" and the tabs.
    std::function<void(int address)> showSelectedGear;
};

// Whether anything answers QUERY STATUS at `address` (several gear at once
// count: the answer is garbled, but the address is taken). A question the
// link fails is asked again, kProgramAttempts times in all; nothing when none
// got through, so a caller can tell silence from a link it cannot trust.
std::optional<bool> AnswersAt(const BusLink& link, int address);

// DTR0 := the new address byte, STORE DTR AS SHORT ADDRESS twice to the old
// address, idle wait, then QUERY STATUS at the new address: true when the
// gear answers there. False when the link failed any of the frames or the
// wait, or nothing answers at `to`: the gear may still be at `from`.
bool ChangeShortAddress(const BusLink& link, int from, int to);

// The drop of the matrix's pressed cell on its target cell, while connected.
// Asks first unless the user chose not to be asked again; ends the drag in
// the matrix whatever happens. A move of several steps stops at the first
// step the link fails, so no two gear ever share an address; the records and
// the matrix show the steps done and the user is told. The selection stays
// with the gear that was selected, wherever that gear now is.
void MoveAddress(AddressMoveContext& c);

}  // namespace addressing
