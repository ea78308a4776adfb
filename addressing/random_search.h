#pragma once
// The DALI random-address search: finding the gear with the lowest random
// address among those still in the search, and giving it a short address.
// Callers have sent INITIALISE and RANDOMISE; every step writes the trace.

#include "addressing/search_steps.h"
#include "link/dalikit.h"

#include <cstdint>

namespace addressing {

// The start of every search: QUERY STATUS to short address 0 (answer unused),
// INITIALISE with this data and RANDOMISE, each twice, each with its wait.
void InitialiseAndRandomise(const BusLink& link, uint8_t initialiseData);

// True when at least one gear still takes part in the search: a COMPARE at
// the search address 0xFFFFFE answers (a gear whose random address is
// 0xFFFFFF never does).
bool SearchHasCandidates(const BusLink& link);

// Narrows the search to the lowest random address among the gear still in
// it and asks whether a gear answers there (garbled: several do), without
// programming: the search address stays at `randomAddress`, for PROGRAM
// SHORT ADDRESS or WITHDRAW.
struct Lowest {
    Answer found;
    uint32_t randomAddress = 0;
};
Lowest FindLowest(const BusLink& link);

// What one search round came to.
enum class SearchResult {
    Programmed,  // a gear was found, programmed and withdrawn
    Missed,      // no gear answered where the search ended, or none took the address: it stays in the search
    Twins,       // several gear share the lowest random address: none keeps the address
};

// Finds the lowest random address in the search, programs its gear with
// this address byte ((a << 1) | 1), verifies and withdraws it. Twins show as
// a garbled final COMPARE, or as a garbled QUERY SHORT ADDRESS after
// programming, which then deletes the address again (PROGRAM SHORT ADDRESS
// with MASK); the twins stay in the search at their random address.
SearchResult FindAndProgramLowest(const BusLink& link, uint8_t addressByte);

// After a Twins round: the gear still in the search draw new random
// addresses (RANDOMISE twice). When kTwinRedraws draws in a row have not
// parted the twins, they are withdrawn instead, so the search goes on
// without them; they keep no short address. True when given up on.
inline constexpr int kTwinRedraws = 4;
bool SeparateTwins(const BusLink& link, int& redrawsInARow);

// Gives the first gear without a short address that the search finds the
// short address `address`, on the caller's thread: TERMINATE, INITIALISE of
// the gear without an address, RANDOMISE, then searches until a gear answers
// QUERY SHORT ADDRESS with that address. A round that misses or meets twins
// is tried again, up to kSingleSearchAttempts rounds in all; false when none
// succeeded (no gear lacks an address, or it never answers), so the caller
// can tell the user instead of waiting for good.
inline constexpr int kSingleSearchAttempts = 5;
bool AddressOneUnaddressed(const BusLink& link, int address);

}  // namespace addressing
