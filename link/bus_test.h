#pragma once
// The bus test: one broadcast to every gear on the bus, so the installer sees
// whether the interface reaches the lamps.

#include "link/dalikit.h"

#include <span>

struct BusTestButton {
    const char* caption;  // the button's text
    uint8_t opcode;       // sent as the broadcast frame 0xFF, opcode
};

// The dialog's buttons from the top: "Broadcast OFF", "Broadcast MAX",
// "Broadcast MIN".
std::span<const BusTestButton> BusTestButtons();

// Waits until the bridge is idle (dalikit_WaitIdle, whatever it ends with),
// then sends 0xFF, opcode once. Returns the send's result.
LinkResult dalikit_SendBusTest(const BusLink& link, uint8_t opcode);
