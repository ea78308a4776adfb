// Simulated emergency luminaires (device type 1): their answers, and tests
// that run on the bus clock with the failures a scenario injects.

#include "dali/dali_commands.h"
#include "sim/control_gear.h"
#include "tests/sim/gear_test_bus.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace gear_test;
using dali::Dt1Op;

constexpr uint64_t kMinuteUs = 60'000'000;
constexpr uint8_t kUnit = dali::commandAddress(40);

GearConfig emergencyUnit(sim::EmergencyConfig emergency = {}) {
    GearConfig config = addressed(40);
    config.deviceType = dali::kDeviceTypeEmergency;
    config.emergency = emergency;
    return config;
}

// ENABLE DEVICE TYPE 1, then the query; the unit's answer.
std::optional<uint8_t> ask(TestBus& bus, Dt1Op query) {
    bus.send(kEnableDeviceType, dali::kDeviceTypeEmergency);
    return bus.send(kUnit, code(query)).at(0);
}

void order(TestBus& bus, Dt1Op command) {
    bus.send(kEnableDeviceType, dali::kDeviceTypeEmergency);
    bus.sendTwice(kUnit, code(command));
}

struct AnswerCase {
    const char* what;
    Dt1Op query;
    std::optional<uint8_t> dtr0;  // QUERY TEST TIMING's selector
    std::optional<uint8_t> answer;
};

class EmergencyAnswers : public ::testing::TestWithParam<AnswerCase> {};

// A half-charged unit with a history: lamp times, a last duration test of 50 minutes.
sim::EmergencyConfig plantRoomUnit() {
    sim::EmergencyConfig e;
    e.ratedDuration = 30;
    e.batteryCharge = 127;
    e.emergencyLevel = 200;
    e.emergencyMinLevel = 20;
    e.emergencyMaxLevel = 230;
    e.lampEmergencyMinutes = 330;  // 5.5 hours: 5
    e.lampOperationHours = 1200;   // 300 four-hour steps: saturates at 255
    e.durationTestResult = 25;
    e.failureStatus = dali::dt1_failure::kBatteryDuration | dali::dt1_failure::kDurationTestFailed;
    e.emergencyStatus = dali::dt1_status::kDurationTestDone | dali::dt1_status::kInhibit;  // inhibit is not kept
    e.functionTestInterval = 14;
    e.durationTestInterval = 26;
    e.testExecutionTimeout = 3;
    e.prolongTime = 6;
    return e;
}

TEST_P(EmergencyAnswers, AnswerAsConfigured) {
    TestBus bus({emergencyUnit(plantRoomUnit())});
    if (GetParam().dtr0)
        bus.send(kDtr0, *GetParam().dtr0);
    EXPECT_EQ(ask(bus, GetParam().query), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Unit, EmergencyAnswers,
    ::testing::Values(AnswerCase{"battery charge", Dt1Op::QueryBatteryCharge, {}, 127},
                      AnswerCase{"rated duration", Dt1Op::QueryRatedDuration, {}, 30},
                      AnswerCase{"emergency level", Dt1Op::QueryEmergencyLevel, {}, 200},
                      AnswerCase{"min level", Dt1Op::QueryEmergencyMinLevel, {}, 20},
                      AnswerCase{"max level", Dt1Op::QueryEmergencyMaxLevel, {}, 230},
                      AnswerCase{"mode: normal", Dt1Op::QueryEmergencyMode, {}, dali::dt1_mode::kNormal},
                      AnswerCase{"features", Dt1Op::QueryFeatures, {}, 0x19},
                      AnswerCase{"failure status", Dt1Op::QueryFailureStatus, {}, 0x82},
                      AnswerCase{"status: only the done flag", Dt1Op::QueryEmergencyStatus, {}, 0x04},
                      AnswerCase{"lamp emergency time", Dt1Op::QueryLampEmergencyTime, {}, 5},
                      AnswerCase{"lamp operation time", Dt1Op::QueryLampTotalOperationTime, {}, 255},
                      AnswerCase{"duration test result", Dt1Op::QueryDurationTestResult, {}, 25},
                      AnswerCase{"extended version", Dt1Op::QueryExtendedVersionNumber, {}, 1},
                      AnswerCase{"function test interval", Dt1Op::QueryTestTiming, 4, 14},
                      AnswerCase{"duration test interval", Dt1Op::QueryTestTiming, 5, 26},
                      AnswerCase{"execution timeout", Dt1Op::QueryTestTiming, 6, 3},
                      AnswerCase{"prolong time", Dt1Op::QueryTestTiming, 7, 6},
                      AnswerCase{"next function test, high byte", Dt1Op::QueryTestTiming, 0, 14 * 96 >> 8},
                      AnswerCase{"no such selector", Dt1Op::QueryTestTiming, 8, std::nullopt}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(EmergencyUnit, NextTestTimeReadsInOnePieceThroughDtr1) {
    TestBus bus({emergencyUnit(plantRoomUnit())});
    bus.send(kDtr0, code(dali::Dt1TestTiming::NextDurationTestHigh));
    const uint16_t quarters = 26 * 7 * 96 - 1;  // 26 weeks less the frames' half second: the count rounds down
    EXPECT_EQ(ask(bus, Dt1Op::QueryTestTiming), quarters >> 8);
    EXPECT_EQ(bus.gear(0).dtr1(), quarters & 0xFF);
}

TEST(EmergencyUnit, OtherGearAndFramesWithoutTheEnableStayQuiet) {
    GearConfig led = addressed(40);
    TestBus bus({led});
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), kNone);
    TestBus unit({emergencyUnit()});
    EXPECT_EQ(unit.send(kUnit, code(Dt1Op::QueryEmergencyStatus)).at(0), kNone);
    order(unit, Dt1Op::StartFunctionTest);
    EXPECT_EQ(ask(unit, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kFunctionTestRunning);
}

TEST(EmergencyUnit, DurationTestEndsAfterItsRatedDurationOfBusTime) {
    sim::EmergencyConfig e;
    e.ratedDuration = 30;  // one hour; the battery lasts 75 minutes
    TestBus bus({emergencyUnit(e)});
    order(bus, Dt1Op::StartDurationTest);
    const uint64_t startedUs = bus.nowUs();
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kDurationTestRunning);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), dali::dt1_status::kDurationTestPending);

    bus.pass(startedUs + 60 * kMinuteUs - bus.nowUs() - 3 * kFrameGapUs);  // the query ends one frame early
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kDurationTestRunning);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kNormal);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), dali::dt1_status::kDurationTestDone);
    EXPECT_EQ(ask(bus, Dt1Op::QueryFailureStatus), 0);
    EXPECT_EQ(ask(bus, Dt1Op::QueryDurationTestResult), 30);
    EXPECT_EQ(ask(bus, Dt1Op::QueryBatteryCharge), 51);  // 15 of 75 minutes left
    EXPECT_EQ(ask(bus, Dt1Op::QueryLampEmergencyTime), 1);
}

struct TestCase {
    const char* what;
    Dt1Op start;
    sim::EmergencyConfig unit;
    uint64_t afterUs;               // bus time after the start
    uint8_t failure;                // failure status afterwards
    std::optional<uint8_t> result;  // duration test result, when it ran
};

class EmergencyTests : public ::testing::TestWithParam<TestCase> {};

sim::EmergencyConfig with(bool batteryFailure, bool lampFailure, std::optional<uint16_t> batteryMinutes) {
    sim::EmergencyConfig e;
    e.ratedDuration = 30;
    e.functionTestSeconds = 5;
    e.batteryFailure = batteryFailure;
    e.lampFailure = lampFailure;
    e.batteryMinutes = batteryMinutes;
    return e;
}

TEST_P(EmergencyTests, EndWithTheFailuresTheUnitHas) {
    const TestCase& c = GetParam();
    TestBus bus({emergencyUnit(c.unit)});
    order(bus, c.start);
    bus.pass(c.afterUs);
    const bool duration = c.start == Dt1Op::StartDurationTest;
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus).value_or(0xFF) & 0x36,  // done, not pending
              duration ? dali::dt1_status::kDurationTestDone : dali::dt1_status::kFunctionTestDone);
    EXPECT_EQ(ask(bus, Dt1Op::QueryFailureStatus), c.failure);
    if (c.result) {
        EXPECT_EQ(ask(bus, Dt1Op::QueryDurationTestResult), c.result);
    }
}

using namespace dali::dt1_failure;
INSTANTIATE_TEST_SUITE_P(
    Failures, EmergencyTests,
    ::testing::Values(
        TestCase{"function_sound", Dt1Op::StartFunctionTest, with(false, false, {}), 5'000'000, 0, {}},
        TestCase{
            "function_battery", Dt1Op::StartFunctionTest, with(true, false, {}), 0, kBattery | kFunctionTestFailed, {}},
        TestCase{"function_lamp", Dt1Op::StartFunctionTest, with(false, true, {}), 0, kLamp | kFunctionTestFailed, {}},
        TestCase{"duration_battery", Dt1Op::StartDurationTest, with(true, false, {}), 0, kBattery | kDurationTestFailed,
                 0},
        TestCase{"duration_too_short", Dt1Op::StartDurationTest, with(false, false, 41), 41 * kMinuteUs,
                 kBatteryDuration | kDurationTestFailed, 20},
        TestCase{"duration_sound", Dt1Op::StartDurationTest, with(false, false, 90), 60 * kMinuteUs, 0, 30}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(EmergencyUnit, StopTestEndsARunningTestWithoutAResult) {
    TestBus bus({emergencyUnit(with(false, false, {}))});
    order(bus, Dt1Op::StartDurationTest);
    bus.pass(10 * kMinuteUs);
    order(bus, Dt1Op::StopTest);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kNormal);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), 0);
    bus.pass(60 * kMinuteUs);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), 0);
}

TEST(EmergencyUnit, DurationTestWaitsForAFullBatteryAndFlagsTheDelayPastTheTimeout) {
    sim::EmergencyConfig e = with(false, false, {});
    e.batteryCharge = 127;       // half: full after 12 of 24 hours' charging
    e.testExecutionTimeout = 0;  // 15 minutes
    TestBus bus({emergencyUnit(e)});
    order(bus, Dt1Op::StartDurationTest);
    bus.pass(20 * kMinuteUs);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kNormal);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), dali::dt1_status::kDurationTestPending);
    EXPECT_EQ(ask(bus, Dt1Op::QueryFailureStatus), kDurationTestDelayExceeded);
    bus.pass(12ULL * 60 * kMinuteUs);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyMode), dali::dt1_mode::kDurationTestRunning);
}

TEST(EmergencyUnit, ConfigurationCommandsStoreDtr0) {
    TestBus bus({emergencyUnit(plantRoomUnit())});
    bus.send(kDtr0, 250);  // above the max level: the max is stored
    order(bus, Dt1Op::StoreDtrAsEmergencyLevel);
    bus.send(kDtr0, 98);  // above 97 weeks: ignored
    order(bus, Dt1Op::StoreDurationTestInterval);
    bus.send(kDtr0, 12);
    order(bus, Dt1Op::StoreFunctionTestInterval);
    const sim::EmergencyConfig stored = bus.gear(0).snapshot().emergency;
    EXPECT_EQ(stored.emergencyLevel, 230);
    EXPECT_EQ(stored.durationTestInterval, 26);
    EXPECT_EQ(stored.functionTestInterval, 12);
}

TEST(EmergencyUnit, InhibitAndIdentificationRunOutOnTheBusClock) {
    TestBus bus({emergencyUnit()});
    order(bus, Dt1Op::Inhibit);
    order(bus, Dt1Op::StartIdentification);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus),
              dali::dt1_status::kInhibit | dali::dt1_status::kIdentification | dali::dt1_status::kBatteryFull);
    bus.pass(10'000'000);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), dali::dt1_status::kInhibit | dali::dt1_status::kBatteryFull);
    order(bus, Dt1Op::ReLightResetInhibit);
    EXPECT_EQ(ask(bus, Dt1Op::QueryEmergencyStatus), dali::dt1_status::kBatteryFull);
}

}  // namespace
