#pragma once
// The simulated DALI bridge chip on the controller's I2C bus.
//
// Registers: 0x00 status (read), 0x01 forward frame (write 2 bytes) and last
// backward frame (read), 0x02 control (write), 0xF0..0xF5 revision block (read,
// auto-incrementing). A write transfer sets the register pointer with its
// first byte; a read transfer reads from the pointer.
//
// Fault injection: queued status bytes that replace the bus's status for the
// next reads, NACKs, write transfers acknowledged short, and the NACK of one
// particular forward frame (a frame lost on the link).

#include "sim/bridge_bus.h"
#include "sim/fault_plan.h"
#include "sim/i2c_target.h"

#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

namespace sim {

class BridgeChip final : public I2cTarget {
public:
    using Revision = std::array<uint8_t, 6>;  // registers 0xF0..0xF5

    BridgeChip(uint8_t address7, std::shared_ptr<BridgeBus> bus, Revision revision = {0, 0, 0, 0, 0x01, 0x23});

    uint8_t address7() const override { return address7_; }
    int write(uint64_t nowUs, const std::vector<uint8_t>& bytes) override;
    std::vector<uint8_t> read(uint64_t nowUs, int count) override;

    BridgeBus& bus() { return *bus_; }

    // The next status reads return these bytes, one per read, before the
    // bus's own status shows again (busy for n polls, bus error, overrun, ...).
    void injectStatus(std::initializer_list<uint8_t> statuses);
    void injectStatusRepeated(uint8_t status, int count);
    // `count` transfers (write or read), after `skip` more, are not acknowledged.
    void injectNack(int count, int skip = 0);
    // `count` write transfers, after `skip` more, acknowledge only `acknowledged` bytes.
    void injectShortAcknowledge(int count, int acknowledged, int skip = 0);
    // `count` writes of forward frame `frame` (first << 8 | second) are not
    // acknowledged, so they never reach the bus, after `skip` writes of that
    // frame went through. One frame at a time: a new call replaces the last.
    void injectFrameNack(uint16_t frame, int skip = 0, int count = 1);
    // Drops every injected status, NACK and short acknowledge not yet used up.
    void clearInjectedFaults();

private:
    uint8_t readRegister(uint64_t nowUs, uint8_t reg);
    bool losesFrame(const std::vector<uint8_t>& bytes);  // consumes the frame NACK when it hits

    const uint8_t address7_;
    const std::shared_ptr<BridgeBus> bus_;
    const Revision revision_;
    std::mutex lock_;
    uint8_t pointer_ = 0;
    std::deque<uint8_t> injectedStatus_;
    FaultPlan nacks_;           // counts every transfer
    FaultPlan shortAcks_;       // counts write transfers
    int shortAckBytes_ = 0;
    struct FrameNack {
        uint16_t frame;
        int skip, count;
    };
    std::optional<FrameNack> frameNack_;
};

}  // namespace sim
