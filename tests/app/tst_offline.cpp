// After "Trennen" the kit stays open, yet a project shown offline must keep
// the bus silent: every tab, slider, button and command, and the save flow,
// which writes the records as they are.

#include "addressing/own_command.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

namespace {

class OfflineProject : public ::testing::Test {
protected:
    void SetUp() override {
        // The project's values differ from the gear's, so a read would show.
        ASSERT_TRUE(
            WriteFileBytes(Path("site.prj"), Utf16LE("05C8054080010103020000FFFF33FFFFFFFFFFFFFFFFFFFFFFFFFF\n"
                                                     "11C8114080010103020000FFFF33FFFFFFFFFFFFFFFFFFFFFFFFFF\n")));
        h.WriteConfig(0, 0, 1);
        h.Start();
        h.prompts.Answer(kDialogOk);  // search
        h.view().Connect();
        h.view().Disconnect();
        h.prompts.ChoosePath(Path("site.prj"));
        h.view().OpenProject();
        ASSERT_EQ(h.view().offlineMode(), 1);
        ASSERT_EQ(h.view().store().PresentCount(), 2);
        h.TakeForwardFrames();
        h.prompts.messages.clear();
        h.prompts.AnswerTheRestWith(kDialogOk);
    }
    QString Path(const char* name) const { return h.folder.filePath(QString::fromLatin1(name)); }
    void ExpectSilence(const char* what) { EXPECT_EQ(h.TakeForwardFrames(), std::vector<std::string>{}) << what; }

    HeadlessView h{OneInterfaceScenario({R"({"shortAddress": 5})", R"({"shortAddress": 17})"})};
};

TEST_F(OfflineProject, SavingWritesTheRecordsAsShownWithoutReadingTheGear) {
    const size_t waitDialogsBefore = h.waitDialog.shows.size();
    h.prompts.ChoosePath(Path("again.prj"));
    h.view().SaveProject();
    ExpectSilence("save");
    EXPECT_EQ(h.waitDialog.shows.size(), waitDialogsBefore);  // no "Lese Daten" for nothing
    EXPECT_EQ(ReadFileBytes(Path("again.prj")), ReadFileBytes(Path("site.prj")));
}

TEST_F(OfflineProject, NoTabButtonSliderOrCommandSendsAFrame) {
    MainView& v = h.view();
    const DeviceTable before = v.store().workingTable;
    v.tabActions().TabChanged(DeviceTab::Info);
    v.matrix().cells[5].selected = 1;
    v.OwnCommand(WM_OWN_COMMAND_CLICK, 5);
    ExpectSilence("click with the information tab in front");
    for (DeviceTab tab : {DeviceTab::Scenes, DeviceTab::Basic, DeviceTab::Info})
        v.tabActions().TabChanged(tab);
    ExpectSilence("switching tabs");
    for (CommandAction a :
         {CommandAction::ReadDevice, CommandAction::ReadAll, CommandAction::Send, CommandAction::ResetBus,
          CommandAction::AllOff, CommandAction::RemoveAllGroups, CommandAction::RemoveAllScenes})
        v.Execute(a);
    v.tabActions().SendRequested();
    ExpectSilence("reading, sending and the bus-wide commands");
    for (uint8_t opcode : {0x00, 0x05, 0x06})
        v.tabActions().SendToSelectedGear(opcode);
    EXPECT_FALSE(v.tabActions().ReadActualLevel().has_value());
    v.tabActions().IdentifySelectedGear();
    v.tabActions().RemoveAddress();
    v.tabActions().FactoryReset();
    ExpectSilence("OFF, MAX, MIN, Read, Identify, Remove Address, Factory reset");
    v.tabActions().ActualLevelMoving(100);
    v.tabActions().ActualLevelSet(100);
    ExpectSilence("ACTUAL sliders");
    v.OwnCommand(WM_OWN_COMMAND_MOVING, 5);
    v.OwnCommand(WM_OWN_COMMAND_TRACK, 17);
    v.OwnCommand(WM_OWN_COMMAND_TRACK, 5);
    ExpectSilence("dragging a gear over another");
    h.prompts.ChoosePath(Path("gear.dev"));
    v.SaveDeviceFile();
    h.prompts.ChoosePath(Path("gear.dev"));
    v.LoadDeviceFile();  // the same values again, and nothing asked
    ExpectSilence("device files");
    v.RunAddressingAssistant();
    v.OpenGroupManager();
    v.OpenSceneManager();
    ExpectSilence("addressing and the managers");

    EXPECT_EQ(v.store().workingTable, before);
    EXPECT_TRUE(h.tabs.infoRows.empty());
    ASSERT_EQ(h.prompts.messages.size(), 1u);  // nothing but the device file's notice
    EXPECT_EQ(h.prompts.messages[0].text, "Die Gerätedaten wurden erfolgreiche gespeichert.");
}

}  // namespace
