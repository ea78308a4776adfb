#include "link/bus_test.h"

namespace {

constexpr uint8_t kBroadcast = 0xFF;

constexpr BusTestButton kButtons[] = {
    {"Broadcast OFF", 0x00},  // OFF
    {"Broadcast MAX", 0x05},  // RECALL MAX LEVEL
    {"Broadcast MIN", 0x06},  // RECALL MIN LEVEL
};

}  // namespace

std::span<const BusTestButton> BusTestButtons() { return kButtons; }

LinkResult dalikit_SendBusTest(const BusLink& link, uint8_t opcode) {
    // These are not configuration commands: one frame, no repeat. A failed or
    // timed-out wait does not stop the frame; the lamps show what happened.
    dalikit_WaitIdle(link);
    return dalikit_Send(link, kBroadcast, opcode);
}
