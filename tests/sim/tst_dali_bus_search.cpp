// Random-address search and sweep over the link on the simulated bus, with the
// bench's job routines (the addressing assistant's and the bus scan's frame
// patterns).

#include "bench/bench_jobs.h"
#include "dali/dali_commands.h"
#include "sim/bus_timing.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

struct Found {
    uint32_t randomAddress;
    std::optional<uint8_t> shortAddress;
};

std::vector<Found> gearState(LinkedBus& bus) {
    std::vector<Found> found;
    for (size_t i = 0; i < bus.bus().gearCount(); ++i)
        bus.bus().withGear(i, [&](sim::ControlGear& g) { found.push_back({g.randomAddress(), g.shortAddress()}); });
    return found;
}

}  // namespace

TEST(BusSearch, RandomAddressSearchProgramsGearInAscendingRandomAddressOrder) {
    std::vector<sim::GearConfig> gear(12);
    gear[3].shortAddress = 40;  // loses it: new addressing erases every short address
    LinkedBus bus(gear, 42);

    EXPECT_EQ(bench::addressAllByRandomSearch(bus.link()), 12);

    std::vector<Found> found = gearState(bus);
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.randomAddress < b.randomAddress; });
    for (size_t k = 0; k < found.size(); ++k) {
        EXPECT_EQ(found[k].shortAddress, uint8_t(k)) << "random address " << std::hex << found[k].randomAddress;
        if (k > 0) {
            EXPECT_LT(found[k - 1].randomAddress, found[k].randomAddress);
        }
    }
}

TEST(BusSearch, SweepCountsTheGearThatAnswerQueryStatus) {
    LinkedBus bus({gearAt(0), gearAt(17), gearAt(63), sim::GearConfig{}});
    EXPECT_EQ(bench::sweepShortAddresses(bus.link()), 3);
    const std::vector<uint16_t> frames = bus.takeForwardFrames();
    ASSERT_EQ(frames.size(), 66u);
    EXPECT_EQ(frames.front(), 0xA100);
    EXPECT_EQ(frames[1], 0x0190);
    EXPECT_EQ(frames[64], 0x7F90);
    EXPECT_EQ(frames.back(), 0xA100);
}

TEST(BenchWireTime, FramesRepliesAndMinimumSettlingAddUp) {
    using sim::FrameKind;
    const std::vector<sim::BusFrame> frames{
        {0, FrameKind::Forward, 0x1390, ""},      // no reply
        {40000, FrameKind::Forward, 0x0BA0, ""},  // reply 7 ms after the frame
        {62833, FrameKind::Backward, 77, ""},
        {100000, FrameKind::Forward, 0x0BA0, ""},  // garbled reply 8 ms after the frame
        {123833, FrameKind::Garbled, 0, ""},
        {200000, FrameKind::Forward, 0xA100, ""},
    };
    EXPECT_EQ(bench::wireTimeLimitUs(frames),
              15833u + 13500 + (15833 + 7000 + 9167) + 13500 + (15833 + 8000 + 9167) + 13500 + 15833);
    EXPECT_EQ(bench::wireTimeLimitUs({}), 0u);
}

// Frames written without waiting queue on the bus, which then carries them at
// its own closest spacing: the limit must be exactly that span, with the
// reply delay each gear drew for itself (not a typical one).
TEST(BenchWireTime, EqualsTheSpanOfFramesQueuedBackToBack) {
    std::vector<sim::GearConfig> gear(8);
    for (size_t i = 0; i < gear.size(); ++i)
        gear[i].shortAddress = uint8_t(i);  // reply delays drawn from the seed
    LinkedBus bus(gear, 5);
    std::vector<uint32_t> delays;
    for (size_t i = 0; i < gear.size(); ++i)
        bus.bus().withGear(i, [&](sim::ControlGear& g) { delays.push_back(g.replyDelayUs()); });
    ASSERT_GT(std::set<uint32_t>(delays.begin(), delays.end()).size(), 4u);

    const uint8_t queryMaxLevel = dali::code(dali::Op::QueryMaxLevel);
    for (int address = 0; address < 10; ++address)  // addresses 8 and 9 stay unanswered
        dalikit_Send(bus.link(), dali::commandAddress(address), queryMaxLevel);
    dalikit_Send(bus.link(), dali::kBroadcast, dali::code(dali::Op::Off));
    const std::vector<sim::BusFrame> frames = bus.bus().takeFrameLog();

    ASSERT_EQ(frames.size(), 8u * 2 + 2 + 1);
    EXPECT_EQ(bench::wireTimeLimitUs(frames), frames.back().timeUs + sim::timing::kForwardFrameUs - frames.front().timeUs);
}
