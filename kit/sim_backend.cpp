#include "kit/sim_backend.h"

#include "sim/bridge_chip.h"
#include "sim/bus_capture.h"
#include "sim/dali_bus.h"
#include "sim/scenario.h"
#include "sim/sim_clock.h"

#include <cstdio>
#include <cstdlib>

namespace kit {

SimBackend::SimBackend(std::shared_ptr<sim::Clock> clock) : clock_(std::move(clock)) {}

std::shared_ptr<SimController> SimBackend::addController(SimControllerConfig config,
                                                         std::shared_ptr<sim::I2cTarget> bridge) {
    auto controller = std::make_shared<SimController>(std::move(config), clock_);
    bridges_.push_back(std::dynamic_pointer_cast<sim::BridgeChip>(bridge));
    buses_.push_back(nullptr);
    if (bridge)
        controller->attach(std::move(bridge));
    controllers_.push_back(controller);
    return controller;
}

std::shared_ptr<SimController> SimBackend::addInterface(SimControllerConfig config,
                                                        std::shared_ptr<sim::BridgeChip> bridge,
                                                        std::shared_ptr<sim::DaliBus> bus) {
    auto controller = addController(std::move(config), std::move(bridge));
    buses_.back() = std::move(bus);
    return controller;
}

std::vector<std::shared_ptr<Device>> SimBackend::enumerate() {
    std::vector<std::shared_ptr<Device>> attached;
    for (const auto& controller : controllers_)
        if (controller->pluggedIn())
            attached.push_back(controller);
    return attached;
}

std::shared_ptr<sim::DaliBus> SimBackend::bus(size_t index) const {
    return index < buses_.size() ? buses_[index] : nullptr;
}

std::shared_ptr<sim::BridgeChip> SimBackend::bridge(size_t index) const {
    return index < bridges_.size() ? bridges_[index] : nullptr;
}

std::shared_ptr<SimBackend> buildSimulatedBackend(const sim::Scenario& scenario,
                                                  const std::shared_ptr<sim::BusCapture>& capture) {
    auto backend = std::make_shared<SimBackend>(std::make_shared<sim::Clock>(scenario.timeScale));
    const bool several = scenario.interfaces.size() > 1;
    for (size_t i = 0; i < scenario.interfaces.size(); ++i) {
        const sim::InterfaceScenario& entry = scenario.interfaces[i];
        sim::DaliBus::Options options{capture, several ? "bus " + std::to_string(i + 1) : std::string(), {}};
        auto bus = std::make_shared<sim::DaliBus>(entry.bus, sim::deriveSeed(scenario.seed, i), std::move(options));
        std::shared_ptr<sim::BridgeChip> bridge;
        if (entry.bridgeAddress)
            bridge = std::make_shared<sim::BridgeChip>(
                *entry.bridgeAddress, bus, sim::BridgeChip::Revision{0, 0, 0, 0, entry.revision[0], entry.revision[1]});
        const std::wstring serial(entry.serial.begin(), entry.serial.end());
        backend->addInterface({entry.productId, serial, entry.reportLatencyUs}, std::move(bridge), std::move(bus));
    }
    return backend;
}

std::shared_ptr<Backend> makeSimulatedBackend(const std::string& scenarioName) {
    std::string error;
    const std::optional<sim::Scenario> scenario = sim::loadScenario(scenarioName, error);
    if (!scenario) {
        std::fprintf(stderr, "PELLIXKIT_SIMULATION: %s\n", error.c_str());
        return std::make_shared<SimBackend>(std::make_shared<sim::Clock>(0.0));
    }
    std::shared_ptr<sim::BusCapture> capture;
    if (const char* path = std::getenv("PELLIXKIT_CAPTURE"); path && *path) {
        capture = sim::BusCapture::create(path, error);
        if (!capture)
            std::fprintf(stderr, "PELLIXKIT_CAPTURE: %s\n", error.c_str());
    }
    return buildSimulatedBackend(*scenario, capture);
}

}  // namespace kit
