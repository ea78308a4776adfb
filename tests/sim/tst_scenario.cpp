// Scenario JSON: every field, the defaults, the demo, the example files, and
// one exact error text per kind of mistake.

#include "sim/scenario.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>

using sim::Scenario;

namespace {

Scenario parsed(std::string_view json) {
    std::string error;
    std::optional<Scenario> scenario = sim::parseScenario(json, "s.json", error);
    EXPECT_TRUE(scenario) << error;
    return scenario.value_or(Scenario{});
}

std::string errorOf(std::string_view json) {
    std::string error;
    EXPECT_FALSE(sim::parseScenario(json, "s.json", error)) << json;
    return error;
}

// A scenario with one gear whose fields are `fields`.
std::string withGear(const std::string& fields) {
    return R"({"interfaces": [{"bus": {"gear": [{}, {)" + fields + "}]}}]}";
}

}  // namespace

TEST(ScenarioFields, EveryFieldOfTheExampleIsRead) {
    const Scenario s = parsed(R"({ "timeScale": 0.5, "seed": "0x10",
      "interfaces": [ { "productId": "0x1503", "serial": "0000ABCD", "bridgeAddress": "0x21",
                        "revision": [1, 35], "reportLatencyUs": 2000,
                        "bus": { "powered": false, "external": null, "alignedReplies": true,
                                 "gear": [ { "name": "Office 1", "shortAddress": 5, "randomAddress": "0x123456",
                                             "randomDraws": ["0x000010", 32], "replyDelayUs": 10500,
                                             "deviceType": 6, "physicalMinLevel": 2, "maxLevel": 250, "minLevel": 3,
                                             "powerOnLevel": 255, "systemFailureLevel": 100, "actualLevel": 7,
                                             "fadeTime": 4, "fadeRate": 9, "groups": [0, 5, 15], "scenes": { "0": 254, "15": 128 },
                                             "dimmingCurve": 1, "fastFadeTime": 12, "minFastFadeTime": 2,
                                             "operatingMode": 3, "extendedVersion": 2,
                                             "gtin": "0x0123456789AB", "firmwareVersion": [1, 10],
                                             "identificationNumber": "0xFF11223344556677",
                                             "lampFailure": true, "gearFailure": true, "versionNumber": 1,
                                             "faults": { "missFrames": 3, "lateReplies": true,
                                                         "garbledReplies": true, "noSelectionKey": true } } ] } } ] })");
    EXPECT_EQ(s.timeScale, 0.5);
    EXPECT_EQ(s.seed, 16u);
    ASSERT_EQ(s.interfaces.size(), 1u);
    const sim::InterfaceScenario& i = s.interfaces[0];
    EXPECT_EQ(i.productId, 0x1503);
    EXPECT_EQ(i.serial, "0000ABCD");
    EXPECT_EQ(i.bridgeAddress, 0x21);
    EXPECT_EQ(i.revision, (std::array<uint8_t, 2>{1, 35}));
    EXPECT_EQ(i.reportLatencyUs, 2000u);
    EXPECT_FALSE(i.bus.powered);
    EXPECT_FALSE(i.bus.external);
    EXPECT_TRUE(i.bus.alignedReplies);
    ASSERT_EQ(i.bus.gear.size(), 1u);
    const sim::GearConfig& g = i.bus.gear[0];
    EXPECT_EQ(g.name, "Office 1");
    EXPECT_EQ(g.shortAddress, 5);
    EXPECT_EQ(g.randomAddress, 0x123456u);
    EXPECT_EQ(g.randomDraws, (std::vector<uint32_t>{0x10, 0x20}));
    EXPECT_EQ(g.replyDelayUs, 10500u);
    EXPECT_EQ(g.deviceType, 6);
    EXPECT_EQ(g.physicalMinLevel, 2);
    EXPECT_EQ(g.maxLevel, 250);
    EXPECT_EQ(g.minLevel, 3);
    EXPECT_EQ(g.powerOnLevel, 255);
    EXPECT_EQ(g.systemFailureLevel, 100);
    EXPECT_EQ(g.actualLevel, 7);
    EXPECT_EQ(g.fadeTime, 4);
    EXPECT_EQ(g.fadeRate, 9);
    EXPECT_EQ(g.groups, 0x8021);
    EXPECT_EQ(g.scenes[0], 254);
    EXPECT_EQ(g.scenes[1], 255);
    EXPECT_EQ(g.scenes[15], 128);
    EXPECT_EQ(g.dimmingCurve, 1);
    EXPECT_EQ(g.fastFadeTime, 12);
    EXPECT_EQ(g.minFastFadeTime, 2);
    EXPECT_EQ(g.operatingMode, 3);
    EXPECT_EQ(g.extendedVersion, 2);
    EXPECT_EQ(g.gtin, 0x0123456789ABu);
    EXPECT_EQ(g.firmwareVersion, (std::array<uint8_t, 2>{1, 10}));
    EXPECT_EQ(g.identificationNumber, 0xFF11223344556677u);
    EXPECT_TRUE(g.lampFailure);
    EXPECT_TRUE(g.gearFailure);
    EXPECT_EQ(g.versionNumber, 1);
    EXPECT_EQ(g.faults, (sim::GearFaults{3, true, true, true}));
}

TEST(ScenarioFields, EmptyScenarioIsOneDefaultInterfaceWithAnEmptyBus) {
    const Scenario s = parsed("{}");
    EXPECT_EQ(s.timeScale, 0.0);
    EXPECT_EQ(s.seed, 1u);
    ASSERT_EQ(s.interfaces.size(), 1u);
    const sim::InterfaceScenario& i = s.interfaces[0];
    EXPECT_EQ(i.productId, 0x1501);
    EXPECT_EQ(i.serial, "00000001");
    EXPECT_EQ(i.bridgeAddress, 0x20);
    EXPECT_EQ(i.revision, (std::array<uint8_t, 2>{0x01, 0x23}));
    EXPECT_EQ(i.reportLatencyUs, 1000u);
    EXPECT_TRUE(i.bus.powered);
    EXPECT_FALSE(i.bus.external);
    EXPECT_TRUE(i.bus.gear.empty());
}

TEST(ScenarioFields, EmptyGearHasTheStandardsResetValuesAndNoAddresses) {
    const sim::GearConfig g = parsed(withGear("")).interfaces[0].bus.gear[1];
    const sim::GearConfig reset;
    EXPECT_FALSE(g.shortAddress);
    EXPECT_FALSE(g.randomAddress);
    EXPECT_EQ(g.maxLevel, reset.maxLevel);
    EXPECT_EQ(g.minLevel, reset.minLevel);
    EXPECT_EQ(g.powerOnLevel, 254);
    EXPECT_EQ(g.systemFailureLevel, 254);
    EXPECT_EQ(g.fadeRate, 7);
    EXPECT_EQ(g.groups, 0);
    EXPECT_EQ(g.scenes, reset.scenes);
}

TEST(ScenarioFields, WrittenGearReadsBackWithItsFaultsAndVersion) {
    Scenario scenario;
    scenario.seed = 0xABCDEF0123ULL;
    scenario.interfaces.emplace_back();
    scenario.interfaces[0].bus.powered = false;
    sim::GearConfig faulty, plain;
    faulty.name = "Faulty";
    faulty.versionNumber = 1;
    faulty.faults = {7, true, false, true};
    scenario.interfaces[0].bus.gear = {faulty, plain};
    const std::string json = sim::scenarioJson(scenario);
    const Scenario back = parsed(json);
    EXPECT_EQ(back.seed, scenario.seed);
    EXPECT_FALSE(back.interfaces[0].bus.powered);
    EXPECT_EQ(back.interfaces[0].bus.gear, scenario.interfaces[0].bus.gear);
    // A gear without faults writes no "faults" field, so older files stay as they were.
    ASSERT_NE(json.find("\"faults\""), std::string::npos);
    EXPECT_EQ(json.find("\"faults\""), json.rfind("\"faults\""));
}

TEST(ScenarioFields, EmergencyUnitsReadBackAndOtherGearWriteNoEmergencyField) {
    Scenario scenario;
    scenario.interfaces.emplace_back();
    sim::GearConfig unit, plain;
    unit.deviceType = 1;
    unit.emergency.ratedDuration = 30;
    unit.emergency.batteryMinutes = 41;
    unit.emergency.batteryCharge = 100;
    unit.emergency.lampFailure = true;
    unit.emergency.testDelayTime = 0x1234;
    unit.emergency.lampOperationHours = 70000;
    scenario.interfaces[0].bus.gear = {unit, plain};
    const std::string json = sim::scenarioJson(scenario);
    EXPECT_EQ(parsed(json).interfaces[0].bus.gear, scenario.interfaces[0].bus.gear);
    EXPECT_EQ(json.find("\"emergency\""), json.rfind("\"emergency\""));
    const Scenario read = parsed(R"({"interfaces": [{"bus": {"gear": [
        {"deviceType": 1, "emergency": {"ratedDuration": 45, "batteryMinutes": null, "batteryFailure": true}}]}}]})");
    const sim::EmergencyConfig& e = read.interfaces[0].bus.gear[0].emergency;
    EXPECT_EQ(e.ratedDuration, 45);
    EXPECT_FALSE(e.batteryMinutes);
    EXPECT_TRUE(e.batteryFailure);
    EXPECT_EQ(e.emergencyLevel, 254);
}

// "banks" gives a gear the luminaire banks; gear without are written as before.
TEST(ScenarioFields, LuminaireBanksReadBackAndGearWithoutWriteNoBanksField) {
    const Scenario read = parsed(withGear(
        R"("banks": {"nominalPowerW": 36, "luminaireId": "0x0102", "year": 24, "activeEnergyWh": 1000,
                     "identification": "Foyer", "lightSourceFailures": 3})"));
    const sim::GearConfig& gear = read.interfaces[0].bus.gear[1];
    EXPECT_FALSE(read.interfaces[0].bus.gear[0].banks.present);
    EXPECT_EQ(gear.banks, (sim::GearBanksConfig{.present = true, .luminaireId = 0x0102, .year = 24, .nominalPowerW = 36,
                                                .identification = "Foyer", .activeEnergyWh = 1000,
                                                .lightSourceFailures = 3}));
    const std::string json = sim::scenarioJson(read);
    EXPECT_EQ(parsed(json).interfaces[0].bus.gear, read.interfaces[0].bus.gear);
    EXPECT_EQ(json.find("\"banks\""), json.rfind("\"banks\""));
    EXPECT_NE(errorOf(withGear(R"("banks": {"year": 256})")).find("year"), std::string::npos);
}

TEST(ScenarioFields, ColourGearReadsItsColourAndWritesItBack) {
    const Scenario s = parsed(withGear(R"("deviceType": 8, "moreDeviceTypes": [6],
        "colour": {"tc": true, "channels": 3, "physicalCoolest": 150, "coolest": 160, "warmest": 400,
                   "physicalWarmest": 420, "rgbwafControl": 7, "channelColours": [3, 0],
                   "actual": {"tc": 250},
                   "powerOn": {"levels": [1, 2, 3]}, "systemFailure": {"tc": 300},
                   "scenes": {"4": {"tc": 200}}})"));
    const sim::GearConfig& g = s.interfaces[0].bus.gear[1];
    EXPECT_EQ(g.moreDeviceTypes, (std::vector<uint8_t>{6}));
    EXPECT_EQ(g.colour.features(), 0x62);
    EXPECT_EQ(g.colour.physicalCoolest, 150);
    EXPECT_EQ(g.colour.coolest, 160);
    EXPECT_EQ(g.colour.warmest, 400);
    EXPECT_EQ(g.colour.physicalWarmest, 420);
    EXPECT_EQ(g.colour.rgbwafControl, 7);
    EXPECT_EQ(g.colour.channelColours, (std::array<uint8_t, 6>{3, 0, 2, 3, 4, 5}));
    EXPECT_EQ(g.colour.actual, sim::GearColourPoint::tc(250));
    EXPECT_EQ(g.colour.powerOn, (sim::GearColourPoint{0x80, 0xFFFF, {1, 2, 3, 255, 255, 255}}));
    EXPECT_EQ(g.colour.systemFailure, sim::GearColourPoint::tc(300));
    EXPECT_EQ(g.colour.scenes[4], sim::GearColourPoint::tc(200));
    EXPECT_EQ(g.colour.scenes[5], sim::GearColourPoint{});
    const std::string json = sim::scenarioJson(s);
    EXPECT_EQ(parsed(json).interfaces[0].bus.gear, s.interfaces[0].bus.gear);
    // Only the colour gear writes "colour" and "moreDeviceTypes": other gear are written as before.
    EXPECT_EQ(json.find("\"colour\""), json.rfind("\"colour\""));
    EXPECT_EQ(json.find("\"moreDeviceTypes\""), json.rfind("\"moreDeviceTypes\""));
}

TEST(ScenarioFields, NullMeansNone) {
    const Scenario s = parsed(R"({"interfaces": [{"bridgeAddress": null,
        "bus": {"external": null, "gear": [{"shortAddress": null, "randomAddress": null}]}}]})");
    EXPECT_FALSE(s.interfaces[0].bridgeAddress);
    EXPECT_FALSE(s.interfaces[0].bus.gear[0].shortAddress);
    EXPECT_FALSE(s.interfaces[0].bus.gear[0].randomAddress);
}

TEST(ScenarioFields, InterfacesWithoutSerialAreNumberedAndExternalBusKeepsItsPath) {
    const Scenario s = parsed(R"({"interfaces": [{}, {"bus": {"external": "/tmp/x.sock"}}]})");
    ASSERT_EQ(s.interfaces.size(), 2u);
    EXPECT_EQ(s.interfaces[0].serial, "00000001");
    EXPECT_EQ(s.interfaces[1].serial, "00000002");
    EXPECT_EQ(s.interfaces[1].bus.external, "/tmp/x.sock");
}

TEST(ScenarioFields, NumbersMayBeDecimalOrHexAndHexMayUseEitherCase) {
    const sim::GearConfig g =
        parsed(withGear(R"("randomAddress": "0xabCDef", "gtin": 4012345000017, "deviceType": "0X00")"))
            .interfaces[0]
            .bus.gear[1];
    EXPECT_EQ(g.randomAddress, 0xABCDEFu);
    EXPECT_EQ(g.gtin, 4012345000017u);
    EXPECT_EQ(g.deviceType, 0);
}

struct ErrorCase {
    const char* what;
    std::string json;
    std::string error;
};

void PrintTo(const ErrorCase& c, std::ostream* out) { *out << c.what; }

class ScenarioErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ScenarioErrors, NameFileJsonPathAndProblem) { EXPECT_EQ(errorOf(GetParam().json), GetParam().error); }

const std::string kGear1 = "s.json: $.interfaces[0].bus.gear[1]";

INSTANTIATE_TEST_SUITE_P(
    Scenario, ScenarioErrors,
    ::testing::Values(
        ErrorCase{"wrong type", R"({"seed": true})",
                  R"(s.json: $.seed: expected a number or a "0x…" string, got true)"},
        ErrorCase{"out of range", withGear(R"("shortAddress": 64)"),
                  kGear1 + ".shortAddress: 64 is out of range 0..63"},
        ErrorCase{"negative", withGear(R"("fadeTime": -1)"), kGear1 + ".fadeTime: -1 is out of range 0..15"},
        ErrorCase{"fraction", withGear(R"("fadeTime": 1.5)"), kGear1 + ".fadeTime: expected an integer, got 1.5"},
        ErrorCase{"hex out of range", withGear(R"("randomAddress": "0x1000000")"),
                  kGear1 + R"(.randomAddress: "0x1000000" is out of range 0x0..0xFFFFFF)"},
        ErrorCase{"bad hex digit", withGear(R"("randomAddress": "0x12G456")"),
                  kGear1 + R"(.randomAddress: bad hex number "0x12G456", expected "0x" and up to 16 hex digits)"},
        ErrorCase{"decimal in a string", withGear(R"("maxLevel": "200")"),
                  kGear1 + R"(.maxLevel: bad hex number "200", expected "0x" and up to 16 hex digits)"},
        ErrorCase{
            "hex wider than 64 bits", withGear(R"("identificationNumber": "0x1FFFFFFFFFFFFFFFF")"),
            kGear1 +
                R"(.identificationNumber: bad hex number "0x1FFFFFFFFFFFFFFFF", expected "0x" and up to 16 hex digits)"},
        ErrorCase{
            "number beyond 2^53", withGear(R"("identificationNumber": 18446744073709551615)"),
            kGear1 +
                R"(.identificationNumber: 1.84467e+19 is too large for a JSON number, write it as a "0x…" string)"},
        ErrorCase{"reply delay outside the standard's window", withGear(R"("replyDelayUs": 12000)"),
                  kGear1 + ".replyDelayUs: 12000 is out of range 5500..10500"},
        ErrorCase{"random draw wider than 24 bits", withGear(R"("randomDraws": [1, "0x1000000"])"),
                  kGear1 + R"(.randomDraws[1]: "0x1000000" is out of range 0x0..0xFFFFFF)"},
        ErrorCase{"unknown field", withGear(R"("shortAdress": 5)"), kGear1 + ".shortAdress: unknown field"},
        ErrorCase{"colour limits out of order", withGear(R"("colour": {"coolest": 400, "warmest": 300})"),
                  kGear1 + ".colour: colour temperature limits out of order: physicalCoolest <= coolest <= warmest "
                           "<= physicalWarmest (mirek)"},
        ErrorCase{"too many channel levels", withGear(R"("colour": {"actual": {"levels": [1, 2, 3, 4, 5, 6, 7]}})"),
                  kGear1 + ".colour.actual.levels: at most 6 channel levels"},
        ErrorCase{"a colour temperature of 0 mirek", withGear(R"("colour": {"scenes": {"3": {"tc": 0}}})"),
                  kGear1 + ".colour.scenes.3.tc: 0 is out of range 1..65534"},
        ErrorCase{"device type MASK among several", withGear(R"("moreDeviceTypes": [255])"),
                  kGear1 + ".moreDeviceTypes[0]: 255 is out of range 0..254"},
        ErrorCase{"unknown fault", withGear(R"("faults": {"slowReplies": true})"),
                  kGear1 + ".faults.slowReplies: unknown field"},
        ErrorCase{"fault flag", withGear(R"("faults": {"lateReplies": 1})"),
                  kGear1 + ".faults.lateReplies: expected true or false, got 1"},
        ErrorCase{"unknown top-level field", R"({"timescale": 1})", "s.json: $.timescale: unknown field"},
        ErrorCase{"null where none is meaningless", withGear(R"("name": null)"),
                  kGear1 + ".name: expected a string, got null"},
        ErrorCase{"group number", withGear(R"("groups": [3, 16])"), kGear1 + ".groups[1]: 16 is out of range 0..15"},
        ErrorCase{"groups not a list", withGear(R"("groups": 3)"), kGear1 + ".groups: expected an array, got 3"},
        ErrorCase{"scene number", withGear(R"("scenes": {"16": 1})"), kGear1 + ".scenes.16: scene numbers are 0..15"},
        ErrorCase{"scene level", withGear(R"("scenes": {"2": 256})"), kGear1 + ".scenes.2: 256 is out of range 0..255"},
        ErrorCase{"byte pair", R"({"interfaces": [{"revision": [1]}]})",
                  "s.json: $.interfaces[0].revision: expected an array of two bytes, got an array"},
        ErrorCase{"byte in a pair", withGear(R"("firmwareVersion": [1, 300])"),
                  kGear1 + ".firmwareVersion[1]: 300 is out of range 0..255"},
        ErrorCase{"serial", R"({"interfaces": [{"serial": "0000-ABCD"}]})",
                  R"(s.json: $.interfaces[0].serial: "0000-ABCD" is not a serial number of 1 to 8 letters or digits)"},
        ErrorCase{"bridge address 0", R"({"interfaces": [{"bridgeAddress": 0}]})",
                  "s.json: $.interfaces[0].bridgeAddress: 0 is out of range 1..127"},
        ErrorCase{"report faster than a USB frame", R"({"interfaces": [{"reportLatencyUs": 500}]})",
                  "s.json: $.interfaces[0].reportLatencyUs: 500 is out of range 1000..1000000"},
        ErrorCase{"time scale", R"({"timeScale": "1"})", R"(s.json: $.timeScale: expected a number, got "1")"},
        ErrorCase{"emergency levels",
                  R"({"interfaces": [{"bus": {"gear": [{"emergency": {"emergencyMinLevel": 90, "emergencyMaxLevel": 80}}]}}]})",
                  "s.json: $.interfaces[0].bus.gear[0].emergency: emergencyMinLevel 90 is above emergencyMaxLevel 80"},
        ErrorCase{"emergency field",
                  R"({"interfaces": [{"bus": {"gear": [{"emergency": {"ratedDuration": 256}}]}}]})",
                  "s.json: $.interfaces[0].bus.gear[0].emergency.ratedDuration: 256 is out of range 0..255"},
        ErrorCase{"levels that contradict", withGear(R"("minLevel": 200, "maxLevel": 100)"),
                  kGear1 + ": minLevel 200 is above maxLevel 100"},
        ErrorCase{"external bus with gear", R"({"interfaces": [{"bus": {"external": "/tmp/b.sock", "gear": [{}]}}]})",
                  R"(s.json: $.interfaces[0].bus: a bus with "external" has no "gear" of its own)"},
        ErrorCase{"gear entry", R"({"interfaces": [{"bus": {"gear": [5]}}]})",
                  "s.json: $.interfaces[0].bus.gear[0]: expected an object, got 5"},
        ErrorCase{"interfaces not a list", R"({"interfaces": {}})",
                  "s.json: $.interfaces: expected an array, got an object"},
        ErrorCase{"top level", "[]", "s.json: $: expected an object, got an array"},
        ErrorCase{"syntax: missing comma", "{\n  \"seed\": 1\n  \"timeScale\": 0\n}",
                  "s.json: line 3, column 4: unterminated object"},
        ErrorCase{"syntax: unterminated", "{\"seed\": ", "s.json: line 1, column 10: unterminated object"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) {
        std::string name = info.param.what;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum((unsigned char)c); }, '_');
        return name;
    });

TEST(ScenarioFiles, UnreadableFileNamesTheFile) {
    std::string error;
    EXPECT_FALSE(sim::loadScenarioFile("/nonexistent/office.json", error));
    EXPECT_EQ(error, "/nonexistent/office.json: cannot read the scenario: No such file or directory");
}

TEST(ScenarioFiles, ErrorsInAFileNameThatFile) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("office.json").toStdString();
    std::ofstream(path) << withGear(R"("shortAddress": "0x40")");
    std::string error;
    EXPECT_FALSE(sim::loadScenario(path, error));
    EXPECT_EQ(error, path + R"(: $.interfaces[0].bus.gear[1].shortAddress: "0x40" is out of range 0x0..0x3F)");
}

TEST(ScenarioFiles, EveryExampleScenarioLoads) {
    const QDir folder(KELVANE_SCENARIO_DIR);
    const QStringList files = folder.entryList({"*.json"}, QDir::Files);
    EXPECT_GE(files.size(), 5);
    for (const QString& file : files) {
        std::string error;
        EXPECT_TRUE(sim::loadScenarioFile(folder.filePath(file).toStdString(), error)) << error;
    }
}

TEST(ScenarioDemo, BuiltInDemoIsAMixedOfficeFloorOnRealTime) {
    std::string error;
    const std::optional<Scenario> demo = sim::loadScenario("demo", error);
    ASSERT_TRUE(demo) << error;
    EXPECT_EQ(demo->timeScale, 1.0);
    ASSERT_EQ(demo->interfaces.size(), 1u);
    const std::vector<sim::GearConfig>& gear = demo->interfaces[0].bus.gear;
    EXPECT_GE(gear.size(), 12u);
    auto count = [&](auto predicate) { return std::count_if(gear.begin(), gear.end(), predicate); };
    EXPECT_EQ(count([](const auto& g) { return g.shortAddress == 0; }), 1);
    EXPECT_EQ(count([](const auto& g) { return g.shortAddress == 63; }), 1);
    EXPECT_GE(count([](const auto& g) { return !g.shortAddress; }), 2);
    EXPECT_GE(count([](const auto& g) { return g.deviceType == 6; }), 1);
    EXPECT_GE(count([](const auto& g) { return g.deviceType == 0; }), 1);
    EXPECT_GE(count([](const auto& g) { return g.deviceType == 6 && g.dimmingCurve == 1; }), 1);
    EXPECT_GE(count([](const auto& g) { return g.deviceType == 6 && g.dimmingCurve == 0; }), 1);
    EXPECT_GE(count([](const auto& g) { return g.groups != 0; }), 5);
    EXPECT_GE(count([](const auto& g) { return g.scenes[1] != 255; }), 3);
    EXPECT_EQ(count([](const auto& g) { return g.gtin == 0 || g.identificationNumber == 0; }), 0);
}

TEST(ScenarioDemo, DemoFileAndBuiltInDemoAreTheSame) {
    std::string error;
    const std::optional<Scenario> file = sim::loadScenarioFile(KELVANE_SCENARIO_DIR "/demo.json", error);
    ASSERT_TRUE(file) << error;
    std::ifstream in(KELVANE_SCENARIO_DIR "/demo.json");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(sim::demoScenarioJson(), text);
}
