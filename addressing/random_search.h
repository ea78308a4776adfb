#pragma once
// The DALI random-address search: finding the gear with the lowest random
// address among those still in the search, and giving it a short address.
// Callers have sent INITIALISE and RANDOMISE; every step writes the trace.

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

// Finds the lowest random address in the search, programs its gear with
// this address byte ((a << 1) | 1), verifies and withdraws it. False when the
// final COMPARE at the found address got no answer, or when no gear answers
// QUERY SHORT ADDRESS after programming (the search address missed the gear:
// it was not programmed and stays in the search, to be found again).
bool FindAndProgramLowest(const BusLink& link, uint8_t addressByte);

// Gives the first gear without a short address that the search finds the
// short address `address`, on the caller's thread: TERMINATE, INITIALISE of
// the gear without an address, RANDOMISE, then searches until one succeeds.
// A search that misses is tried again up to kSingleSearchAttempts times in
// all; false when none found a gear (no gear lacks an address, or it never
// answers), so the caller can tell the user instead of waiting for good.
inline constexpr int kSingleSearchAttempts = 5;
bool AddressOneUnaddressed(const BusLink& link, int address);

}  // namespace addressing
