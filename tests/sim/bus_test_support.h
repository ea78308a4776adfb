#pragma once
// A simulated DALI bus with gear, installed as the kit backend on virtual time
// and connected as Kelvane connects (time-out, I2C mode, bridge probe). A
// recorder between bridge chip and bus keeps every status the bridge read.

#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "link/dalikit.h"
#include "sim/bridge_chip.h"
#include "sim/dali_bus.h"
#include "sim/sim_clock.h"

#include <memory>
#include <mutex>
#include <utility>
#include <vector>

inline sim::GearConfig gearAt(int shortAddress, uint8_t actualLevel = 0) {
    sim::GearConfig gear;
    gear.name = "Gear " + std::to_string(shortAddress);
    gear.shortAddress = uint8_t(shortAddress);
    gear.actualLevel = actualLevel;
    gear.replyDelayUs = 7000;  // the bus timelines below count on it
    return gear;
}

class StatusRecorder final : public sim::BridgeBus {
public:
    explicit StatusRecorder(std::shared_ptr<sim::DaliBus> bus) : bus_(std::move(bus)) {}
    void transmit(uint64_t nowUs, uint8_t first, uint8_t second) override { bus_->transmit(nowUs, first, second); }
    uint8_t status(uint64_t nowUs) override {
        const uint8_t value = bus_->status(nowUs);
        std::lock_guard guard(lock_);
        statuses_.push_back(value);
        return value;
    }
    uint8_t answer(uint64_t nowUs) override { return bus_->answer(nowUs); }

    // The statuses read since the last call.
    std::vector<uint8_t> takeStatuses() {
        std::lock_guard guard(lock_);
        return std::exchange(statuses_, {});
    }

private:
    std::shared_ptr<sim::DaliBus> bus_;
    std::mutex lock_;
    std::vector<uint8_t> statuses_;
};

class LinkedBus {
public:
    explicit LinkedBus(std::vector<sim::GearConfig> gear, uint64_t seed = 1)
        : clock_(std::make_shared<sim::Clock>(0.0)),
          bus_(std::make_shared<sim::DaliBus>(sim::BusConfig{true, std::nullopt, std::move(gear)}, seed)),
          recorder_(std::make_shared<StatusRecorder>(bus_)),
          bridge_(std::make_shared<sim::BridgeChip>(0x20, recorder_)) {
        auto backend = std::make_shared<kit::SimBackend>(clock_);
        backend->addInterface({0x1501, L"0000ABCD", 1000}, bridge_, bus_);
        kit::installBackend(backend);
        link_.handle = kit_open();
        kit_set_timeout(link_.handle, 2000);
        dalikit_EnableI2C(link_.handle);
        link_.bridgeAddress = dalikit_ProbeBridgeAddress(link_.handle);
        recorder_->takeStatuses();
    }
    ~LinkedBus() { kit::installBackend(nullptr); }

    const BusLink& link() const { return link_; }
    sim::DaliBus& bus() { return *bus_; }
    sim::Clock& clock() { return *clock_; }
    sim::BridgeChip& bridge() { return *bridge_; }
    StatusRecorder& recorder() { return *recorder_; }

    // Forward frames since the last call, as first << 8 | second.
    std::vector<uint16_t> takeForwardFrames() {
        std::vector<uint16_t> frames;
        for (const sim::BusFrame& frame : bus_->takeFrameLog())
            if (frame.kind == sim::FrameKind::Forward)
                frames.push_back(frame.data);
        return frames;
    }

    std::optional<uint8_t> shortAddressOf(size_t gear) {
        std::optional<uint8_t> address;
        bus_->withGear(gear, [&](sim::ControlGear& g) { address = g.shortAddress(); });
        return address;
    }

private:
    std::shared_ptr<sim::Clock> clock_;
    std::shared_ptr<sim::DaliBus> bus_;
    std::shared_ptr<StatusRecorder> recorder_;
    std::shared_ptr<sim::BridgeChip> bridge_;
    BusLink link_;
};
