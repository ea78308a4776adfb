#pragma once
// The basic and scenes tabs' commands to the selected gear: switch off, recall
// MAX or MIN, read the ACTUAL level, identify, remove the short address,
// factory reset, and the ACTUAL slider's direct arc power. Without an
// interface each does nothing.

#include "link/dalikit.h"

#include <QString>

#include <optional>

class DeviceStore;
class Prompts;
class WaitDialog;

struct GearCommandContext {
    BusLink link;
    DeviceStore& store;  // its selection says whom the commands go to
    Prompts& prompts;
    WaitDialog& waitDialog;
    QString languageModulePath;
};

// OFF, RECALL MAX LEVEL or RECALL MIN LEVEL once to every selected gear.
void SendToSelected(GearCommandContext& context, uint8_t opcode);

// QUERY ACTUAL LEVEL of the one selected gear; nothing with another count or
// without a valid answer. The record is not changed.
std::optional<uint8_t> ReadActualLevel(GearCommandContext& context);

// Five times RECALL MAX LEVEL, 250 ms, RECALL MIN LEVEL, 250 ms to every
// selected gear, under the wait dialog.
void IdentifySelected(GearCommandContext& context);

// Asks, then deletes the short address of every selected gear and resets its
// record. True when it did (the matrix then follows the records).
bool RemoveSelectedAddresses(GearCommandContext& context);

// Asks, then RESET to every selected gear, whose records count as unread;
// with one gear selected its parameters are read again 300 ms later, once the
// gear listens again. True when it did.
bool FactoryResetSelected(GearCommandContext& context);

// The ACTUAL slider: while it moves, the level goes to the first selected gear
// without any wait; when it stops, to every selected gear, whose records take
// the level.
void DirectArcPowerToFirst(GearCommandContext& context, uint8_t level);
void DirectArcPowerToSelected(GearCommandContext& context, uint8_t level);
