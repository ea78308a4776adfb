// The bus test's broadcast: an idle wait, then one frame to every gear.

#include "link/bus_test.h"
#include "tests/link/link_test_support.h"

namespace {

using BusTest = LinkTest;

TEST_F(BusTest, ButtonsBroadcastOffMaxAndMinInThisOrder) {
    std::vector<std::string> captions;
    for (const BusTestButton& button : BusTestButtons()) {
        captions.emplace_back(button.caption);
        EXPECT_EQ(dalikit_SendBusTest(link_, button.opcode), link_result::kOk);
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Broadcast OFF", "Broadcast MAX", "Broadcast MIN"}));
    EXPECT_EQ(frames(), (std::vector<uint16_t>{0xFF00, 0xFF05, 0xFF06}));
}

TEST_F(BusTest, WaitsWhileTheBridgeIsBusyThenSendsOnce) {
    sim_.bus().script({{0x40, 0x40, 0x40, 0x00}, 0});
    ASSERT_EQ(dalikit_Send(link_, 0xA1, 0x00), link_result::kOk);  // leaves the bridge busy
    const int readsBefore = sim_.bus().statusReads();
    EXPECT_EQ(dalikit_SendBusTest(link_, 0x05), link_result::kOk);
    EXPECT_EQ(sim_.bus().statusReads() - readsBefore, 4);
    const auto sent = sim_.bus().frames();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].first, 0xFF);
    EXPECT_EQ(sent[1].second, 0x05);
    EXPECT_GE(sent[1].timeUs - sent[0].timeUs, 4 * 5000u);  // four polls, 5 ms apart
}

TEST_F(BusTest, ABusErrorEndsTheWaitAndTheFrameIsStillSent) {
    sim_.bus().setIdleStatus(0x80);
    EXPECT_EQ(dalikit_SendBusTest(link_, 0x06), link_result::kOk);
    EXPECT_EQ(frames(), std::vector<uint16_t>{0xFF06});
}

TEST_F(BusTest, AFailedFrameIsReportedToTheCaller) {
    sim_.bridge().injectNack(1, 2);  // the wait's two transfers pass, the frame's write is refused
    EXPECT_EQ(dalikit_SendBusTest(link_, 0x00), link_result::kNotAcknowledged);
    EXPECT_TRUE(frames().empty());
}

}  // namespace
