// The Extras menu's broadcast commands: questions, exact frames, results and
// the working table afterwards.

#include "sim/control_gear.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

const std::string kScenario = OneInterfaceScenario(
    {R"({"shortAddress": 2, "groups": [0, 15], "scenes": {"0": 200, "15": 10}, "actualLevel": 100})",
     R"({"shortAddress": 7, "groups": [3], "scenes": {"4": 50}, "actualLevel": 100})"});

class BusWide : public ::testing::Test {
protected:
    BusWide() : h(kScenario) {
        h.WriteConfig(0, 0, 1);
        h.Start();
        h.prompts.Answer(kDialogOk);
        h.view().Connect();  // scans: gear 2 and 7 present
        h.TakeForwardFrames();
        h.view().store().workingTable[30].SetGroupMask(0x0101);  // a stale record that is not present
        h.view().store().workingTable[30].sceneLevel[0] = 9;
    }
    std::vector<std::string> repeated(uint8_t firstOpcode) {
        std::vector<std::string> frames;
        char text[8];
        for (int n = 0; n < 16; ++n) {
            std::snprintf(text, sizeof text, "FF%02X", firstOpcode + n);
            frames.insert(frames.end(), 2, text);
        }
        return frames;
    }
    HeadlessView h;
};

TEST_F(BusWide, ResetAsksThenResetsAndErasesEveryAddress) {
    h.prompts.Answer(kDialogOk);
    h.view().Execute(CommandAction::ResetBus);

    ASSERT_EQ(h.prompts.confirmations.size(), 2u);
    const ConfirmationRequest& question = h.prompts.confirmations[1];
    EXPECT_EQ(question.title, "Fortfahren");
    EXPECT_EQ(question.text, "Wollen Sie den kompletten DALI-Bus zurücksetzten?\nAlle Einstellungen gehen verloren.");
    EXPECT_EQ(question.okCaption, "Ja");
    EXPECT_EQ(question.cancelCaption, "Nein");
    EXPECT_EQ(h.TakeForwardFrames(), (std::vector<std::string>{"FF20", "FF20", "A3FF", "FF80", "FF80"}));
    EXPECT_EQ(h.view().store().PresentCount(), 0);
    EXPECT_EQ(h.view().matrix().cells[2].present, 0);
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].title, "Information");
    EXPECT_EQ(h.prompts.messages[0].text, "Der Befehl wurde erfolgreich ausgefüht.");
    h.bus().withGear(0, [](sim::ControlGear& gear) {
        EXPECT_FALSE(gear.shortAddress().has_value());
        EXPECT_EQ(gear.groups(), 0);
        EXPECT_EQ(gear.actualLevel(), 254);
    });
}

TEST_F(BusWide, DecliningTheResetSendsNothingAndKeepsTheTable) {
    h.prompts.Answer(kDialogCancel);
    h.view().Execute(CommandAction::ResetBus);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(h.view().store().PresentCount(), 2);
    EXPECT_TRUE(h.prompts.messages.empty());
}

TEST_F(BusWide, AFailedResetReportsTheError) {
    h.prompts.Answer(kDialogOk);
    h.bus().setPowered(false);  // every wait sees a bus error
    h.view().Execute(CommandAction::ResetBus);
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, "Es ist ein Fehler aufgetreten.");
    EXPECT_EQ(h.view().store().PresentCount(), 0);  // the table follows the command all the same
}

TEST_F(BusWide, AllOffNeedsNoQuestionAndReportsTheOutcome) {
    h.view().Execute(CommandAction::AllOff);
    EXPECT_EQ(h.prompts.confirmations.size(), 1u);  // only the search question of the connection
    EXPECT_EQ(h.TakeForwardFrames(), (std::vector<std::string>{"FF00"}));
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].textId, 419u);
    h.bus().withGear(1, [](sim::ControlGear& gear) { EXPECT_EQ(gear.actualLevel(), 0); });

    h.bus().setPowered(false);
    h.view().Execute(CommandAction::AllOff);
    ASSERT_EQ(h.prompts.messages.size(), 2u);
    EXPECT_EQ(h.prompts.messages[1].textId, 420u);
}

TEST_F(BusWide, RemoveAllGroupsSends32FramesAndClearsPresentRecords) {
    h.prompts.Answer(kDialogOk);
    h.view().Execute(CommandAction::RemoveAllGroups);
    EXPECT_EQ(h.prompts.confirmations.back().title, "Entfernen");
    EXPECT_EQ(h.prompts.confirmations.back().text, "Sollen alle Gruppen aller Geräte entfernt werden?");
    EXPECT_EQ(h.TakeForwardFrames(), repeated(0x70));
    for (int a : {2, 7}) {
        EXPECT_EQ(h.view().store().workingTable[size_t(a)].groupMask, 0);
        EXPECT_EQ(h.view().store().workingTable[size_t(a)].groupsLow, 0);
        EXPECT_EQ(h.view().store().workingTable[size_t(a)].groupsHigh, 0);
    }
    EXPECT_EQ(h.view().store().workingTable[30].groupMask, 0x0101);
    h.bus().withGear(0, [](sim::ControlGear& gear) { EXPECT_EQ(gear.groups(), 0); });

    ASSERT_EQ(h.waitDialog.shows.size(), 2u);  // the scan's, then this one
    EXPECT_EQ(h.waitDialog.shows[1].title, "Daten schreiben");
    EXPECT_EQ(h.waitDialog.shows[1].text, "Bitte warten, bis alle Daten geschrieben wurden");
    EXPECT_EQ(h.waitDialog.shows[1].steps, 16);
    EXPECT_EQ(h.waitDialog.shows[1].showCancel, 0);
    EXPECT_EQ(h.waitDialog.steps, 16);
    EXPECT_FALSE(h.waitDialog.visible);
    EXPECT_TRUE(h.prompts.messages.empty());
}

TEST_F(BusWide, RemoveAllScenesMasksEverySceneOfPresentRecords) {
    h.prompts.Answer(kDialogOk);
    h.view().Execute(CommandAction::RemoveAllScenes);
    EXPECT_EQ(h.prompts.confirmations.back().text, "Sollen alle Szene entfernt werden?");
    EXPECT_EQ(h.TakeForwardFrames(), repeated(0x50));
    for (int a : {2, 7})
        EXPECT_EQ(h.view().store().workingTable[size_t(a)].sceneLevel, kAllScenesMasked);
    EXPECT_EQ(h.view().store().workingTable[30].sceneLevel[0], 9);
    h.bus().withGear(0, [](sim::ControlGear& gear) { EXPECT_EQ(gear.scenes()[0], 255); });
}

TEST_F(BusWide, AFailedGroupOrSceneRemovalIsReportedAndKeepsTheRecords) {
    h.view().store().workingTable[2].sceneLevel[0] = 200;
    h.bus().setPowered(false);
    for (CommandAction action : {CommandAction::RemoveAllGroups, CommandAction::RemoveAllScenes}) {
        h.prompts.Answer(kDialogOk);
        h.view().Execute(action);
    }
    ASSERT_EQ(h.prompts.messages.size(), 2u);
    for (const MessageRequest& message : h.prompts.messages)
        EXPECT_EQ(message.text, "Es ist ein Fehler aufgetreten.");
    EXPECT_EQ(h.view().store().workingTable[2].groupMask, 0x8001);
    EXPECT_EQ(h.view().store().workingTable[2].sceneLevel[0], 200);
    EXPECT_FALSE(h.waitDialog.visible);
}

TEST_F(BusWide, DecliningGroupOrSceneRemovalSendsNothing) {
    h.prompts.Answer(kDialogCancel);
    h.view().Execute(CommandAction::RemoveAllGroups);
    h.prompts.Answer(kDialogCancel);
    h.view().Execute(CommandAction::RemoveAllScenes);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(h.view().store().workingTable[2].groupMask, 0x8001);
}

}  // namespace
