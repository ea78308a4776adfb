// Gear of several device types: the scan, the reading and the line check ask
// QUERY NEXT DEVICE TYPE after a MASK answer, keep the list, and give a gear
// that is also an LED module its device-type-6 values.

#include "addressing/matrix_model.h"
#include "devices/device_store.h"
#include "devices/line_check.h"
#include "devices/bus_scan.h"
#include "storage/settings.h"
#include "tests/support/frame_texts.h"
#include "tests/sim/bus_test_support.h"
#include "tests/support/recording_wait_dialog.h"
#include "tests/support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

sim::GearConfig gear(uint8_t type, std::vector<uint8_t> more) {
    sim::GearConfig g = gearAt(0);
    g.deviceType = type;
    g.moreDeviceTypes = std::move(more);
    g.dimmingCurve = 1;
    g.fastFadeTime = 5;
    return g;
}


struct ReadCase {
    const char* label;
    uint8_t type;
    std::vector<uint8_t> more;
    uint8_t deviceType;                // as the record keeps it
    std::vector<uint8_t> deviceTypes;  // the list it keeps
    std::vector<std::string> typeFrames;  // between QUERY FADE TIME/FADE RATE and QUERY ACTUAL LEVEL
    uint8_t fastFadeTime, dimmingCurve;
};

const std::vector<std::string> kDeviceType6Reads{"C106", "01FD", "C106", "01EE"};

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DeviceTypes, ReadingListsTheTypesOfAGearOfSeveral) {
    const ReadCase cases[] = {
        {"LED module", 6, {}, 6, {}, plus({"0199"}, kDeviceType6Reads), 5, 1},
        {"colour only", 8, {}, 8, {}, {"0199"}, 0, 0},
        {"LED module and colour", 6, {8}, 0xFF, {6, 8}, plus({"0199", "01A7", "01A7", "01A7"}, kDeviceType6Reads), 5, 1},
        {"emergency and colour", 8, {1}, 0xFF, {1, 8}, {"0199", "01A7", "01A7", "01A7"}, 0, 0},
    };
    for (const ReadCase& c : cases) {
        LinkedBus bus({gear(c.type, c.more)});
        DeviceStore store;
        store.link = bus.link();
        store.workingTable[0].deviceTypes = {3};  // left from an earlier read: replaced
        EXPECT_EQ(store.ReadParameters(0), 0) << c.label;
        const DeviceRecord& r = store.workingTable[0];
        EXPECT_EQ(r.deviceType, c.deviceType) << c.label;
        EXPECT_EQ(r.deviceTypes, c.deviceTypes) << c.label;
        EXPECT_EQ(r.fastFadeTime, c.fastFadeTime) << c.label;
        EXPECT_EQ(r.dimmingCurve, c.dimmingCurve) << c.label;
        EXPECT_EQ(FrameTexts(bus.takeForwardFrames()),
                  plus(plus({"01A5"}, c.typeFrames), {"01A0", "01A1", "01A2", "01A3", "01A4", "01C0", "01C1"}))
            << c.label;
    }
}

TEST(DeviceTypes, TheScanKeepsTheListAndReadsTheCurveOfALedModuleThatIsAlsoColour) {
    LinkedBus bus({gear(6, {8})});
    DeviceStore store;
    store.link = bus.link();
    MatrixModel matrix;
    RecordingWaitDialog wait;
    Settings settings;
    ScriptedPrompts prompts(settings);
    BusScanContext c{bus.link(), store, matrix, wait, prompts, QString(), [] {}, [] {}};
    EXPECT_EQ(RunBusScan(c).presentCount, 1);
    const std::vector<std::string> frames = FrameTexts(bus.takeForwardFrames());
    ASSERT_GE(frames.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + 11),
              (std::vector<std::string>{"A100", "0190", "01C0", "01C1", "0199", "01A7", "01A7", "01A7", "C106", "01EE",
                                        "0390"}));
    EXPECT_EQ(store.workingTable[0].deviceType, 0xFF);
    EXPECT_EQ(store.workingTable[0].deviceTypes, (std::vector<uint8_t>{6, 8}));
    EXPECT_EQ(store.workingTable[0].dimmingCurve, 1);
}

TEST(DeviceTypes, TheLineCheckComparesTheDeviceType6ValuesOfAGearOfSeveral) {
    LinkedBus bus({gear(6, {8})});
    DeviceTable project;
    DeviceRecord& p = project[0];
    p.present = 1;
    p.readState = kReadStateParameters | kReadStateScenes;
    p.maxLevel = 254;
    p.minLevel = 1;
    p.powerOnLevel = 254;
    p.systemFailureLevel = 254;
    p.fadeRate = 7;
    p.dimmingCurve = 1;  // the gear's fast fade time 5 differs from the project's 0
    RecordingWaitDialog wait;
    Settings settings;
    ScriptedPrompts prompts(settings);
    LineCheckContext c{bus.link(), project, wait, prompts, QString(), [] {}};
    LinkResult busFault = 0;
    const std::vector<LineCheckRow> rows = CheckAddress(c, 0, busFault);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].field, LineCheckField::FastFadeTime);
    EXPECT_EQ(rows[0].busValue, 5);
    std::vector<std::string> expected{"0190", "0199", "01A7", "01A7", "01A7", "01A1", "01A2", "01A3",
                                      "01A4", "01A5", "C106", "01FD", "C106", "01EE", "01C0", "01C1"};
    for (int n = 0; n < 16; ++n)
        expected.push_back("01B" + std::string(1, "0123456789ABCDEF"[n]));
    EXPECT_EQ(FrameTexts(bus.takeForwardFrames()), expected);
}

}  // namespace
