// DALI transactions: frames, answer waits, repeated and composite commands.

#include "link_test_support.h"

using namespace link_result;
using Reply = sim::ScriptedBus::Reply;

namespace {

// --- Send and answer wait ------------------------------------------------------

using Send = LinkTest;

TEST_F(Send, WritesTheFrameIntoRegisterOneOnce) {
    EXPECT_EQ(dalikit_Send(link_, 0xFF, 0x05), kOk);
    EXPECT_EQ(writtenReports(), (std::vector<Bytes>{report({0x02, 0xC4, 0x40, 0x01, 0xFF, 0x05})}));
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xFF05}));
}

TEST_F(Send, ReturnsTheRegisterWriteResultUnchanged) {
    sim_.bridge().injectNack(1);
    EXPECT_EQ(dalikit_Send(link_, 0xFF, 0x05), kNotAcknowledged);
}

class WaitAnswer : public LinkTest {
protected:
    LinkResult wait(std::vector<uint8_t> statuses) {
        sim_.bus().script({std::move(statuses), 0x00});
        dalikit_Send(link_, 0x0B, 0x90);
        return dalikit_WaitAnswer(link_, status_);
    }
    uint8_t status_ = 0;
};

TEST_F(WaitAnswer, AnOpenAnswerWindowIsPolledWithoutCounting) {
    std::vector<uint8_t> statuses(40, 0x04);
    statuses.push_back(0x09);
    EXPECT_EQ(wait(statuses), kOk);
    EXPECT_EQ(status_, 0x09);
}

TEST_F(WaitAnswer, TenBusyPollsAreTolerated) {
    std::vector<uint8_t> statuses(10, 0x40);
    statuses.push_back(0x00);
    EXPECT_EQ(wait(statuses), kOk);
    EXPECT_EQ(status_, 0x00);
}

TEST_F(WaitAnswer, ElevenBusyPollsInARowGiveUp) {
    EXPECT_EQ(wait(std::vector<uint8_t>(11, 0x40)), kAnswerBusy);
    EXPECT_EQ(status_, 0x40);
    EXPECT_EQ(sim_.bus().statusReads(), 11);
}

TEST_F(WaitAnswer, WindowPollsInterleavedWithBusyPollsDoNotResetTheCount) {
    // The count is of busy polls: an open window between them does not restart it.
    std::vector<uint8_t> statuses;
    for (int i = 0; i < 11; ++i)
        statuses.insert(statuses.end(), {0x40, 0x04});
    EXPECT_EQ(wait(statuses), kAnswerBusy);
}

TEST_F(WaitAnswer, BusErrorEndsTheWait) {
    EXPECT_EQ(wait({0x04, 0xC0}), kBusError);
    EXPECT_EQ(status_, 0xC0);
}

TEST_F(WaitAnswer, EveryOtherStatusEndsTheWaitWithSuccess) {
    for (uint8_t s : {0x00, 0x01, 0x02, 0x08, 0x0A, 0x0B, 0x10, 0x20, 0x05, 0x0C}) {
        EXPECT_EQ(wait({s}), kOk) << int(s);
        EXPECT_EQ(status_, s);
    }
}

TEST_F(WaitAnswer, AFailedStatusReadPresetsTheStatusTo0xFF) {
    sim_.bridge().injectNack(1, 1);  // the frame goes through, the pointer write of the first poll does not
    EXPECT_EQ(wait({0x09}), 0x90);
    EXPECT_EQ(status_, 0xFF);
}

TEST_F(WaitAnswer, AWindowThatNeverClosesIsGivenUpAfterTheLimit) {
    const uint64_t before = sim_.clock().nowUs();
    EXPECT_EQ(wait({0x04}), kWaitTimedOut);
    EXPECT_EQ(status_, 0x04);
    EXPECT_GE(sim_.clock().nowUs() - before, kWaitLimitMs * 1000u);
}

// --- Query ----------------------------------------------------------------------

using Query = LinkTest;

TEST_F(Query, SendsWaitsAndReadsTheAnswerRegister) {
    sim_.bus().script({{0x04, 0x04, 0x09}, 0x5A});
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_Query(link_, 0x0B, 0x90, answer, status), kOk);
    EXPECT_EQ(answer, 0x5A);
    EXPECT_EQ(status, 0x09);
    const auto reports = writtenReports();
    ASSERT_EQ(reports.size(), 1u + 3u * 2u + 2u);
    EXPECT_EQ(reports.front(), report({0x02, 0xC4, 0x40, 0x01, 0x0B, 0x90}));
    EXPECT_EQ(reports[reports.size() - 2], report({0x02, 0xC2, 0x40, 0x01}));
    EXPECT_EQ(reports.back(), report({0x03, 0x01, 0x41}));
}

TEST_F(Query, AnEmptyAddressGivesStatusZeroAndTheStaleAnswer) {
    sim_.bus().script({{0x00}, 0x77});
    uint8_t answer = 0, status = 0xEE;
    EXPECT_EQ(dalikit_Query(link_, 0x0B, 0x90, answer, status), kOk);
    EXPECT_EQ(status, 0x00);
    EXPECT_EQ(answer, 0x77);
}

TEST_F(Query, AFailedFrameCarriesTheInnerFlag) {
    sim_.controller().injectReadTimeout(1);
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_Query(link_, 0x0B, 0x90, answer, status), 0x82);
}

TEST_F(Query, ABusyBridgeGives0x480WithTheBusyStatus) {
    sim_.bus().script({{0x40}, 0x00});
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_Query(link_, 0x0B, 0x90, answer, status), 0x480);
    EXPECT_EQ(status & 0x40, 0x40);
}

TEST_F(Query, ABusErrorGives0x280) {
    sim_.bus().script({{0x80}, 0x00});
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_Query(link_, 0x0B, 0x90, answer, status), 0x280);
}

TEST_F(Query, TheAnswerReadResultComesBackUnchanged) {
    sim_.bus().script({{0x09}, 0x12});
    sim_.bridge().injectNack(1, 3);  // frame, pointer + read of the status poll, then the answer's pointer
    uint8_t answer = 0x33, status = 0;
    EXPECT_EQ(dalikit_Query(link_, 0x0B, 0x90, answer, status), 0x90);
    EXPECT_EQ(answer, 0x33);
}

// --- Repeated configuration commands ------------------------------------------------

using SendTwice = LinkTest;

TEST_F(SendTwice, WritesRegisterTwoFirstThenTheFrameTwiceWithIdleWaits) {
    EXPECT_EQ(dalikit_SendTwice(link_, 0x0B, 0x20), kOk);
    const auto reports = writtenReports();
    ASSERT_GE(reports.size(), 2u);
    EXPECT_EQ(reports[0], report({0x02, 0xC4, 0x40, 0x02, 0x03, 0x40}));
    EXPECT_EQ(reports[1], report({0x02, 0xC4, 0x40, 0x01, 0x0B, 0x20}));
    // frame, idle wait (pointer + read), frame, idle wait
    ASSERT_EQ(reports.size(), 2u + 2u + 1u + 2u);
    EXPECT_EQ(reports[4], reports[1]);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0x0B20, 0x0B20}));
    EXPECT_EQ(sim_.bus().controlWrites(), (std::vector<uint8_t>{0x03}));
}

TEST_F(SendTwice, OnlyTheSecondTransmissionDecides) {
    sim_.controller().injectShortWrite(1, 1);  // the first frame is lost
    EXPECT_EQ(dalikit_SendTwice(link_, 0x0B, 0x20), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0x0B20}));

    sim_.controller().injectShortWrite(1, 4);  // register 2, frame, wait (2), then the second frame
    EXPECT_EQ(dalikit_SendTwice(link_, 0x0B, 0x20), kRequestShort);
}

TEST_F(SendTwice, AFailedRegisterTwoWriteDoesNotStopTheFrames) {
    sim_.bridge().injectNack(1);
    EXPECT_EQ(dalikit_SendTwice(link_, 0xFF, 0x20), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xFF20, 0xFF20}));
    EXPECT_TRUE(sim_.bus().controlWrites().empty());
}

// --- Composite operations ------------------------------------------------------------

using Composite = LinkTest;

TEST_F(Composite, SendWithDtrLoadsDtr0ThenSendsTheCommandTwice) {
    EXPECT_EQ(dalikit_SendWithDTR(link_, 0x0B, 0x2A, 0xC8), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA3C8, 0x0B2A, 0x0B2A}));
}

TEST_F(Composite, SendWithDtrStopsOnABusErrorAfterDtr0) {
    sim_.bus().script({{0x80}, 0});
    EXPECT_EQ(dalikit_SendWithDTR(link_, 0x0B, 0x2A, 0xC8), 0x280);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA3C8}));
}

TEST_F(Composite, SendWithDtrStopsOnAFailedDtr0Frame) {
    sim_.bridge().injectNack(1);
    EXPECT_EQ(dalikit_SendWithDTR(link_, 0x0B, 0x2A, 0xC8), 0x90);
    EXPECT_TRUE(frames().empty());
}

TEST_F(Composite, SendWithDtrPassesUpAFailedStatusReadWithTheFlag) {
    sim_.controller().injectReadTimeout(1, 1);  // the wait's pointer reply
    EXPECT_EQ(dalikit_SendWithDTR(link_, 0x0B, 0x2A, 0xC8), 0x82);
    EXPECT_EQ(frames().size(), 1u);
}

TEST_F(Composite, SendWithDtrPassesUpAWaitThatTimesOut) {
    sim_.bus().setIdleStatus(0x40);
    EXPECT_EQ(dalikit_SendWithDTR(link_, 0x0B, 0x2A, 0xC8), kWaitTimedOut | kInnerStep);
    EXPECT_EQ(frames().size(), 1u);
}

TEST_F(Composite, SelectDimmingCurveEnablesDeviceType6) {
    EXPECT_EQ(dalikit_SelectDimmingCurve(link_, 0x0B, 1), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA301, 0xC106, 0x0BE3, 0x0BE3}));
}

TEST_F(Composite, StoreFastFadeTimeEnablesDeviceType6) {
    EXPECT_EQ(dalikit_StoreFastFadeTime(link_, 0xFF, 12), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA30C, 0xC106, 0xFFE4, 0xFFE4}));
}

TEST_F(Composite, DeviceType6StopsOnABusErrorAfterTheEnable) {
    sim_.bus().script({{0x00}, 0});
    sim_.bus().script({{0x80}, 0});
    EXPECT_EQ(dalikit_SelectDimmingCurve(link_, 0x0B, 1), 0x280);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA301, 0xC106}));
}

TEST_F(Composite, DeviceType6StopsOnAFailedEnableFrame) {
    sim_.bridge().injectNack(1, 3);  // DTR0 frame, its wait (2 transfers), then the enable frame
    EXPECT_EQ(dalikit_StoreFastFadeTime(link_, 0x0B, 4), 0x90);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA304}));
}

TEST_F(Composite, StoreSceneFifteenSends0x4F) {
    EXPECT_EQ(dalikit_StoreScene(link_, 0x0B, 15, 0x80), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA380, 0x0B4F, 0x0B4F}));
}

TEST_F(Composite, ReadMemoryLocationLoadsDtr0AndQueries) {
    sim_.bus().script({{0x00}, 0});
    sim_.bus().script({{0x04, 0x09}, 0x42});
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_ReadMemoryLocation(link_, 0x0B, 3, answer, status), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xA303, 0x0BC5}));
    EXPECT_EQ(answer, 0x42);
    EXPECT_EQ(status, 0x09);
}

TEST_F(Composite, ReadMemoryLocationIgnoresAFailedDtr0Step) {
    sim_.bridge().injectNack(1);
    sim_.bus().script({{0x09}, 0x42});
    uint8_t answer = 0, status = 0;
    EXPECT_EQ(dalikit_ReadMemoryLocation(link_, 0x0B, 3, answer, status), kOk);
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0x0BC5}));
    EXPECT_EQ(answer, 0x42);
}

}  // namespace
