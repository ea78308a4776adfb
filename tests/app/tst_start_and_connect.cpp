// Start-up, connecting to an interface, the search question, disconnecting
// and closing, headless on simulated interfaces.

#include "addressing/trace.h"
#include "sim/bridge_chip.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using C = CommandId;

std::vector<C> enabledCommands(MainView& view) {
    std::vector<C> enabled;
    for (const CommandInfo& command : CommandTable())
        if (view.commands().IsEnabled(command.id))
            enabled.push_back(command.id);
    return enabled;
}

std::vector<QString> paneTexts(const MainView& view) {
    std::vector<QString> texts;
    for (const StatusPane& pane : view.statusPanes())
        texts.push_back(pane.text);
    return texts;
}

// Starts without auto-connect and identify mode.
MainView& StartOffline(HeadlessView& h) {
    h.WriteConfig(0, 0, 1);
    return h.Start();
}

const std::string kTwoGear = OneInterfaceScenario({R"({"shortAddress": 3, "deviceType": 0})",
                                                   R"({"shortAddress": 5, "deviceType": 6, "groups": [1]})"});

// --- Start-up ------------------------------------------------------------------

TEST(StartUp, WithoutAutoConnectTheViewIsOfflineWithTheStartCommands) {
    HeadlessView h(kTwoGear);
    h.WriteConfig(0, 1, 1);
    MainView& view = h.Start();

    EXPECT_EQ(view.offlineMode(), 1);
    EXPECT_EQ(view.interfaceConnected(), 0);
    EXPECT_EQ(enabledCommands(view), (std::vector<C>{C::NewProjectMenu, C::Exit, C::Settings, C::EmergencyLogbook,
                                                     C::NewProjectTool, C::OpenProjectTool, C::Connect}));
    EXPECT_EQ(paneTexts(view), (std::vector<QString>{"Offline", "", "---", "", "---", "", "---", "", "", "", "",
                                                     "1.0.3.2"}));
    EXPECT_EQ(view.statusPanes()[kPaneState].style, PaneStyle::Offline);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST(StartUp, RunsItsStepsInOrder) {
    HeadlessView h(kTwoGear);
    h.WriteConfig(0, 1, 1);
    h.Start();
    ASSERT_EQ(h.surface.log.size(), 4);
    EXPECT_EQ(h.surface.log[0], "splash");
    EXPECT_TRUE(h.surface.log[1].startsWith("language "));
    EXPECT_EQ(h.surface.log[2], "hide splash");
    EXPECT_EQ(h.surface.log[3], "window");
    EXPECT_EQ(h.tabs.log, (QStringList{"language", "initialise"}));
    EXPECT_FALSE(h.tabs.basicEnabled);
    EXPECT_FALSE(h.tabs.scenesEnabled);
    EXPECT_EQ(h.surface.groupEntry, 0);
}

TEST(StartUp, LabelsTheMatrixCellsAndLaysThemOut) {
    HeadlessView h(kTwoGear);
    h.WriteConfig(0, 1, 1);
    MainView& view = h.Start();
    EXPECT_EQ(view.matrix().cells[0].cellText, "00");
    EXPECT_EQ(view.matrix().cells[63].cellText, "63");
    EXPECT_EQ(view.matrix().columns, 8);
    EXPECT_EQ(view.matrix().gap, 4);
    EXPECT_EQ(view.matrix().dragEnabled, 1);
    EXPECT_EQ(view.matrix().ctrlMultiSelect, 1);
    EXPECT_GT(view.matrix().cells[63].rect.left, view.matrix().cells[62].rect.left);
}

TEST(StartUp, TheIdentifyBoxFollowsAutoLocateOnlyWhenItIsExactlyOne) {
    for (int autoLocate : {0, 1, 2}) {
        HeadlessView h(kTwoGear);
        h.WriteConfig(0, autoLocate, 1);
        h.Start();
        EXPECT_EQ(h.surface.identifyChecked, autoLocate == 1) << autoLocate;
        EXPECT_EQ(h.settings.identifyMode, autoLocate == 1 ? 1 : 0);
    }
}

TEST(StartUp, AutoConnectWithoutAnyInterfaceShowsTheMessageOnceAndStaysOffline) {
    HeadlessView h(R"({"timeScale": 0, "interfaces": []})");
    h.WriteConfig(1, 1, 1);
    MainView& view = h.Start();
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].titleId, 191u);
    EXPECT_EQ(h.prompts.messages[0].text,
              "Es wurden keine Quorrel gefunden.\nBitte prüfen Sie die USB-Verbindung und versuchen Sie es erneut.");
    EXPECT_EQ(view.offlineMode(), 1);
    EXPECT_EQ(view.statusPanes()[kPaneState].text, "Offline");
    EXPECT_EQ(enabledCommands(view), (std::vector<C>{C::NewProjectMenu, C::Exit, C::Settings, C::EmergencyLogbook,
                                                     C::NewProjectTool, C::OpenProjectTool, C::Connect}));
}

// --- Connect ------------------------------------------------------------------------

TEST(Connect, OneInterfaceGoesOnlineAndOffersTheScan) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogOk);
    view.Connect();

    ASSERT_EQ(h.prompts.confirmations.size(), 1u);
    EXPECT_EQ(h.prompts.confirmations[0].title, "Suche nach Geräten");
    EXPECT_EQ(h.prompts.confirmations[0].text, "Wollen Sie nach vorhandenen / adressierten DALI-Geräten suchen?");
    EXPECT_EQ(view.offlineMode(), 0);
    EXPECT_EQ(view.interfaceConnected(), 1);
    EXPECT_EQ(view.link().bridgeAddress, 0x40);
    EXPECT_EQ(view.store().link.handle, view.link().handle);
    EXPECT_EQ(h.tabs.link.bridgeAddress, 0x40);
    EXPECT_EQ(view.statusPanes()[kPaneState].text, "Online");
    EXPECT_EQ(view.statusPanes()[kPaneState].style, PaneStyle::Online);
    EXPECT_EQ(view.statusPanes()[kPaneSerial].text, "SN: 0000ABCD");
    EXPECT_EQ(view.statusPanes()[kPaneRevision].text, "Rev: 0.1.2.3");
    EXPECT_EQ(view.statusPanes()[kPaneCount].text, "2/64");
    EXPECT_EQ(view.store().PresentCount(), 2);
    EXPECT_TRUE(h.surface.devicePanelEnabled);
    EXPECT_FALSE(h.tabs.basicEnabled);  // disabled again until a gear is selected

    EXPECT_EQ(enabledCommands(view),
              (std::vector<C>{C::NewProjectMenu, C::OpenProjectMenu, C::SaveProjectMenu, C::ProjectHeader, C::CreateReport,
                              C::ExportGearTable, C::Exit, C::GroupsMenu,
                              C::ScenesMenu, C::AddressMenu, C::Settings, C::ResetBus, C::AllOff,
                              C::RemoveAllGroups, C::RemoveAllScenes, C::BusTest, C::EmergencyTestRun,
                              C::EmergencyLogbook, C::NewProjectTool,
                              C::SaveProjectTool, C::OpenProjectTool, C::Disconnect, C::SearchDevices, C::ReadAll,
                              C::AddressTool, C::GroupsTool, C::ScenesTool}));
}

TEST(Connect, ConnectingAgainToTheSameInterfaceAsksNothing) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogCancel);
    view.Connect();
    h.TakeForwardFrames();
    view.Connect();
    EXPECT_EQ(h.prompts.confirmations.size(), 1u);
    EXPECT_TRUE(h.prompts.messages.empty());
    EXPECT_EQ(view.interfaceConnected(), 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST(Connect, DecliningTheSearchLeavesTheMatrixEmptyAndTheTabsDisabled) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogCancel);
    view.Connect();

    EXPECT_EQ(view.interfaceConnected(), 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(view.store().PresentCount(), 0);
    EXPECT_FALSE(h.tabs.basicEnabled);
    EXPECT_FALSE(h.tabs.scenesEnabled);
    EXPECT_TRUE(view.commands().IsEnabled(C::SearchDevices));
    EXPECT_FALSE(view.commands().IsEnabled(C::ReadAll));
    EXPECT_EQ(view.statusPanes()[kPaneCount].text, "");
}

TEST(Connect, TwoQuorrelInterfacesShowTheChooserAndCancelLeavesTheViewOffline) {
    HeadlessView h(R"({"timeScale": 0, "interfaces": [ {"serial": "0000ABCD"}, {"serial": "00001234"} ]})");
    MainView& view = StartOffline(h);
    h.prompts.ChooseEntry(-1);
    view.Connect();

    ASSERT_EQ(h.prompts.chooserLists.size(), 1u);
    EXPECT_EQ(h.prompts.chooserLists[0], (QStringList{"Serial (Pellix): 0000ABCD", "Serial (Pellix): 00001234"}));
    EXPECT_EQ(view.offlineMode(), 1);
    EXPECT_EQ(view.interfaceConnected(), 0);
    EXPECT_TRUE(h.prompts.confirmations.empty());
    EXPECT_TRUE(view.commands().IsEnabled(C::Connect));
}

TEST(Connect, TheChosenInterfaceIsTheOneUsed) {
    HeadlessView h(R"({"timeScale": 0, "interfaces": [ {"serial": "0000ABCD"},
        {"serial": "00001234", "bus": {"gear": [{"shortAddress": 7}]}} ]})");
    MainView& view = StartOffline(h);
    h.prompts.ChooseEntry(1);
    h.prompts.Answer(kDialogOk);
    view.Connect();

    EXPECT_EQ(view.statusPanes()[kPaneSerial].text, "SN: 00001234");
    EXPECT_EQ(view.store().PresentCount(), 1);
    EXPECT_EQ(view.store().workingTable[7].present, 1);
    EXPECT_TRUE(h.TakeForwardFrames(0).empty());
}

TEST(Connect, AQuorrelBesideAnotherProductIsUsedWithoutTheChooser) {
    HeadlessView h(R"({"timeScale": 0, "interfaces": [ {"serial": "0000FFFF", "productId": "0x1503"},
        {"serial": "00001234", "bus": {"gear": [{"shortAddress": 7}]}} ]})");
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogOk);
    view.Connect();

    EXPECT_TRUE(h.prompts.chooserLists.empty());
    EXPECT_EQ(view.statusPanes()[kPaneSerial].text, "SN: 00001234");
    EXPECT_EQ(view.store().PresentCount(), 1);
}

TEST(Connect, InterfacesOfOtherProductsOnlyAreRefused) {
    HeadlessView h(R"({"timeScale": 0, "interfaces": [ {"productId": "0x1500"} ]})");
    MainView& view = StartOffline(h);
    view.Connect();
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].title, "Keine DALI-Master");
    EXPECT_EQ(view.offlineMode(), 1);
    EXPECT_EQ(view.interfaceConnected(), 0);
}

TEST(Connect, AMissingBridgeStillConnectsWithAddressZeroAndNoRevision) {
    HeadlessView h(R"({"timeScale": 0, "interfaces": [ {"bridgeAddress": null} ]})");
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogOk);
    view.Connect();
    EXPECT_EQ(view.interfaceConnected(), 1);
    EXPECT_EQ(view.link().bridgeAddress, 0);
    EXPECT_EQ(view.statusPanes()[kPaneRevision].text, "Rev: ");
    EXPECT_EQ(view.store().PresentCount(), 0);
}

TEST(Connect, ConnectingWhileAProjectIsShownOfflineAsksFirst) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    view.projectLoaded = 1;
    view.store().workingTable[9].present = 1;
    h.prompts.Answer(kDialogCancel);
    view.Connect();
    ASSERT_EQ(h.prompts.confirmations.size(), 1u);
    EXPECT_EQ(h.prompts.confirmations[0].titleId, 243u);
    EXPECT_EQ(h.prompts.confirmations[0].textId, 248u);
    EXPECT_EQ(view.interfaceConnected(), 0);
    EXPECT_EQ(view.store().workingTable[9].present, 1);

    h.prompts.Answer(kDialogOk);
    h.prompts.Answer(kDialogCancel);  // no search
    view.Connect();
    EXPECT_EQ(view.interfaceConnected(), 1);
    EXPECT_EQ(view.store().workingTable[9].present, 0);  // the project is closed
}

// --- Disconnect and close -----------------------------------------------------------

TEST(Disconnect, GoesOfflineKeepsBusTestAndTheHandle) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogOk);
    view.Connect();
    const KitHandle handle = view.link().handle;
    view.Disconnect();

    EXPECT_EQ(view.offlineMode(), 1);
    EXPECT_EQ(view.interfaceConnected(), 0);
    EXPECT_EQ(view.link().handle, handle);
    EXPECT_EQ(view.store().PresentCount(), 0);
    EXPECT_EQ(view.matrix().cells[3].present, 0);
    EXPECT_EQ(enabledCommands(view), (std::vector<C>{C::NewProjectMenu, C::Exit, C::Settings, C::BusTest,
                                                     C::EmergencyLogbook, C::NewProjectTool, C::OpenProjectTool,
                                                     C::Connect}));
    EXPECT_EQ(view.statusPanes()[kPaneState].text, "Offline");
    EXPECT_EQ(view.statusPanes()[kPaneSerial].text, "---");
    EXPECT_EQ(view.statusPanes()[kPaneSelection].text, "---");
    EXPECT_FALSE(h.surface.devicePanelEnabled);
    // The kit stays open: the bus test still reaches the bus.
    uint8_t status = 0;
    EXPECT_EQ(dalikit_ReadRegister(view.link(), 0, status), 0);
}

TEST(Disconnect, ADirtyProjectRunsTheSaveFlowBeforeClearing) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogOk);
    view.Connect();
    int presentWhenSaving = -1;
    view.saveProject = [&] { presentWhenSaving = view.store().PresentCount(); };
    view.projectDirty = 1;
    view.Disconnect();
    EXPECT_EQ(presentWhenSaving, 2);
    EXPECT_EQ(view.projectDirty, 0);
}

TEST(Close, TheCloseNotificationClosesTheInterfaceAndTheViewClosesItHarmlesslyAgain) {
    HeadlessView h(kTwoGear);
    MainView& view = StartOffline(h);
    h.prompts.Answer(kDialogCancel);
    view.Connect();
    bool saved = false;
    view.saveProject = [&] { saved = true; };
    view.projectDirty = 1;
    view.OwnCommand(16, 0);
    EXPECT_TRUE(saved);
    uint8_t report[8] = {0x01, 0x01};
    EXPECT_EQ(kit_write(view.link().handle, 1, report, 8), -1);  // closed
}

}  // namespace
