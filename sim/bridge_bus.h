#pragma once
// What stands behind the simulated bridge chip: the DALI side. The bridge maps
// its registers onto these calls; the bus decides timing, status and answers.
// Implementations: ScriptedBus (tests script statuses and answers) and the
// simulated DALI bus with control gear.

#include <cstdint>

namespace sim {

// Status bits of bridge register 0x00.
namespace status {
constexpr uint8_t kBusError = 0x80;
constexpr uint8_t kBusy = 0x40;
constexpr uint8_t kOverrun = 0x20;
constexpr uint8_t kFrameError = 0x10;
constexpr uint8_t kValid = 0x08;
constexpr uint8_t kWaiting = 0x04;
constexpr uint8_t k1Byte = 0x01, k2Byte = 0x02, k3Byte = 0x03;
constexpr uint8_t kAnswer = kValid | k1Byte;  // 0x09: a valid backward frame
}  // namespace status

class BridgeBus {
public:
    virtual ~BridgeBus() = default;
    // Register 0x01 written: transmit the forward frame (first, second).
    virtual void transmit(uint64_t nowUs, uint8_t first, uint8_t second) = 0;
    // Register 0x00 read.
    virtual uint8_t status(uint64_t nowUs) = 0;
    // Register 0x01 read: the last backward frame.
    virtual uint8_t answer(uint64_t nowUs) = 0;
    // Register 0x02 written (the link sets 0x03 before every repeated command).
    virtual void control(uint64_t /*nowUs*/, uint8_t /*value*/) {}
};

}  // namespace sim
