// Faults a tester gives one gear: what the bridge reports and what lies on
// the wire. Gear 5 is at level 77 and answers 7 ms after a frame; the query
// is written at 0 and ends at 15.833 ms.

#include "sim/dali_bus.h"

#include "dali/dali_commands.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

using sim::BusFrame;
using sim::DaliBus;
using sim::FrameKind;
using sim::GearFaults;

namespace {

constexpr uint8_t kQueryActualLevel = dali::code(dali::Op::QueryActualLevel);
const uint8_t kGear5 = dali::commandAddress(5);
const std::string kQueryName = "QUERY ACTUAL LEVEL, short 5";

struct FaultCase {
    const char* name;
    GearFaults faults;
    uint64_t settledUs;  // the bridge has its result
    uint8_t status, answer;
    std::vector<BusFrame> frames;
    uint64_t nextStartUs;  // a frame written at once starts then
};

const FaultCase kFaults[] = {
    {"none", {}, 32000, 0x09, 77,
     {{0, FrameKind::Forward, 0x0BA0, kQueryName}, {22833, FrameKind::Backward, 77, ""}}, 45500},
    // The window closes at 28.233 ms with no reply started; the reply starts at 30.233 ms.
    {"late reply: the bridge hears none, the wire carries it", {0, true, false, false}, 28233, 0x00, 0x00,
     {{0, FrameKind::Forward, 0x0BA0, kQueryName}, {30233, FrameKind::Backward, 77, ""}}, 52900},
    {"garbled reply", {0, false, true, false}, 32000, 0x10, 0xFF,
     {{0, FrameKind::Forward, 0x0BA0, kQueryName}, {22833, FrameKind::Garbled, 0, ""}}, 45500},
    {"missed frame", {1, false, false, false}, 28233, 0x00, 0x00, {{0, FrameKind::Forward, 0x0BA0, kQueryName}},
     29333},
};

class GearFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(GearFault, BridgeResultAndWire) {
    const FaultCase& c = GetParam();
    sim::GearConfig gear = gearAt(5, 77);
    gear.faults = c.faults;
    DaliBus bus({true, std::nullopt, {gear}}, 1);
    bus.transmit(0, kGear5, kQueryActualLevel);
    EXPECT_EQ(bus.status(c.settledUs - 1), 0x04);
    EXPECT_EQ(bus.status(c.settledUs), c.status);
    EXPECT_EQ(bus.answer(c.settledUs), c.answer);
    EXPECT_EQ(bus.takeFrameLog(), c.frames);
    bus.transmit(c.settledUs, kGear5, kQueryActualLevel);
    EXPECT_EQ(bus.frameLog().front().timeUs, c.nextStartUs);
}

INSTANTIATE_TEST_SUITE_P(Faults, GearFault, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c && *c != ':'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(GearFaults, MissedFramesChangeNothingAndTheCountRunsDown) {
    sim::GearConfig gear = gearAt(5, 77);
    gear.faults.missFrames = 2;
    DaliBus bus({true, std::nullopt, {gear}}, 1);
    bus.transmit(0, kGear5 & 0xFE, 200);  // DAPC 200: missed
    bus.transmit(0, kGear5, kQueryActualLevel);  // missed
    bus.transmit(0, kGear5, kQueryActualLevel);
    EXPECT_EQ(bus.status(1'000'000), 0x09);
    EXPECT_EQ(bus.answer(1'000'000), 77);
    EXPECT_EQ(bus.gearSnapshot()[0].faults.missFrames, 0u);
}

TEST(GearFaults, ALateReplyGarblesAnotherGearsReplyInTheWindow) {
    sim::GearConfig late = gearAt(6, 77);
    late.faults.lateReplies = true;
    sim::BusConfig config{true, std::nullopt, {gearAt(5, 77), late}};
    config.alignedReplies = true;  // even alike bytes: the late one cannot line up
    DaliBus bus(config, 1);
    bus.transmit(0, dali::kBroadcast, kQueryActualLevel);
    EXPECT_EQ(bus.status(39400 - 1), 0x04);  // until the late reply has ended
    EXPECT_EQ(bus.status(39400), 0x10);
    EXPECT_EQ(bus.answer(39400), 0xFF);
}

TEST(GearFaults, WithoutASelectionKeyAPressSelectsNothing) {
    sim::GearConfig keyless = gearAt(4);
    keyless.faults.noSelectionKey = true;
    DaliBus bus({true, std::nullopt, {gearAt(3), keyless}}, 1);
    bus.transmit(0, 0xA5, 0x00);  // INITIALISE, twice
    bus.transmit(0, 0xA5, 0x00);
    bus.transmit(0, 0xBD, 0x00);  // PHYSICAL SELECTION
    bus.pressPhysicalSelectionKey(1);
    bus.transmit(0, 0xBB, 0x00);  // QUERY SHORT ADDRESS
    EXPECT_EQ(bus.status(1'000'000), 0x00);
    bool selected = true;
    bus.withGear(1, [&](sim::ControlGear& g) { selected = g.isPhysicallySelected(); });
    EXPECT_FALSE(selected);
}

}  // namespace
