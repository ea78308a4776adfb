// Scenario files on arbitrary bytes: parsing never crashes, and a scenario
// that parses is written back as JSON that parses to the same gear.

#include "sim/scenario.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const auto scenario = sim::parseScenario(json, "fuzz", error);
    if (!scenario)
        return 0;
    const auto again = sim::parseScenario(sim::scenarioJson(*scenario), "written", error);
    if (!again || again->interfaces.size() != scenario->interfaces.size())
        std::abort();
    for (size_t i = 0; i < scenario->interfaces.size(); ++i)
        if (again->interfaces[i].bus.gear != scenario->interfaces[i].bus.gear)
            std::abort();
    return 0;
}
