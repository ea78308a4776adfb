#pragma once
// One DALI control gear's settings and the table of all 64 short addresses.
// A default-constructed record is the reset record: every field 0, every scene
// level 255 (MASK), no name.

#include <QString>

#include <array>
#include <cstdint>

constexpr int kDeviceCount = 64;  // short addresses 0..63
constexpr int kSceneCount = 16;
constexpr uint8_t kLevelMask = 255;  // level byte meaning MASK

// Bits of DeviceRecord::readState.
constexpr uint32_t kReadStateParameters = 2;  // parameters read or taken from a file
constexpr uint32_t kReadStateScenes = 4;      // scene levels read or taken from a file

constexpr std::array<uint8_t, kSceneCount> kAllScenesMasked = [] {
    std::array<uint8_t, kSceneCount> scenes{};
    scenes.fill(kLevelMask);
    return scenes;
}();

struct DeviceRecord {
    uint32_t readState = 0;
    uint8_t present = 0;  // 1 = a gear answers at this short address
    uint8_t fadeRate = 0;
    uint8_t fadeTime = 0;
    uint8_t maxLevel = 0;
    uint8_t minLevel = 0;
    uint8_t powerOnLevel = 0;
    uint8_t systemFailureLevel = 0;
    uint8_t actualLevel = 0;
    uint8_t groupsLow = 0;     // groups 0..7, bit n = group n
    uint8_t groupsHigh = 0;    // groups 8..15, bit n = group 8 + n
    uint16_t groupMask = 0;    // groupsHigh * 256 + groupsLow
    uint8_t dimmingCurve = 0;  // 0 logarithmic, 1 linear
    uint8_t fastFadeTime = 0;
    uint8_t deviceType = 0;
    std::array<uint8_t, kSceneCount> sceneLevel = kAllScenesMasked;
    // The installer's name for the gear ("Empfang Downlight 1"); empty when
    // it has none. It follows the record, so it follows the gear.
    QString name{};

    void Reset() { *this = DeviceRecord{}; }
    bool operator==(const DeviceRecord&) const = default;

    // Sets groupMask and keeps groupsLow/groupsHigh equal to its two bytes.
    void SetGroupMask(uint16_t mask);
};

// The record of short address a is entry a; a record describes a gear only
// while its present flag is 1.
using DeviceTable = std::array<DeviceRecord, kDeviceCount>;

void ResetTable(DeviceTable& table);
