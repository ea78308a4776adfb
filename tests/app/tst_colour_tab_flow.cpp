// The colour tab's flow in the main view: several colour gear read and sent
// as one, "Auslesen" reading the colour again, an offline project's colour
// lines shown without a frame on the bus.

#include "addressing/own_command.h"
#include "storage/colour_lines.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

// Two tunable-white gear (1 lists device types 6 and 8) and a plain downlight.
const std::string kScenario = OneInterfaceScenario({
    R"({"shortAddress": 0, "deviceType": 8, "colour": {"tc": true, "physicalCoolest": 153, "physicalWarmest": 370,
        "coolest": 167, "warmest": 333, "actual": {"tc": 250}}})",
    R"({"shortAddress": 1, "deviceType": 6, "moreDeviceTypes": [8],
        "colour": {"tc": true, "physicalCoolest": 143, "physicalWarmest": 400, "actual": {"tc": 370}}})",
    R"({"shortAddress": 4, "deviceType": 6})",
});

class ColourTabFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.WriteConfig(0, 0, 1);
        h.Start();
        h.prompts.Answer(kDialogOk);
        h.view().Connect();
        h.TakeForwardFrames();
    }
    void Select(std::initializer_list<int> cells) {
        for (MatrixCell& cell : h.view().matrix().cells)
            cell.selected = 0;
        for (int cell : cells)
            h.view().matrix().cells[size_t(cell)].selected = 1;
        h.view().OwnCommand(WM_OWN_COMMAND_CLICK, cells.size() == 1 ? *cells.begin() : -1);
    }
    DeviceRecord& record(int a) { return h.view().store().workingTable[size_t(a)]; }
    static ColourChanges Warmest(uint16_t mirek) {
        ColourChanges changes;
        changes.values.warmest = mirek;
        changes.Set(ColourItem::Warmest);
        return changes;
    }

    HeadlessView h{kScenario};
};

TEST_F(ColourTabFlowTest, SeveralColourGearAreReadUnderOneDialogAndSentAfterTheQuestion) {
    Select({4});
    EXPECT_FALSE(h.tabs.colourTabVisible);
    Select({0, 1, 4});
    EXPECT_TRUE(h.tabs.colourTabVisible);
    h.view().tabActions().TabChanged(DeviceTab::Colour);
    EXPECT_EQ(h.tabs.colourWait.shows.size(), 1u);
    EXPECT_TRUE(record(0).readState & kReadStateColour);
    EXPECT_TRUE(record(1).readState & kReadStateColour);
    EXPECT_FALSE(record(4).readState & kReadStateColour);
    ASSERT_FALSE(h.tabs.colourShown.empty());
    EXPECT_EQ(h.tabs.colourShown.back(), record(0).colour);
    EXPECT_TRUE(h.tabs.colourOnline);
    h.TakeForwardFrames();

    struct Case {
        int answer;
        Frames frames;
    };
    // Warmest 300 mirek: DTR0, DTR1, DTR2 = warmest; ENABLE DEVICE TYPE 8; STORE Tc LIMIT twice; gear 0, then 1.
    const Case cases[] = {
        {kDialogCancel, {}},
        {kDialogOk,
         {"A32C", "C301", "C501", "C108", "01F2", "01F2", "A32C", "C301", "C501", "C108", "03F2", "03F2"}},
    };
    for (const Case& c : cases) {
        h.prompts.Answer(c.answer);
        h.view().tabActions().colourServices().SendColourChanges(Warmest(300));
        EXPECT_EQ(h.TakeForwardFrames(), c.frames) << c.answer;
        EXPECT_EQ(h.view().projectDirty, c.answer == kDialogOk ? 1 : 0);
    }
    EXPECT_EQ(record(0).colour.warmest, 300);
    EXPECT_EQ(record(1).colour.warmest, 300);
    EXPECT_TRUE(h.prompts.messages.empty());
    // "Senden" of the menu leaves the colour tab's edits to its own button.
    h.view().SendAll();
    EXPECT_EQ(h.TakeForwardFrames(), Frames{});
}

TEST_F(ColourTabFlowTest, ReadingTheGearAgainReadsItsColourAgain) {
    h.view().tabActions().TabChanged(DeviceTab::Colour);
    Select({1});
    h.TakeForwardFrames();
    record(1).colour.mirek = 300;  // as if the gear had been set elsewhere
    h.view().ReadDevice();
    EXPECT_EQ(record(1).colour.mirek, 370);
    EXPECT_EQ(h.tabs.colourShown.back().mirek, 370);
}

TEST_F(ColourTabFlowTest, ScenesTabReadsTheColourOfColourGearForTheirSceneColours) {
    h.view().tabActions().TabChanged(DeviceTab::Scenes);
    Select({0});
    EXPECT_TRUE(record(0).readState & kReadStateColour);
    EXPECT_TRUE(h.tabs.shownRecord.colour.tunableWhite());
    Select({4});
    EXPECT_FALSE(record(4).readState & kReadStateColour);
}

TEST_F(ColourTabFlowTest, LimitsOutOfOrderAreHeldBackAndSaidSo) {
    h.view().tabActions().TabChanged(DeviceTab::Colour);
    Select({0});
    h.TakeForwardFrames();
    h.view().tabActions().colourServices().SendColourChanges(Warmest(160));  // warmer than coolest 167 mirek
    EXPECT_EQ(h.TakeForwardFrames(), Frames{});
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].textId, 544);
    EXPECT_EQ(record(0).colour.warmest, 333);
}

TEST_F(ColourTabFlowTest, OfflineTheProjectsColourLineIsShownWithoutBusButtons) {
    ColourSettings colour;
    colour.features = dali::kColourFeatureTc;
    colour.coolest = 160;
    colour.warmest = 350;
    colour.powerOnMirek = 250;
    const QString path = h.folder.filePath(QStringLiteral("site.prj"));
    ASSERT_TRUE(WriteFileBytes(path, Utf16LE("05C8054080010103020000FFFF33FFFFFFFFFFFFFFFFFFFFFFFFFF\n" +
                                             FormatColourLine(5, colour) + "\n")));
    h.view().Disconnect();
    h.prompts.ChoosePath(path);
    h.view().OpenProject();
    ASSERT_EQ(h.view().offlineMode(), 1);
    h.TakeForwardFrames();
    h.view().tabActions().TabChanged(DeviceTab::Colour);
    h.view().matrix().cells[5].selected = 1;
    h.view().OwnCommand(WM_OWN_COMMAND_CLICK, 5);
    EXPECT_TRUE(h.tabs.colourTabVisible);
    ASSERT_FALSE(h.tabs.colourShown.empty());
    EXPECT_EQ(h.tabs.colourShown.back(), colour);
    EXPECT_FALSE(h.tabs.colourOnline);
    h.view().tabActions().colourServices().SetLiveColourTemperature(300);
    h.view().tabActions().colourServices().SendColourChanges(Warmest(300));
    EXPECT_EQ(h.TakeForwardFrames(), Frames{});
}

}  // namespace
