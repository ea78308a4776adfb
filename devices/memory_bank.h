#pragma once
// Reads the bytes of one memory bank of one gear. DTR1 selects the bank and
// DTR0 the location; each READ MEMORY LOCATION moves the gear's DTR0 on by
// one, so DTR0 is sent once per bank, not per byte. Location 0 holds the
// bank's last accessible location: no answer there means the gear has no
// such bank, and nothing more is asked.

#include "link/dalikit.h"

#include <optional>
#include <vector>

struct MemoryBankBytes {
    uint8_t lastLocation = 0;
    // From the first location asked for; an entry without value is a
    // location that gave no answer (not implemented) or stayed unclear.
    std::vector<std::optional<uint8_t>> bytes;
    uint8_t first = 0;

    // The byte at `location`, if it was read.
    std::optional<uint8_t> at(int location) const;
    // `count` bytes from `location` on, most significant first, when every one was read.
    std::optional<uint64_t> bigEndian(int location, int count) const;
};

// Locations `first` to `last` (the bank's last accessible location if that is
// lower). Nothing when the bank is not there or the link failed. An answer
// broken by a frame error is asked once more (DTR0 set back to it).
std::optional<MemoryBankBytes> ReadMemoryBank(const BusLink& link, int address, uint8_t bank, uint8_t first,
                                              uint8_t last, LinkResult& results);
