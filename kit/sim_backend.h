#pragma once
// The simulated backend: a set of simulated controllers sharing one clock.
// Built from a scenario, each interface is a controller with a bridge chip in
// front of a simulated DALI bus; tests and the UI reach the bus of interface n
// (bus(n): gear, physical-selection keys, power, frame log) and its bridge chip
// (bridge(n): fault injection) through the backend.

#include "kit/kit_backend.h"
#include "kit/sim_controller.h"

#include <memory>
#include <string>
#include <vector>

namespace sim {
class BridgeChip;
class BusCapture;
class Clock;
class DaliBus;
struct Scenario;
}  // namespace sim

namespace kit {

class SimBackend final : public Backend {
public:
    explicit SimBackend(std::shared_ptr<sim::Clock> clock);

    // Adds a controller; `bridge` may be null (no chip answers on I2C).
    std::shared_ptr<SimController> addController(SimControllerConfig config, std::shared_ptr<sim::I2cTarget> bridge);
    // Adds a controller whose bridge chip (may be null: no chip answers)
    // stands in front of `bus`.
    std::shared_ptr<SimController> addInterface(SimControllerConfig config, std::shared_ptr<sim::BridgeChip> bridge,
                                                std::shared_ptr<sim::DaliBus> bus);

    std::vector<std::shared_ptr<Device>> enumerate() override;

    const std::shared_ptr<sim::Clock>& clock() const { return clock_; }
    const std::vector<std::shared_ptr<SimController>>& controllers() const { return controllers_; }
    // Bus and bridge chip of interface `index` (0-based, enumeration order);
    // null for an interface added without one, or an index out of range.
    std::shared_ptr<sim::DaliBus> bus(size_t index) const;
    std::shared_ptr<sim::BridgeChip> bridge(size_t index) const;

private:
    std::shared_ptr<sim::Clock> clock_;
    std::vector<std::shared_ptr<SimController>> controllers_;
    std::vector<std::shared_ptr<sim::BridgeChip>> bridges_;  // parallel to controllers_
    std::vector<std::shared_ptr<sim::DaliBus>> buses_;       // parallel to controllers_
};

// A backend with the scenario's interfaces on one clock running at the
// scenario's timeScale. Every frame of every bus also goes to `capture` when
// given; with several interfaces the capture comments name the bus ("bus 2").
std::shared_ptr<SimBackend> buildSimulatedBackend(const sim::Scenario& scenario,
                                                  const std::shared_ptr<sim::BusCapture>& capture = nullptr);

// The backend for PELLIXKIT_SIMULATION: "demo" (the built-in demo scenario)
// or the path of a scenario file. When PELLIXKIT_CAPTURE names a file, the
// file is created anew and receives every frame of the simulated buses.
// A scenario that cannot be loaded gives one line on standard error,
// "PELLIXKIT_SIMULATION: <file>: <JSON path>: <problem>", and a backend
// without interfaces (kit_open then finds none). A capture file that cannot be
// written is reported the same way ("PELLIXKIT_CAPTURE: ...") and the
// simulation runs without it.
std::shared_ptr<Backend> makeSimulatedBackend(const std::string& scenario);

}  // namespace kit
