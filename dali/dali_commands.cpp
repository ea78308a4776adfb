#include "dali/dali_commands.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace dali {
namespace {

using S = CommandSpace;
constexpr bool twice = true, once = false, answers = true, silent = false;

constexpr std::array kCommands{
    // Arc power and scenes
    Command{S::Standard, 0x00, 1, "OFF", once, silent},
    Command{S::Standard, 0x01, 1, "UP", once, silent},
    Command{S::Standard, 0x02, 1, "DOWN", once, silent},
    Command{S::Standard, 0x03, 1, "STEP UP", once, silent},
    Command{S::Standard, 0x04, 1, "STEP DOWN", once, silent},
    Command{S::Standard, 0x05, 1, "RECALL MAX LEVEL", once, silent},
    Command{S::Standard, 0x06, 1, "RECALL MIN LEVEL", once, silent},
    Command{S::Standard, 0x07, 1, "STEP DOWN AND OFF", once, silent},
    Command{S::Standard, 0x08, 1, "ON AND STEP UP", once, silent},
    Command{S::Standard, 0x10, 16, "GO TO SCENE", once, silent},
    // Configuration
    Command{S::Standard, 0x20, 1, "RESET", twice, silent},
    Command{S::Standard, 0x21, 1, "STORE ACTUAL LEVEL IN THE DTR", twice, silent},
    Command{S::Standard, 0x2A, 1, "STORE DTR AS MAX LEVEL", twice, silent},
    Command{S::Standard, 0x2B, 1, "STORE DTR AS MIN LEVEL", twice, silent},
    Command{S::Standard, 0x2C, 1, "STORE DTR AS SYSTEM FAILURE LEVEL", twice, silent},
    Command{S::Standard, 0x2D, 1, "STORE DTR AS POWER ON LEVEL", twice, silent},
    Command{S::Standard, 0x2E, 1, "STORE DTR AS FADE TIME", twice, silent},
    Command{S::Standard, 0x2F, 1, "STORE DTR AS FADE RATE", twice, silent},
    Command{S::Standard, 0x40, 16, "STORE THE DTR AS SCENE", twice, silent},
    Command{S::Standard, 0x50, 16, "REMOVE FROM SCENE", twice, silent},
    Command{S::Standard, 0x60, 16, "ADD TO GROUP", twice, silent},
    Command{S::Standard, 0x70, 16, "REMOVE FROM GROUP", twice, silent},
    Command{S::Standard, 0x80, 1, "STORE DTR AS SHORT ADDRESS", twice, silent},
    Command{S::Standard, 0x81, 1, "ENABLE WRITE MEMORY", twice, silent},
    // Queries
    Command{S::Standard, 0x90, 1, "QUERY STATUS", once, answers},
    Command{S::Standard, 0x91, 1, "QUERY CONTROL GEAR", once, answers},
    Command{S::Standard, 0x92, 1, "QUERY LAMP FAILURE", once, answers},
    Command{S::Standard, 0x93, 1, "QUERY LAMP POWER ON", once, answers},
    Command{S::Standard, 0x94, 1, "QUERY LIMIT ERROR", once, answers},
    Command{S::Standard, 0x95, 1, "QUERY RESET STATE", once, answers},
    Command{S::Standard, 0x96, 1, "QUERY MISSING SHORT ADDRESS", once, answers},
    Command{S::Standard, 0x97, 1, "QUERY VERSION NUMBER", once, answers},
    Command{S::Standard, 0x98, 1, "QUERY CONTENT DTR", once, answers},
    Command{S::Standard, 0x99, 1, "QUERY DEVICE TYPE", once, answers},
    Command{S::Standard, 0x9A, 1, "QUERY PHYSICAL MINIMUM LEVEL", once, answers},
    Command{S::Standard, 0x9B, 1, "QUERY POWER FAILURE", once, answers},
    Command{S::Standard, 0x9C, 1, "QUERY CONTENT DTR1", once, answers},
    Command{S::Standard, 0x9D, 1, "QUERY CONTENT DTR2", once, answers},
    Command{S::Standard, 0xA0, 1, "QUERY ACTUAL LEVEL", once, answers},
    Command{S::Standard, 0xA1, 1, "QUERY MAX LEVEL", once, answers},
    Command{S::Standard, 0xA2, 1, "QUERY MIN LEVEL", once, answers},
    Command{S::Standard, 0xA3, 1, "QUERY POWER ON LEVEL", once, answers},
    Command{S::Standard, 0xA4, 1, "QUERY SYSTEM FAILURE LEVEL", once, answers},
    Command{S::Standard, 0xA5, 1, "QUERY FADE TIME/FADE RATE", once, answers},
    Command{S::Standard, 0xB0, 16, "QUERY SCENE LEVEL", once, answers},
    Command{S::Standard, 0xC0, 1, "QUERY GROUPS 0-7", once, answers},
    Command{S::Standard, 0xC1, 1, "QUERY GROUPS 8-15", once, answers},
    Command{S::Standard, 0xC2, 1, "QUERY RANDOM ADDRESS (H)", once, answers},
    Command{S::Standard, 0xC3, 1, "QUERY RANDOM ADDRESS (M)", once, answers},
    Command{S::Standard, 0xC4, 1, "QUERY RANDOM ADDRESS (L)", once, answers},
    Command{S::Standard, 0xC5, 1, "READ MEMORY LOCATION", once, answers},
    // Special commands
    Command{S::Special, 0xA1, 1, "TERMINATE", once, silent},
    Command{S::Special, 0xA3, 1, "DTR0", once, silent},
    Command{S::Special, 0xA5, 1, "INITIALISE", twice, silent},
    Command{S::Special, 0xA7, 1, "RANDOMISE", twice, silent},
    Command{S::Special, 0xA9, 1, "COMPARE", once, answers},
    Command{S::Special, 0xAB, 1, "WITHDRAW", once, silent},
    Command{S::Special, 0xB1, 1, "SEARCHADDRH", once, silent},
    Command{S::Special, 0xB3, 1, "SEARCHADDRM", once, silent},
    Command{S::Special, 0xB5, 1, "SEARCHADDRL", once, silent},
    Command{S::Special, 0xB7, 1, "PROGRAM SHORT ADDRESS", once, silent},
    Command{S::Special, 0xB9, 1, "VERIFY SHORT ADDRESS", once, answers},
    Command{S::Special, 0xBB, 1, "QUERY SHORT ADDRESS", once, answers},
    Command{S::Special, 0xBD, 1, "PHYSICAL SELECTION", once, silent},
    Command{S::Special, 0xC1, 1, "ENABLE DEVICE TYPE", once, silent},
    Command{S::Special, 0xC3, 1, "DTR1", once, silent},
    Command{S::Special, 0xC5, 1, "DTR2", once, silent},
    Command{S::Special, 0xC7, 1, "WRITE MEMORY LOCATION", once, answers},
    // Device type 6 (LED modules), after ENABLE DEVICE TYPE 6
    Command{S::DeviceType6, 0xE0, 1, "REFERENCE SYSTEM POWER", twice, silent},
    Command{S::DeviceType6, 0xE1, 1, "ENABLE CURRENT PROTECTOR", twice, silent},
    Command{S::DeviceType6, 0xE2, 1, "DISABLE CURRENT PROTECTOR", twice, silent},
    Command{S::DeviceType6, 0xE3, 1, "SELECT DIMMING CURVE", twice, silent},
    Command{S::DeviceType6, 0xE4, 1, "STORE DTR AS FAST FADE TIME", twice, silent},
    Command{S::DeviceType6, 0xED, 1, "QUERY GEAR TYPE", once, answers},
    Command{S::DeviceType6, 0xEE, 1, "QUERY DIMMING CURVE", once, answers},
    Command{S::DeviceType6, 0xEF, 1, "QUERY POSSIBLE OPERATING MODES", once, answers},
    Command{S::DeviceType6, 0xF0, 1, "QUERY FEATURES", once, answers},
    Command{S::DeviceType6, 0xF1, 1, "QUERY FAILURE STATUS", once, answers},
    Command{S::DeviceType6, 0xF2, 1, "QUERY SHORT CIRCUIT", once, answers},
    Command{S::DeviceType6, 0xF3, 1, "QUERY OPEN CIRCUIT", once, answers},
    Command{S::DeviceType6, 0xF4, 1, "QUERY LOAD DECREASE", once, answers},
    Command{S::DeviceType6, 0xF5, 1, "QUERY LOAD INCREASE", once, answers},
    Command{S::DeviceType6, 0xF6, 1, "QUERY CURRENT PROTECTOR ACTIVE", once, answers},
    Command{S::DeviceType6, 0xF7, 1, "QUERY THERMAL SHUT DOWN", once, answers},
    Command{S::DeviceType6, 0xF8, 1, "QUERY THERMAL OVERLOAD", once, answers},
    Command{S::DeviceType6, 0xF9, 1, "QUERY REFERENCE RUNNING", once, answers},
    Command{S::DeviceType6, 0xFA, 1, "QUERY REFERENCE MEASUREMENT FAILED", once, answers},
    Command{S::DeviceType6, 0xFB, 1, "QUERY CURRENT PROTECTOR ENABLED", once, answers},
    Command{S::DeviceType6, 0xFC, 1, "QUERY OPERATING MODE", once, answers},
    Command{S::DeviceType6, 0xFD, 1, "QUERY FAST FADE TIME", once, answers},
    Command{S::DeviceType6, 0xFE, 1, "QUERY MIN FAST FADE TIME", once, answers},
    Command{S::DeviceType6, 0xFF, 1, "QUERY EXTENDED VERSION NUMBER", once, answers},
};

std::string hexByte(uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

const Command* findCommand(CommandSpace space, uint8_t code) {
    auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) {
        return c.space == space && code >= c.code && code < c.code + c.count;
    });
    return it == kCommands.end() ? nullptr : &*it;
}

FrameMeaning decodeForwardFrame(uint8_t first, uint8_t second, bool deviceType6Enabled) {
    FrameMeaning meaning;
    if (isSpecialCommand(first)) {
        meaning.command = findCommand(CommandSpace::Special, first);
        return meaning;
    }
    if ((first & 1) == 0) {
        meaning.directArcPower = true;
        return meaning;
    }
    const auto space = (deviceType6Enabled && second >= 0xE0) ? CommandSpace::DeviceType6 : CommandSpace::Standard;
    meaning.command = findCommand(space, second);
    if (meaning.command && meaning.command->count > 1)
        meaning.number = second - meaning.command->code;
    return meaning;
}

std::string frameName(uint8_t first, uint8_t second, bool deviceType6Enabled) {
    const FrameMeaning meaning = decodeForwardFrame(first, second, deviceType6Enabled);
    if (meaning.directArcPower)
        return "DAPC " + std::to_string(second);
    if (!meaning.command)
        return "UNKNOWN " + hexByte(first) + " " + hexByte(second);
    std::string name(meaning.command->name);
    if (meaning.number >= 0)
        name += " " + std::to_string(meaning.number);
    if (meaning.command->space == CommandSpace::Special && specialCommandCarriesData(first))
        name += " " + hexByte(second);
    return name;
}

bool specialCommandCarriesData(uint8_t first) {
    constexpr std::array<uint8_t, 6> kWithoutData{0xA1, 0xA7, 0xA9, 0xAB, 0xBB, 0xBD};
    return isSpecialCommand(first) && std::find(kWithoutData.begin(), kWithoutData.end(), first) == kWithoutData.end();
}

std::string frameTarget(uint8_t first) {
    if (isSpecialCommand(first))
        return {};
    if (first >= 0xFE)
        return "all";
    if (first & 0x80)
        return "group " + std::to_string((first >> 1) & 0x0F);
    return "short " + std::to_string(first >> 1);
}

}  // namespace dali
