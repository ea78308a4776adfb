#include "link/bus_test.h"

#include "dali/dali_commands.h"

namespace {

using dali::code;
using dali::Op;

constexpr BusTestButton kButtons[] = {
    {"Broadcast OFF", code(Op::Off)},
    {"Broadcast MAX", code(Op::RecallMaxLevel)},
    {"Broadcast MIN", code(Op::RecallMinLevel)},
};

}  // namespace

std::span<const BusTestButton> BusTestButtons() { return kButtons; }

LinkResult dalikit_SendBusTest(const BusLink& link, uint8_t opcode) {
    // These are not configuration commands: one frame, no repeat. A failed or
    // timed-out wait does not stop the frame; the lamps show what happened.
    dalikit_WaitIdle(link);
    return dalikit_Send(link, dali::kBroadcast, opcode);
}
