// The simulated bus on its own, at exact times: status timeline, answer
// register, settling, queued frames, collisions, power, frame names, keys.

#include "sim/dali_bus.h"

#include "dali/dali_commands.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using sim::BusConfig;
using sim::BusFrame;
using sim::DaliBus;
using sim::FrameKind;

namespace {

constexpr uint8_t kQueryStatus = dali::code(dali::Op::QueryStatus),
                  kQueryActualLevel = dali::code(dali::Op::QueryActualLevel);
const uint8_t kGear5 = dali::commandAddress(5), kEmpty9 = dali::commandAddress(9);

BusConfig busWith(std::vector<sim::GearConfig> gear) { return {true, std::nullopt, std::move(gear)}; }

std::vector<uint64_t> startTimes(const std::vector<BusFrame>& frames, FrameKind kind) {
    std::vector<uint64_t> times;
    for (const BusFrame& frame : frames)
        if (frame.kind == kind)
            times.push_back(frame.timeUs);
    return times;
}

}  // namespace

TEST(DaliBusTimeline, FrameWithoutReplyIsBusyThenWaitingForTwelvePointFourMillisecondsThenZero) {
    DaliBus bus(busWith({}), 1);
    EXPECT_EQ(bus.status(0), 0x00);
    bus.transmit(1000, kEmpty9, kQueryStatus);
    EXPECT_EQ(bus.status(1000), 0x40);
    EXPECT_EQ(bus.status(16832), 0x40);  // 38 Te = 15.833 ms on the wire
    EXPECT_EQ(bus.status(16833), 0x04);
    EXPECT_EQ(bus.status(29232), 0x04);  // no reply start within 12.4 ms
    EXPECT_EQ(bus.status(29233), 0x00);
    EXPECT_EQ(bus.answer(29233), 0x00);
}

TEST(DaliBusTimeline, ReplyStartsSevenMillisecondsAfterTheFrameAndIsReadableWhenComplete) {
    DaliBus bus(busWith({gearAt(5, 77)}), 1);
    bus.transmit(1000, kGear5, kQueryActualLevel);
    EXPECT_EQ(bus.status(16832), 0x40);
    EXPECT_EQ(bus.status(16833), 0x04);
    EXPECT_EQ(bus.status(32999), 0x04);  // reply 23.833 .. 33.000 ms
    EXPECT_EQ(bus.answer(32999), 0x00);  // not complete yet
    EXPECT_EQ(bus.status(33000), 0x09);
    EXPECT_EQ(bus.answer(33000), 77);
    const std::vector<BusFrame> frames = bus.frameLog();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1], (BusFrame{23833, FrameKind::Backward, 77, ""}));
}

TEST(DaliBusTimeline, AnswerRegisterKeepsTheLastReplyWhenNoneComes) {
    DaliBus bus(busWith({gearAt(5, 77)}), 1);
    bus.transmit(0, kGear5, kQueryActualLevel);
    bus.transmit(50000, kEmpty9, kQueryStatus);
    EXPECT_EQ(bus.status(90000), 0x00);
    EXPECT_EQ(bus.answer(90000), 77);
}

TEST(DaliBusSettling, FrameWrittenWhileSettlingStartsThirteenPointFiveMillisecondsAfterTheLastFrame) {
    DaliBus bus(busWith({}), 1);
    bus.transmit(0, kEmpty9, kQueryStatus);      // ends 15833, no reply
    bus.transmit(20000, kEmpty9, kQueryStatus);  // written while the bus settles
    EXPECT_EQ(bus.status(20000), 0x40);          // busy although the first frame's window is open
    EXPECT_EQ(bus.status(29000), 0x40);          // first window over, second frame still waiting
    EXPECT_EQ(bus.status(45165), 0x40);
    EXPECT_EQ(bus.status(45166), 0x04);
    EXPECT_EQ(startTimes(bus.frameLog(), FrameKind::Forward), (std::vector<uint64_t>{0, 29333}));
}

TEST(DaliBusSettling, SettlingCountsFromTheEndOfTheReply) {
    DaliBus bus(busWith({gearAt(5, 77)}), 1);
    bus.transmit(0, kGear5, kQueryActualLevel);  // reply ends 32000
    bus.transmit(33000, kEmpty9, kQueryStatus);
    EXPECT_EQ(bus.status(33000), 0x40);
    EXPECT_EQ(startTimes(bus.frameLog(), FrameKind::Forward), (std::vector<uint64_t>{0, 45500}));
}

TEST(DaliBusSettling, FrameWrittenAfterSettlingStartsAtOnce) {
    DaliBus bus(busWith({}), 1);
    bus.transmit(0, kEmpty9, kQueryStatus);
    bus.transmit(29333, kEmpty9, kQueryStatus);
    bus.transmit(100000, kEmpty9, kQueryStatus);
    EXPECT_EQ(startTimes(bus.frameLog(), FrameKind::Forward), (std::vector<uint64_t>{0, 29333, 100000}));
}

TEST(DaliBusSettling, FramesWrittenTogetherGoOutInOrderAndKeepTheBridgeBusy) {
    DaliBus bus(busWith({gearAt(5, 77)}), 1);
    bus.transmit(0, kEmpty9, kQueryStatus);
    bus.transmit(0, kGear5, kQueryActualLevel);
    bus.transmit(0, kEmpty9, kQueryStatus);
    const std::vector<BusFrame> frames = bus.frameLog();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].timeUs, 0u);
    EXPECT_EQ(frames[1].timeUs, 29333u);
    EXPECT_EQ(frames[1].data, kGear5 << 8 | kQueryActualLevel);
    EXPECT_EQ(frames[2].kind, FrameKind::Backward);
    EXPECT_EQ(frames[3].timeUs, 29333u + 32000 + 13500);
    EXPECT_EQ(bus.status(29333 + 32000), 0x40);  // the reply is in, the third frame waits
    EXPECT_EQ(bus.answer(29333 + 32000), 77);
    EXPECT_EQ(bus.status(74833 + 28233), 0x00);
}

// Several gear answering one frame: each starts its reply after its own
// delay, so they garble each other even with the same byte, unless the bus
// lines their replies up. The window ends with the latest reply.
TEST(DaliBusCollisions, SeveralRepliesGarbleUnlessAlignedAndAlike) {
    const auto gear = [](int address, uint8_t level, uint32_t delayUs) {
        sim::GearConfig g = gearAt(address, level);
        g.replyDelayUs = delayUs;
        return g;
    };
    struct Case {
        bool aligned;
        uint8_t secondLevel;
        uint64_t endUs;  // the window of the reply ends
        uint8_t status, answer;
        FrameKind kind;
    };
    const Case cases[] = {
        {false, 77, 34000, 0x10, 0xFF, FrameKind::Garbled},  // alike, but 6 and 9 ms after the frame
        {false, 78, 34000, 0x10, 0xFF, FrameKind::Garbled},
        {true, 77, 31000, 0x09, 77, FrameKind::Backward},    // lined up: one valid reply
        {true, 78, 34000, 0x10, 0xFF, FrameKind::Garbled},   // lined up, but different bits
    };
    for (const Case& c : cases) {
        BusConfig config = busWith({gear(5, 77, 6000), gear(5, c.secondLevel, 9000), gear(6, 1, 5500)});
        config.alignedReplies = c.aligned;
        DaliBus bus(config, 1);
        bus.transmit(0, kGear5, kQueryActualLevel);
        EXPECT_EQ(bus.status(c.endUs - 1), 0x04) << c.aligned << int(c.secondLevel);
        EXPECT_EQ(bus.status(c.endUs), c.status);
        EXPECT_EQ(bus.answer(c.endUs), c.answer);
        const std::vector<BusFrame> frames = bus.frameLog();
        ASSERT_EQ(frames.size(), 2u);
        EXPECT_EQ(frames[1], (BusFrame{21833, c.kind, uint16_t(c.kind == FrameKind::Backward ? 77 : 0), ""}));
    }
}

// A gear without a delay of its own draws one from its seed, within the
// standard's 5.5 .. 10.5 ms, and keeps it.
TEST(DaliBusCollisions, EachGearRepliesAfterADelayOfItsOwn) {
    std::vector<sim::GearConfig> gear;
    gear.reserve(8);
    for (int a = 0; a < 8; ++a) {
        gear.push_back(gearAt(a));
        gear.back().replyDelayUs.reset();
    }
    DaliBus bus(busWith(gear), 1);
    std::vector<uint32_t> delays;
    delays.reserve(8);
    for (size_t i = 0; i < 8; ++i)
        bus.withGear(i, [&](sim::ControlGear& g) { delays.push_back(g.replyDelayUs()); });
    EXPECT_EQ(std::set<uint32_t>(delays.begin(), delays.end()).size(), 8u);
    EXPECT_GE(*std::min_element(delays.begin(), delays.end()), 5500u);
    EXPECT_LE(*std::max_element(delays.begin(), delays.end()), 10500u);
    // A saved bus answers with the same delays when it is opened again.
    EXPECT_EQ(bus.gearSnapshot()[3].replyDelayUs, delays[3]);
}

TEST(DaliBusPower, BusWithoutPowerShowsBusErrorAndCarriesNoFrame) {
    DaliBus bus({false, std::nullopt, {gearAt(5, 77)}}, 1);
    bus.transmit(0, kGear5, kQueryActualLevel);
    EXPECT_EQ(bus.status(0), 0x80);
    EXPECT_EQ(bus.status(40000), 0x80);
    EXPECT_TRUE(bus.frameLog().empty());

    bus.setPowered(true);
    EXPECT_EQ(bus.status(40000), 0x00);
    bus.transmit(40000, kGear5, kQueryActualLevel);
    EXPECT_EQ(bus.status(72000), 0x09);
    EXPECT_EQ(bus.answer(72000), 77);

    // Power lost while a frame is on the wire cuts it off: once power is
    // back the bridge is idle at once, not busy with a frame that never ends.
    bus.transmit(80000, kGear5, kQueryActualLevel);
    bus.setPowered(false);
    bus.setPowered(true);
    EXPECT_EQ(bus.status(80001), 0x00);
}

TEST(DaliBusFrameLog, ForwardFramesCarryDecodedNamesAndTargets) {
    DaliBus bus(busWith({gearAt(5)}), 1);
    const std::vector<std::pair<uint8_t, uint8_t>> sent{
        {kGear5, kQueryStatus}, {0xA3, 0x05},   {0xFF, 0x00},   {dali::arcAddress(5), 254},
        {0xC1, 0x06},           {kGear5, 0xEE},                  // device type 6 query after ENABLE DEVICE TYPE 6
        {kGear5, 0xEE},                                          // the same opcode without it
        {0xC1, 0x06},           {kGear5, 0xE3}, {kGear5, 0xE3},  // configuration command and its repeat
    };
    uint64_t t = 0;
    for (auto [first, second] : sent)
        bus.transmit(t += 100000, first, second);
    std::vector<std::string> names;
    for (const BusFrame& frame : bus.frameLog())
        if (frame.kind == FrameKind::Forward)
            names.push_back(frame.name);
    EXPECT_EQ(names, (std::vector<std::string>{"QUERY STATUS, short 5", "DTR0 0x05", "OFF, all", "DAPC 254, short 5",
                                               "ENABLE DEVICE TYPE 0x06", "QUERY DIMMING CURVE, short 5",
                                               "UNKNOWN 0x0B 0xEE, short 5", "ENABLE DEVICE TYPE 0x06",
                                               "SELECT DIMMING CURVE, short 5", "SELECT DIMMING CURVE, short 5"}));
}

TEST(DaliBusFrameLog, TakeEmptiesTheLog) {
    DaliBus bus(busWith({}), 1);
    bus.transmit(0, kEmpty9, kQueryStatus);
    EXPECT_EQ(bus.takeFrameLog().size(), 1u);
    EXPECT_TRUE(bus.frameLog().empty());
}

TEST(DaliBusGear, PhysicalSelectionKeyPressedThroughTheBusSelectsThatGear) {
    DaliBus bus(busWith({gearAt(3), gearAt(4)}), 1);
    bus.transmit(0, 0xA5, 0x00);  // INITIALISE, twice
    bus.transmit(0, 0xA5, 0x00);
    bus.transmit(0, 0xBD, 0x00);  // PHYSICAL SELECTION
    bus.pressPhysicalSelectionKey(1);
    bus.transmit(0, 0xBB, 0x00);  // QUERY SHORT ADDRESS
    EXPECT_EQ(bus.status(1000000), 0x09);
    EXPECT_EQ(bus.answer(1000000), dali::commandAddress(4));
    EXPECT_EQ(bus.gearCount(), 2u);
    bool selected = false;
    bus.withGear(1, [&](sim::ControlGear& gear) { selected = gear.isPhysicallySelected(); });
    EXPECT_TRUE(selected);
}

TEST(DaliBusGear, GearSeedsDifferPerIndexAndRepeatPerScenario) {
    auto randomAddresses = [](uint64_t seed) {
        DaliBus bus(busWith({sim::GearConfig{}, sim::GearConfig{}}), seed);
        bus.transmit(0, 0xA5, 0x00);
        bus.transmit(0, 0xA5, 0x00);
        bus.transmit(0, 0xA7, 0x00);  // RANDOMISE, twice
        bus.transmit(0, 0xA7, 0x00);
        std::vector<uint32_t> addresses;
        for (size_t i = 0; i < 2; ++i)
            bus.withGear(i, [&](sim::ControlGear& gear) { addresses.push_back(gear.randomAddress()); });
        return addresses;
    };
    const std::vector<uint32_t> first = randomAddresses(7);
    EXPECT_NE(first[0], first[1]);
    EXPECT_NE(first[0], 0xFFFFFFu);
    EXPECT_EQ(randomAddresses(7), first);
    EXPECT_NE(randomAddresses(8), first);
}
