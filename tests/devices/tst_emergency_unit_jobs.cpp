// Reading an emergency luminaire and commanding it: exact frames on the
// simulated bus, the state read, and the unit's state afterwards.

#include "devices/emergency_commands.h"
#include "devices/emergency_reading.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

sim::GearConfig unitAt(int shortAddress, sim::EmergencyConfig emergency = {}) {
    sim::GearConfig gear = gearAt(shortAddress);
    gear.deviceType = dali::kDeviceTypeEmergency;
    gear.emergency = emergency;
    return gear;
}

sim::EmergencyConfig halfCharged() {
    sim::EmergencyConfig e;
    e.ratedDuration = 90;
    e.batteryCharge = 127;
    e.emergencyLevel = 180;
    e.lampEmergencyMinutes = 150;
    e.lampOperationHours = 40;
    e.durationTestResult = 88;
    e.failureStatus = dali::dt1_failure::kLamp | dali::dt1_failure::kFunctionTestFailed;
    e.emergencyStatus = dali::dt1_status::kFunctionTestDone;
    e.functionTestInterval = 7;
    e.durationTestInterval = 52;
    e.testExecutionTimeout = 2;
    return e;
}

TEST(EmergencyReading, QueriesEveryValueAfterEnableDeviceType1) {
    LinkedBus bus({unitAt(40, halfCharged())});
    EmergencyState state;
    EmergencyReadContext context{bus.link(), 40, state};
    EXPECT_EQ(ReadEmergencyState(context), 0);

    EXPECT_EQ(bus.takeForwardFrames(),
              (std::vector<uint16_t>{0xC101, 0x51FA, 0xC101, 0x51FB, 0xC101, 0x51FC, 0xC101, 0x51FD, 0xC101, 0x51F1,
                                     0xC101, 0x51F9, 0xC101, 0x51F3, 0xC101, 0x51F4, 0xC101, 0x51F5, 0xC101, 0x51F6,
                                     0xA304, 0xC101, 0x51F2, 0xA305, 0xC101, 0x51F2, 0xA306, 0xC101, 0x51F2, 0xA300,
                                     0xC101, 0x51F2, 0x519C, 0xA302, 0xC101, 0x51F2, 0x519C}));
    EmergencyState expected;
    expected.mode = dali::dt1_mode::kNormal;
    expected.features = 0x19;
    expected.failureStatus = 0x48;
    expected.status = dali::dt1_status::kFunctionTestDone;
    expected.batteryCharge = 127;
    expected.ratedDuration = 90;
    expected.durationTestResult = 88;
    expected.lampEmergencyTime = 2;        // 150 minutes
    expected.lampTotalOperationTime = 10;  // 40 hours in 4-hour steps
    expected.emergencyLevel = 180;
    expected.functionTestInterval = 7;
    expected.durationTestInterval = 52;
    expected.testExecutionTimeout = 2;
    expected.nextFunctionTest = 7 * 96 - 1;  // the reading's first second has passed: rounded down
    expected.nextDurationTest = 52 * 7 * 96 - 1;
    EXPECT_EQ(state, expected);
}

TEST(EmergencyReading, AnAbsentUnitLeavesTheStateAsItWasAndNoInterfaceSendsNothing) {
    LinkedBus bus({unitAt(40)});
    EmergencyState state;
    state.batteryCharge = 200;
    EmergencyReadContext absent{bus.link(), 41, state};
    EXPECT_EQ(ReadEmergencyState(absent), 0);
    EmergencyState expected;
    expected.batteryCharge = 200;
    EXPECT_EQ(state, expected);
    bus.takeForwardFrames();

    const BusLink offline{};
    EmergencyReadContext noInterface{offline, 40, state};
    EXPECT_EQ(ReadEmergencyState(noInterface), 0);
    EXPECT_TRUE(bus.takeForwardFrames().empty());
}

struct ActionCase {
    const char* name;
    EmergencyAction action;
    uint8_t opcode;
    uint8_t modeAfter;
    uint8_t statusAfter;
};

class EmergencyActions : public ::testing::TestWithParam<ActionCase> {};

// Each button's frames, and what the unit does: a test that runs, or stops.
TEST_P(EmergencyActions, SendEnableAndTheCommandTwice) {
    const ActionCase& c = GetParam();
    LinkedBus bus({unitAt(40)});
    EXPECT_EQ(RunEmergencyAction({bus.link(), dali::commandAddress(40)}, c.action), 0);
    EXPECT_EQ(bus.takeForwardFrames(),
              (std::vector<uint16_t>{0xC101, uint16_t(0x5100 | c.opcode), uint16_t(0x5100 | c.opcode)}));
    uint8_t mode = 0, status = 0;
    const uint64_t now = bus.clock().nowUs();
    bus.bus().withGear(0, [&](sim::ControlGear& gear) {
        mode = gear.emergencyUnit()->mode(now);
        status = gear.emergencyUnit()->status(now, false);
    });
    EXPECT_EQ(mode, c.modeAfter);
    EXPECT_EQ(status, c.statusAfter);
}

using namespace dali::dt1_status;
INSTANTIATE_TEST_SUITE_P(
    Buttons, EmergencyActions,
    ::testing::Values(
        ActionCase{"FunctionTest", EmergencyAction::FunctionTest, 0xE3, dali::dt1_mode::kFunctionTestRunning,
                   kFunctionTestPending},  // the battery runs the lamp: no longer full
        ActionCase{"DurationTest", EmergencyAction::DurationTest, 0xE4, dali::dt1_mode::kDurationTestRunning,
                   kDurationTestPending},
        ActionCase{"Stop", EmergencyAction::StopTest, 0xE5, dali::dt1_mode::kNormal, kBatteryFull},
        ActionCase{"Inhibit", EmergencyAction::Inhibit, 0xE1, dali::dt1_mode::kNormal, kBatteryFull | kInhibit},
        ActionCase{"ReLight", EmergencyAction::ReLight, 0xE2, dali::dt1_mode::kNormal, kBatteryFull},
        ActionCase{"Identify", EmergencyAction::Identify, 0xF0, dali::dt1_mode::kNormal,
                   kBatteryFull | kIdentification}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmergencyActionsOnTheBus, StopTestEndsARunningDurationTestWithoutAResult) {
    LinkedBus bus({unitAt(40)});
    EXPECT_EQ(RunEmergencyAction({bus.link(), dali::commandAddress(40)}, EmergencyAction::DurationTest), 0);
    kit_sleep(bus.link().handle, 60'000);  // a minute into the test
    EXPECT_EQ(RunEmergencyAction({bus.link(), dali::commandAddress(40)}, EmergencyAction::StopTest), 0);
    EXPECT_EQ(bus.takeForwardFrames(), (std::vector<uint16_t>{0xC101, 0x51E4, 0x51E4, 0xC101, 0x51E5, 0x51E5}));
    EmergencyState state;
    EmergencyReadContext context{bus.link(), 40, state};
    ReadEmergencyState(context);
    EXPECT_EQ(state.mode, dali::dt1_mode::kNormal);
    EXPECT_EQ(state.status, 0);  // not done, no longer pending, the battery no longer full
    EXPECT_EQ(state.durationTestResult, 0);
}

}  // namespace
