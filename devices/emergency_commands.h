#pragma once
// The buttons of the emergency tab: one command to one luminaire, or to a
// group or all of them (the bus-wide test run uses the same commands).

#include "link/dalikit.h"

#include <cstdint>

enum class EmergencyAction {
    FunctionTest,  // START FUNCTION TEST
    DurationTest,  // START DURATION TEST
    StopTest,      // STOP TEST: a running test ends, a pending one is cancelled
    Inhibit,       // INHIBIT: no emergency operation for 15 minutes
    ReLight,       // RE-LIGHT/RESET INHIBIT
    Identify,      // START IDENTIFICATION: the unit shows itself for 10 seconds
};

struct EmergencyCommandContext {
    const BusLink& link;
    uint8_t address;  // the command address byte: dali::commandAddress(a), a group's or dali::kBroadcast
};

// ENABLE DEVICE TYPE 1 and the command twice. The OR of the results (a failed
// write of either copy counts: the unit acts only on both); 0 at once,
// without bus traffic, when the link has no interface.
LinkResult RunEmergencyAction(const EmergencyCommandContext& context, EmergencyAction action);
