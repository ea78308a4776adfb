// Reading and writing colour gear (device type 8) on the simulated bus: exact
// frames, the record afterwards and what the gear holds.

#include "devices/colour_changes.h"
#include "devices/colour_reading.h"
#include "devices/colour_text.h"
#include "devices/colour_writing.h"
#include "devices/device_store.h"
#include "devices/gear_writing.h"
#include "tests/support/frame_texts.h"
#include "tests/sim/bus_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

using Frames = std::vector<std::string>;


Frames operator+(Frames a, const Frames& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

sim::GearConfig colourGear(bool tc, uint8_t channels) {
    sim::GearConfig g = gearAt(0, 200);
    g.deviceType = 8;
    g.colour.tc = tc;
    g.colour.channels = channels;
    g.colour.coolest = 160;
    g.colour.warmest = 350;
    if (tc)
        g.colour.actual = sim::GearColourPoint::tc(300);
    else
        g.colour.actual = {dali::kColourTypeRgbwaf, 0xFFFF, {10, 20, 30, 255, 255, 255}};
    return g;
}

sim::GearColourPoint rgbwaf(std::array<uint8_t, 6> levels) { return {dali::kColourTypeRgbwaf, 0xFFFF, levels}; }

// A colour gear on the bus, its record read as the colour tab reads it.
class ColourJobs : public ::testing::Test {
protected:
    void Start(const sim::GearConfig& gear) {
        bus_.reset();  // one simulated interface at a time
        bus_ = std::make_unique<LinkedBus>(std::vector<sim::GearConfig>{gear});
        ColourReadContext read{bus_->link(), record, 0};
        ASSERT_EQ(ReadColour(read), 0);
        readFrames = FrameTexts(bus_->takeForwardFrames());
    }
    ColourWriteResult Send(const ColourSettings& wanted) {
        ColourWriteContext c{bus_->link(), record, 0};
        return SendColourSettings(c, wanted);
    }
    Frames Sent() { return FrameTexts(bus_->takeForwardFrames()); }
    sim::GearColourConfig GearColour() {
        sim::GearColourConfig colour;
        bus_->bus().withGear(0, [&](sim::ControlGear& g) { colour = g.colour(); });
        return colour;
    }

    std::unique_ptr<LinkedBus> bus_;
    DeviceRecord record;
    Frames readFrames;
};

Frames wide(const char* selector) {
    return {std::string("A3") + selector, "C108", "01FA", "0198"};
}
Frames narrow(const char* selector) { return {std::string("A3") + selector, "C108", "01FA"}; }
// QUERY POWER ON LEVEL, SYSTEM FAILURE LEVEL, SCENE LEVEL n, then the colour
// temperature the gear put in its report colour.
Frames storedTc(const char* query) { return Frames{query} + wide("E2"); }
Frames assigned(const char* channel) { return {std::string("A3") + channel, "C108", "01FC"}; }

// QUERY SCENE LEVEL 0..15, each followed by the report colour's frames.
Frames scenesWith(const Frames& reportColour) {
    Frames frames;
    for (int n = 0; n < 16; ++n)
        frames = frames + Frames{QString::asprintf("01B%X", n).toStdString()} + reportColour;
    return frames;
}

TEST_F(ColourJobs, ReadingATunableWhiteGear) {
    sim::GearConfig gear = colourGear(true, 0);
    gear.colour.powerOn = sim::GearColourPoint::tc(200);
    gear.colour.systemFailure = sim::GearColourPoint::tc(330);
    gear.colour.scenes[5] = sim::GearColourPoint::tc(280);
    Start(gear);
    Frames scenes;
    for (const char* query : {"01B0", "01B1", "01B2", "01B3", "01B4", "01B5", "01B6", "01B7", "01B8", "01B9", "01BA",
                              "01BB", "01BC", "01BD", "01BE", "01BF"})
        scenes = scenes + storedTc(query);
    EXPECT_EQ(readFrames, (Frames{"C108", "01F9"} + wide("02") + wide("80") + wide("81") + wide("82") + wide("83") +
                           storedTc("01A3") + storedTc("01A4") + scenes));
    EXPECT_EQ(record.colour.powerOnMirek, 200);
    EXPECT_EQ(record.colour.systemFailureMirek, 330);
    EXPECT_EQ(record.colour.sceneMirek[5], 280);
    EXPECT_EQ(record.colour.sceneMirek[4], kColourMask);
    EXPECT_EQ(record.colour.features, 0x02);
    EXPECT_EQ(record.colour.mirek, 300);
    EXPECT_EQ(record.colour.coolest, 160);
    EXPECT_EQ(record.colour.physicalCoolest, 153);
    EXPECT_EQ(record.colour.warmest, 350);
    EXPECT_EQ(record.colour.physicalWarmest, 370);
    EXPECT_EQ(record.colour.levels, kAllChannelsMasked);
    EXPECT_EQ(record.readState, kReadStateColour);
}

TEST_F(ColourJobs, ReadingAnRgbGearAndAGearWithoutColour) {
    sim::GearConfig gear = colourGear(false, 3);
    gear.colour.systemFailure = rgbwaf({0, 0, 254, 255, 255, 255});
    gear.colour.scenes[4] = rgbwaf({254, 0, 77, 255, 255, 255});
    Start(gear);
    const Frames storedLevels = narrow("E9") + narrow("EA") + narrow("EB");
    EXPECT_EQ(readFrames, (Frames{"C108", "01F9"} + assigned("00") + assigned("01") + assigned("02") + narrow("09") +
                           narrow("0A") + narrow("0B") + Frames{"01A3"} + storedLevels + Frames{"01A4"} +
                           storedLevels + scenesWith(storedLevels)));
    EXPECT_EQ(record.colour.sceneLevels[4], (ChannelLevels{254, 0, 77, 255, 255, 255}));
    EXPECT_EQ(record.colour.sceneLevels[5], kAllChannelsMasked);
    EXPECT_EQ(record.colour.features, 0x60);
    EXPECT_EQ(record.colour.colours, 0x07);
    EXPECT_EQ(record.colour.levels, (ChannelLevels{10, 20, 30, 255, 255, 255}));
    EXPECT_EQ(record.colour.powerOnLevels, kAllChannelsMasked);
    EXPECT_EQ(record.colour.systemFailureLevels, (ChannelLevels{0, 0, 254, 255, 255, 255}));
    EXPECT_EQ(record.colour.mirek, kColourMask);

    record = {};
    Start(gearAt(0));  // device type 6 only: no answer, nothing more asked
    EXPECT_EQ(readFrames, (Frames{"C108", "01F9"}));
    EXPECT_EQ(record, DeviceRecord{});
}

TEST_F(ColourJobs, Setting4000KelvinLive) {
    Start(colourGear(true, 0));
    ColourSettings wanted = record.colour;
    wanted.mirek = MirekFromKelvin(4000);
    EXPECT_EQ(Send(wanted).results, 0);
    EXPECT_EQ(Sent(), (Frames{"A3FA", "C300", "C108", "01E7", "C108", "01E2"}));
    EXPECT_EQ(GearColour().actual, sim::GearColourPoint::tc(250));
    EXPECT_EQ(record.colour, wanted);
    EXPECT_EQ(Send(wanted).results, 0);  // nothing differs now: nothing sent
    EXPECT_TRUE(Sent().empty());
}

TEST_F(ColourJobs, StoringALimitWithinThePhysicalOnes) {
    Start(colourGear(true, 0));
    ColourSettings wanted = record.colour;
    wanted.coolest = 100;  // below the physical coolest 153: stored as 153
    wanted.warmest = 400;  // above the physical warmest 370
    const Frames readBack = wide("80") + wide("82");
    Send(wanted);
    EXPECT_EQ(Sent(), (Frames{"A399", "C300", "C500", "C108", "01F2", "01F2", "A372", "C301", "C501", "C108", "01F2",
                              "01F2"} +
                       readBack));
    EXPECT_EQ(GearColour().coolest, 153);
    EXPECT_EQ(GearColour().warmest, 370);
    EXPECT_EQ(record.colour.coolest, 153);
    EXPECT_EQ(record.colour.warmest, 370);

    // Only the warmest changed: only it is sent.
    wanted = record.colour;
    wanted.warmest = 200;
    Send(wanted);
    EXPECT_EQ(Sent(), (Frames{"A3C8", "C300", "C501", "C108", "01F2", "01F2"} + readBack));
    // A coolest above the present warmest makes room first: warmest, then coolest.
    wanted.coolest = 300;
    wanted.warmest = 360;
    Send(wanted);
    EXPECT_EQ(Sent(), (Frames{"A368", "C301", "C501", "C108", "01F2", "01F2", "A32C", "C301", "C500", "C108", "01F2",
                              "01F2"} +
                       readBack));
    EXPECT_EQ(GearColour().coolest, 300);
    EXPECT_EQ(GearColour().warmest, 360);
}

TEST_F(ColourJobs, LimitsOutOfOrderAreNotSent) {
    Start(colourGear(true, 0));
    ColourSettings wanted = record.colour;
    wanted.coolest = 300;
    wanted.warmest = 200;
    EXPECT_TRUE(Send(wanted).limitsOutOfOrder);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(record.colour.coolest, 160);
}

TEST_F(ColourJobs, StoringAPowerOnColourWithTheRecordsLevel) {
    Start(colourGear(true, 0));
    ColourSettings wanted = record.colour;
    wanted.powerOnMirek = 200;
    // Levels never read: the power-on level to store with it is unknown, nothing is sent.
    EXPECT_TRUE(Send(wanted).levelUnknown);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(record.colour.powerOnMirek, kColourMask);

    record.readState |= kReadStateParameters;
    record.powerOnLevel = 180;
    EXPECT_FALSE(Send(wanted).levelUnknown);
    EXPECT_EQ(Sent(), (Frames{"A3C8", "C300", "C108", "01E7", "A3B4", "012D", "012D"}));
    EXPECT_EQ(GearColour().powerOn, sim::GearColourPoint::tc(200));
    EXPECT_EQ(GearColour().actual, sim::GearColourPoint::tc(300));  // the colour shown stays
    EXPECT_EQ(record.colour.powerOnMirek, 200);
}

TEST_F(ColourJobs, AColourSceneOnlyForScenesTheGearIsIn) {
    Start(colourGear(true, 0));
    record.readState |= kReadStateScenes;
    record.sceneLevel[3] = 100;
    ColourSettings wanted = record.colour;
    wanted.sceneMirek[3] = 250;
    wanted.sceneMirek[4] = 260;  // not in scene 4
    EXPECT_EQ(Send(wanted).scenesNotSent, 1u << 4);
    EXPECT_EQ(Sent(), (Frames{"A3FA", "C300", "C108", "01E7", "A364", "0143", "0143"}));
    EXPECT_EQ(GearColour().scenes[3], sim::GearColourPoint::tc(250));
    EXPECT_EQ(GearColour().scenes[4], sim::GearColourPoint{});
    EXPECT_EQ(record.colour.sceneMirek[3], 250);
    EXPECT_EQ(record.colour.sceneMirek[4], kColourMask);
}

// The scenes tab on a tunable-white gear: the level goes with a colour
// temperature, or with the one the record keeps, so the gear never loses it.
TEST_F(ColourJobs, ScenesTabStoresTheLevelWithTheColourTemperature) {
    Start(colourGear(true, 0));
    struct Case {
        const char* name;
        uint8_t level;
        std::optional<uint16_t> mirek;  // none: the tab shows no colours
        Frames frames;
        sim::GearColourPoint gearColour;
    };
    const sim::GearColourPoint k3000 = sim::GearColourPoint::tc(MirekFromKelvin(3000));
    const Case cases[] = {
        {"3000 K at 200", 200, 333, {"A34D", "C301", "C108", "01E7", "A3C8", "0143", "0143"}, k3000},
        {"level alone keeps the colour", 180, std::nullopt, {"A34D", "C301", "C108", "01E7", "A3B4", "0143", "0143"},
         k3000},
        {"nothing changed", 180, 333, {}, k3000},
        // A scene the gear is not in has no colour to keep.
        {"out of the scene", kLevelMask, 333, {"A3FF", "0143", "0143"}, {}},
    };
    for (const Case& c : cases) {
        SceneSettings settings;
        settings.sceneLevel[3] = c.level;
        if (c.mirek) {
            settings.sceneMirek.emplace();
            settings.sceneMirek->fill(kColourMask);
            (*settings.sceneMirek)[3] = *c.mirek;
        }
        SendScenes(bus_->link(), record, 0, settings);
        EXPECT_EQ(Sent(), c.frames) << c.name;
        if (c.level != kLevelMask) {
            EXPECT_EQ(GearColour().scenes[3], c.gearColour) << c.name;
        }
        EXPECT_EQ(record.colour.sceneMirek[3], c.gearColour.mirek) << c.name;
        bus_->bus().withGear(0, [&](sim::ControlGear& g) { EXPECT_EQ(g.scenes()[3], c.level) << c.name; });
    }
}

TEST_F(ColourJobs, RgbLevelsLiveAndAsTheSystemFailureColour) {
    Start(colourGear(false, 3));
    record.readState |= kReadStateParameters;
    record.systemFailureLevel = 254;
    ColourSettings wanted = record.colour;
    wanted.levels = {254, 0, 128, 255, 255, 255};
    wanted.systemFailureLevels = {0, 0, 254, 255, 255, 255};
    Send(wanted);
    EXPECT_EQ(Sent(), (Frames{"A3FE", "C300", "C580", "C108", "01EB", "C108", "01E2",  // live
                              "A300", "C300", "C5FE", "C108", "01EB", "A3FE", "012C", "012C"}));
    EXPECT_EQ(GearColour().actual.levels, (std::array<uint8_t, 6>{254, 0, 128, 255, 255, 255}));
    EXPECT_EQ(GearColour().systemFailure.levels, (std::array<uint8_t, 6>{0, 0, 254, 255, 255, 255}));
}

// A level written alone on colour gear goes out with the colour the gear keeps
// for it: QUERY ... LEVEL loads it into the report colour, COPY REPORT TO
// TEMPORARY makes it the colour the store keeps.
TEST_F(ColourJobs, ALevelWrittenAloneKeepsTheGearsColour) {
    struct Case {
        const char* name;
        bool tc;
        std::optional<BasicItem> item;  // none: scene 3 through the scenes tab
        Frames frames;
    };
    const Case cases[] = {
        {"power on, basic tab", true, BasicItem::PowerOnLevel, {"01A3", "C108", "01EE", "A3B4", "012D", "012D"}},
        {"system failure, basic tab", true, BasicItem::FailureLevel, {"01A4", "C108", "01EE", "A3B4", "012C", "012C"}},
        {"scene of an RGB gear, scenes tab", false, std::nullopt, {"01B3", "C108", "01EE", "A3B4", "0143", "0143"}},
    };
    for (const Case& c : cases) {
        sim::GearConfig gear = colourGear(c.tc, c.tc ? 0 : 3);
        const sim::GearColourPoint kept = c.tc ? sim::GearColourPoint::tc(200) : rgbwaf({1, 2, 3, 255, 255, 255});
        gear.colour.powerOn = gear.colour.systemFailure = gear.colour.scenes[3] = kept;
        gear.scenes[3] = 90;
        record = {.present = 1, .deviceType = 8};  // as the scan found it; its colours never read
        Start(gear);
        if (!c.item) {
            SceneSettings settings;
            settings.sceneLevel[3] = 180;
            SendScenes(bus_->link(), record, 0, settings);
        } else {
            BasicSettings settings;
            settings.ticked.fill(false);
            settings.Tick(*c.item, true);
            settings.powerOnLevel = settings.systemFailureLevel = 180;
            SendBasicSettings(bus_->link(), record, 0, settings);
        }
        EXPECT_EQ(Sent(), c.frames) << c.name;
        const sim::GearColourConfig after = GearColour();
        EXPECT_EQ(after.powerOn, kept) << c.name;
        EXPECT_EQ(after.systemFailure, kept) << c.name;
        EXPECT_EQ(after.scenes[3], kept) << c.name;
        bus_->bus().withGear(0, [&](sim::ControlGear& g) {
            const uint8_t stored = c.item == BasicItem::PowerOnLevel   ? g.powerOnLevel()
                                   : c.item == BasicItem::FailureLevel ? g.systemFailureLevel()
                                                                       : g.scenes()[3];
            EXPECT_EQ(stored, 180) << c.name;
        });
    }
}

// A gear that does not answer the query gets no level: stored without its colour it would lose it.
TEST_F(ColourJobs, NoLevelWithoutTheGearsColour) {
    sim::GearConfig gear = colourGear(true, 0);
    gear.colour.scenes[3] = sim::GearColourPoint::tc(200);
    gear.scenes[3] = 90;
    record = {.present = 1, .deviceType = 8};
    Start(gear);
    record.readState |= kReadStateScenes;
    record.sceneLevel[3] = 90;
    record.colour.sceneMirek[3] = kColourMask;  // not known: the gear's is fetched
    bus_->bus().withGear(0, [](sim::ControlGear& g) { g.setFaults({.missFrames = 1}); });
    SceneSettings settings;
    settings.sceneLevel[3] = 180;
    SendScenes(bus_->link(), record, 0, settings);
    EXPECT_EQ(Sent(), Frames{"01B3"});
    EXPECT_EQ(record.sceneLevel[3], 90);
    EXPECT_EQ(GearColour().scenes[3], sim::GearColourPoint::tc(200));

    record.powerOnLevel = 254;
    bus_->bus().withGear(0, [](sim::ControlGear& g) { g.setFaults({.missFrames = 1}); });
    BasicSettings basic;
    basic.ticked.fill(false);
    basic.Tick(BasicItem::PowerOnLevel, true);
    basic.powerOnLevel = 100;
    SendBasicSettings(bus_->link(), record, 0, basic);
    EXPECT_EQ(Sent(), Frames{"01A3"});
    EXPECT_EQ(record.powerOnLevel, 254);
}

// Limits a record does not know (a file's MASK) are read before they are
// written; the record takes what the gear holds afterwards.
TEST_F(ColourJobs, LimitsReadBeforeWrittenAndComparedAfter) {
    Start(colourGear(true, 0));  // the gear holds 160..350 within 153..370
    record.colour.coolest = record.colour.warmest = kColourMask;
    ColourSettings wanted = record.colour;
    wanted.coolest = 360;  // above the gear's warmest: the warmest makes room first
    wanted.warmest = 370;
    ColourWriteResult result = Send(wanted);
    EXPECT_EQ(Sent(), (wide("80") + wide("82") +
                       Frames{"A372", "C301", "C501", "C108", "01F2", "01F2",    // warmest 370
                              "A368", "C301", "C500", "C108", "01F2", "01F2"} +  // coolest 360
                       wide("80") + wide("82")));
    EXPECT_FALSE(result.limitsNotTaken);
    EXPECT_EQ(GearColour().coolest, 360);
    EXPECT_EQ(record.colour.coolest, 360);
    EXPECT_EQ(record.colour.warmest, 370);

    // A record that claims wider physical limits than the gear has: the gear clamps, the record says so.
    record.colour.physicalWarmest = 400;
    wanted = record.colour;
    wanted.warmest = 390;
    result = Send(wanted);
    EXPECT_EQ(Sent(), (Frames{"A386", "C301", "C501", "C108", "01F2", "01F2"} + wide("80") + wide("82")));
    EXPECT_TRUE(result.limitsNotTaken);
    EXPECT_EQ(record.colour.warmest, 370);
}

// A one-channel gear whose channel carries white: read and written as white, not as red.
TEST_F(ColourJobs, AWhiteOnlyChannelIsReadAndWrittenAsWhite) {
    sim::GearConfig gear = colourGear(false, 1);
    gear.colour.channelColours[0] = 3;
    gear.colour.actual = rgbwaf({255, 255, 255, 40, 255, 255});
    gear.colour.powerOn = rgbwaf({255, 255, 255, 200, 255, 255});
    Start(gear);
    EXPECT_EQ(readFrames, (Frames{"C108", "01F9"} + assigned("00") + narrow("0C") + Frames{"01A3"} + narrow("EC") +
                           Frames{"01A4"} + narrow("EC") + scenesWith(narrow("EC"))));
    EXPECT_EQ(record.colour.colours, 0x08);
    EXPECT_EQ(record.colour.levels, (ChannelLevels{255, 255, 255, 40, 255, 255}));
    EXPECT_EQ(record.colour.powerOnLevels, (ChannelLevels{255, 255, 255, 200, 255, 255}));
    EXPECT_EQ(ChannelLevelsText(record.colour, record.colour.levels), QStringLiteral("40"));

    ColourSettings wanted = record.colour;
    wanted.levels[3] = 100;
    Send(wanted);
    EXPECT_EQ(Sent(), (Frames{"A364", "C3FF", "C5FF", "C108", "01EC", "C108", "01E2"}));
    EXPECT_EQ(GearColour().actual, rgbwaf({255, 255, 255, 100, 255, 255}));
}

// A project transfer: the gear's colours are not known, so every colour of the record goes out after the scenes.
TEST_F(ColourJobs, WritingAWholeRecordSendsItsColours) {
    Start(colourGear(true, 0));
    DeviceStore store;
    store.link = bus_->link();
    DeviceRecord& fromFile = store.workingTable[0];
    fromFile = {.present = 1, .maxLevel = 254, .minLevel = 1, .powerOnLevel = 200, .systemFailureLevel = 254,
                .deviceType = 8};
    fromFile.sceneLevel[2] = 90;
    fromFile.readState = kReadStateParameters | kReadStateScenes;
    fromFile.colour = record.colour;
    fromFile.colour.mirek = kColourMask;  // files keep no colour shown now
    fromFile.colour.coolest = 180;
    fromFile.colour.powerOnMirek = 220;
    fromFile.colour.sceneMirek[2] = 300;
    store.WriteAll(0);
    const Frames frames = Sent();
    // The gear's limits are read first: its warmest 350 is the file's, only the coolest goes out.
    const Frames colour = wide("80") + wide("82") +
                          Frames{"A3B4", "C300", "C500", "C108", "01F2", "01F2"} +  // coolest 180
                          wide("80") + wide("82") +
                          Frames{"A3DC", "C300", "C108", "01E7", "A3C8", "012D", "012D",    // power on
                                 "A32C", "C301", "C108", "01E7", "A35A", "0142", "0142"};  // scene 2
    ASSERT_GE(frames.size(), colour.size());
    EXPECT_EQ(Frames(frames.end() - std::ptrdiff_t(colour.size()), frames.end()), colour);
    // The levels before them keep the gear's colours, so a colour the file lacks is not lost.
    for (const Frames& kept : {Frames{"01A3", "C108", "01EE", "A3C8", "012D", "012D"},
                               Frames{"01B2", "C108", "01EE", "A35A", "0142", "0142"}})
        EXPECT_NE(std::search(frames.begin(), frames.end(), kept.begin(), kept.end()), frames.end()) << kept[0];
    EXPECT_EQ(GearColour().coolest, 180);
    EXPECT_EQ(GearColour().powerOn, sim::GearColourPoint::tc(220));
    EXPECT_EQ(GearColour().scenes[2], sim::GearColourPoint::tc(300));
    EXPECT_EQ(store.workingTable[0], fromFile);  // the record stays the file's
}

// An RGB gear's scene colour goes out with its scene level: the temporary
// levels first, then DTR0 and STORE THE DTR AS SCENE twice.
TEST_F(ColourJobs, AnRgbSceneColourGoesOutWithItsSceneLevel) {
    Start(colourGear(false, 3));
    DeviceStore store;
    store.link = bus_->link();
    DeviceRecord& fromFile = store.workingTable[0] = record;
    fromFile.present = 1;
    fromFile.deviceType = 8;
    fromFile.sceneLevel[2] = 90;
    fromFile.readState = kReadStateScenes;
    fromFile.colour.sceneLevels[2] = {10, 20, 30, 255, 255, 255};
    store.WriteAll(0);
    const Frames frames = Sent();
    const Frames scene2{"A30A", "C314", "C51E", "C108", "01EB", "A35A", "0142", "0142"};
    ASSERT_GE(frames.size(), scene2.size());
    EXPECT_EQ(Frames(frames.end() - std::ptrdiff_t(scene2.size()), frames.end()), scene2);
    EXPECT_EQ(GearColour().scenes[2], rgbwaf({10, 20, 30, 255, 255, 255}));
}

// "Senden" with several gear selected: each colour gear gets the edited item on top of its own record.
TEST(ColourSelection, EachSelectedColourGearGetsOnlyTheEditedItems) {
    sim::GearConfig second = colourGear(true, 0);
    second.shortAddress = 1;
    second.colour.warmest = 300;
    sim::GearConfig plain = gearAt(2);
    LinkedBus bus({colourGear(true, 0), second, plain});
    DeviceTable table{};
    for (int a : {0, 1, 2}) {
        table[size_t(a)].present = 1;
        ColourReadContext read{bus.link(), table[size_t(a)], a};
        ReadColour(read);
    }
    bus.takeForwardFrames();
    ColourChanges changes;
    changes.values.coolest = 200;
    changes.values.warmest = 360;  // not edited: each gear keeps its own
    changes.Set(ColourItem::Coolest);
    const int32_t selected[] = {0, 1, 2};
    ColourSelectionContext c{bus.link(), table, selected};
    EXPECT_EQ(SendColourToSelection(c, changes).results, 0);
    const Frames readBack0 = wide("80") + wide("82");
    const Frames readBack1{"A380", "C108", "03FA", "0398", "A382", "C108", "03FA", "0398"};
    EXPECT_EQ(FrameTexts(bus.takeForwardFrames()),
              (Frames{"A3C8", "C300", "C500", "C108", "01F2", "01F2"} + readBack0 +  // gear 0
               Frames{"A3C8", "C300", "C500", "C108", "03F2", "03F2"} + readBack1));
    EXPECT_EQ(table[0].colour.coolest, 200);
    EXPECT_EQ(table[0].colour.warmest, 350);
    EXPECT_EQ(table[1].colour.warmest, 300);
    EXPECT_EQ(table[2].colour, ColourSettings{});  // no colour gear: nothing sent, nothing changed
}

TEST(ColourUnits, KelvinAndMirek) {
    EXPECT_EQ(MirekFromKelvin(4000), 250);
    EXPECT_EQ(MirekFromKelvin(2700), 370);  // 370.37
    EXPECT_EQ(MirekFromKelvin(6500), 154);  // 153.85
    EXPECT_EQ(KelvinFromMirek(153), 6536);
    EXPECT_EQ(KelvinFromMirek(kColourMask), 0);
    EXPECT_EQ(MirekFromKelvin(0), kColourMask);
}

}  // namespace
