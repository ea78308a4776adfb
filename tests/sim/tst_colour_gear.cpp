// Simulated colour gear (device type 8) and gear of several device types,
// driven frame by frame: each script's frames with the answer each gets.

#include "dali/dali_commands.h"
#include "sim/control_gear.h"
#include "tests/sim/gear_test_bus.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace gear_test;
using dali::ColourValue;
using dali::Dt8Op;

constexpr uint8_t kGear = 0x01;  // short address 0
const std::optional<uint8_t> kNo = kNone;

struct Step {
    uint8_t first, second;
    std::optional<uint8_t> answer;
};
using Script = std::vector<Step>;

Script operator+(Script a, const Script& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Script dt8(Dt8Op op, std::optional<uint8_t> answer = kNo) { return {{kEnableDeviceType, 8, kNo}, {kGear, code(op), answer}}; }
Script dt8Twice(Dt8Op op) { return {{kEnableDeviceType, 8, kNo}, {kGear, code(op), kNo}, {kGear, code(op), kNo}}; }
Script dtrs(uint8_t dtr0, uint8_t dtr1, uint8_t dtr2 = 0) {
    return {{kDtr0, dtr0, kNo}, {kDtr1, dtr1, kNo}, {code(SpecialOp::Dtr2), dtr2, kNo}};
}
Script temporaryTc(uint16_t mirek) {
    return dtrs(uint8_t(mirek), uint8_t(mirek >> 8)) + dt8(Dt8Op::SetTemporaryColourTemperature);
}
Script liveTc(uint16_t mirek) { return temporaryTc(mirek) + dt8(Dt8Op::Activate); }
// QUERY COLOUR VALUE of a 16-bit value: the high byte, then the low byte from DTR0.
Script value16(ColourValue value, uint16_t expected) {
    return Script{{kDtr0, code(value), kNo}} + dt8(Dt8Op::QueryColourValue, uint8_t(expected >> 8)) +
           Script{{kGear, code(Op::QueryContentDtr0), uint8_t(expected)}};
}
Script value8(uint8_t selector, std::optional<uint8_t> expected) {
    return Script{{kDtr0, selector, kNo}} + dt8(Dt8Op::QueryColourValue, expected);
}
Script storeWithLevel(Op op, int number, uint8_t level) {
    return {{kDtr0, level, kNo}, {kGear, code(op, number), kNo}, {kGear, code(op, number), kNo}};
}
Script storeLimit(dali::ColourTemperatureLimit limit, uint16_t mirek) {
    return dtrs(uint8_t(mirek), uint8_t(mirek >> 8), code(limit)) + dt8Twice(Dt8Op::StoreColourTemperatureLimit);
}

GearConfig colourGear(uint8_t channels, bool tc, std::vector<uint8_t> more = {}) {
    GearConfig g;
    g.shortAddress = 0;
    g.deviceType = 8;
    g.moreDeviceTypes = std::move(more);
    g.colour.tc = tc;
    g.colour.channels = channels;
    return g;
}

struct Case {
    std::string name;
    GearConfig gear;
    Script script;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

using L = dali::ColourTemperatureLimit;

std::vector<Case> cases() {
    const GearConfig tc = colourGear(0, true), rgb = colourGear(3, false);
    GearConfig whiteOnly = colourGear(1, false), swapped = colourGear(2, false);
    whiteOnly.colour.channelColours[0] = 3;
    swapped.colour.channelColours = {2, 0, 1, 3, 4, 5};  // blue, red
    GearConfig stored = tc;
    stored.colour.powerOn = sim::GearColourPoint::tc(160);
    stored.colour.systemFailure = sim::GearColourPoint::tc(330);
    stored.colour.scenes[5] = sim::GearColourPoint::tc(280);
    GearConfig ledAndColour = colourGear(0, true, {6});
    ledAndColour.dimmingCurve = 1;
    GearConfig ledOnly;
    ledOnly.shortAddress = 0;
    return {
        {"TcGearTellsFeaturesLimitsAndItsWarmestWhite", tc,
         dt8(Dt8Op::QueryColourTypeFeatures, 0x02) + value16(ColourValue::ColourTemperatureCoolest, 153) +
             value16(ColourValue::ColourTemperaturePhysicalCoolest, 153) +
             value16(ColourValue::ColourTemperatureWarmest, 370) +
             value16(ColourValue::ColourTemperaturePhysicalWarmest, 370) +
             value16(ColourValue::ColourTemperature, 370) + dt8(Dt8Op::QueryColourStatus, 0x20) +
             value16(ColourValue::XCoordinate, 0xFFFF) + dt8(Dt8Op::QueryRgbwafControl, 0xFF) +
             dt8(Dt8Op::QueryExtendedVersionNumber, 2)},
        {"TemporaryUntilActivateThenActualAndReport", tc,
         temporaryTc(250) + value16(ColourValue::TemporaryColourTemperature, 250) +
             value8(code(ColourValue::TemporaryColourType), 0x20) + value16(ColourValue::ColourTemperature, 370) +
             dt8(Dt8Op::Activate) + value16(ColourValue::ColourTemperature, 250) +
             value16(ColourValue::ReportColourTemperature, 250) +
             value16(ColourValue::TemporaryColourTemperature, 0xFFFF) +
             value8(code(ColourValue::TemporaryColourType), 0xFF)},
        {"BeyondALimitIsClampedAndFlagged", tc,
         liveTc(100) + value16(ColourValue::ColourTemperature, 153) + dt8(Dt8Op::QueryColourStatus, 0x22) +
             liveTc(300) + dt8(Dt8Op::QueryColourStatus, 0x20)},
        {"LimitsStoredTwiceStayWithinThePhysicalOnes", tc,
         liveTc(360) + storeLimit(L::Coolest, 100) + value16(ColourValue::ColourTemperatureCoolest, 153) +
             storeLimit(L::Coolest, 200) + value16(ColourValue::ColourTemperatureCoolest, 200) +
             storeLimit(L::Warmest, 400) + value16(ColourValue::ColourTemperatureWarmest, 370) +
             storeLimit(L::Warmest, 300) + value16(ColourValue::ColourTemperatureWarmest, 300) +
             value16(ColourValue::ColourTemperature, 300) +  // the colour moved within the new limit
             dtrs(0x2C, 0x01, 0) + dt8(Dt8Op::StoreColourTemperatureLimit) +  // once: nothing
             value16(ColourValue::ColourTemperatureCoolest, 200) + storeLimit(L::PhysicalCoolest, 250) +
             value16(ColourValue::ColourTemperaturePhysicalCoolest, 250) +
             value16(ColourValue::ColourTemperatureCoolest, 250)},
        {"StepsCoolerAndWarmerByOneMirekWithinTheLimits", tc,
         liveTc(154) + dt8(Dt8Op::ColourTemperatureStepCooler) + dt8(Dt8Op::ColourTemperatureStepCooler) +
             value16(ColourValue::ColourTemperature, 153) + dt8(Dt8Op::ColourTemperatureStepWarmer) +
             value16(ColourValue::ColourTemperature, 154)},
        {"ASceneKeepsTheTemporaryColourWithItsLevel", tc,
         temporaryTc(280) + storeWithLevel(Op::StoreDtrAsScene, 3, 100) + liveTc(200) +
             Script{{kGear, code(Op::GoToScene, 3), kNo}} + value16(ColourValue::ColourTemperature, 280) +
             storeWithLevel(Op::RemoveFromScene, 3, 0) + liveTc(200) + Script{{kGear, code(Op::GoToScene, 3), kNo}} +
             value16(ColourValue::ColourTemperature, 200)},
        {"RgbwafGearSetsItsChannelsAndHasNoColourTemperature", rgb,
         dt8(Dt8Op::QueryColourTypeFeatures, 0x60) + dtrs(10, 20, 30) + dt8(Dt8Op::SetTemporaryRgbDimLevel) +
             dtrs(40, 50, 60) + dt8(Dt8Op::SetTemporaryWafDimLevel) + value8(201, 10) + dt8(Dt8Op::Activate) +
             value8(9, 10) + value8(10, 20) + value8(11, 30) + value8(12, 0xFF) + value8(235, 30) +
             value16(ColourValue::ColourTemperature, 0xFFFF) + temporaryTc(250) +
             value16(ColourValue::TemporaryColourTemperature, 0xFFFF) + dt8(Dt8Op::QueryColourStatus, 0x80) +
             dt8(Dt8Op::QueryRgbwafControl, 0x3F) + Script{{kDtr0, 2, kNo}} + dt8(Dt8Op::QueryAssignedColour, 3) +
             Script{{kDtr0, 3, kNo}} + dt8(Dt8Op::QueryAssignedColour, 0xFF)},
        {"QueryLevelLoadsTheStoredColourIntoTheReportUntilAColourCommand", stored,
         Script{{kGear, code(Op::QueryPowerOnLevel), 254}} + value16(ColourValue::ReportColourTemperature, 160) +
             value8(code(ColourValue::ReportColourType), 0x20) +
             value16(ColourValue::ColourTemperature, 370) +  // the actual colour stays
             Script{{kGear, code(Op::QuerySystemFailureLevel), 254}} +
             value16(ColourValue::ReportColourTemperature, 330) + Script{{kGear, code(Op::QuerySceneLevel, 5), 255}} +
             value16(ColourValue::ReportColourTemperature, 280) + Script{{kGear, code(Op::QuerySceneLevel, 6), 255}} +
             value16(ColourValue::ReportColourTemperature, 0xFFFF) +
             value8(code(ColourValue::ReportColourType), 0xFF) + liveTc(250) +
             value16(ColourValue::ReportColourTemperature, 250)},
        {"StoreUsesTheTemporaryColourUpAndCopyReportFetchesAStoredOne", stored,
         temporaryTc(200) + storeWithLevel(Op::StoreDtrAsScene, 2, 90) +
             value16(ColourValue::TemporaryColourTemperature, 0xFFFF) +
             Script{{kGear, code(Op::QuerySceneLevel, 2), 90}} + dt8(Dt8Op::CopyReportToTemporary) +
             value16(ColourValue::TemporaryColourTemperature, 200) +
             storeWithLevel(Op::StoreDtrAsPowerOnLevel, 0, 100) + Script{{kGear, code(Op::QueryPowerOnLevel), 100}} +
             value16(ColourValue::ReportColourTemperature, 200)},
        {"AWhiteOnlyChannelSaysWhiteAndTakesOnlyTheWhiteLevel", whiteOnly,
         dt8(Dt8Op::QueryColourTypeFeatures, 0x20) + Script{{kDtr0, 0, kNo}} + dt8(Dt8Op::QueryAssignedColour, 4) +
             dtrs(10, 20, 30) + dt8(Dt8Op::SetTemporaryRgbDimLevel) + dtrs(40, 50, 60) +
             dt8(Dt8Op::SetTemporaryWafDimLevel) + dt8(Dt8Op::Activate) + value8(9, 0xFF) + value8(12, 40) +
             value8(13, 0xFF)},
        {"ChannelsInAnotherOrderAnswerByColour", swapped,
         Script{{kDtr0, 0, kNo}} + dt8(Dt8Op::QueryAssignedColour, 3) + Script{{kDtr0, 1, kNo}} +
             dt8(Dt8Op::QueryAssignedColour, 1) + dtrs(10, 20, 30) + dt8(Dt8Op::SetTemporaryRgbDimLevel) +
             dt8(Dt8Op::Activate) + value8(9, 10) + value8(10, 0xFF) + value8(11, 30)},
        {"GearOfSeveralTypesListsThemRightAfterQueryDeviceType", ledAndColour,
         Script{{kGear, code(Op::QueryDeviceType), 0xFF},
                {kGear, code(Op::QueryNextDeviceType), 6},
                {kGear, code(Op::QueryNextDeviceType), 8},
                {kGear, code(Op::QueryNextDeviceType), 0xFE},
                {kGear, code(Op::QueryNextDeviceType), kNo},
                {kGear, code(Op::QueryDeviceType), 0xFF},
                {kGear, code(Op::QueryStatus), 0x84},
                {kGear, code(Op::QueryNextDeviceType), kNo},
                {kEnableDeviceType, 6, kNo},
                {kGear, kQueryCurve, 1}} +
             dt8(Dt8Op::QueryColourTypeFeatures, 0x02)},
        {"GearOfOneTypeAnswersNoNextTypeAndNoColourQuery", ledOnly,
         Script{{kGear, code(Op::QueryDeviceType), 6}, {kGear, code(Op::QueryNextDeviceType), kNo}} +
             dt8(Dt8Op::QueryColourTypeFeatures, kNo)},
    };
}

class ColourGear : public ::testing::TestWithParam<Case> {};

TEST_P(ColourGear, AnswersEachFrameOfTheScript) {
    TestBus bus({GetParam().gear});
    const Script& script = GetParam().script;
    for (size_t i = 0; i < script.size(); ++i) {
        const Step& step = script[i];
        const int enabled = i > 0 && script[i - 1].first == kEnableDeviceType ? script[i - 1].second : -1;
        EXPECT_EQ(bus.send(step.first, step.second), Answers{step.answer})
            << "frame " << i << ": " << dali::frameName(step.first, step.second, enabled);
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ColourGear, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

// Mains and bus power: the stored power-on and system-failure colours show.
TEST(ColourGearPower, PowerOnAndSystemFailureColoursStoredWithTheirLevels) {
    TestBus bus({colourGear(0, true)});
    for (const Step& s : temporaryTc(160) + storeWithLevel(Op::StoreDtrAsPowerOnLevel, 0, 200) + temporaryTc(330) +
                             storeWithLevel(Op::StoreDtrAsSystemFailureLevel, 0, 50) + liveTc(250))
        bus.send(s.first, s.second);
    ControlGear& gear = bus.gear(0);
    EXPECT_EQ(gear.colour().powerOn, sim::GearColourPoint::tc(160));
    EXPECT_EQ(gear.colour().systemFailure, sim::GearColourPoint::tc(330));
    gear.busPowerLost();
    EXPECT_EQ(gear.colour().actual, sim::GearColourPoint::tc(330));
    EXPECT_EQ(gear.actualLevel(), 50);
    gear.setMainsPowered(false);
    gear.setMainsPowered(true);
    EXPECT_EQ(gear.colour().actual, sim::GearColourPoint::tc(160));
    EXPECT_EQ(gear.actualLevel(), 200);
    // A power-on level stored without a temporary colour keeps no colour: the colour stays.
    for (const Step& s : liveTc(222) + storeWithLevel(Op::StoreDtrAsPowerOnLevel, 0, 200))
        bus.send(s.first, s.second);
    gear.setMainsPowered(false);
    gear.setMainsPowered(true);
    EXPECT_EQ(gear.colour().actual, sim::GearColourPoint::tc(222));
}

}  // namespace
