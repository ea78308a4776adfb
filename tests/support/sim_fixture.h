#pragma once
// A simulated interface for tests: one controller on virtual time with a
// bridge chip in front of a scripted bus, installed as the kit's backend.

#include "kit/pellixkit.h"
#include "kit/sim_backend.h"
#include "kit/sim_controller.h"
#include "sim/bridge_chip.h"
#include "sim/scripted_bus.h"
#include "sim/sim_clock.h"

#include <memory>

struct SimInterfaceOptions {
    uint16_t productId = 0x1501;
    std::wstring serial = L"0000ABCD";
    int bridgeAddress7 = 0x20;  // < 0: no bridge
    sim::BridgeChip::Revision revision{0, 0, 0, 0, 0x01, 0x23};
    uint32_t reportLatencyUs = 1000;
};

class SimInterface {
public:
    explicit SimInterface(const SimInterfaceOptions& options = {});
    ~SimInterface();

    KitHandle handle() const { return handle_; }
    sim::Clock& clock() { return *clock_; }
    sim::ScriptedBus& bus() { return *bus_; }
    sim::BridgeChip& bridge() { return *bridge_; }
    kit::SimController& controller() { return *controller_; }

private:
    std::shared_ptr<sim::Clock> clock_;
    std::shared_ptr<sim::ScriptedBus> bus_;
    std::shared_ptr<sim::BridgeChip> bridge_;
    std::shared_ptr<kit::SimController> controller_;
    KitHandle handle_ = nullptr;
};
