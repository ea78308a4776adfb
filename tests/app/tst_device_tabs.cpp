// Reading and writing the selected gear through the main view: lazy reads per
// tab, "Auslesen", reading all gear, sending the basic and scenes tabs to one
// or several gear, the unsent-changes question, the information rows and the
// tabs' commands to the selected gear.

#include "addressing/own_command.h"
#include "sim/sim_clock.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

// Gear 2: device type 0, fade 0x4A; gear 3 and 9: LED modules.
const std::string kScenario = OneInterfaceScenario({
    R"({"shortAddress": 2, "deviceType": 0, "fadeTime": 4, "fadeRate": 10, "maxLevel": 200})",
    R"({"shortAddress": 3, "groups": [0], "scenes": {"1": 180}})",
    R"({"shortAddress": 9, "maxLevel": 200, "gearFailure": true, "gtin": 47227865855, "firmwareVersion": [1, 10],
        "extendedVersion": 2, "identificationNumber": "0x1234567800000000"})",
});

Frames Queries(uint8_t address, std::initializer_list<uint8_t> opcodes) {
    Frames frames;
    char text[8];
    for (uint8_t opcode : opcodes) {
        std::snprintf(text, sizeof text, "%02X%02X", address, opcode);
        frames.emplace_back(text);
    }
    return frames;
}

Frames Concat(std::initializer_list<Frames> parts) {
    Frames all;
    for (const Frames& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Frames kTypeZeroReadOf2 = Queries(0x05, {0xA5, 0x99, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xC0, 0xC1});

Frames SceneQueries(uint8_t address) {
    Frames frames;
    for (int n = 0; n < 16; ++n)
        frames.push_back(Queries(address, {uint8_t(0xB0 + n)})[0]);
    return frames;
}

// REMOVE FROM GROUP 0..15 to gear 2, each twice.
Frames RemoveAllGroupsOf2() {
    Frames frames;
    for (int g = 0; g < 16; ++g)
        for (int twice = 0; twice < 2; ++twice)
            frames.push_back(Queries(0x05, {uint8_t(0x70 + g)})[0]);
    return frames;
}

class DeviceTabsTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.StartConnected();
    }
    MainView& view() { return h.view(); }
    DeviceRecord& record(int a) { return view().store().workingTable[size_t(a)]; }
    // A click on the cell alone, as the matrix reports it.
    void Select(std::initializer_list<int> cells) {
        for (MatrixCell& cell : view().matrix().cells)
            cell.selected = 0;
        for (int cell : cells)
            view().matrix().cells[size_t(cell)].selected = 1;
        view().OwnCommand(WM_OWN_COMMAND_CLICK, cells.size() == 1 ? *cells.begin() : -1);
    }
    std::vector<int> Selected() {
        const DeviceStore& store = view().store();
        return {store.selectedAddresses.begin(), store.selectedAddresses.begin() + store.selectedCount};
    }

    HeadlessView h{kScenario};
};

// ---------------------------------------------------------------- reading

TEST_F(DeviceTabsTest, ATypeZeroGearIsReadOncePerTabWithoutEnables) {
    record(2).fastFadeTime = 7;
    const size_t shownBefore = h.tabs.basicWait.shows.size();
    Select({2});
    EXPECT_EQ(h.TakeForwardFrames(), kTypeZeroReadOf2);
    EXPECT_EQ(record(2).fadeTime, 4);
    EXPECT_EQ(record(2).fadeRate, 10);
    EXPECT_EQ(record(2).maxLevel, 200);
    EXPECT_EQ(record(2).fastFadeTime, 7);  // not asked of a type-0 gear
    EXPECT_EQ(record(2).readState, kReadStateParameters);
    ASSERT_EQ(h.tabs.basicWait.shows.size(), shownBefore + 1);
    EXPECT_EQ(h.tabs.basicWait.shows.back().title, "Lese Daten");
    EXPECT_EQ(h.tabs.basicWait.shows.back().text, "Bitte warten, bis die Daten gelesen wurden.");
    EXPECT_EQ(h.tabs.basicWait.shows.back().showProgress, 0);
    EXPECT_FALSE(h.tabs.basicWait.visible);

    Select({2});  // read already: only shown
    view().tabActions().TabChanged(DeviceTab::Scenes);
    EXPECT_EQ(h.TakeForwardFrames(), SceneQueries(0x05));
    EXPECT_EQ(h.tabs.scenesWait.shows.back().steps, 16);
    view().tabActions().TabChanged(DeviceTab::Basic);
    view().tabActions().TabChanged(DeviceTab::Scenes);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(h.tabs.basicShown, (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(h.tabs.scenesShown, (std::vector<int>{2, 2}));

    // "Auslesen" reads the tab in front again, and the other one when it opens.
    view().Execute(CommandAction::ReadDevice);
    EXPECT_EQ(record(2).readState & (kReadStateParameters | kReadStateScenes), kReadStateScenes);
    EXPECT_EQ(h.TakeForwardFrames(), SceneQueries(0x05));
    view().tabActions().TabChanged(DeviceTab::Basic);
    EXPECT_EQ(h.TakeForwardFrames(), kTypeZeroReadOf2);
}

TEST_F(DeviceTabsTest, WithTwoGearSelectedSwitchingTabsReadsNothing) {
    Select({2, 3});
    view().tabActions().TabChanged(DeviceTab::Scenes);
    view().tabActions().TabChanged(DeviceTab::Info);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(view().currentTab(), DeviceTab::Info);
}

// ... and the record stays unread: its zeros are not the gear's.
TEST_F(DeviceTabsTest, AQueryWithoutAValidAnswerKeepsTheField) {
    Select({2});  // the answer register now holds gear 2's last answer
    DeviceRecord& ghost = record(40);
    ghost.present = 1;
    ghost.maxLevel = 201;
    ghost.fadeTime = 3;
    ghost.deviceType = 6;
    ghost.sceneLevel[5] = 17;
    view().store().ReadParameters(40);
    view().store().ReadScenes(40);
    EXPECT_EQ(ghost.maxLevel, 201);
    EXPECT_EQ(ghost.fadeTime, 3);
    EXPECT_EQ(ghost.deviceType, 6);
    EXPECT_EQ(ghost.sceneLevel[5], 17);
    EXPECT_EQ(ghost.readState, 0u);
}

TEST_F(DeviceTabsTest, ReadAllAsksThenReadsEveryPresentGearUntilCancelled) {
    h.prompts.Answer(kDialogOk);
    view().Execute(CommandAction::ReadAll);
    ASSERT_EQ(h.prompts.confirmations.size(), 2u);  // the search question, then this one
    EXPECT_EQ(h.prompts.confirmations[1].title, "Auslesen");
    EXPECT_EQ(h.prompts.confirmations[1].okCaption, "Ja");
    EXPECT_EQ(h.waitDialog.shows.back().title, "Bitte Warten");
    EXPECT_EQ(h.waitDialog.shows.back().steps, 3);
    EXPECT_EQ(h.waitDialog.steps, 3);
    EXPECT_EQ(h.TakeForwardFrames().size(), 9u + 16 + 13 + 16 + 13 + 16);
    for (int a : {2, 3, 9})
        EXPECT_EQ(record(a).readState, kReadStateParameters | kReadStateScenes) << a;
    EXPECT_EQ(record(3).sceneLevel[1], 180);

    // Cancel stops after the gear being read.
    h.prompts.Answer(kDialogOk);
    h.waitDialog.PressCancelAfterSteps(1);
    view().Execute(CommandAction::ReadAll);
    EXPECT_EQ(h.TakeForwardFrames().size(), 9u + 16);

    // Without gear nothing is asked.
    view().store().ClearWorkingTable();
    view().Execute(CommandAction::ReadAll);
    EXPECT_EQ(h.prompts.confirmations.size(), 3u);
}

// ---------------------------------------------------------------- writing

TEST_F(DeviceTabsTest, TheBasicTabSendsOnlyItsTickedItemsInOrder) {
    struct Case {
        const char* name;
        std::vector<BasicItem> ticked;
        Frames frames;
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"groups without a group", {BasicItem::Groups}, RemoveAllGroupsOf2()},
        {"dimming curve of a type-0 gear", {BasicItem::DimmingCurve}, {"A301", "C106", "05E3", "05E3"}},
        {"levels and fades",
         {BasicItem::FadeRate, BasicItem::MinLevel, BasicItem::FailureLevel, BasicItem::FadeTime},
         {"A30A", "052B", "052B", "A3FF", "052C", "052C", "A305", "052E", "052E", "A306", "052F", "052F"}},
        {"fast fade time", {BasicItem::FastFadeTime}, {"A31B", "C106", "05E4", "05E4"}},
        {"groups 0 and 2",
         {BasicItem::Groups},
         Concat({RemoveAllGroupsOf2(), {"0560", "0560", "0562", "0562"}})},
    };
    Select({2});
    for (const Case& c : cases) {
        h.TakeForwardFrames();
        BasicSettings& s = h.tabs.basic;
        s.ticked.fill(false);
        for (BasicItem item : c.ticked)
            s.Tick(item, true);
        s.minLevel = 10, s.systemFailureLevel = 255, s.fadeTime = 5, s.fadeRate = 6, s.dimmingCurve = 1;
        s.fastFadeTime = 27, s.actualLevel = 77;
        s.groupMask = std::string(c.name) == "groups 0 and 2" ? 0b101 : 0;
        view().basicChanged = 1;
        view().SendAll();
        EXPECT_EQ(h.TakeForwardFrames(), c.frames) << c.name;
        EXPECT_EQ(record(2).actualLevel, 77) << c.name;
        EXPECT_EQ(view().basicChanged, 0) << c.name;
        EXPECT_EQ(view().projectDirty, 1) << c.name;
    }
    EXPECT_EQ(record(2).minLevel, 10);
    EXPECT_EQ(record(2).systemFailureLevel, 255);
    EXPECT_EQ(record(2).groupMask, 0b101);
    EXPECT_EQ(record(2).groupsLow, 0b101);
    EXPECT_EQ(h.waitDialog.shows.back().title, "Daten schreiben");
    EXPECT_EQ(h.waitDialog.shows.back().text, "Bitte warten, bis alle Daten geschrieben wurden");
}

// STORE THE DTR AS SCENE 0..15 to gear 2: scene 0 at 9, the others MASK.
Frames ScenesOf2WithSceneZeroAt9() {
    Frames frames;
    for (int n = 0; n < 16; ++n) {
        char dtr[8];
        std::snprintf(dtr, sizeof dtr, "A3%02X", n == 0 ? 9 : 255);
        frames.insert(frames.end(),
                      {dtr, Queries(0x05, {uint8_t(0x40 + n)})[0], Queries(0x05, {uint8_t(0x40 + n)})[0]});
    }
    return frames;
}

TEST_F(DeviceTabsTest, WriteAllSendsTheWholeRecordScenesIncluded) {
    DeviceRecord& r = record(2);
    r.fadeRate = 1, r.fadeTime = 2, r.fastFadeTime = 3, r.dimmingCurve = 1, r.maxLevel = 250, r.minLevel = 5;
    r.powerOnLevel = 6, r.systemFailureLevel = 7;
    r.SetGroupMask(0x8000);
    r.sceneLevel[0] = 9;
    r.readState = kReadStateParameters | kReadStateScenes;
    EXPECT_EQ(view().store().WriteAll(2), 0);
    EXPECT_EQ(h.TakeForwardFrames(), Concat({{"05A2", "A301", "052F", "052F", "A302", "052E", "052E", "A303", "C106",
                                              "05E4", "05E4", "A301", "C106", "05E3", "05E3", "A3FA", "052A", "052A",
                                              "A305", "052B", "052B", "A306", "052D", "052D", "A307", "052C", "052C"},
                                             RemoveAllGroupsOf2(),
                                             {"056F", "056F"},
                                             ScenesOf2WithSceneZeroAt9()}));
    h.bus().withGear(0, [](sim::ControlGear& g) {
        EXPECT_EQ(g.scenes()[0], 9);
        EXPECT_EQ(g.scenes()[1], 255);
    });
    // A part held unread (a project saved while the gear did not answer) is not written.
    r.readState = kReadStateScenes;
    view().store().WriteAll(2);
    EXPECT_EQ(h.TakeForwardFrames(), ScenesOf2WithSceneZeroAt9());
}

// Gear clamp a new MAX at their MIN and a new MIN at their MAX: a range wholly
// above or below the gear's goes out in the order that lets both take.
TEST_F(DeviceTabsTest, MinAndMaxGoOutInTheOrderTheGearAccept) {
    Select({2});               // the gear holds MIN 1, MAX 200
    record(2).maxLevel = 254;  // as a loaded file may claim: the gear is asked
    h.TakeForwardFrames();
    BasicSettings& s = h.tabs.basic;
    s.ticked.fill(false);
    s.Tick(BasicItem::MinLevel, true);
    s.Tick(BasicItem::MaxLevel, true);
    s.minLevel = 220, s.maxLevel = 250;
    view().SendAll();
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"05A1", "A3FA", "052A", "052A", "A3DC", "052B", "052B"}));
    h.bus().withGear(0, [](sim::ControlGear& g) {
        EXPECT_EQ(g.minLevel(), 220);
        EXPECT_EQ(g.maxLevel(), 250);
    });

    // A whole record below the gear's MIN: the gear is asked, MIN goes first.
    record(2).minLevel = 50, record(2).maxLevel = 100;
    view().store().WriteAll(2);
    const Frames frames = h.TakeForwardFrames();
    ASSERT_GE(frames.size(), 21u);
    EXPECT_EQ(frames[0], "05A2");
    EXPECT_EQ(Frames(frames.begin() + 15, frames.begin() + 21),
              (Frames{"A332", "052B", "052B", "A364", "052A", "052A"}));
    h.bus().withGear(0, [](sim::ControlGear& g) {
        EXPECT_EQ(g.minLevel(), 50);
        EXPECT_EQ(g.maxLevel(), 100);
    });
}

TEST_F(DeviceTabsTest, ScenesAreSentOnlyWhereTheyDifferFromTheRecord) {
    Select({3});
    view().tabActions().TabChanged(DeviceTab::Scenes);
    h.TakeForwardFrames();
    h.tabs.scenes.sceneLevel[1] = 180;  // as read
    h.tabs.scenes.sceneLevel[4] = 100;
    h.tabs.scenes.sceneLevel[15] = 0;
    view().SendAll();
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"A364", "0744", "0744", "A300", "074F", "074F"}));
    EXPECT_EQ(record(3).sceneLevel[4], 100);
    view().SendAll();
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

// A job started on the view's dialog while another runs there (window events
// run between transactions) takes it over and gives it back as it was; the
// tabs' own dialogs are the widget tests'.
TEST_F(DeviceTabsTest, AJobNestedInReadAllGivesItsDialogBackWithTheCancelPressed) {
    Select({9});
    h.surface.onPendingEvents = [&] {
        h.surface.onPendingEvents = nullptr;
        h.waitDialog.PressCancel();
        view().SendAll();  // one gear: under the view's own dialog
        EXPECT_TRUE(h.waitDialog.visible);
        EXPECT_EQ(h.waitDialog.shows.back().title, "Bitte Warten");
        EXPECT_EQ(h.waitDialog.shows.back().showCancel, 1);
        EXPECT_EQ(h.waitDialog.steps, 1);
        EXPECT_EQ(view().runningJobs(), 1);
    };
    h.prompts.Answer(kDialogOk);
    view().Execute(CommandAction::ReadAll);
    EXPECT_EQ(record(2).readState, kReadStateParameters | kReadStateScenes);
    EXPECT_EQ(record(3).readState, 0u);  // the cancel pressed before still counts
    EXPECT_FALSE(h.waitDialog.visible);
    EXPECT_EQ(view().runningJobs(), 0);
}

TEST_F(DeviceTabsTest, SeveralGearAreAskedForAndCountedFromZero) {
    view().SelectAll();
    view().GroupEntryChanged(1);  // group 0: gear 3
    h.tabs.basic.ticked.fill(false);
    h.tabs.basic.Tick(BasicItem::Groups, true);
    h.tabs.basic.groupMask = 0b1;
    h.prompts.Answer(kDialogOk);
    view().SendAll();
    EXPECT_EQ(h.prompts.confirmations.back().text,
              "Achtung: Alle ausgewählten Daten werden für alle ausgewählten Geräte überschrieben.");
    // Each gear's line is painted before that gear is written.
    EXPECT_EQ(h.waitDialog.log.mid(h.waitDialog.log.size() - 10),
              (QStringList{"progress Sende Daten an Gerät 0 von 3", "repaint", "step",
                           "progress Sende Daten an Gerät 1 von 3", "repaint", "step",
                           "progress Sende Daten an Gerät 2 von 3", "repaint", "step", "hide"}));
    EXPECT_EQ(h.waitDialog.shows.back().steps, 3);
    for (int a : {2, 3, 9})
        EXPECT_EQ(view().matrix().cells[size_t(a)].groupHighlight, 1) << a;

    view().tabActions().TabChanged(DeviceTab::Scenes);
    h.prompts.Answer(kDialogOk);
    h.tabs.scenes.sceneLevel[0] = 1;
    view().SendAll();
    EXPECT_EQ(h.waitDialog.progressTexts.mid(3, 1), QStringList{"Send data to device 0 of 3"});

    // Declined: nothing sent, the edits count as dealt with.
    h.TakeForwardFrames();
    view().projectDirty = 0;
    view().basicChanged = view().scenesChanged = 1;
    h.prompts.Answer(kDialogCancel);
    view().SendAll();
    EXPECT_TRUE(h.TakeForwardFrames().empty());
    EXPECT_EQ(view().basicChanged, 0);
    EXPECT_EQ(view().scenesChanged, 0);
    EXPECT_EQ(view().projectDirty, 0);
}

TEST_F(DeviceTabsTest, SendWithNothingSelectedOnlySaysSo) {
    view().basicChanged = 1;
    view().SendAll();
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, "Es wurde kein Gerät ausgewählt.");
    EXPECT_EQ(view().basicChanged, 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST_F(DeviceTabsTest, AClickWithUnsentEditsAsksAndCancelKeepsTheSelection) {
    Select({2});
    view().tabActions().BasicEdited();
    h.prompts.Answer(kDialogCancel);
    Select({3});
    EXPECT_EQ(h.prompts.confirmations.back().title, "Änderungen nicht übertragen");
    EXPECT_EQ(view().matrix().cells[2].selected, 1);
    EXPECT_EQ(view().matrix().cells[3].selected, 0);
    EXPECT_EQ(Selected(), std::vector<int>{2});
    EXPECT_EQ(view().basicChanged, 1);

    h.prompts.Answer(kDialogOk);
    Select({3});
    EXPECT_EQ(Selected(), std::vector<int>{3});
    EXPECT_EQ(view().basicChanged, 0);
    Select({9});  // nothing unsent: no question
    EXPECT_EQ(h.prompts.pendingAnswers(), 0u);
    EXPECT_EQ(h.prompts.confirmations.size(), 3u);
}

// ---------------------------------------------------------------- information

TEST_F(DeviceTabsTest, TheInformationRowsOfAGearAndOfAnAddressWithoutOne) {
    Select({9});
    view().tabActions().SendToSelectedGear(0x05);  // a level since power-on: no POWER FAILURE
    h.TakeForwardFrames();
    view().tabActions().TabChanged(DeviceTab::Info);
    const Frames frames = h.TakeForwardFrames();
    ASSERT_GE(frames.size(), 4u);
    EXPECT_EQ((Frames{frames[0], frames[1]}), (Frames{"C106", "13FF"}));
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "C106"), 2);
    const auto mode = std::find(frames.begin(), frames.end(), "13FC");
    ASSERT_NE(mode, frames.end());
    EXPECT_EQ(*(mode - 1), "C106");
    QStringList labels, values;
    for (const InfoRow& row : h.tabs.infoRows) {
        labels << row.label;
        values << row.value;
    }
    EXPECT_EQ(labels, (QStringList{"DALI version", "Firmware version", "Operation mode", "Serial", "GTIN", "",
                                   "Status", "Status: Zustand des Betriebsgerätes", "Status: Lampenfehler",
                                   "Status: Lampenleistung ein", "Status: Grenzwertfehler",
                                   "Status: Überblendvorgang", "Status: RESET STATE", "Status: Kurzadresse fehlt",
                                   "Status: POWER FAILURE", "", "Leuchtendaten", "", "Energie", "", "Zustand", "",
                                   "Wartung", "", "Geräte-Identifikation (Speicherbank 0)", "Letzte Speicherbank",
                                   "GTIN", "Firmware", "Seriennummer", "Hardware-Version", "Version 101 (System)",
                                   "Version 102 (Betriebsgeräte)", "Version 103 (Eingabegeräte)",
                                   "Logische Eingabegeräte", "Logische Betriebsgeräte", "Index dieses Betriebsgeräts"}));
    // GTIN bytes 00 0A FF 00 0A FF, each in decimal; status 0x05. The gear has no luminaire banks.
    // Bank 0 in its DALI-2 layout: the GTIN as one number, no control device part (103 is MASK).
    const QString none = QStringLiteral("nicht vorhanden");
    EXPECT_EQ(values, (QStringList{"2", "010A", "00000000", "12345678", "010255010255", "", "00000101", "Fehler",
                                   "OK", "An", "0", "Nein", "Nein", "Nein", "Nein", "", none, "", none, "", none, "",
                                   none, "", "", "0", "47227865855", "1.10", "1234567800000000", "1.0", "2.0", "2.0",
                                   "nicht verfügbar", "0", "1", "0"}));

    // No gear at 40: every row still there, no value made up.
    view().store().workingTable[40].present = 1;
    Select({40});
    view().tabActions().TabChanged(DeviceTab::Info);
    ASSERT_EQ(h.tabs.infoRows.size(), size_t(kInfoRowCount));
    for (const InfoRow& row : h.tabs.infoRows)
        EXPECT_TRUE(row.value.isEmpty()) << row.label.toStdString();
}

// ---------------------------------------------------------------- commands

TEST_F(DeviceTabsTest, IdentifyRecallsTenTimesPerGearOverTwoAndAHalfSeconds) {
    Select({2, 3});
    h.TakeForwardFrames();
    const uint64_t before = h.backend().clock()->nowUs();
    view().tabActions().IdentifySelectedGear();
    Frames expected;
    for (int cycle = 0; cycle < 5; ++cycle)
        expected = Concat({expected, {"0505", "0705", "0506", "0706"}});
    EXPECT_EQ(h.TakeForwardFrames(), expected);
    EXPECT_GE(h.backend().clock()->nowUs() - before, 2'500'000u);
    EXPECT_EQ(h.tabs.basicWait.shows.back().title, "Identifizieren");
    EXPECT_FALSE(h.tabs.basicWait.visible);
}

// Gear may ignore commands for 300 ms after RESET: the read back waits, and
// the scenes read before count as unread.
TEST_F(DeviceTabsTest, AFactoryResetReadsTheGearBack300MsLater) {
    Select({9});
    view().tabActions().TabChanged(DeviceTab::Scenes);
    view().tabActions().TabChanged(DeviceTab::Basic);
    h.TakeForwardFrames();
    h.prompts.Answer(kDialogOk);
    view().tabActions().FactoryReset();
    std::vector<sim::BusFrame> frames;
    for (const sim::BusFrame& frame : h.bus().takeFrameLog())
        if (frame.kind == sim::FrameKind::Forward)
            frames.push_back(frame);
    ASSERT_EQ(frames.size(), 2u + 13);
    EXPECT_EQ(frames[1].data, 0x1320);
    EXPECT_EQ(frames[2].data, 0x13A5);
    EXPECT_GE(frames[2].timeUs - frames[1].timeUs, 300'000u);
    EXPECT_EQ(record(9).readState, kReadStateParameters);
    EXPECT_EQ(record(9).maxLevel, 254);  // the reset value, read back
    EXPECT_EQ(h.tabs.basicShown.back(), 9);
}

TEST_F(DeviceTabsTest, RemoveAddressFactoryResetAndTheActualSlider) {
    Select({2, 3});
    h.TakeForwardFrames();
    view().tabActions().ActualLevelMoving(100);
    EXPECT_EQ(h.TakeForwardFrames(), Frames{"0464"});
    view().tabActions().ActualLevelSet(100);
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"0464", "0664"}));
    EXPECT_EQ(record(3).actualLevel, 100);

    record(2).readState = record(3).readState = kReadStateParameters | kReadStateScenes;
    h.prompts.Answer(kDialogOk);
    view().tabActions().FactoryReset();
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"0520", "0520", "0720", "0720"}));  // two gear: no read
    EXPECT_EQ(record(2).readState, 0u);
    EXPECT_EQ(record(3).readState, 0u);

    h.prompts.Answer(kDialogOk);
    view().tabActions().RemoveAddress();
    EXPECT_EQ(h.TakeForwardFrames(), (Frames{"A3FF", "0580", "0580", "A3FF", "0780", "0780"}));
    EXPECT_EQ(record(2).present, 0);
    EXPECT_EQ(view().matrix().cells[3].present, 0);
    EXPECT_EQ(view().matrix().cells[9].present, 1);
}

}  // namespace
