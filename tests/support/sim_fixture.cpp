#include "tests/support/sim_fixture.h"

#include "kit/pellixkit.h"

SimInterface::SimInterface(const SimInterfaceOptions& options)
    : clock_(std::make_shared<sim::Clock>(0.0)), bus_(std::make_shared<sim::ScriptedBus>()) {
    auto backend = std::make_shared<kit::SimBackend>(clock_);
    if (options.bridgeAddress7 >= 0)
        bridge_ = std::make_shared<sim::BridgeChip>(uint8_t(options.bridgeAddress7), bus_, options.revision);
    controller_ = backend->addController({options.productId, options.serial, options.reportLatencyUs}, bridge_);
    kit::installBackend(backend);
    handle_ = kit_open();
}

SimInterface::~SimInterface() { kit::installBackend(nullptr); }
