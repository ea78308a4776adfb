#pragma once
// The simulated backend: a set of simulated controllers sharing one clock.

#include "kit/kit_backend.h"
#include "kit/sim_controller.h"

#include <memory>
#include <vector>

namespace sim {
class Clock;
}

namespace kit {

class SimBackend final : public Backend {
public:
    explicit SimBackend(std::shared_ptr<sim::Clock> clock);

    // Adds a controller; `bridge` may be null (no chip answers on I2C).
    std::shared_ptr<SimController> addController(SimControllerConfig config,
                                                 std::shared_ptr<sim::I2cTarget> bridge);

    std::vector<std::shared_ptr<Device>> enumerate() override;

    const std::shared_ptr<sim::Clock>& clock() const { return clock_; }
    const std::vector<std::shared_ptr<SimController>>& controllers() const { return controllers_; }

private:
    std::shared_ptr<sim::Clock> clock_;
    std::vector<std::shared_ptr<SimController>> controllers_;
};

// The backend for PELLIXKIT_SIMULATION (a scenario path or "demo"). Returns a
// backend without interfaces, after writing the reason to standard error, when
// the scenario cannot be loaded.
std::shared_ptr<Backend> makeSimulatedBackend(const std::string& scenario);

}  // namespace kit
