// The group and scene managers on a simulated bus, opened through the main
// view: the frames an apply sends, the records afterwards, the close question.

#include "groups_scenes/group_manager.h"
#include "groups_scenes/scene_manager.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

const std::string kScenario = OneInterfaceScenario(
    {R"({"shortAddress": 3, "groups": [0, 5], "scenes": {"2": 100}})",
     R"({"shortAddress": 4, "scenes": {"2": 150}})",
     R"({"shortAddress": 9, "groups": [2], "dimmingCurve": 1})"});

class Managers : public ::testing::Test {
protected:
    void SetUp() override {
        h.StartConnected();
        h.prompts.confirmations.clear();
    }
    // Opens the group manager, runs the script on it, closes with "Schließen".
    void WithGroups(const std::function<void(GroupManager&)>& script) {
        h.surface.onGroupDialog = [&](GroupManager& manager) {
            script(manager);
            return manager.Close() ? kManagerClosed : kDialogCancel;
        };
        h.view().OpenGroupManager();
    }
    void WithScenes(const std::function<void(SceneManager&)>& script) {
        h.surface.onSceneDialog = [&](SceneManager& manager) {
            script(manager);
            return manager.Close() ? kManagerClosed : kDialogCancel;
        };
        h.view().OpenSceneManager();
    }
    const DeviceRecord& Record(int address) { return h.view().store().workingTable[size_t(address)]; }

    HeadlessView h{kScenario};
};

TEST_F(Managers, ApplyingSendsOnlyTheChangedMemberships) {
    WithGroups([&](GroupManager& groups) {
        ASSERT_EQ(groups.rowCount(), 3);
        EXPECT_EQ(groups.rowLabel(0), "Gerät 3");
        EXPECT_TRUE(groups.isMember(0, 0));
        EXPECT_TRUE(groups.isMember(0, 5));
        EXPECT_FALSE(groups.isMember(0, 1));
        groups.Click(0, 6);  // the column of group 5
        groups.Apply();
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"0775", "0775"}));
        EXPECT_EQ(Record(3).groupMask, 0x0001);
        EXPECT_EQ(groups.changeCount(), 0);

        groups.Clear();
        groups.Apply();
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"0770", "0770", "1372", "1372"}));
        EXPECT_EQ(Record(9).groupMask, 0);
    });
    EXPECT_TRUE(h.prompts.confirmations.empty());  // all applied: no question
}

TEST_F(Managers, ChangesNotAppliedAreAskedAboutOnClosing) {
    h.view().GroupEntryChanged(1);  // group 0 highlighted
    bool closed = true;
    h.prompts.Answer(kDialogCancel);
    h.prompts.Answer(kDialogOk);
    WithGroups([&](GroupManager& groups) {
        groups.Click(0, 1);
        groups.Click(0, 1);  // back as it was, still two changes
        groups.Click(-1, 3);  // beside every row: counts too
        EXPECT_EQ(groups.changeCount(), 3);
        closed = groups.Close();
    });
    EXPECT_FALSE(closed);
    ASSERT_EQ(h.prompts.confirmations.size(), 2u);
    EXPECT_EQ(h.prompts.confirmations[0].text, "Es wurde Änderungen vorgenommen. Wollen Sie trotzdem fortfahren?");
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(h.view().matrix().cells[3].groupHighlight, 1);
}

TEST_F(Managers, WithoutGearNeitherManagerOpens) {
    h.view().Disconnect();
    h.view().OpenGroupManager();
    h.view().OpenSceneManager();
    ASSERT_EQ(h.prompts.messages.size(), 2u);
    EXPECT_EQ(h.prompts.messages[1].text, "Es wurden kein DALI Gerät gefunden.");
}

TEST_F(Managers, ChoosingASceneAsksEveryGearInAddressOrder) {
    WithScenes([&](SceneManager& scenes) {
        EXPECT_EQ(scenes.RowTexts(0), (QStringList{"3", "MASK", "MASK", "Logaritmisch", ""}));
        scenes.Recall();  // no scene chosen: nothing
        scenes.ChooseScene(2);
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"07B2", "09B2", "13B2"}));
        EXPECT_EQ(scenes.RowTexts(0)[1], "100");
        EXPECT_EQ(Record(3).sceneLevel[2], 255);  // shown only
        scenes.LevelEdited(2, "127");
        EXPECT_EQ(scenes.RowTexts(2), (QStringList{"9", "127", "50.000%", "Linear", ""}));
        scenes.Recall();
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"FF12"}));
        scenes.Apply();  // leave nothing changed for the close
    });
}

TEST_F(Managers, ApplyingASceneStoresOnlyRowsThatDifferFromTheRecords) {
    h.view().store().ReadScenes(3);
    h.view().store().ReadScenes(4);
    h.view().store().ReadScenes(9);
    h.TakeForwardFrames();
    WithScenes([&](SceneManager& scenes) {
        scenes.ChooseScene(2);
        h.TakeForwardFrames();
        scenes.LevelEdited(1, "MASK");  // gear 4
        scenes.Apply();
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"A3FF", "0942", "0942"}));
        EXPECT_EQ(Record(4).sceneLevel[2], 255);
        EXPECT_EQ(scenes.changeCount(), 0);
    });
    h.bus().withGear(1, [](sim::ControlGear& g) { EXPECT_EQ(g.scenes()[2], 255); });
}

TEST_F(Managers, OfflineTheManagersOnlyShow) {
    DeviceStore& store = h.view().store();
    store.workingTable[9].sceneLevel[2] = 77;
    ManagerContext offline{BusLink{}, store, 1, h.prompts, QString(), [] {}};
    RecordingWaitDialog wait;
    GroupManager groups(offline, wait);
    groups.Click(0, 2);
    EXPECT_TRUE(groups.isMember(0, 1));
    EXPECT_FALSE(groups.canApply());
    groups.Apply();
    EXPECT_EQ(store.workingTable[3].groupMask, 0x0021);
    EXPECT_TRUE(groups.Close());

    SceneManager scenes(offline, wait);
    scenes.ChooseScene(2);
    EXPECT_FALSE(scenes.canEdit());
    EXPECT_EQ(scenes.RowTexts(2)[1], "77");
    scenes.LevelEdited(2, "5");
    scenes.Apply();
    scenes.Recall();  // no interface: nothing
    EXPECT_EQ(store.workingTable[9].sceneLevel[2], 77);
    EXPECT_TRUE(scenes.Close());
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_TRUE(h.prompts.confirmations.empty());
}

// A gear whose scene level never came back shows no level, and "Übernehmen"
// leaves its scene alone until a level is picked for it.
TEST_F(Managers, AGearThatDidNotAnswerKeepsItsSceneUntilALevelIsPicked) {
    for (int a : {3, 4, 9})
        h.view().store().ReadScenes(a);
    h.bus().withGear(1, [](sim::ControlGear& g) { g.setMainsPowered(false); });
    h.TakeForwardFrames();
    WithScenes([&](SceneManager& scenes) {
        scenes.ChooseScene(2);
        h.TakeForwardFrames();
        EXPECT_EQ(scenes.RowTexts(1), (QStringList{"4", "", "", "Logaritmisch", ""}));
        scenes.LevelEdited(1, "");  // an edit ended with Escape on the empty cell
        scenes.Apply();
        EXPECT_TRUE(h.TakeForwardFrames().empty());
        EXPECT_EQ(Record(4).sceneLevel[2], 150);
        scenes.LevelEdited(1, "50");
        scenes.Apply();
        EXPECT_EQ(h.TakeForwardFrames(), (Frames{"A332", "0942", "0942"}));
        EXPECT_EQ(Record(4).sceneLevel[2], 50);
    });
}

TEST_F(Managers, ResettingTheGroupsTakesTheRecordsAgainAndForgetsTheChanges) {
    WithGroups([&](GroupManager& groups) {
        groups.Click(0, 1);  // gear 3 leaves group 0
        groups.Click(1, 8);  // gear 4 joins group 7
        groups.Reset();
        EXPECT_TRUE(groups.isMember(0, 0));
        EXPECT_FALSE(groups.isMember(1, 7));
        EXPECT_EQ(groups.changeCount(), 0);
    });
    EXPECT_TRUE(h.prompts.confirmations.empty());
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST(SceneLevels, TheDropDownOffersEveryLevelThenMask) {
    const QStringList choices = SceneManager::LevelChoices();
    ASSERT_EQ(choices.size(), 256);
    EXPECT_EQ(choices.first(), "0");
    EXPECT_EQ(choices[254], "254");
    EXPECT_EQ(choices.last(), "MASK");
}

}  // namespace
