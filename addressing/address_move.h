#pragma once
// Giving a gear another short address by dropping its matrix cell on another
// cell: onto a free address the gear moves; onto an address in use the two
// gear exchange their addresses, through the highest free address when there
// is one, else by removing the target's address and finding that gear again
// by random-address search. The records and the matrix follow the gear.

#include "link/dalikit.h"

#include <QString>

#include <functional>

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
    std::function<void(int address)> showSelectedAddress;  // the status pane "Adr: %d"
};

// DTR0 := the new address byte, STORE DTR AS SHORT ADDRESS twice to the old
// address, idle wait: the gear at `from` answers at `to` afterwards.
void ChangeShortAddress(const BusLink& link, int from, int to);

// The drop of the matrix's pressed cell on its target cell, while connected.
// Asks first unless the user chose not to be asked again; ends the drag in
// the matrix whatever happens.
void MoveAddress(AddressMoveContext& c);

}  // namespace addressing
