#pragma once
// Reads one emergency luminaire's state: mode, status and failure bits,
// features, battery charge, rated duration, the last duration test's result,
// the lamp times, the emergency level and the test timing. Queries only:
// nothing changes in the unit.

#include "devices/emergency_state.h"
#include "link/dalikit.h"

struct EmergencyReadContext {
    const BusLink& link;
    int shortAddress;       // 0..63
    EmergencyState& state;  // answered fields are replaced, the others keep their value
};

// The OR of the transactions' results; 0 at once, without bus traffic, when
// the link has no interface.
LinkResult ReadEmergencyState(EmergencyReadContext& context);
