// The bus scan: frames sent, records and matrix filled, the bridge states it
// reacts to, cancelling, and the limit on asking one address again.

#include "addressing/trace.h"
#include "devices/bus_scan.h"
#include "sim/bridge_chip.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

// Frames of a scan that finds nothing from `from` to 63.
std::vector<std::string> statusQueries(int from, int to) {
    std::vector<std::string> frames;
    char text[8];
    for (int a = from; a <= to; ++a) {
        std::snprintf(text, sizeof text, "%02X90", a * 2 + 1);
        frames.emplace_back(text);
    }
    return frames;
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class BusScan : public ::testing::Test {
protected:
    // Starts offline, connects without the search, and clears the frames.
    MainView& Connected(HeadlessView& h) {
        h.WriteConfig(0, 0, 1);
        MainView& view = h.Start();
        h.prompts.Answer(kDialogCancel);
        view.Connect();
        h.TakeForwardFrames();
        // Only the scan's lines: a missing language module traces as well.
        previousSink_ = SetTraceSink([this](const QString& line) {
            if (line.startsWith(QLatin1String("State: ")) || line.startsWith(QLatin1String("DALI Error: ")))
                trace_ << line;
        });
        return view;
    }
    void TearDown() override {
        if (previousSink_)
            SetTraceSink(previousSink_);
    }
    QStringList trace_;
    TraceSink previousSink_;
};

TEST_F(BusScan, AnEmptyBusGets64StatusQueriesBetweenTwoTerminates) {
    HeadlessView h(OneInterfaceScenario({}));
    MainView& view = Connected(h);
    EXPECT_EQ(view.ScanBus(), 0);
    EXPECT_EQ(h.TakeForwardFrames(), concat({{"A100"}, statusQueries(0, 63), {"A100"}}));
    EXPECT_EQ(view.statusPanes()[kPaneCount].text, "0/64");
    EXPECT_EQ(view.offlineMode(), 0);
    EXPECT_EQ(h.waitDialog.steps, 64);
    ASSERT_EQ(h.waitDialog.shows.size(), 1u);
    EXPECT_EQ(h.waitDialog.shows[0].title, "Suche nach Geräten");
    EXPECT_EQ(h.waitDialog.shows[0].text, "Bitte warten, bis die Suche beendet wurde.");
    EXPECT_EQ(h.waitDialog.shows[0].cancelCaption, "Abbrechen");
    EXPECT_EQ(h.waitDialog.shows[0].steps, 64);
    EXPECT_FALSE(h.waitDialog.visible);
    EXPECT_TRUE(trace_.isEmpty());
}

TEST_F(BusScan, AGearAt63IsReadAndMarked) {
    HeadlessView h(OneInterfaceScenario(
        {R"({"shortAddress": 63, "deviceType": 6, "dimmingCurve": 1, "groups": [0, 9]})"}));
    MainView& view = Connected(h);
    EXPECT_EQ(view.ScanBus(), 1);
    EXPECT_EQ(h.TakeForwardFrames(),
              concat({{"A100"}, statusQueries(0, 63), {"7FC0", "7FC1", "7F99", "C106", "7FEE", "A100"}}));
    const DeviceRecord& record = view.store().workingTable[63];
    EXPECT_EQ(record.present, 1);
    EXPECT_EQ(record.groupsLow, 0x01);
    EXPECT_EQ(record.groupsHigh, 0x02);
    EXPECT_EQ(record.groupMask, 0x0201);
    EXPECT_EQ(record.deviceType, 6);
    EXPECT_EQ(record.dimmingCurve, 1);
    EXPECT_EQ(view.matrix().cells[63].present, 1);
    EXPECT_EQ(view.matrix().cells[62].present, 0);
    EXPECT_EQ(view.statusPanes()[kPaneCount].text, "1/64");
}

TEST_F(BusScan, OnlyDeviceType6GetsItsCurveRead) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 0, "deviceType": 0, "dimmingCurve": 1})"}));
    MainView& view = Connected(h);
    EXPECT_EQ(view.ScanBus(), 1);
    EXPECT_EQ(h.TakeForwardFrames(), concat({{"A100", "0190", "01C0", "01C1", "0199"}, statusQueries(1, 63),
                                             {"A100"}}));
    EXPECT_EQ(view.store().workingTable[0].deviceType, 0);
    EXPECT_EQ(view.store().workingTable[0].dimmingCurve, 0);
}

TEST_F(BusScan, StartsWithAnEmptyTableAndMatrix) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 2})"}));
    MainView& view = Connected(h);
    view.store().workingTable[9].present = 1;
    view.matrix().cells[9].present = 1;
    view.matrix().cells[9].selected = 1;
    view.ScanBus();
    EXPECT_EQ(view.store().workingTable[9].present, 0);
    EXPECT_EQ(view.matrix().cells[9].present, 0);
    EXPECT_EQ(view.matrix().cells[9].selected, 0);
    EXPECT_EQ(view.store().workingTable[2].present, 1);
}

TEST_F(BusScan, ABusyBridgeAtTheStartShowsTheMessageAndClearsNothing) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 2})"}));
    MainView& view = Connected(h);
    view.store().workingTable[9].present = 1;
    h.backend().bridge(0)->injectStatus({0x40});
    EXPECT_EQ(view.ScanBus(), 1);
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].title, "Bus belegt");
    EXPECT_EQ(h.prompts.messages[0].text,
              "Der DALI Bus ist aktuell belegt / benutzt. Bitte versuchen Sie es später noch einmal.");
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(view.store().workingTable[9].present, 1);
    EXPECT_TRUE(h.waitDialog.shows.empty());
}

TEST_F(BusScan, ABusErrorAtTheStartShowsTheMessage) {
    HeadlessView h(OneInterfaceScenario({}));
    MainView& view = Connected(h);
    h.backend().bridge(0)->injectStatus({0xC0});
    view.ScanBus();
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].title, "Busfehler");
    EXPECT_EQ(h.prompts.messages[0].text,
              "Es ist ein Fehler auf dem DALI Bus aufgetreten. Bitte überprüfen Sie den DALI-Bus.");
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST_F(BusScan, AnUnpoweredBusIsABusError) {
    HeadlessView h(OneInterfaceScenario({}));
    MainView& view = Connected(h);
    h.bus().setPowered(false);
    view.ScanBus();
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].titleId, 249u);
}

TEST_F(BusScan, FiveOverrunsStopTheScanWithATraceLine) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 9})"}));
    MainView& view = Connected(h);
    // The initial status check and TERMINATE's wait see an idle bus; then every
    // answer wait at address 0 sees an overrun and the idle waits an idle bus.
    sim::BridgeChip& bridge = *h.backend().bridge(0);
    bridge.injectStatus({0x00, 0x00});
    for (int i = 0; i < 5; ++i)
        bridge.injectStatus({0x20, 0x00, 0x00});
    EXPECT_EQ(view.ScanBus(), 0);
    EXPECT_EQ(view.statusPanes()[kPaneCount].text, "0/64");
    EXPECT_EQ(trace_, (QStringList{"State: DALIKIT_STATE_OVERRUN\r\n", "State: DALIKIT_STATE_OVERRUN\r\n",
                                   "State: DALIKIT_STATE_OVERRUN\r\n", "State: DALIKIT_STATE_OVERRUN\r\n",
                                   "State: DALIKIT_STATE_OVERRUN\r\n", "DALI Error: Too much trafic\r\n"}));
    EXPECT_EQ(h.TakeForwardFrames(),
              (std::vector<std::string>{"A100", "0190", "0190", "0190", "0190", "0190", "A100"}));
    EXPECT_EQ(view.store().workingTable[9].present, 0);
}

TEST_F(BusScan, AGearFoundResetsTheOverrunCount) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 0})"}));
    MainView& view = Connected(h);
    sim::BridgeChip& bridge = *h.backend().bridge(0);
    auto fourOverruns = [&bridge] {
        for (int i = 0; i < 4; ++i)
            bridge.injectStatus({0x20, 0x00, 0x00});
    };
    bridge.injectStatus({0x00, 0x00});
    fourOverruns();
    // The fifth ask of address 0 reads the bus and finds the gear; four more
    // overruns at address 1 then do not stop the scan.
    bool injected = false;
    h.surface.onPendingEvents = [&] {
        if (!injected && view.matrix().cells[0].present == 1) {
            injected = true;
            bridge.injectStatus({0x00});  // the idle wait after the step
            fourOverruns();
        }
    };
    EXPECT_EQ(view.ScanBus(), 1);
    EXPECT_EQ(trace_.count("State: DALIKIT_STATE_OVERRUN\r\n"), 8);
    EXPECT_FALSE(trace_.contains("DALI Error: Too much trafic\r\n"));
    EXPECT_EQ(view.store().workingTable[0].present, 1);
}

TEST_F(BusScan, FramesOfOtherLengthsAreTracedAndTheAddressAskedAgain) {
    HeadlessView h(OneInterfaceScenario({}));
    MainView& view = Connected(h);
    sim::BridgeChip& bridge = *h.backend().bridge(0);
    bridge.injectStatus({0x00, 0x00, 0x0A, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x08, 0x00, 0x00});
    EXPECT_EQ(view.ScanBus(), 0);
    EXPECT_EQ(trace_, (QStringList{"State: DALIKIT_STATE_2BYTE\r\n", "State: DALIKIT_STATE_3BYTE\r\n"}));
    EXPECT_EQ(h.TakeForwardFrames(), concat({{"A100", "0190", "0190", "0190"}, statusQueries(0, 63), {"A100"}}));
    EXPECT_EQ(h.waitDialog.steps, 67);  // every query advances the bar
}

TEST_F(BusScan, CancelKeepsWhatWasFoundAndStillTerminates) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 1})", R"({"shortAddress": 40})"}));
    MainView& view = Connected(h);
    h.waitDialog.PressCancelAfterSteps(3);
    EXPECT_EQ(view.ScanBus(), 1);
    EXPECT_EQ(h.TakeForwardFrames(), (std::vector<std::string>{"A100", "0190", "0390", "03C0", "03C1", "0399",
                                                               "C106", "03EE", "0590", "0790", "A100"}));
    EXPECT_EQ(view.statusPanes()[kPaneCount].text, "1/64");
    EXPECT_EQ(view.offlineMode(), 0);
    EXPECT_FALSE(h.waitDialog.visible);
}

TEST_F(BusScan, TwoGearSharingAnAddressAreGivenUpAfterTenAsksAndReported) {
    // Different actual levels give different status answers: a garbled reply.
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 4, "actualLevel": 0})",
                                         R"({"shortAddress": 4, "actualLevel": 254})",
                                         R"({"shortAddress": 6})"}));
    MainView& view = Connected(h);
    EXPECT_EQ(view.ScanBus(), 1);
    EXPECT_EQ(view.store().workingTable[4].present, 0);
    EXPECT_EQ(view.store().workingTable[6].present, 1);
    EXPECT_EQ(view.store().unclearAddresses, std::bitset<kDeviceCount>().set(4));
    EXPECT_EQ(trace_.count("State: DALIKIT_STATE_FRAMEERROR\r\n"), kMaxAsksPerAddress);
    EXPECT_TRUE(trace_.contains("DALI Error: No clear answer from address 4\r\n"));
    int asksOf4 = 0;
    for (const std::string& frame : h.TakeForwardFrames())
        asksOf4 += frame == "0990";
    EXPECT_EQ(asksOf4, kMaxAsksPerAddress);
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].title, "Warnung");
    EXPECT_EQ(h.prompts.messages[0].textId, 443u);
}

TEST_F(BusScan, AnAddressGivenUpForOtherFramesGetsNoReaddressingAdvice) {
    // Another master's 16-bit frames on every ask of address 0.
    HeadlessView h(OneInterfaceScenario({}));
    MainView& view = Connected(h);
    h.backend().bridge(0)->injectStatusRepeated(0x0A, 3 * kMaxAsksPerAddress);
    EXPECT_EQ(view.ScanBus(), 0);
    EXPECT_TRUE(trace_.contains("DALI Error: No clear answer from address 0\r\n"));
    EXPECT_TRUE(h.prompts.messages.empty());
}

TEST_F(BusScan, ReadsTheStaleAnswerBeforeTheFirstTerminate) {
    HeadlessView h(OneInterfaceScenario({}));
    MainView& view = Connected(h);
    kit::SimController& controller = *h.backend().controllers()[0];
    controller.setReportLogging(true);
    view.ScanBus();
    const uint8_t bridge = view.link().bridgeAddress;
    std::vector<std::vector<uint8_t>> written;
    for (const auto& report : controller.takeReportLog())
        if (report.written && written.size() < 5)
            written.emplace_back(report.bytes.begin(), report.bytes.begin() + 6);
    const std::vector<std::vector<uint8_t>> expected{
        {0x02, 0xC2, bridge, 0x00, 0, 0},     // status pointer
        {0x03, 0x01, uint8_t(bridge | 1), 0, 0, 0},
        {0x02, 0xC2, bridge, 0x01, 0, 0},     // answer register pointer
        {0x03, 0x01, uint8_t(bridge | 1), 0, 0, 0},
        {0x02, 0xC4, bridge, 0x01, 0xA1, 0x00},  // TERMINATE
    };
    EXPECT_EQ(written, expected);
}

TEST_F(BusScan, SwitchesOffSendReadAndTheTabsAtItsStart) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 2})"}));
    h.WriteConfig(0, 0, 1);
    MainView& view = h.Start();
    h.prompts.Answer(kDialogOk);
    view.Connect();
    view.matrix().cells[2].selected = 1;
    view.OwnCommand(1, 2);
    ASSERT_TRUE(view.commands().IsEnabled(CommandId::Send));
    ASSERT_TRUE(view.commands().IsEnabled(CommandId::ReadAll));
    bool checked = false;
    h.surface.onPendingEvents = [&] {
        if (checked)
            return;
        checked = true;
        for (CommandId id : {CommandId::Send, CommandId::ReadDevice, CommandId::ReadAll})
            EXPECT_FALSE(view.commands().IsEnabled(id)) << int(id);
        EXPECT_FALSE(h.tabs.basicEnabled);
        EXPECT_FALSE(h.tabs.scenesEnabled);
    };
    view.ScanBus();
    EXPECT_TRUE(checked);
}

// Two gear on one address answering alike garble each other as well, since
// their replies do not start together; only a bus that lines replies up
// (aligned replies) shows them as one gear.
TEST_F(BusScan, TwoGearAnsweringAlikeOnOneAddressAreReportedUnlessTheirRepliesLineUp) {
    for (const bool aligned : {false, true}) {
        HeadlessView h(std::string(R"({ "timeScale": 0, "interfaces": [ { "bus": { "alignedReplies": )") +
                       (aligned ? "true" : "false") + R"(, "gear": [ {"shortAddress": 4}, {"shortAddress": 4} ] } } ] })");
        MainView& view = Connected(h);
        EXPECT_EQ(view.ScanBus(), aligned ? 1 : 0);
        EXPECT_EQ(view.store().unclearAddresses.test(4), !aligned);
        EXPECT_EQ(h.prompts.messages.size(), aligned ? 0u : 1u);
    }
}

TEST_F(BusScan, WithoutAnInterfaceNothingIsSent) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 4})"}));
    h.WriteConfig(0, 0, 1);
    MainView& view = h.Start();
    view.store().workingTable[12].present = 1;
    EXPECT_EQ(view.ScanBus(), 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(view.offlineMode(), 1);
}

TEST_F(BusScan, SearchDevicesRescansAndEnablesThePanel) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 4})"}));
    MainView& view = Connected(h);
    view.store().workingTable[12].present = 1;
    view.SearchDevices();
    EXPECT_EQ(view.store().PresentCount(), 1);
    EXPECT_EQ(view.store().workingTable[4].present, 1);
    EXPECT_TRUE(h.surface.devicePanelEnabled);
    EXPECT_TRUE(h.tabs.basicEnabled);
    EXPECT_TRUE(view.commands().IsEnabled(CommandId::SaveProjectTool));
    EXPECT_TRUE(view.commands().IsEnabled(CommandId::ReadAll));
    EXPECT_TRUE(view.commands().IsEnabled(CommandId::GroupsTool));
}

}  // namespace
