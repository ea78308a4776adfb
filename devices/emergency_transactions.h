#pragma once
// Transactions with an emergency luminaire: ENABLE DEVICE TYPE 1 and the
// command that follows it, held together so no other frame of this program
// comes between them. Each frame is followed by the idle wait; each ORs its
// results into the caller's word.

#include "dali/dali_commands.h"
#include "link/dalikit.h"

#include <optional>

// ENABLE DEVICE TYPE 1, then the query. The answer only when the transaction
// succeeded and one clean byte came.
std::optional<uint8_t> QueryEmergency(const BusLink& link, uint8_t address, dali::Dt1Op query, LinkResult& results);

// DTR0 := selector, ENABLE DEVICE TYPE 1, QUERY TEST TIMING; for the high
// byte of a next-test time also QUERY CONTENT DTR1 for its low byte, so the
// 16-bit time is read in one piece. Nothing unless every answer came.
std::optional<uint16_t> QueryTestTiming(const BusLink& link, uint8_t address, dali::Dt1TestTiming selector,
                                        LinkResult& results);

// ENABLE DEVICE TYPE 1, then a control or configuration command twice
// (after DTR0 := dtr0 when given). A failed write of either copy counts.
void SendEmergencyCommand(const BusLink& link, uint8_t address, dali::Dt1Op command, LinkResult& results,
                          std::optional<uint8_t> dtr0 = std::nullopt);
