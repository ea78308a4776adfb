// After "Trennen" the kit stays open, yet a project shown offline must keep
// the bus silent: every tab, slider, button and command, and the save flow,
// which writes the records as they are.

#include "addressing/own_command.h"
#include "storage/device_lines.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class OfflineProject : public ::testing::Test {
protected:
    void SetUp() override {
        // The project's values differ from the gear's, so a read would show.
        DeviceTable project;
        for (int a : {5, 17}) {
            DeviceRecord& r = project[size_t(a)];
            r = {.present = 1,
                 .fadeRate = 3,
                 .fadeTime = 2,
                 .maxLevel = 0xC8,
                 .minLevel = uint8_t(a),
                 .powerOnLevel = 0x80,
                 .systemFailureLevel = 0x40};
            r.SetGroupMask(0x0101);
            r.sceneLevel[2] = 0x33;
        }
        ASSERT_TRUE(WriteProjectFile(Path("site.prj"), project));

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
        h.prompts.AnswerTheRestWith(kDialogOk);
    }
    QString Path(const char* name) const { return h.folder.filePath(QString::fromLatin1(name)); }

    HeadlessView h{OneInterfaceScenario({R"({"shortAddress": 5})", R"({"shortAddress": 17})"})};
};

TEST_F(OfflineProject, SavingWritesTheRecordsAsShownWithoutReadingTheGear) {
    h.prompts.ChoosePath(Path("again.prj"));
    h.view().SaveProject();
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(ReadFileBytes(Path("again.prj")), ReadFileBytes(Path("site.prj")));
}

TEST_F(OfflineProject, NoTabButtonSliderOrCommandSendsAFrame) {
    MainView& v = h.view();
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"click with the information tab in front",
         [&] {
             v.TabChanged(DeviceTab::Info);
             v.matrix().cells[5].selected = 1;
             v.OwnCommand(WM_OWN_COMMAND_CLICK, 5);
         }},
        {"switching tabs",
         [&] {
             v.TabChanged(DeviceTab::Scenes);
             v.TabChanged(DeviceTab::Basic);
             v.TabChanged(DeviceTab::Info);
         }},
        {"Auslesen and Alle Geräte auslesen",
         [&] {
             v.Execute(CommandAction::ReadDevice);
             v.Execute(CommandAction::ReadAll);
         }},
        {"Senden from either tab",
         [&] {
             v.TabChanged(DeviceTab::Basic);
             v.SendRequested();
             v.TabChanged(DeviceTab::Scenes);
             v.Execute(CommandAction::Send);
         }},
        {"OFF, recall MAX and MIN, Read",
         [&] {
             for (uint8_t opcode : {0x00, 0x05, 0x06})
                 v.SendToSelectedGear(opcode);
             EXPECT_FALSE(v.ReadActualLevel().has_value());
         }},
        {"Identify, remove address, factory reset",
         [&] {
             v.IdentifySelectedGear();
             v.RemoveAddress();
             v.FactoryReset();
         }},
        {"ACTUAL sliders",
         [&] {
             v.ActualLevelMoving(100);
             v.ActualLevelSet(100);
         }},
        {"bus-wide commands",
         [&] {
             for (CommandAction a : {CommandAction::ResetBus, CommandAction::AllOff, CommandAction::RemoveAllGroups,
                                     CommandAction::RemoveAllScenes})
                 v.Execute(a);
         }},
        {"dragging a gear over another",
         [&] {
             v.OwnCommand(WM_OWN_COMMAND_MOVING, 5);
             v.OwnCommand(WM_OWN_COMMAND_TRACK, 17);
             v.OwnCommand(WM_OWN_COMMAND_TRACK, 5);
         }},
        {"device files",
         [&] {
             h.prompts.ChoosePath(Path("gear.dev"));
             v.SaveDeviceFile();
             h.prompts.ChoosePath(Path("gear.dev"));
             v.LoadDeviceFile();
         }},
        {"addressing and the managers",
         [&] {
             v.RunAddressingAssistant();
             v.OpenGroupManager();
             v.OpenSceneManager();
         }},
    };
    const DeviceTable before = v.store().workingTable;
    for (const auto& [name, action] : actions) {
        action();
        EXPECT_EQ(h.TakeForwardFrames(), std::vector<std::string>{}) << name;
    }
    EXPECT_EQ(v.store().workingTable, before);
    EXPECT_EQ(h.tabs.infoRows.size(), 0u);
}

}  // namespace
