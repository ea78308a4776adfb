// Register access, report framing, the idle wait and the connection probes.

#include "link_test_support.h"

#include "sim/scripted_bus.h"

using namespace link_result;

namespace {

// --- Report framing ------------------------------------------------------------

class ReportSizeTest : public ::testing::TestWithParam<std::pair<uint16_t, int>> {};

TEST_P(ReportSizeTest, RegisterReportsAreZeroFilledToTheProductsSize) {
    const auto [productId, size] = GetParam();
    SimInterface sim({.productId = productId});
    BusLink link{sim.handle(), 0x40};
    dalikit_EnableI2C(sim.handle());
    sim.controller().setReportLogging(true);

    EXPECT_EQ(dalikit_ReportSize(sim.handle()), size);
    EXPECT_EQ(dalikit_WriteRegister(link, 0x01, 0xA3, 0x7F), kOk);
    uint8_t value = 0;
    EXPECT_EQ(dalikit_ReadRegister(link, 0xF5, value), kOk);
    EXPECT_EQ(value, 0x23);

    std::vector<Bytes> written;
    for (auto& r : sim.controller().takeReportLog())
        if (r.written)
            written.push_back(r.bytes);
    const std::vector<Bytes> expected{
        report({0x02, 0xC4, 0x40, 0x01, 0xA3, 0x7F}, size_t(size)),
        report({0x02, 0xC2, 0x40, 0xF5}, size_t(size)),
        report({0x03, 0x01, 0x41}, size_t(size)),
    };
    EXPECT_EQ(written, expected);
}

INSTANTIATE_TEST_SUITE_P(Products, ReportSizeTest,
                         ::testing::Values(std::pair<uint16_t, int>{0x1500, 8}, std::pair<uint16_t, int>{0x1501, 8},
                                           std::pair<uint16_t, int>{0x158A, 8}, std::pair<uint16_t, int>{0x1503, 64}));

TEST(ReportSize, UnknownProductAndNullHandleGiveZeroAndEveryTransferFails) {
    SimInterface sim({.productId = 0x1234});
    EXPECT_EQ(dalikit_ReportSize(sim.handle()), 0);
    EXPECT_EQ(dalikit_ReportSize(nullptr), 0);
    BusLink link{sim.handle(), 0x40};
    EXPECT_EQ(dalikit_WriteRegister(link, 0x01, 0xFF, 0x00), kRequestShort);
    uint8_t value = 0x55;
    EXPECT_EQ(dalikit_ReadRegister(link, 0x00, value), kInnerStep | kRequestShort);
    EXPECT_EQ(value, 0x55);
    EXPECT_EQ(dalikit_EnableI2C(sim.handle()), kRequestShort);
}

TEST(EnableI2C, SendsTheModeReportAndReadsNoReply) {
    SimInterface sim;
    sim.controller().setReportLogging(true);
    EXPECT_FALSE(sim.controller().i2cEnabled());
    EXPECT_EQ(dalikit_EnableI2C(sim.handle()), kOk);
    EXPECT_TRUE(sim.controller().i2cEnabled());
    const auto log = sim.controller().takeReportLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].written);
    EXPECT_EQ(log[0].bytes, report({0x01, 0x01}));
}

// --- Register write results ----------------------------------------------------

using WriteRegister = LinkTest;

TEST_F(WriteRegister, Succeeds) { EXPECT_EQ(dalikit_WriteRegister(link_, 0x01, 0xFF, 0x05), kOk); }

TEST_F(WriteRegister, ShortRequestIs0x04) {
    sim_.controller().injectShortWrite(1);
    EXPECT_EQ(dalikit_WriteRegister(link_, 0x01, 0xFF, 0x05), kRequestShort);
    EXPECT_TRUE(frames().empty());
}

TEST_F(WriteRegister, MissingReplyIs0x02AfterTheTimeOut) {
    sim_.controller().injectReadTimeout(1);
    const uint64_t before = sim_.clock().nowUs();
    EXPECT_EQ(dalikit_WriteRegister(link_, 0x01, 0xFF, 0x05), kReplyShort);
    EXPECT_GE(sim_.clock().nowUs() - before, 2'000'000u);
}

TEST_F(WriteRegister, NotAcknowledgedIs0x10) {
    sim_.bridge().injectNack(1);
    EXPECT_EQ(dalikit_WriteRegister(link_, 0x01, 0xFF, 0x05), kNotAcknowledged);
}

TEST_F(WriteRegister, PartlyAcknowledgedIs0x08) {
    sim_.bridge().injectShortAcknowledge(1, 2);
    EXPECT_EQ(dalikit_WriteRegister(link_, 0x01, 0xFF, 0x05), kWrongByteCount);
}

TEST_F(WriteRegister, WrongBridgeAddressIsNotAcknowledged) {
    const BusLink wrong{link_.handle, 0x42};
    EXPECT_EQ(dalikit_WriteRegister(wrong, 0x01, 0xFF, 0x05), kNotAcknowledged);
}

// --- Register read results -----------------------------------------------------

struct ReadFault {
    const char* name;
    void (*inject)(SimInterface&);
    LinkResult expected;
};

void PrintTo(const ReadFault& fault, std::ostream* os) { *os << fault.name; }

class ReadRegisterFault : public LinkTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(ReadRegisterFault, ReportsThePhaseAndLeavesTheValueUntouched) {
    GetParam().inject(sim_);
    uint8_t value = 0xA5;
    EXPECT_EQ(dalikit_ReadRegister(link_, 0xF5, value), GetParam().expected);
    EXPECT_EQ(value, 0xA5);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, ReadRegisterFault,
    ::testing::Values(
        ReadFault{"PointerWriteShort", [](SimInterface& s) { s.controller().injectShortWrite(1); }, 0x84},
        ReadFault{"PointerReplyMissing", [](SimInterface& s) { s.controller().injectReadTimeout(1); }, 0x82},
        ReadFault{"PointerNotAcknowledged", [](SimInterface& s) { s.bridge().injectNack(1); }, 0x90},
        ReadFault{"PointerPartlyAcknowledged", [](SimInterface& s) { s.bridge().injectShortAcknowledge(1, 0); },
                  0x88},
        ReadFault{"ReadRequestShort", [](SimInterface& s) { s.controller().injectShortWrite(1, 1); }, 0x04},
        ReadFault{"ReadReplyMissing", [](SimInterface& s) { s.controller().injectReadTimeout(1, 1); }, 0x02},
        ReadFault{"ReadNotAcknowledged", [](SimInterface& s) { s.bridge().injectNack(1, 1); }, 0x10}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Idle wait ---------------------------------------------------------------------

using WaitIdle = LinkTest;

TEST_F(WaitIdle, SleepsFiveMillisecondsBeforeTheFirstPoll) {
    const uint64_t before = sim_.clock().nowUs();
    EXPECT_EQ(dalikit_WaitIdle(link_), kOk);
    EXPECT_EQ(sim_.bus().statusReads(), 1);
    EXPECT_GE(sim_.clock().nowUs() - before, 5000u);
}

TEST_F(WaitIdle, PollsWhileBusyThenReturnsZero) {
    sim_.bridge().injectStatusRepeated(0x40, 30);
    EXPECT_EQ(dalikit_WaitIdle(link_), kOk);
    EXPECT_EQ(sim_.bus().statusReads(), 1);  // the 30 busy polls came from the bridge
}

TEST_F(WaitIdle, BusErrorEndsTheWaitEvenWhileBusy) {
    sim_.bridge().injectStatus({0x40, 0xC0});
    EXPECT_EQ(dalikit_WaitIdle(link_), kBusError);
}

TEST_F(WaitIdle, AFailedStatusReadIsPassedUpWithTheInnerFlag) {
    sim_.controller().injectShortWrite(1);
    EXPECT_EQ(dalikit_WaitIdle(link_), 0x84);
    sim_.bridge().injectNack(1, 1);
    EXPECT_EQ(dalikit_WaitIdle(link_), 0x90);
}

TEST_F(WaitIdle, OtherStatusBitsEndTheWait) {
    sim_.bus().setIdleStatus(0x3F);
    EXPECT_EQ(dalikit_WaitIdle(link_), kOk);
}

TEST_F(WaitIdle, ABridgeThatStaysBusyIsGivenUpAfterTheLimit) {
    sim_.bus().setIdleStatus(0x40);
    const uint64_t before = sim_.clock().nowUs();
    EXPECT_EQ(dalikit_WaitIdle(link_), kWaitTimedOut);
    const uint64_t waited = sim_.clock().nowUs() - before;
    EXPECT_GE(waited, kWaitLimitMs * 1000u);
    EXPECT_LT(waited, kWaitLimitMs * 1000u + 20'000u);
}

// --- Bridge address probe ------------------------------------------------------

TEST(ProbeBridgeAddress, FindsTheBridgeAndReturnsTheAddressByte) {
    SimInterface sim({.bridgeAddress7 = 0x20});
    dalikit_EnableI2C(sim.handle());
    sim.controller().setReportLogging(true);
    EXPECT_EQ(dalikit_ProbeBridgeAddress(sim.handle()), 0x40);
    // Addresses 1..0x20 were tried in order, each as a 2-byte read, with a
    // 1 ms sleep after every try that found nothing.
    std::vector<Bytes> written;
    std::string steps;
    for (auto& r : sim.controller().takeReportLog()) {
        if (r.written)
            written.push_back(r.bytes);
        steps += r.sleptMs == 1 ? 'S' : r.sleptMs ? '?' : r.written ? 'W' : 'R';
    }
    std::string expected;
    for (int a = 1; a < 0x20; ++a)
        expected += "WRS";
    EXPECT_EQ(steps, expected + "WR");
    ASSERT_EQ(written.size(), 0x20u);
    EXPECT_EQ(written.front(), report({0x03, 0x02, 0x03}));
    EXPECT_EQ(written.back(), report({0x03, 0x02, 0x41}));
}

TEST(ProbeBridgeAddress, TakesTheLowestAnsweringAddressFromOne) {
    SimInterface sim({.bridgeAddress7 = 0x30});
    auto bus = std::make_shared<sim::ScriptedBus>();
    sim.controller().attach(std::make_shared<sim::BridgeChip>(0x00, bus));  // address 0 is never tried
    sim.controller().attach(std::make_shared<sim::BridgeChip>(0x11, bus));
    sim.controller().attach(std::make_shared<sim::BridgeChip>(0x7F, bus));
    dalikit_EnableI2C(sim.handle());
    EXPECT_EQ(dalikit_ProbeBridgeAddress(sim.handle()), 0x22);
}

TEST(ProbeBridgeAddress, NoBridgeGivesZeroAfterTryingEveryAddress) {
    SimInterface sim({.bridgeAddress7 = -1});
    dalikit_EnableI2C(sim.handle());
    sim.controller().setReportLogging(true);
    const uint64_t before = sim.clock().nowUs();
    EXPECT_EQ(dalikit_ProbeBridgeAddress(sim.handle()), 0);
    int writes = 0, sleeps = 0;
    for (auto& r : sim.controller().takeReportLog()) {
        writes += r.written;
        sleeps += r.sleptMs == 1;
    }
    EXPECT_EQ(writes, 127);
    EXPECT_EQ(sleeps, 127);
    EXPECT_GE(sim.clock().nowUs() - before, 127'000u);
}

TEST(ProbeBridgeAddress, AShortReplyCountDoesNotCount) {
    SimInterface sim({.bridgeAddress7 = 0x05});
    dalikit_EnableI2C(sim.handle());
    sim.controller().attach(std::make_shared<sim::BridgeChip>(0x09, std::make_shared<sim::ScriptedBus>()));
    sim.controller().injectReadTimeout(1, 4);  // the reply for address 5 is lost
    EXPECT_EQ(dalikit_ProbeBridgeAddress(sim.handle()), 0x12);
}

// --- Revision ---------------------------------------------------------------------

TEST(ReadRevision, FormatsTheLastTwoBytesAsDottedHexDigits) {
    SimInterface sim({.revision = {0xAA, 0xBB, 0xCC, 0xDD, 0x01, 0x23}});
    dalikit_EnableI2C(sim.handle());
    sim.controller().setReportLogging(true);
    EXPECT_EQ(dalikit_ReadRevision({sim.handle(), 0x40}), "0.1.2.3");
    std::vector<Bytes> written;
    for (auto& r : sim.controller().takeReportLog())
        if (r.written)
            written.push_back(r.bytes);
    EXPECT_EQ(written, (std::vector<Bytes>{report({0x02, 0xC2, 0x40, 0xF0}), report({0x03, 0x06, 0x41})}));
}

TEST(ReadRevision, UpperCaseHexDigits) {
    SimInterface sim({.revision = {0, 0, 0, 0, 0x00, 0x0A}});
    dalikit_EnableI2C(sim.handle());
    EXPECT_EQ(dalikit_ReadRevision({sim.handle(), 0x40}), "0.0.0.A");
}

TEST(ReadRevision, AnyFailedStepGivesAnEmptyText) {
    SimInterface sim;
    dalikit_EnableI2C(sim.handle());
    const BusLink link{sim.handle(), 0x40};
    sim.bridge().injectNack(1);
    EXPECT_EQ(dalikit_ReadRevision(link), "");
    sim.bridge().injectNack(1, 1);
    EXPECT_EQ(dalikit_ReadRevision(link), "");
    sim.controller().injectReadTimeout(1, 1);
    EXPECT_EQ(dalikit_ReadRevision(link), "");
    EXPECT_EQ(dalikit_ReadRevision(link), "0.1.2.3");
}

}  // namespace
