#pragma once
// One transaction with one gear followed by the idle wait, for the jobs that
// read, write and command single gear. Each ORs its transaction's result (not
// the wait's) into the caller's word.

#include "link/dalikit.h"

#include <optional>

// The answer only when the transaction succeeded and a valid 1-byte backward
// frame came: a gear that did not answer or a failed transaction gives none,
// so the caller keeps the value it had instead of a stale register byte.
std::optional<uint8_t> QueryGear(const BusLink& link, uint8_t address, uint8_t opcode, LinkResult& results);
std::optional<uint8_t> ReadGearMemory(const BusLink& link, uint8_t address, uint8_t location, LinkResult& results);

// One forward frame, sent once.
void SendToGear(const BusLink& link, uint8_t first, uint8_t second, LinkResult& results);
// ENABLE DEVICE TYPE 6: the next command is a device-type-6 one.
void EnableDeviceType6(const BusLink& link, LinkResult& results);

// Stores the answer, when there is one, in the field.
inline void Assign(uint8_t& field, std::optional<uint8_t> answer) {
    if (answer)
        field = *answer;
}
