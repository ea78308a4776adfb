// The simulated bus as the link layer sees it: the statuses of the answer
// wait, repeated configuration commands, collisions, settling, bus power and
// two threads on one interface.

#include "dali/dali_commands.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

using dali::code;
constexpr uint8_t kQueryStatus = code(dali::Op::QueryStatus), kQueryActualLevel = code(dali::Op::QueryActualLevel),
                  kStoreDtrAsShortAddress = code(dali::Op::StoreDtrAsShortAddress);
constexpr uint8_t kTerminate = code(dali::SpecialOp::Terminate), kDtr0 = code(dali::SpecialOp::Dtr0);
const uint8_t kGear5 = dali::commandAddress(5), kEmpty9 = dali::commandAddress(9);

using Statuses = std::vector<uint8_t>;

struct QueryResult {
    LinkResult result;
    uint8_t answer, status;
};

QueryResult query(LinkedBus& bus, uint8_t first, uint8_t second, uint8_t presetAnswer = 0) {
    QueryResult q{0, presetAnswer, 0};
    q.result = dalikit_Query(bus.link(), first, second, q.answer, q.status);
    return q;
}

long busyPolls(const Statuses& statuses) { return std::count(statuses.begin(), statuses.end(), 0x40); }

}  // namespace

// --- Reply window through dalikit_WaitAnswer / dalikit_Query ---------------------

TEST(BusThroughLinkReplyWindow, QueryToGearSeesBusyThenExactly04ThenValidAnswer) {
    LinkedBus bus({gearAt(5, 77)});
    const QueryResult q = query(bus, kGear5, kQueryActualLevel);
    EXPECT_EQ(q.result, 0);
    EXPECT_EQ(q.status, 0x09);
    EXPECT_EQ(q.answer, 77);
    // A status poll costs 4 ms (two report exchanges): frame 15.8 ms, reply complete at 32 ms.
    EXPECT_EQ(bus.recorder().takeStatuses(), (Statuses{0x40, 0x40, 0x40, 0x04, 0x04, 0x04, 0x04, 0x09}));
}

TEST(BusThroughLinkReplyWindow, QueryToEmptyAddressEndsWithStatusZeroAndKeepsTheOldAnswer) {
    LinkedBus bus({gearAt(5, 77)});
    query(bus, kGear5, kQueryActualLevel);
    dalikit_WaitIdle(bus.link());
    bus.recorder().takeStatuses();

    const QueryResult q = query(bus, kEmpty9, kQueryStatus);
    EXPECT_EQ(q.result, 0);
    EXPECT_EQ(q.status, 0x00);
    EXPECT_EQ(q.answer, 77);  // the answer register still holds the last reply
    EXPECT_EQ(bus.recorder().takeStatuses(), (Statuses{0x40, 0x40, 0x40, 0x04, 0x04, 0x04, 0x04, 0x00}));
}

TEST(BusThroughLinkReplyWindow, QueryWrittenWhileTheBusSettlesStaysWellBelowElevenBusyPolls) {
    LinkedBus bus({gearAt(5, 77)});
    query(bus, kGear5, kQueryActualLevel);
    bus.recorder().takeStatuses();
    // No idle wait: the next frame waits for the whole settling time after the reply.
    const QueryResult q = query(bus, kGear5, kQueryActualLevel);
    EXPECT_EQ(q.result, 0);
    EXPECT_EQ(q.status, 0x09);
    EXPECT_EQ(busyPolls(bus.recorder().takeStatuses()), 5);
}

TEST(BusThroughLinkReplyWindow, IdleWaitEndsWhenTheFrameIsOffTheWire) {
    LinkedBus bus({});
    dalikit_Send(bus.link(), kTerminate, 0x00);
    EXPECT_EQ(dalikit_WaitIdle(bus.link()), 0);
    EXPECT_EQ(bus.recorder().takeStatuses(), (Statuses{0x40, 0x04}));
}

// --- Repeated configuration commands ---------------------------------------------

TEST(BusThroughLinkRepeatedCommands, SendTwiceStoresTheShortAddress) {
    LinkedBus bus({gearAt(5, 77)});
    EXPECT_EQ(dalikit_SendWithDTR(bus.link(), kGear5, kStoreDtrAsShortAddress, dali::commandAddress(7)), 0);
    EXPECT_EQ(bus.shortAddressOf(0), 7);
    EXPECT_EQ(query(bus, dali::commandAddress(7), kQueryActualLevel).status, 0x09);
    EXPECT_EQ(query(bus, kGear5, kQueryActualLevel).status, 0x00);
}

TEST(BusThroughLinkRepeatedCommands, AnotherFrameBetweenTheCopiesCancelsTheCommand) {
    LinkedBus bus({gearAt(5, 77)});
    const BusLink& link = bus.link();
    dalikit_Send(link, kDtr0, dali::commandAddress(7));
    dalikit_WaitIdle(link);
    dalikit_Send(link, kGear5, kStoreDtrAsShortAddress);
    dalikit_WaitIdle(link);
    dalikit_Send(link, kEmpty9, kQueryStatus);
    dalikit_WaitIdle(link);
    dalikit_Send(link, kGear5, kStoreDtrAsShortAddress);
    dalikit_WaitIdle(link);
    EXPECT_EQ(bus.shortAddressOf(0), 5);
}

TEST(BusThroughLinkRepeatedCommands, SecondCopyLaterThanOneHundredMillisecondsDoesNotCount) {
    LinkedBus bus({gearAt(5, 77)});
    const BusLink& link = bus.link();
    dalikit_Send(link, kDtr0, dali::commandAddress(7));
    dalikit_WaitIdle(link);
    dalikit_Send(link, kGear5, kStoreDtrAsShortAddress);
    dalikit_WaitIdle(link);
    kit_sleep(link.handle, 100);
    dalikit_Send(link, kGear5, kStoreDtrAsShortAddress);
    dalikit_WaitIdle(link);
    EXPECT_EQ(bus.shortAddressOf(0), 5);
}

// --- Collisions ----------------------------------------------------------------------

TEST(BusThroughLinkCollisions, IdenticalRepliesAreAFrameErrorToo) {
    LinkedBus bus({gearAt(5, 77), gearAt(5, 77)});
    const QueryResult q = query(bus, kGear5, kQueryActualLevel);
    EXPECT_EQ(q.result, 0);
    EXPECT_EQ(q.status, 0x10);
    EXPECT_EQ(q.answer, 0xFF);
}

TEST(BusThroughLinkCollisions, DifferentRepliesGiveStatus10AndAnswerFF) {
    LinkedBus bus({gearAt(5, 77), gearAt(5, 200)});
    const QueryResult q = query(bus, kGear5, kQueryActualLevel);
    EXPECT_EQ(q.result, 0);
    EXPECT_EQ(q.status, 0x10);
    EXPECT_EQ(q.answer, 0xFF);
}

// --- Settling and power ----------------------------------------------------------------

TEST(BusThroughLinkSettling, FrameWrittenDuringSettlingWaitsAndTheBridgeShowsBusy) {
    LinkedBus bus({});
    const BusLink& link = bus.link();
    dalikit_Send(link, kEmpty9, kQueryStatus);
    const uint64_t firstUs = bus.clock().nowUs() - 1000;  // the frame started with the write report
    dalikit_Send(link, kTerminate, 0x00);
    bus.clock().advanceUs(20000);  // the first frame is off the wire, the second one waits
    uint8_t status = 0;
    EXPECT_EQ(dalikit_ReadRegister(link, 0x00, status), 0);
    EXPECT_EQ(status, 0x40);

    const std::vector<sim::BusFrame> frames = bus.bus().frameLog();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].timeUs, firstUs);
    EXPECT_EQ(frames[1].timeUs, firstUs + 15833 + 13500);
}

TEST(BusThroughLinkPower, BusWithoutPowerEndsWaitsWithBusError) {
    LinkedBus bus({gearAt(5, 77)});
    bus.bus().setPowered(false);
    EXPECT_EQ(dalikit_WaitIdle(bus.link()), 0x200);
    const QueryResult q = query(bus, kGear5, kQueryActualLevel);
    EXPECT_EQ(q.result, 0x280);
    EXPECT_EQ(q.status, 0x80);
    EXPECT_TRUE(bus.bus().frameLog().empty());
}

// --- Threads -------------------------------------------------------------------------------

TEST(BusThroughLinkThreads, WorkerQueriesStayIntactWhileTheUiThreadSendsAndPressesKeys) {
    LinkedBus bus({gearAt(5, 77), gearAt(6, 1)});
    constexpr int kRounds = 30;
    std::vector<QueryResult> results;
    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i) {
            // Idle wait and query as one transaction: a UI frame queued just
            // before the query could otherwise outlast the answer wait's busy polls.
            TransactionGuard guard(bus.link().handle);
            dalikit_WaitIdle(bus.link());
            results.push_back(query(bus, kGear5, kQueryActualLevel));
        }
    });
    for (int i = 0; i < kRounds; ++i) {
        dalikit_Send(bus.link(), kTerminate, 0x00);
        dalikit_WaitIdle(bus.link());
        bus.bus().pressPhysicalSelectionKey(1);
        bus.bus().withGear(1, [](sim::ControlGear& gear) { (void)gear.shortAddress(); });
    }
    worker.join();

    ASSERT_EQ(results.size(), size_t(kRounds));
    for (const QueryResult& q : results) {
        EXPECT_EQ(q.result, 0);
        EXPECT_EQ(q.status, 0x09);
        EXPECT_EQ(q.answer, 77);
    }
    const std::vector<uint16_t> frames = bus.takeForwardFrames();
    EXPECT_EQ(std::count(frames.begin(), frames.end(), kGear5 << 8 | kQueryActualLevel), kRounds);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), kTerminate << 8), kRounds);
}
