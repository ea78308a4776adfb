#pragma once
// The main view's address changes: the addressing assistant, the replacement
// of failed gear, and the drag of a gear's cell in the matrix (identification
// while dragging, the drop that moves the gear to another short address). It
// owns the drag's state.

#include "app/view_core.h"

class TabFlow;

class AddressingFlow {
public:
    AddressingFlow(ViewCore& core, TabFlow& tabs) : core_(core), tabs_(tabs) {}

    // "Adressieren": the assistant, then the matrix from the records it
    // marked. Only while connected.
    void RunAddressingAssistant();
    // "Gerät ersetzen": new gear take the addresses of the open project's
    // gear that no longer answer, with their records; only that address when
    // preferredAddress is 0..63. Only while connected.
    void ReplaceGear(int preferredAddress = -1);

    // A drag in the matrix: begun, over a cell, dropped, and the end of a
    // click or drop (the next drag lights its gear again).
    void DragStarted(int pressedCell);
    void DragTracked(int cell);
    void MoveDropped();
    void dragEnded() { dragIdentifyDone_ = 0; }

private:
    // After the gear changed addresses: the matrix and the managers' buttons.
    void showChangedAddresses();

    ViewCore& core_;
    TabFlow& tabs_;
    uint8_t dragIdentifyDone_ = 0;
    int lastTrackedAddress_ = -1;  // lit last by a drag over it; never reset
};
