#include "kit/sim_backend.h"

#include "sim/bridge_chip.h"
#include "sim/scripted_bus.h"
#include "sim/sim_clock.h"

namespace kit {

SimBackend::SimBackend(std::shared_ptr<sim::Clock> clock) : clock_(std::move(clock)) {}

std::shared_ptr<SimController> SimBackend::addController(SimControllerConfig config,
                                                         std::shared_ptr<sim::I2cTarget> bridge) {
    auto controller = std::make_shared<SimController>(std::move(config), clock_);
    if (bridge)
        controller->attach(std::move(bridge));
    controllers_.push_back(controller);
    return controller;
}

std::vector<std::shared_ptr<Device>> SimBackend::enumerate() {
    return {controllers_.begin(), controllers_.end()};
}

std::shared_ptr<Backend> makeSimulatedBackend(const std::string&) {
    auto backend = std::make_shared<SimBackend>(std::make_shared<sim::Clock>(1.0));
    auto bridge = std::make_shared<sim::BridgeChip>(0x20, std::make_shared<sim::ScriptedBus>());
    backend->addController({0x1501, L"0000ABCD", 1000}, bridge);
    return backend;
}

}  // namespace kit
