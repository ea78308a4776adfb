#pragma once
// Writes one location of one gear's memory bank, for the expert dialog, and
// reads it back. The bank is unlocked for the write (ENABLE WRITE MEMORY
// twice, 0x55 to its lock byte) and locked again afterwards (0xFF the same
// way), whatever the write gave; nothing is taken as written unless the gear
// answered the value and the location reads back the same.

#include "link/dalikit.h"

#include <optional>

enum class BankWriteOutcome {
    Written,
    ReadOnly,     // nothing sent: bank 0, a counting bank, or locations 0..2 (size, indicator, lock byte)
    NoBank,       // the bank gave no last location
    OutsideBank,  // the location lies past the bank's last accessible location
    Locked,       // no answer to the write, and the lock byte did not hold 0x55
    NotTaken,     // no answer to the write although unlocked: the location is read-only
    Differs,      // the write's answer or the byte read back is not the value
    NoReadBack,   // the location gave no answer when read back
    LinkFailed,   // a transaction failed; `results` says how
};

struct BankWriteContext {
    BusLink link;
    int address;
    uint8_t bank;
    uint8_t location;
    uint8_t value;
};

struct BankWriteResult {
    BankWriteOutcome outcome = BankWriteOutcome::ReadOnly;
    std::optional<uint8_t> answer;    // to WRITE MEMORY LOCATION
    std::optional<uint8_t> readBack;  // the location afterwards
    LinkResult results = 0;
};

// Whether a write may be tried there at all.
bool BankLocationWritable(uint8_t bank, uint8_t location);

// DTR1 = bank and the last location read first; then unlock, DTR0 = location,
// WRITE MEMORY LOCATION (answering), lock, and the location read back. After
// a write without answer the lock byte is read instead, to tell a locked bank
// from a read-only location.
BankWriteResult WriteBankLocation(const BankWriteContext& context);
