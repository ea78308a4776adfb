// Selecting gear: matrix clicks through the view's own notifications, Select
// ALL, Deselect ALL, the group selector, identify mode and UPDATE.

#include "addressing/own_command.h"
#include "addressing/trace.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

using C = CommandId;

const std::string kScenario = OneInterfaceScenario({R"({"shortAddress": 3, "groups": [2]})",
                                                    R"({"shortAddress": 5, "groups": [2, 4]})",
                                                    R"({"shortAddress": 9, "groups": [4]})"});

class Selection : public ::testing::Test {
protected:
    void StartConnected(int autoLocate) {
        h.WriteConfig(0, autoLocate, 1);
        h.Start();
        h.prompts.Answer(kDialogOk);
        h.view().Connect();
        h.TakeForwardFrames();
        previousSink_ = SetTraceSink([this](const QString& line) {
            if (line.startsWith(QLatin1String("WM_OWN_COMMAND")))
                trace_ << line;
        });
    }
    void TearDown() override {
        if (previousSink_)
            SetTraceSink(previousSink_);
    }
    // A click in the middle of a matrix cell, as the control reports it.
    void Click(int cell, bool ctrl = false) {
        MatrixModel& matrix = h.view().matrix();
        const CellRect r = matrix.cells[size_t(cell)].rect;
        const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        matrix.Press(x, y);
        matrix.Release(x, y, MouseKeys{.left = false, .ctrl = ctrl});
    }
    std::vector<int> Selected() {
        const DeviceStore& store = h.view().store();
        return {store.selectedAddresses.begin(), store.selectedAddresses.begin() + store.selectedCount};
    }

    HeadlessView h{kScenario};
    QStringList trace_;
    TraceSink previousSink_;
};

TEST_F(Selection, AClickSelectsOneGearAndEnablesItsCommands) {
    StartConnected(0);
    Click(5);
    EXPECT_EQ(trace_, (QStringList{"WM_OWN_COMMAND_CLICK: 5\r\n"}));
    EXPECT_EQ(Selected(), (std::vector<int>{5}));
    EXPECT_EQ(h.view().statusPanes()[kPaneSelection].text, "Adr: 5");
    for (C id : {C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice, C::Send})
        EXPECT_TRUE(h.view().commands().IsEnabled(id)) << int(id);
    EXPECT_TRUE(h.tabs.sendEnabled);
    EXPECT_TRUE(h.tabs.basicEnabled);
    // Identify mode is off: only the basic tab's first read of the LED module.
    EXPECT_EQ(h.tabs.basicShown, (std::vector<int>{5}));
    EXPECT_EQ(h.TakeForwardFrames(), (std::vector<std::string>{"0BA5", "0B99", "C106", "0BFD", "C106", "0BEE", "0BA0",
                                                               "0BA1", "0BA2", "0BA3", "0BA4", "0BC0", "0BC1"}));
    EXPECT_EQ(h.view().store().selectedAddresses[1], -1);
}

TEST_F(Selection, IdentifyModeLightsTheSelectedGear) {
    StartConnected(1);
    for (int a : {5, 9})  // read before: selecting them reads nothing
        h.view().store().workingTable[size_t(a)].readState = kReadStateParameters;
    Click(5);
    EXPECT_EQ(h.TakeForwardFrames(), (std::vector<std::string>{"FE57", "0AFE"}));
    Click(9, true);
    EXPECT_EQ(h.TakeForwardFrames(), (std::vector<std::string>{"FE57", "0AFE", "12FE"}));
}

TEST_F(Selection, ACtrlClickAddsACellAndReportsMinusOne) {
    StartConnected(0);
    Click(3);
    Click(9, true);
    EXPECT_EQ(trace_, (QStringList{"WM_OWN_COMMAND_CLICK: 3\r\n", "WM_OWN_COMMAND_CLICK: -1\r\n"}));
    EXPECT_EQ(Selected(), (std::vector<int>{3, 9}));
    EXPECT_EQ(h.view().statusPanes()[kPaneSelection].text, "List");
    for (C id : {C::SaveDeviceFile, C::LoadDeviceFile, C::ReadDevice, C::Send})
        EXPECT_FALSE(h.view().commands().IsEnabled(id)) << int(id);
    EXPECT_EQ(h.tabs.basicShown, (std::vector<int>{3}));
}

TEST_F(Selection, AClickOnAnEmptyCellSendsNothing) {
    StartConnected(0);
    Click(4);
    EXPECT_TRUE(trace_.isEmpty());
    EXPECT_EQ(h.view().store().selectedCount, 0);
}

TEST_F(Selection, OfflineAClickShowsStoredDataWithTheBusButtonsOff) {
    h.WriteConfig(0, 1, 1);
    MainView& view = h.Start();
    view.store().workingTable[5].present = 1;
    view.matrix().cells[5].present = 1;
    view.matrix().cells[6].present = 1;
    Click(5);
    EXPECT_EQ(Selected(), (std::vector<int>{5}));
    EXPECT_EQ(view.matrix().ctrlMultiSelect, 0);
    EXPECT_TRUE(h.tabs.log.contains("bus buttons off"));
    EXPECT_EQ(h.tabs.basicShown, (std::vector<int>{5}));
    EXPECT_EQ(h.tabs.scenesShown, (std::vector<int>{5}));
    EXPECT_FALSE(view.commands().IsEnabled(C::Send));
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    // Without multi-select a Ctrl-click selects only the clicked cell.
    Click(6, true);
    EXPECT_EQ(Selected(), (std::vector<int>{6}));
}

TEST_F(Selection, SelectAllAndDeselectAll) {
    StartConnected(0);
    h.view().SelectAll();
    EXPECT_EQ(Selected(), (std::vector<int>{3, 5, 9}));
    EXPECT_EQ(h.view().statusPanes()[kPaneSelection].text, "List");
    EXPECT_TRUE(h.view().commands().IsEnabled(C::Send));
    EXPECT_FALSE(h.view().commands().IsEnabled(C::SaveDeviceFile));
    EXPECT_TRUE(h.tabs.basicEnabled);

    h.view().DeselectAll();
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(h.view().statusPanes()[kPaneSelection].text, "NONE");
    EXPECT_FALSE(h.view().commands().IsEnabled(C::Send));
    EXPECT_FALSE(h.tabs.basicEnabled);
    EXPECT_FALSE(h.tabs.scenesEnabled);
    EXPECT_EQ(h.view().matrix().cells[5].selected, 0);
    EXPECT_EQ(h.view().matrix().pressedCell, -1);
}

TEST_F(Selection, TheGroupSelectorHighlightsAndSelectsItsMembers) {
    StartConnected(0);
    h.view().GroupEntryChanged(5);  // group 4
    std::vector<int> highlighted;
    for (int i = 0; i < 64; ++i)
        if (h.view().matrix().cells[size_t(i)].groupHighlight)
            highlighted.push_back(i);
    EXPECT_EQ(highlighted, (std::vector<int>{5, 9}));

    Click(3);
    h.view().SelectGroup();
    EXPECT_EQ(Selected(), (std::vector<int>{5, 9}));
    EXPECT_EQ(h.view().store().selectedAddresses[2], -1);
    EXPECT_EQ(h.view().store().selectedAddresses[63], -1);
    EXPECT_EQ(h.view().matrix().cells[3].selected, 0);

    h.view().GroupEntryChanged(0);
    for (const MatrixCell& cell : h.view().matrix().cells)
        EXPECT_EQ(cell.groupHighlight, 0);
    h.view().SelectGroup();
    EXPECT_EQ(h.view().store().selectedCount, 0);
    EXPECT_EQ(h.view().matrix().cells[5].selected, 0);
    EXPECT_FALSE(h.tabs.basicEnabled);
}

TEST_F(Selection, UpdateRedrawsThePresentFlagsFromTheTable) {
    StartConnected(0);
    h.view().store().workingTable[5].Reset();
    h.view().matrix().cells[3].selected = 1;
    h.view().OwnCommand(WM_OWN_COMMAND_UPDATE, 0);
    EXPECT_EQ(trace_, (QStringList{"WM_OWN_COMMAND_UPDATE: 0\r\n"}));
    EXPECT_EQ(h.view().matrix().cells[5].present, 0);
    EXPECT_EQ(h.view().matrix().cells[3].present, 1);
    EXPECT_EQ(h.view().matrix().cells[3].selected, 0);
}

TEST_F(Selection, TheIdentifyBoxTogglesIdentifyModeAndMarksTheLastGear) {
    StartConnected(0);
    h.view().IdentifyClicked();
    EXPECT_EQ(h.settings.identifyMode, 1);
    Click(9);
    h.view().DeselectAll();
    h.view().IdentifyClicked();
    EXPECT_EQ(h.settings.identifyMode, 0);
    // Switching it off with nothing selected marks the gear selected last.
    EXPECT_EQ(h.view().matrix().cells[9].selected, 1);
}

TEST_F(Selection, DragNotificationsAreTraced) {
    StartConnected(0);
    h.view().OwnCommand(WM_OWN_COMMAND_MOVING, 3);
    h.view().OwnCommand(WM_OWN_COMMAND_TRACK, 4);
    h.prompts.Answer(kDialogCancel);  // the move's question
    h.view().OwnCommand(WM_OWN_COMMAND_MOVE, 4);
    h.view().OwnCommand(2, 4);  // unknown codes are ignored silently
    EXPECT_EQ(trace_, (QStringList{"WM_OWN_COMMAND_MOVING: 3\r\n", "WM_OWN_COMMAND_TRACK: 4\r\n",
                                   "WM_OWN_COMMAND_MOVE: 4\r\n"}));
}

}  // namespace
