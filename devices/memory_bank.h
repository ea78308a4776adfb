#pragma once
// Reads the bytes of one memory bank of one gear. DTR1 selects the bank and
// DTR0 the location; each READ MEMORY LOCATION moves the gear's DTR0 on by
// one, so DTR0 is sent once per bank, not per byte. Location 0 holds the
// bank's last accessible location: no answer there means the gear has no
// such bank, and nothing more is asked.

#include "devices/memory_bank_bytes.h"
#include "link/dalikit.h"

#include <optional>


// The lock byte of a bank (location 2) and what a reader writes there.
inline constexpr uint8_t kLockByteLocation = 2;
inline constexpr uint8_t kLatchValue = 0xAA, kUnlatchValue = 0xFF, kUnlockValue = 0x55, kLockValue = 0xFF;

// Snapshot: banks whose counters span several bytes are latched for the read
// (ENABLE WRITE MEMORY twice, DTR0 = 2, WRITE MEMORY LOCATION - NO REPLY
// 0xAA) and let go afterwards (the same with 0xFF), once the bank answered
// its last location.
enum class BankLatch { None, Snapshot };

// ENABLE WRITE MEMORY twice, DTR0 = 2, WRITE MEMORY LOCATION - NO REPLY
// `value`, to `a` (a command address) with DTR1 already holding the bank.
void WriteLockByte(const BusLink& link, uint8_t a, uint8_t value, LinkResult& results);

// Locations `first` to `last` (the bank's last accessible location if that is
// lower). Nothing when the bank is not there or the link failed. An answer
// broken by a frame error is asked once more (DTR0 set back to it).
std::optional<MemoryBankBytes> ReadMemoryBank(const BusLink& link, int address, uint8_t bank, uint8_t first,
                                              uint8_t last, LinkResult& results, BankLatch latch = BankLatch::None);
