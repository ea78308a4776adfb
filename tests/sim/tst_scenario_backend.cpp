// Scenarios turned into kit backends: interfaces, bridges, buses, clock, and
// what PELLIXKIT_SIMULATION does with a scenario that cannot be loaded.

#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "link/dalikit.h"
#include "sim/bridge_chip.h"
#include "sim/dali_bus.h"
#include "sim/scenario.h"
#include "sim/sim_clock.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace {

sim::Scenario scenario(std::string_view json) {
    std::string error;
    std::optional<sim::Scenario> s = sim::parseScenario(json, "test", error);
    EXPECT_TRUE(s) << error;
    return s.value_or(sim::Scenario{});
}

std::wstring serialOf(KitHandle handle) {
    wchar_t serial[9] = {};
    kit_serial_number(handle, serial);
    return serial;
}

class InstalledBackend {
public:
    explicit InstalledBackend(std::shared_ptr<kit::Backend> backend) { kit::installBackend(std::move(backend)); }
    ~InstalledBackend() { kit::installBackend(nullptr); }
};

}  // namespace

TEST(ScenarioBackend, EveryInterfaceGetsItsControllerBridgeAndBus) {
    auto backend = kit::buildSimulatedBackend(scenario(R"({"interfaces": [
        {"serial": "0000AA01", "bus": {"gear": [{"shortAddress": 3}, {"shortAddress": 4}]}},
        {"serial": "0000AA02", "productId": "0x158A", "bridgeAddress": "0x31", "revision": [2, 10]},
        {"serial": "0000AA03", "bridgeAddress": null}]})"));
    InstalledBackend installed(backend);

    ASSERT_NE(kit_open(), nullptr);
    ASSERT_EQ(kit_device_count(), 3);
    EXPECT_EQ(serialOf(kit_device_at(1)), L"0000AA01");
    EXPECT_EQ(serialOf(kit_device_at(2)), L"0000AA02");
    EXPECT_EQ(kit_product_id(kit_device_at(1)), 0x1501);
    EXPECT_EQ(kit_product_id(kit_device_at(2)), 0x158A);

    for (int i = 1; i <= 3; ++i)
        dalikit_EnableI2C(kit_device_at(i));
    EXPECT_EQ(dalikit_ProbeBridgeAddress(kit_device_at(1)), 0x40);
    EXPECT_EQ(dalikit_ProbeBridgeAddress(kit_device_at(2)), 0x62);
    EXPECT_EQ(dalikit_ProbeBridgeAddress(kit_device_at(3)), 0x00);
    EXPECT_EQ(dalikit_ReadRevision({kit_device_at(2), 0x62}), "0.2.0.A");

    EXPECT_EQ(backend->bus(0)->gearCount(), 2u);
    EXPECT_EQ(backend->bus(1)->gearCount(), 0u);
    ASSERT_NE(backend->bus(2), nullptr);
    EXPECT_EQ(backend->bridge(2), nullptr);
    EXPECT_EQ(backend->bus(3), nullptr);
}

TEST(ScenarioBackend, EachInterfaceHasItsOwnBus) {
    auto backend = kit::buildSimulatedBackend(scenario(
        R"({"interfaces": [{"bus": {"gear": [{"shortAddress": 3}]}}, {"bus": {"gear": [{"shortAddress": 4}]}}]})"));
    InstalledBackend installed(backend);
    kit_open();
    const BusLink second{kit_device_at(2), 0x40};
    kit_set_timeout(second.handle, 2000);
    dalikit_EnableI2C(second.handle);
    uint8_t answer = 0, status = 0;
    dalikit_Query(second, 0x07, 0x90, answer, status);  // QUERY STATUS to 3
    EXPECT_EQ(status, 0x00);
    dalikit_WaitIdle(second);
    dalikit_Query(second, 0x09, 0x90, answer, status);  // QUERY STATUS to 4
    EXPECT_EQ(status, 0x09);
    EXPECT_TRUE(backend->bus(0)->frameLog().empty());
    EXPECT_EQ(backend->bus(1)->frameLog().size(), 3u);  // two queries, one reply
}

TEST(ScenarioBackend, ClockRunsAtTheScenariosTimeScale) {
    EXPECT_EQ(kit::buildSimulatedBackend(scenario(R"({"timeScale": 1})"))->clock()->timeScale(), 1.0);
    EXPECT_TRUE(kit::buildSimulatedBackend(scenario("{}"))->clock()->isVirtual());
}

TEST(SimulationVariable, DemoGivesOneInterfaceOnRealTime) {
    auto backend = std::dynamic_pointer_cast<kit::SimBackend>(kit::makeSimulatedBackend("demo"));
    ASSERT_TRUE(backend);
    EXPECT_EQ(backend->enumerate().size(), 1u);
    EXPECT_EQ(backend->clock()->timeScale(), 1.0);
    EXPECT_GE(backend->bus(0)->gearCount(), 12u);
}

TEST(SimulationVariable, BrokenScenarioGivesOneErrorLineAndNoInterfaces) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("broken.json").toStdString();
    std::ofstream(path) << R"({"interfaces": [{"bus": {"gear": [{"deviceType": "six"}]}}]})";

    testing::internal::CaptureStderr();
    auto backend = kit::makeSimulatedBackend(path);
    const std::string printed = testing::internal::GetCapturedStderr();

    EXPECT_EQ(
        printed,
        "PELLIXKIT_SIMULATION: " + path +
            R"(: $.interfaces[0].bus.gear[0].deviceType: bad hex number "six", expected "0x" and up to 16 hex digits)"
            "\n");
    EXPECT_TRUE(backend->enumerate().empty());
    InstalledBackend installed(backend);
    EXPECT_EQ(kit_open(), nullptr);
}
