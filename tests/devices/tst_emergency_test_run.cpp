// The bus-wide emergency test run on a simulated corridor: staggered starts,
// outcomes with the units' failure bits, time-outs and cancel, on virtual time.

#include "devices/emergency_test_run.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using namespace dali::dt1_failure;

constexpr int64_t kMinuteMs = 60'000;

sim::GearConfig unitAt(int shortAddress, void (*adjust)(sim::EmergencyConfig&) = nullptr) {
    sim::GearConfig gear = gearAt(shortAddress);
    gear.deviceType = dali::kDeviceTypeEmergency;
    gear.emergency.ratedDuration = 30;  // one hour
    gear.emergency.functionTestSeconds = 5;
    if (adjust)
        adjust(gear.emergency);
    return gear;
}

const QDateTime kRunStart(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

class TestRun : public ::testing::Test {
protected:
    explicit TestRun(std::vector<sim::GearConfig> gear = {}) : bus(std::move(gear)) {}

    EmergencyTestRunContext context(std::vector<int> units, EmergencyTestKind kind) {
        EmergencyTestRunContext c{.link = bus.link(), .units = std::move(units), .kind = kind};
        startUs = bus.clock().nowUs();
        c.clock = [this] { return kRunStart.addMSecs(qint64((bus.clock().nowUs() - startUs) / 1000)); };
        c.progress = [this](int finished, int total) { progress.emplace_back(finished, total); };
        return c;
    }
    int64_t minutesAfterStart(const QDateTime& at) const { return kRunStart.msecsTo(at) / kMinuteMs; }

    LinkedBus bus;
    uint64_t startUs = 0;
    std::vector<std::pair<int, int>> progress;
};

class Corridor : public TestRun {
protected:
    Corridor()
        : TestRun({unitAt(40), unitAt(41, [](sim::EmergencyConfig& e) { e.batteryFailure = true; }),
                   unitAt(42, [](sim::EmergencyConfig& e) { e.lampFailure = true; })}) {}
};

TEST_F(Corridor, FunctionTestsStartStaggeredAndEndWithEachUnitsFailures) {
    EmergencyTestRunContext c = context({40, 41, 42}, EmergencyTestKind::Function);
    EXPECT_EQ(RunEmergencyTestRun(c), 0);

    ASSERT_EQ(c.results.size(), 3u);
    const std::vector<std::pair<int, EmergencyOutcome>> outcomes{{c.results[0].shortAddress, c.results[0].outcome},
                                                                 {c.results[1].shortAddress, c.results[1].outcome},
                                                                 {c.results[2].shortAddress, c.results[2].outcome}};
    EXPECT_EQ(outcomes,
              (std::vector<std::pair<int, EmergencyOutcome>>{
                  {40, EmergencyOutcome::Passed}, {41, EmergencyOutcome::Failed}, {42, EmergencyOutcome::Failed}}));
    EXPECT_EQ(c.results[0].failureStatus, 0);
    EXPECT_EQ(c.results[1].failureStatus, kBattery | kFunctionTestFailed);
    EXPECT_EQ(c.results[2].failureStatus, kLamp | kFunctionTestFailed);
    EXPECT_FALSE(c.results[0].durationReached);
    // 40 is seen done at its second look, 10 s in; the others start 30 s apart and fail at once.
    EXPECT_EQ(kRunStart.secsTo(c.results[0].finishedAt), 10);
    EXPECT_EQ(kRunStart.secsTo(c.results[1].finishedAt), 30);
    EXPECT_EQ(kRunStart.secsTo(c.results[2].finishedAt), 60);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {1, 3}, {2, 3}, {2, 3}, {3, 3}}));
}

TEST_F(Corridor, EachStartClearsTheOldDoneFlagFirst) {
    EmergencyTestRunContext c = context({40}, EmergencyTestKind::Function);
    c.cancelRequested = [this] { return bus.clock().nowUs() > startUs + 5'000'000; };  // after the first look
    RunEmergencyTestRun(c);
    const std::vector<uint16_t> frames = bus.takeForwardFrames();
    EXPECT_EQ(frames, (std::vector<uint16_t>{0xC101, 0x51E6, 0x51E6, 0xC101, 0x51E3, 0x51E3,  // reset flag, start
                                             0xC101, 0x51FD,                                  // status: running
                                             0xC101, 0x51E5, 0x51E5}));                       // cancel: stop
}

class DurationRun : public TestRun {
protected:
    DurationRun()
        : TestRun({unitAt(40), unitAt(41, [](sim::EmergencyConfig& e) { e.batteryMinutes = 40; }),
                   unitAt(42, [](sim::EmergencyConfig& e) { e.batteryCharge = 0; })}) {}
};

TEST_F(DurationRun, ShortBatteryFailsWithTheTimeReachedAndAnUnchargedUnitIsLeftPending) {
    EmergencyTestRunContext c = context({40, 41, 42}, EmergencyTestKind::Duration);
    c.durationMarginMinutes = 10;
    bus.bus().takeFrameLog();
    EXPECT_EQ(RunEmergencyTestRun(c), 0);
    const std::vector<sim::BusFrame> frames = bus.bus().takeFrameLog();

    ASSERT_EQ(c.results.size(), 3u);
    // 41 (started at 30 s) runs empty after 40 minutes, 40 passes after its hour,
    // 42 waits for a charge that takes a day: asked at its time limit, it says so and is left waiting.
    EXPECT_EQ(c.results[0].shortAddress, 41);
    EXPECT_EQ(c.results[0].outcome, EmergencyOutcome::Failed);
    EXPECT_EQ(c.results[0].failureStatus, kBatteryDuration | kDurationTestFailed);
    EXPECT_EQ(c.results[0].durationReached, 20);
    EXPECT_EQ(minutesAfterStart(c.results[0].finishedAt), 40);
    EXPECT_EQ(c.results[1].shortAddress, 40);
    EXPECT_EQ(c.results[1].outcome, EmergencyOutcome::Passed);
    EXPECT_EQ(c.results[1].failureStatus, 0);
    EXPECT_EQ(c.results[1].durationReached, 30);
    EXPECT_EQ(minutesAfterStart(c.results[1].finishedAt), 60);
    EXPECT_EQ(c.results[2].shortAddress, 42);
    EXPECT_EQ(c.results[2].outcome, EmergencyOutcome::PostponedCharging);
    EXPECT_FALSE(c.results[2].failureStatus);
    EXPECT_EQ(minutesAfterStart(c.results[2].finishedAt), 71);  // started a minute in

    // Its last frames: QUERY EMERGENCY MODE and STATUS, and no STOP TEST, so its test still waits.
    std::vector<uint16_t> to42;
    for (const sim::BusFrame& f : frames)
        if (f.kind == sim::FrameKind::Forward && (f.data >> 8 == 0x55 || f.data == 0xC101))
            to42.push_back(f.data);
    ASSERT_GE(to42.size(), 4u);
    EXPECT_EQ(std::vector<uint16_t>(to42.end() - 4, to42.end()), (std::vector<uint16_t>{0xC101, 0x55FA, 0xC101, 0x55FD}));
    EXPECT_EQ(std::count(to42.begin(), to42.end(), 0x55E5), 0);
    uint8_t status = 0;
    const uint64_t now = bus.clock().nowUs();
    bus.bus().withGear(2, [&](sim::ControlGear& gear) { status = gear.emergencyUnit()->status(now, false); });
    EXPECT_NE(status & dali::dt1_status::kDurationTestPending, 0);
}

TEST_F(DurationRun, CancelStopsEveryUnitUnderTestAndStartsNoMore) {
    EmergencyTestRunContext c = context({40, 41, 42}, EmergencyTestKind::Duration);
    c.staggerSeconds = 120;
    std::vector<uint16_t> beforeCancel;
    c.cancelRequested = [&] {
        if (bus.clock().nowUs() - startUs < 3 * 60'000'000ULL)  // 40 and 41 are running
            return false;
        beforeCancel = bus.takeForwardFrames();
        return true;
    };
    EXPECT_EQ(RunEmergencyTestRun(c), 0);

    EXPECT_EQ(bus.takeForwardFrames(), (std::vector<uint16_t>{0xC101, 0x51E5, 0x51E5, 0xC101, 0x53E5, 0x53E5}));
    EXPECT_EQ(std::count(beforeCancel.begin(), beforeCancel.end(), 0x55E4), 0);  // 42 never started
    ASSERT_EQ(c.results.size(), 2u);
    EXPECT_EQ(c.results[0].outcome, EmergencyOutcome::Cancelled);
    EXPECT_EQ(c.results[1].outcome, EmergencyOutcome::Cancelled);
    uint8_t mode40 = 0;
    const uint64_t now = bus.clock().nowUs();
    bus.bus().withGear(0, [&](sim::ControlGear& gear) { mode40 = gear.emergencyUnit()->mode(now); });
    EXPECT_EQ(mode40, dali::dt1_mode::kNormal);
}

TEST(EmergencyUnitsOf, PresentEmergencyUnitsOfTheBusOrOfAGroup) {
    DeviceTable table{};
    for (int a : {3, 7, 9, 20}) {
        table[size_t(a)].present = 1;
        table[size_t(a)].deviceType = dali::kDeviceTypeEmergency;
    }
    table[7].SetGroupMask(1 << 3);
    table[20].SetGroupMask(1 << 3);
    table[9].present = 0;  // known from a file, not on the bus
    table[11].present = 1;
    table[11].deviceType = dali::kDeviceTypeLedModule;
    table[11].SetGroupMask(1 << 3);
    EXPECT_EQ(EmergencyUnitsOf(table), (std::vector<int>{3, 7, 20}));
    EXPECT_EQ(EmergencyUnitsOf(table, 3), (std::vector<int>{7, 20}));
}

}  // namespace
