#include "kit/hid_backend.h"
#include "kit/kit_backend.h"
#include "kit/sim_backend.h"

#include <cstdlib>

namespace kit {

std::shared_ptr<Backend> backendFromEnvironment() {
    if (const char* scenario = std::getenv("PELLIXKIT_SIMULATION"); scenario && *scenario)
        return makeSimulatedBackend(scenario);
    return makeHidBackend();
}

}  // namespace kit
