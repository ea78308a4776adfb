#pragma once
// Reads a luminaire's banks 1 and 202..207 from one gear, each from location 3
// to the last location its layout knows; the counting banks as one snapshot.

#include "devices/memory_bank_bytes.h"
#include "link/dalikit.h"

// A bank the gear lacks costs one query. Stops at the first failed
// transaction (ORed into `results`) and gives what it has read so far.
BankReadings ReadLuminaireBanks(const BusLink& link, int address, LinkResult& results);
