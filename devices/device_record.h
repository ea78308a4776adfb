#pragma once
// One DALI control gear's settings and the table of all 64 short addresses.
// A default-constructed record is the reset record: every field 0, every scene
// level 255 (MASK), no name.

#include "devices/colour_settings.h"
#include "devices/memory_bank_bytes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

constexpr int kDeviceCount = 64;  // short addresses 0..63
constexpr int kSceneCount = 16;
constexpr uint8_t kLevelMask = 255;  // level byte meaning MASK

// Bits of DeviceRecord::readState.
constexpr uint32_t kReadStateParameters = 2;  // parameters read or taken from a file
constexpr uint32_t kReadStateScenes = 4;      // scene levels read or taken from a file
constexpr uint32_t kReadStateColour = 8;      // colour settings read (device type 8)

constexpr std::array<uint8_t, kSceneCount> kAllScenesMasked = [] {
    std::array<uint8_t, kSceneCount> scenes{};
    scenes.fill(kLevelMask);
    return scenes;
}();

// What memory bank 0 told about the gear: each part only when the gear gave
// every byte of it and they were not all MASK.
struct GearIdentity {
    std::optional<uint64_t> gtin{};                   // 48 bit
    std::optional<std::array<uint8_t, 2>> firmware{};  // major, minor
    // DALI-2: the 64-bit identification number; edition 1: the 32-bit serial number.
    std::optional<uint64_t> identificationNumber{};
    int identificationBytes = 0;  // 8 or 4, as the gear's edition has it
    // Bank 0 as read, from the GTIN to the end of the edition's layout.
    std::optional<MemoryBankBytes> bank0{};

    bool known() const { return gtin || firmware || identificationNumber; }
    bool operator==(const GearIdentity&) const = default;
};

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
    uint8_t deviceType = 0;  // the answer to QUERY DEVICE TYPE; MASK for a gear of several types
    // A gear of several device types lists them on QUERY NEXT DEVICE TYPE:
    // they are kept here, lowest first. Empty for a gear of one type, so its
    // record compares as before.
    std::vector<uint8_t> deviceTypes{};
    std::array<uint8_t, kSceneCount> sceneLevel = kAllScenesMasked;
    // The installer's name for the gear ("Empfang Downlight 1"); empty when
    // it has none. It follows the record, so it follows the gear.
    QString name{};
    // Device type 8: the colour settings; all MASK for other gear.
    ColourSettings colour{};
    // Bank 0 as read from the gear at this address; empty until read.
    GearIdentity identity{};
    // Banks 1 and 202..207 as last read; empty until read.
    BankReadings banks{};
    // When Kelvane gave the gear this address (assistant, move, replacement),
    // seconds since 1970 UTC; 0 when not known. Results logged for the
    // address before it belong to another unit.
    int64_t placedAt = 0;

    void Reset() { *this = DeviceRecord{}; }
    bool operator==(const DeviceRecord&) const = default;

    // Sets groupMask and keeps groupsLow/groupsHigh equal to its two bytes.
    void SetGroupMask(uint16_t mask);
};

// The record of short address a is entry a; a record describes a gear only
// while its present flag is 1.
using DeviceTable = std::array<DeviceRecord, kDeviceCount>;

// A project's record as it goes onto the gear the bus's record describes: a
// project file holds no device types, so the bus's stay (a colour gear gets
// its colours), and so do the name shown now and what bank 0 said. The
// placing date is the bus record's, the project's when the bus has none.
DeviceRecord OntoGear(DeviceRecord project, const DeviceRecord& bus);

// The gear is of device type `type`: its only type, or one of those it listed.
bool HasDeviceType(const DeviceRecord& record, uint8_t type);

// A gear that never ends its list is not asked for ever.
constexpr int kMaxListedDeviceTypes = 16;
// The device types QUERY NEXT DEVICE TYPE lists right after QUERY DEVICE TYPE
// answered MASK. `askNext` asks it once, with nothing sent between, and gives
// the answer, none without a clean one. Stops at the end mark, at a query
// without answer (keeping what was listed) or after kMaxListedDeviceTypes.
std::vector<uint8_t> ListDeviceTypes(const std::function<std::optional<uint8_t>()>& askNext);

void ResetTable(DeviceTable& table);
