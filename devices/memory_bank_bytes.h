#pragma once
// The bytes read from one memory bank of one gear.

#include <cstdint>
#include <map>
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

    bool operator==(const MemoryBankBytes&) const = default;
};

// Banks beyond bank 0 as read from one gear, by bank number; no bytes: the
// gear has no such bank. Empty: not read.
using BankReadings = std::map<uint8_t, std::optional<MemoryBankBytes>>;
