// The colour tab's flow in the main view: several colour gear read and sent
// as one, the scenes tab and "Auslesen" reading the colour, what is held back
// said, an offline project's colour line shown without a frame on the bus.

#include "addressing/own_command.h"
#include "storage/colour_lines.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

// Two tunable-white gear (1 lists device types 6 and 8) and a plain downlight.
const std::string kScenario = OneInterfaceScenario({
    R"({"shortAddress": 0, "deviceType": 8, "colour": {"coolest": 167, "warmest": 333, "actual": {"tc": 250}}})",
    R"({"shortAddress": 1, "deviceType": 6, "moreDeviceTypes": [8], "colour": {"actual": {"tc": 370}}})",
    R"({"shortAddress": 4, "deviceType": 6})",
});

class ColourTabFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.StartConnected();
    }
    void Select(std::initializer_list<int> cells, DeviceTab inFront) {
        h.view().tabActions().TabChanged(inFront);
        for (MatrixCell& cell : h.view().matrix().cells)
            cell.selected = 0;
        for (int cell : cells)
            h.view().matrix().cells[size_t(cell)].selected = 1;
        h.view().OwnCommand(WM_OWN_COMMAND_CLICK, cells.size() == 1 ? *cells.begin() : -1);
        h.TakeForwardFrames();
    }
    DeviceRecord& record(int a) { return h.view().store().workingTable[size_t(a)]; }
    void SendWarmest(uint16_t mirek) {
        ColourChanges changes;
        changes.values.warmest = mirek;
        changes.Set(ColourItem::Warmest);
        h.view().tabActions().colourServices().SendColourChanges(changes);
    }

    HeadlessView h{kScenario};
};

TEST_F(ColourTabFlowTest, SeveralColourGearAreReadUnderOneDialogAndSentAfterTheQuestion) {
    Select({0, 1, 4}, DeviceTab::Colour);
    EXPECT_EQ(h.tabs.colourWait.shows.size(), 1u);
    EXPECT_EQ(record(0).readState & record(1).readState & kReadStateColour, kReadStateColour);
    EXPECT_FALSE(record(4).readState & kReadStateColour);
    ASSERT_FALSE(h.tabs.colourShown.empty());
    EXPECT_EQ(h.tabs.colourShown.back(), record(0).colour);

    // Warmest 300 mirek: DTR0, DTR1, DTR2 = warmest; ENABLE DEVICE TYPE 8; STORE Tc LIMIT twice; then
    // coolest and warmest read back; gear 0, then 1.
    const Frames stored{"A32C", "C301", "C501", "C108", "01F2", "01F2", "A380", "C108", "01FA", "0198",
                        "A382", "C108", "01FA", "0198", "A32C", "C301", "C501", "C108", "03F2", "03F2",
                        "A380", "C108", "03FA", "0398", "A382", "C108", "03FA", "0398"};
    for (const int answer : {kDialogCancel, kDialogOk}) {
        h.prompts.Answer(answer);
        SendWarmest(300);
        EXPECT_EQ(h.TakeForwardFrames(), answer == kDialogOk ? stored : Frames{}) << answer;
        EXPECT_EQ(h.view().projectDirty, answer == kDialogOk ? 1 : 0);
    }
    EXPECT_EQ(record(1).colour.warmest, 300);
    // "Senden" of the menu leaves the colour tab's edits to its own button.
    h.view().SendAll();
    EXPECT_EQ(h.TakeForwardFrames(), Frames{});
}

TEST_F(ColourTabFlowTest, ScenesTabAndAuslesenReadTheColour) {
    Select({1}, DeviceTab::Scenes);
    EXPECT_TRUE(h.tabs.shownRecord.colour.tunableWhite());  // for its scene colour temperatures
    record(1).colour.mirek = 300;
    h.view().ReadDevice();
    EXPECT_EQ(record(1).colour.mirek, 370);
}

TEST_F(ColourTabFlowTest, LimitsOutOfOrderAreHeldBackAndSaidSo) {
    Select({0}, DeviceTab::Colour);
    SendWarmest(160);  // warmer than coolest 167 mirek
    EXPECT_EQ(h.TakeForwardFrames(), Frames{});
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].textId, 544);
}

TEST_F(ColourTabFlowTest, OfflineTheProjectsColourLineIsShownWithoutBusButtons) {
    ColourSettings colour;
    colour.features = dali::kColourFeatureTc;
    colour.powerOnMirek = 250;
    const QString path = h.folder.filePath(QStringLiteral("site.prj"));
    ASSERT_TRUE(WriteFileBytes(path, Utf16LE("05C8054080010103020000FFFF33FFFFFFFFFFFFFFFFFFFFFFFFFF\n" +
                                             FormatColourLine(5, colour) + "\n")));
    h.view().Disconnect();
    h.prompts.ChoosePath(path);
    h.view().OpenProject();
    Select({5}, DeviceTab::Colour);
    EXPECT_TRUE(h.tabs.colourTabVisible);
    ASSERT_FALSE(h.tabs.colourShown.empty());
    EXPECT_EQ(h.tabs.colourShown.back(), colour);
    EXPECT_FALSE(h.tabs.colourOnline);
    h.view().tabActions().colourServices().SetLiveColourTemperature(300);
    SendWarmest(300);
    EXPECT_EQ(h.TakeForwardFrames(), Frames{});
}

}  // namespace
