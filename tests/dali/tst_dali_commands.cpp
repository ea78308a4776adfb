// The DALI command table: every command Kelvane sends is known with the right
// repetition and answer properties, and frames decode to their standard names.

#include "dali/dali_commands.h"

#include <gtest/gtest.h>

#include <set>

using dali::CommandSpace;

namespace {

struct Sent {
    CommandSpace space;
    uint8_t code;
    const char* name;
    bool twice;
    bool answers;
};

// Every command Kelvane puts on the bus.
const Sent kSentByKelvane[] = {
    {CommandSpace::Standard, 0x00, "OFF", false, false},
    {CommandSpace::Standard, 0x05, "RECALL MAX LEVEL", false, false},
    {CommandSpace::Standard, 0x06, "RECALL MIN LEVEL", false, false},
    {CommandSpace::Standard, 0x20, "RESET", true, false},
    {CommandSpace::Standard, 0x2A, "STORE DTR AS MAX LEVEL", true, false},
    {CommandSpace::Standard, 0x2F, "STORE DTR AS FADE RATE", true, false},
    {CommandSpace::Standard, 0x4F, "STORE THE DTR AS SCENE", true, false},
    {CommandSpace::Standard, 0x50, "REMOVE FROM SCENE", true, false},
    {CommandSpace::Standard, 0x63, "ADD TO GROUP", true, false},
    {CommandSpace::Standard, 0x7F, "REMOVE FROM GROUP", true, false},
    {CommandSpace::Standard, 0x80, "STORE DTR AS SHORT ADDRESS", true, false},
    {CommandSpace::Standard, 0x90, "QUERY STATUS", false, true},
    {CommandSpace::Standard, 0x99, "QUERY DEVICE TYPE", false, true},
    {CommandSpace::Standard, 0xA0, "QUERY ACTUAL LEVEL", false, true},
    {CommandSpace::Standard, 0xA5, "QUERY FADE TIME/FADE RATE", false, true},
    {CommandSpace::Standard, 0xA7, "QUERY NEXT DEVICE TYPE", false, true},
    {CommandSpace::Standard, 0xBF, "QUERY SCENE LEVEL", false, true},
    {CommandSpace::Standard, 0xC0, "QUERY GROUPS 0-7", false, true},
    {CommandSpace::Standard, 0xC1, "QUERY GROUPS 8-15", false, true},
    {CommandSpace::Standard, 0xC5, "READ MEMORY LOCATION", false, true},
    {CommandSpace::DeviceType6, 0xE3, "SELECT DIMMING CURVE", true, false},
    {CommandSpace::DeviceType6, 0xE4, "STORE DTR AS FAST FADE TIME", true, false},
    {CommandSpace::DeviceType6, 0xEE, "QUERY DIMMING CURVE", false, true},
    {CommandSpace::DeviceType6, 0xFC, "QUERY OPERATING MODE", false, true},
    {CommandSpace::DeviceType6, 0xFD, "QUERY FAST FADE TIME", false, true},
    {CommandSpace::DeviceType6, 0xFF, "QUERY EXTENDED VERSION NUMBER", false, true},
    {CommandSpace::DeviceType8, 0xE2, "ACTIVATE", false, false},
    {CommandSpace::DeviceType8, 0xE7, "SET TEMPORARY COLOUR TEMPERATURE Tc", false, false},
    {CommandSpace::DeviceType8, 0xE8, "COLOUR TEMPERATURE Tc STEP-COOLER", false, false},
    {CommandSpace::DeviceType8, 0xE9, "COLOUR TEMPERATURE Tc STEP-WARMER", false, false},
    {CommandSpace::DeviceType8, 0xEB, "SET TEMPORARY RGB DIMLEVEL", false, false},
    {CommandSpace::DeviceType8, 0xEC, "SET TEMPORARY WAF DIMLEVEL", false, false},
    {CommandSpace::DeviceType8, 0xED, "SET TEMPORARY RGBWAF CONTROL", false, false},
    {CommandSpace::DeviceType8, 0xEE, "COPY REPORT TO TEMPORARY", false, false},
    {CommandSpace::DeviceType8, 0xF2, "STORE COLOUR TEMPERATURE Tc LIMIT", true, false},
    {CommandSpace::DeviceType8, 0xF7, "QUERY GEAR FEATURES/STATUS", false, true},
    {CommandSpace::DeviceType8, 0xF8, "QUERY COLOUR STATUS", false, true},
    {CommandSpace::DeviceType8, 0xF9, "QUERY COLOUR TYPE FEATURES", false, true},
    {CommandSpace::DeviceType8, 0xFA, "QUERY COLOUR VALUE", false, true},
    {CommandSpace::DeviceType8, 0xFB, "QUERY RGBWAF CONTROL", false, true},
    {CommandSpace::DeviceType8, 0xFF, "QUERY EXTENDED VERSION NUMBER", false, true},
    {CommandSpace::Special, 0xA1, "TERMINATE", false, false},
    {CommandSpace::Special, 0xA3, "DTR0", false, false},
    {CommandSpace::Special, 0xA5, "INITIALISE", true, false},
    {CommandSpace::Special, 0xA7, "RANDOMISE", true, false},
    {CommandSpace::Special, 0xA9, "COMPARE", false, true},
    {CommandSpace::Special, 0xAB, "WITHDRAW", false, false},
    {CommandSpace::Special, 0xB1, "SEARCHADDRH", false, false},
    {CommandSpace::Special, 0xB3, "SEARCHADDRM", false, false},
    {CommandSpace::Special, 0xB5, "SEARCHADDRL", false, false},
    {CommandSpace::Special, 0xB7, "PROGRAM SHORT ADDRESS", false, false},
    {CommandSpace::Special, 0xB9, "VERIFY SHORT ADDRESS", false, true},
    {CommandSpace::Special, 0xBB, "QUERY SHORT ADDRESS", false, true},
    {CommandSpace::Special, 0xBD, "PHYSICAL SELECTION", false, false},
    {CommandSpace::Special, 0xC1, "ENABLE DEVICE TYPE", false, false},
};

TEST(DaliCommandTable, KnowsEveryCommandKelvaneSends) {
    for (const Sent& s : kSentByKelvane) {
        const dali::Command* c = dali::findCommand(s.space, s.code);
        ASSERT_NE(c, nullptr) << s.name;
        EXPECT_EQ(c->name, s.name);
        EXPECT_EQ(c->sentTwice, s.twice) << s.name;
        EXPECT_EQ(c->answers, s.answers) << s.name;
    }
}

// The emergency lighting commands (device type 1) with the standard's opcodes:
// control and configuration commands are repeated, queries answer.
const Sent kEmergencyCommands[] = {
    {CommandSpace::DeviceType1, 0xE0, "REST", true, false},
    {CommandSpace::DeviceType1, 0xE1, "INHIBIT", true, false},
    {CommandSpace::DeviceType1, 0xE2, "RE-LIGHT/RESET INHIBIT", true, false},
    {CommandSpace::DeviceType1, 0xE3, "START FUNCTION TEST", true, false},
    {CommandSpace::DeviceType1, 0xE4, "START DURATION TEST", true, false},
    {CommandSpace::DeviceType1, 0xE5, "STOP TEST", true, false},
    {CommandSpace::DeviceType1, 0xE6, "RESET FUNCTION TEST DONE FLAG", true, false},
    {CommandSpace::DeviceType1, 0xE7, "RESET DURATION TEST DONE FLAG", true, false},
    {CommandSpace::DeviceType1, 0xE8, "RESET LAMP TIME", true, false},
    {CommandSpace::DeviceType1, 0xE9, "STORE DTR AS EMERGENCY LEVEL", true, false},
    {CommandSpace::DeviceType1, 0xEA, "STORE TEST DELAY TIME HIGH BYTE", true, false},
    {CommandSpace::DeviceType1, 0xEB, "STORE TEST DELAY TIME LOW BYTE", true, false},
    {CommandSpace::DeviceType1, 0xEC, "STORE FUNCTION TEST INTERVAL", true, false},
    {CommandSpace::DeviceType1, 0xED, "STORE DURATION TEST INTERVAL", true, false},
    {CommandSpace::DeviceType1, 0xEE, "STORE TEST EXECUTION TIMEOUT", true, false},
    {CommandSpace::DeviceType1, 0xEF, "STORE PROLONG TIME", true, false},
    {CommandSpace::DeviceType1, 0xF0, "START IDENTIFICATION", true, false},
    {CommandSpace::DeviceType1, 0xF1, "QUERY BATTERY CHARGE", false, true},
    {CommandSpace::DeviceType1, 0xF2, "QUERY TEST TIMING", false, true},
    {CommandSpace::DeviceType1, 0xF3, "QUERY DURATION TEST RESULT", false, true},
    {CommandSpace::DeviceType1, 0xF4, "QUERY LAMP EMERGENCY TIME", false, true},
    {CommandSpace::DeviceType1, 0xF5, "QUERY LAMP TOTAL OPERATION TIME", false, true},
    {CommandSpace::DeviceType1, 0xF6, "QUERY EMERGENCY LEVEL", false, true},
    {CommandSpace::DeviceType1, 0xF7, "QUERY EMERGENCY MIN LEVEL", false, true},
    {CommandSpace::DeviceType1, 0xF8, "QUERY EMERGENCY MAX LEVEL", false, true},
    {CommandSpace::DeviceType1, 0xF9, "QUERY RATED DURATION", false, true},
    {CommandSpace::DeviceType1, 0xFA, "QUERY EMERGENCY MODE", false, true},
    {CommandSpace::DeviceType1, 0xFB, "QUERY FEATURES", false, true},
    {CommandSpace::DeviceType1, 0xFC, "QUERY FAILURE STATUS", false, true},
    {CommandSpace::DeviceType1, 0xFD, "QUERY EMERGENCY STATUS", false, true},
    {CommandSpace::DeviceType1, 0xFE, "PERFORM DTR SELECTED FUNCTION", true, false},
    {CommandSpace::DeviceType1, 0xFF, "QUERY EXTENDED VERSION NUMBER", false, true},
};

TEST(DaliCommandTable, KnowsEveryEmergencyCommandWithItsStandardOpcode) {
    for (const Sent& s : kEmergencyCommands) {
        const dali::Command* c = dali::findCommand(s.space, s.code);
        ASSERT_NE(c, nullptr) << s.name;
        EXPECT_EQ(c->name, s.name);
        EXPECT_EQ(c->sentTwice, s.twice) << s.name;
        EXPECT_EQ(c->answers, s.answers) << s.name;
    }
    EXPECT_EQ(dali::code(dali::Dt1Op::StopTest), 0xE5);
    EXPECT_EQ(dali::code(dali::Dt1Op::QueryEmergencyStatus), 0xFD);
}

TEST(DaliCommandTable, EveryCodeBelongsToAtMostOneEntry) {
    std::set<std::pair<CommandSpace, int>> seen;
    for (const dali::Command& c : dali::commandTable())
        for (int code = c.code; code < c.code + c.count; ++code)
            EXPECT_TRUE(seen.insert({c.space, code}).second) << c.name << " " << code;
}

TEST(DaliCommandTable, QueriesAnswerAndConfigurationCommandsAreRepeated) {
    for (const dali::Command& c : dali::commandTable()) {
        if (c.name.starts_with("QUERY")) {
            EXPECT_TRUE(c.answers) << c.name;
        }
        if (c.name.starts_with("STORE")) {
            EXPECT_TRUE(c.sentTwice) << c.name;
        }
        EXPECT_FALSE(c.answers && c.sentTwice) << c.name;
    }
}

TEST(DaliFrames, AddressBytes) {
    EXPECT_EQ(dali::commandAddress(0), 0x01);
    EXPECT_EQ(dali::commandAddress(63), 0x7F);
    EXPECT_EQ(dali::commandAddress(64), 0x01);  // masked to 6 bits
    EXPECT_EQ(dali::arcAddress(5), 0x0A);
    EXPECT_EQ(dali::groupCommandAddress(15), 0x9F);
    EXPECT_TRUE(dali::isSpecialCommand(0xA1));
    EXPECT_TRUE(dali::isSpecialCommand(0xCB));
    EXPECT_FALSE(dali::isSpecialCommand(0xA2));
    EXPECT_FALSE(dali::isSpecialCommand(0xCD));
    EXPECT_FALSE(dali::isSpecialCommand(0xFF));
}

TEST(DaliFrames, Names) {
    EXPECT_EQ(dali::frameName(0x0B, 0x90), "QUERY STATUS");
    EXPECT_EQ(dali::frameName(0xFF, 0x13), "GO TO SCENE 3");
    EXPECT_EQ(dali::frameName(0x0B, 0x4F), "STORE THE DTR AS SCENE 15");
    EXPECT_EQ(dali::frameName(0x0A, 0xFE), "DAPC 254");
    EXPECT_EQ(dali::frameName(0xA3, 0x7F), "DTR0 0x7F");
    EXPECT_EQ(dali::frameName(0xA5, 0xFF), "INITIALISE unaddressed");
    EXPECT_EQ(dali::frameName(0xA5, 0x00), "INITIALISE all");
    EXPECT_EQ(dali::frameName(0xA5, 0x0B), "INITIALISE 5");
    EXPECT_EQ(dali::frameName(0xA5, 0x0A), "INITIALISE 0x0A");  // not an address byte: the byte
    EXPECT_EQ(dali::frameName(0xA1, 0x00), "TERMINATE");
    EXPECT_EQ(dali::frameName(0xC1, 0x06), "ENABLE DEVICE TYPE 0x06");
    EXPECT_EQ(dali::frameName(0xB7, 0x0B), "PROGRAM SHORT ADDRESS 5");
    EXPECT_EQ(dali::frameName(0xB7, 0xFF), "PROGRAM SHORT ADDRESS none");
    EXPECT_EQ(dali::frameName(0xB9, 0x7F), "VERIFY SHORT ADDRESS 63");
    EXPECT_EQ(dali::frameName(0xBB, 0x00), "QUERY SHORT ADDRESS");
    EXPECT_EQ(dali::frameName(0x0B, 0x0F), "UNKNOWN 0x0B 0x0F");
    // After ENABLE DEVICE TYPE n the opcodes from 0xE0 are that device type's.
    EXPECT_EQ(dali::frameName(0x0B, 0xE3, 1), "START FUNCTION TEST");
    EXPECT_EQ(dali::frameName(0x0B, 0xE3, 6), "SELECT DIMMING CURVE");
    EXPECT_EQ(dali::frameName(0xFF, 0xFC, 1), "QUERY FAILURE STATUS");
    EXPECT_EQ(dali::frameName(0x0B, 0xE3, 8), "X-COORDINATE STEP-UP");
    EXPECT_EQ(dali::frameName(0x0B, 0xE3, 7), "UNKNOWN 0x0B 0xE3");  // a device type without a table
    EXPECT_EQ(dali::frameName(0x0B, 0x90, 1), "QUERY STATUS");  // below 0xE0: the standard command
}

TEST(DaliFrames, ApplicationExtendedCommandsNeedTheEnable) {
    EXPECT_EQ(dali::frameName(0x0B, 0xEE, 6), "QUERY DIMMING CURVE");
    EXPECT_EQ(dali::frameName(0x0B, 0xEE, 8), "COPY REPORT TO TEMPORARY");
    EXPECT_EQ(dali::frameName(0x0B, 0xEE), "UNKNOWN 0x0B 0xEE");
    EXPECT_EQ(dali::frameName(0x0B, 0xEE, 1), "STORE TEST EXECUTION TIMEOUT");
    EXPECT_EQ(dali::frameName(0x0B, 0xEF, 8), "UNKNOWN 0x0B 0xEF");  // reserved in device type 8
    // Below 0xE0 the standard space stays in force after the enable.
    EXPECT_EQ(dali::frameName(0x0B, 0xC0, 6), "QUERY GROUPS 0-7");
    EXPECT_EQ(dali::frameName(0x0B, 0xA7, 8), "QUERY NEXT DEVICE TYPE");
}

TEST(DaliFrames, Targets) {
    EXPECT_EQ(dali::frameTarget(0x0B), "short 5");
    EXPECT_EQ(dali::frameTarget(0x0A), "short 5");
    EXPECT_EQ(dali::frameTarget(0x85), "group 2");
    EXPECT_EQ(dali::frameTarget(0xFF), "all");
    EXPECT_EQ(dali::frameTarget(0xFE), "all");
    EXPECT_EQ(dali::frameTarget(0xA3), "");
    EXPECT_EQ(dali::frameTarget(0xFD), "unaddressed");
    EXPECT_EQ(dali::frameTarget(0xFC), "unaddressed");
    EXPECT_EQ(dali::frameTarget(0xA0), "reserved");
    EXPECT_EQ(dali::frameTarget(0xCD), "reserved");
    EXPECT_EQ(dali::frameTarget(0xFB), "reserved");
}

}  // namespace
