// What a gear's level and status are after a command: one row per behaviour.
// The gear is short address 1 with MIN 50 and MAX 200; each row sends its
// frames 30 ms apart (with the pauses it asks for), then QUERY ACTUAL LEVEL
// and QUERY STATUS.

#include "tests/sim/gear_test_bus.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using namespace gear_test;

constexpr uint8_t kArc = dali::arcAddress(1), kCmd = dali::commandAddress(1);
constexpr uint8_t kOff = code(Op::Off), kUp = code(Op::Up), kRecallMax = code(Op::RecallMaxLevel),
                  kRecallMin = code(Op::RecallMinLevel), kScene3 = code(Op::GoToScene, 3);
constexpr uint8_t kLampOn = 0x04, kLimit = 0x08, kFading = 0x10;
constexpr uint8_t kLongFade = 15;   // 90.5 s: a level barely moves within a row
constexpr uint8_t kOneSecond = 2;  // fade time 2: 1 s

struct Step {
    uint8_t first, second;
    uint64_t thenPassUs = 0;
};

struct Behaviour {
    const char* name;
    uint8_t startLevel;
    uint8_t fadeTime;
    std::vector<Step> steps;
    uint8_t level;
    uint8_t status;
    uint8_t deviceType = 6;
    uint8_t fastFadeTime = 0;
};

const Behaviour kBehaviours[] = {
    {"OFF at once", 100, kLongFade, {{kCmd, kOff}}, 0, 0},
    {"RECALL MAX at once", 100, kLongFade, {{kCmd, kRecallMax}}, 200, kLampOn},
    {"RECALL MIN at once", 100, kLongFade, {{kCmd, kRecallMin}}, 50, kLampOn},
    {"RECALL MAX from off at once", 0, kLongFade, {{kCmd, kRecallMax}}, 200, kLampOn},
    {"DAPC fades", 100, kLongFade, {{kArc, 150}}, 100, kLampOn | kFading},
    {"GO TO SCENE fades", 100, kLongFade, {{kCmd, kScene3}}, 100, kLampOn | kFading},
    {"DAPC from off starts at MIN", 0, kLongFade, {{kArc, 150}}, 50, kLampOn | kFading},
    {"DAPC 0 stays at MIN until the fade ends", 100, kOneSecond, {{kArc, 0, 870'000}}, 50, kLampOn | kFading},
    {"DAPC 0 ends off", 100, kOneSecond, {{kArc, 0, 1'000'000}}, 0, 0},
    {"DAPC fades linearly", 100, kOneSecond, {{kArc, 200, 470'000}}, 150, kLampOn | kFading},
    {"DAPC above MAX fades to MAX", 100, 0, {{kArc, 250}}, 200, kLampOn | kLimit},
    {"OFF stops a fade", 100, kLongFade, {{kArc, 200}, {kCmd, kOff}}, 0, 0},
    {"RECALL MAX stops a fade", 100, kLongFade, {{kArc, 60}, {kCmd, kRecallMax}}, 200, kLampOn},
    {"RECALL MIN stops a fade", 100, kLongFade, {{kArc, 200}, {kCmd, kRecallMin}}, 50, kLampOn},
    {"DAPC MASK stops a fade where it is", 100, kOneSecond, {{kArc, 200, 470'000}, {kArc, 255}}, 150, kLampOn},
    {"UP stops a fade and steps", 100, kLongFade, {{kArc, 200}, {kCmd, kUp}}, 109, kLampOn},
    {"MAX lowered during a fade bounds it",
     100,
     kOneSecond,
     {{kArc, 200}, {0xA3, 120}, {kCmd, 0x2A}, {kCmd, 0x2A, 1'000'000}},
     120,
     kLampOn},
    {"MIN raised during a fade down bounds it",
     150,
     kOneSecond,
     {{kArc, 60}, {0xA3, 120}, {kCmd, 0x2B}, {kCmd, 0x2B, 1'000'000}},
     120,
     kLampOn},
    {"fast fade time when fade time is 0", 100, 0, {{kArc, 200}}, 106, kLampOn | kFading, 6, 20},
    {"fast fade time ends after n × 25 ms", 100, 0, {{kArc, 200, 470'000}}, 200, kLampOn, 6, 20},
    {"fade time wins over fast fade time", 100, kLongFade, {{kArc, 200}}, 100, kLampOn | kFading, 6, 20},
    {"no fast fade without device type 6", 100, 0, {{kArc, 200}}, 200, kLampOn, 0, 20},
};

class GearBehaviour : public ::testing::TestWithParam<Behaviour> {};

TEST_P(GearBehaviour, LevelAndStatusAfterTheCommand) {
    const Behaviour& b = GetParam();
    GearConfig config;
    config.shortAddress = 1;
    config.minLevel = 50;
    config.maxLevel = 200;
    config.actualLevel = b.startLevel;
    config.fadeTime = b.fadeTime;
    config.scenes[3] = 180;
    config.deviceType = b.deviceType;
    config.fastFadeTime = b.fastFadeTime;
    TestBus bus({config});
    for (const Step& step : b.steps) {
        bus.send(step.first, step.second);
        bus.pass(step.thenPassUs);
    }
    EXPECT_EQ(bus.send(kCmd, 0xA0)[0], b.level);   // QUERY ACTUAL LEVEL
    EXPECT_EQ(bus.send(kCmd, 0x90)[0], b.status);  // QUERY STATUS
}

INSTANTIATE_TEST_SUITE_P(Rows, GearBehaviour, ::testing::ValuesIn(kBehaviours),
                         [](const ::testing::TestParamInfo<Behaviour>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

}  // namespace
