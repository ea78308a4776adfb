// The gear objects of a scenario: levels, groups, scenes, random draws,
// colour, emergency and injected faults, each through its field table.

#include "sim/bus_timing.h"
#include "sim/scenario_reader.h"

namespace sim::scenario_reading {
namespace {

bool readGroups(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    std::vector<uint64_t> groups;
    const bool ok = readArray(r, value, path, groups,
                              [&](const QJsonValue& item, const std::string& itemPath, size_t, uint64_t& group) {
                                  return r.integer(item, itemPath, 0, 15, group);
                              });
    if (!ok)
        return false;
    gear.groups = 0;
    for (uint64_t group : groups)
        gear.groups |= uint16_t(1u << group);
    return true;
}

bool readMoreDeviceTypes(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    std::vector<uint64_t> types;
    const bool ok = readArray(r, value, path, types,
                              [&](const QJsonValue& item, const std::string& itemPath, size_t, uint64_t& type) {
                                  return r.integer(item, itemPath, 0, 254, type);
                              });
    gear.moreDeviceTypes.assign(types.begin(), types.end());
    return ok;
}

// {"0": 254, "1": 128}: scene number -> level (255: not in the scene).
bool readScenes(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    if (!value.isObject())
        return r.fail(path, "expected an object of scene levels, got " + describe(value));
    const QJsonObject scenes = value.toObject();
    for (auto it = scenes.begin(); it != scenes.end(); ++it) {
        const std::string key = it.key().toStdString();
        const std::string scenePath = std::string(path).append(".").append(key);
        const bool number = !key.empty() && key.size() <= 2 &&
                            std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!number || std::stoi(key) > 15 || (key.size() == 2 && key[0] == '0'))
            return r.fail(scenePath, "scene numbers are 0..15");
        uint64_t level = 0;
        if (!r.integer(it.value(), scenePath, 0, 255, level))
            return false;
        gear.scenes[size_t(std::stoi(key))] = uint8_t(level);
    }
    return true;
}

// What the gear's next RANDOMISEs draw, in order: [ "0x123456", 7 ].
bool readRandomDraws(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    std::vector<uint64_t> draws;
    const bool ok = readArray(r, value, path, draws,
                              [&](const QJsonValue& item, const std::string& itemPath, size_t, uint64_t& draw) {
                                  return r.integer(item, itemPath, 0, 0xFFFFFF, draw);
                              });
    gear.randomDraws.assign(draws.begin(), draws.end());
    return ok;
}

// A colour: {"tc": 250} (mirek) or {"levels": [r, g, b, w, a, f]} (255: MASK).
bool readColourTc(Reader& r, const QJsonValue& value, const std::string& path, GearColourPoint& point) {
    uint64_t mirek = 0;
    if (!r.integer(value, path, 1, 0xFFFE, mirek))
        return false;
    point = GearColourPoint::tc(uint16_t(mirek));
    return true;
}

bool readColourLevels(Reader& r, const QJsonValue& value, const std::string& path, GearColourPoint& point) {
    std::vector<uint64_t> levels;
    const bool ok = readArray(r, value, path, levels,
                              [&](const QJsonValue& item, const std::string& itemPath, size_t, uint64_t& level) {
                                  return r.integer(item, itemPath, 0, 255, level);
                              });
    if (!ok)
        return false;
    if (levels.size() > size_t(dali::kRgbwafChannels))
        return r.fail(path, "at most 6 channel levels");
    point = {dali::kColourTypeRgbwaf, dali::kMask16, {255, 255, 255, 255, 255, 255}};
    std::copy(levels.begin(), levels.end(), point.levels.begin());
    return true;
}

constexpr Field<GearColourPoint> kColourPointFields[] = {
    {"tc", readColourTc},
    {"levels", readColourLevels},
};

template <auto Member>
bool colourPointField(Reader& r, const QJsonValue& value, const std::string& path, GearColourConfig& colour) {
    return readObject<GearColourPoint>(r, value, path, kColourPointFields, colour.*Member);
}

// {"0": {"tc": 250}}: scene number -> colour.
bool readColourScenes(Reader& r, const QJsonValue& value, const std::string& path, GearColourConfig& colour) {
    if (!value.isObject())
        return r.fail(path, "expected an object of scene colours, got " + describe(value));
    const QJsonObject scenes = value.toObject();
    for (auto it = scenes.begin(); it != scenes.end(); ++it) {
        bool number = false;
        const int scene = it.key().toInt(&number);
        const std::string scenePath = std::string(path).append(".").append(it.key().toStdString());
        if (!number || scene < 0 || scene > 15 || QString::number(scene) != it.key())
            return r.fail(scenePath, "scene numbers are 0..15");
        if (!readObject<GearColourPoint>(r, it.value(), scenePath, kColourPointFields, colour.scenes[size_t(scene)]))
            return false;
    }
    return true;
}

// [3, 0, 1]: the colour of each channel in order, 0 red .. 5 freecolour.
bool readChannelColours(Reader& r, const QJsonValue& value, const std::string& path, GearColourConfig& colour) {
    std::vector<uint64_t> colours;
    const bool ok = readArray(r, value, path, colours,
                              [&](const QJsonValue& item, const std::string& itemPath, size_t, uint64_t& c) {
                                  return r.integer(item, itemPath, 0, 5, c);
                              });
    if (!ok)
        return false;
    if (colours.size() > colour.channelColours.size())
        return r.fail(path, "at most 6 channel colours");
    std::copy(colours.begin(), colours.end(), colour.channelColours.begin());
    return true;
}

constexpr Field<GearColourConfig> kColourFields[] = {
    {"tc", boolField<&GearColourConfig::tc>},
    {"channels", intField<&GearColourConfig::channels, 0, 6>},
    {"physicalCoolest", intField<&GearColourConfig::physicalCoolest, 1, 0xFFFE>},
    {"physicalWarmest", intField<&GearColourConfig::physicalWarmest, 1, 0xFFFE>},
    {"coolest", intField<&GearColourConfig::coolest, 1, 0xFFFE>},
    {"warmest", intField<&GearColourConfig::warmest, 1, 0xFFFE>},
    {"rgbwafControl", intField<&GearColourConfig::rgbwafControl, 0, 255>},
    {"channelColours", readChannelColours},
    {"actual", colourPointField<&GearColourConfig::actual>},
    {"powerOn", colourPointField<&GearColourConfig::powerOn>},
    {"systemFailure", colourPointField<&GearColourConfig::systemFailure>},
    {"scenes", readColourScenes},
};

// The limits only make sense in order: physical coolest <= coolest <= warmest <= physical warmest.
bool readColour(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    if (!readObject<GearColourConfig>(r, value, path, kColourFields, gear.colour))
        return false;
    const GearColourConfig& c = gear.colour;
    if (!(c.physicalCoolest <= c.coolest && c.coolest <= c.warmest && c.warmest <= c.physicalWarmest))
        return r.fail(path, "colour temperature limits out of order: physicalCoolest <= coolest <= warmest <= "
                            "physicalWarmest (mirek)");
    return true;
}

constexpr Field<GearFaults> kFaultFields[] = {
    {"missFrames", intField<&GearFaults::missFrames, 0, UINT32_MAX>},
    {"lateReplies", boolField<&GearFaults::lateReplies>},
    {"garbledReplies", boolField<&GearFaults::garbledReplies>},
    {"noSelectionKey", boolField<&GearFaults::noSelectionKey>},
};

bool readFaults(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    return readObject<GearFaults>(r, value, path, kFaultFields, gear.faults);
}

constexpr Field<EmergencyConfig> kEmergencyFields[] = {
    {"ratedDuration", intField<&EmergencyConfig::ratedDuration, 0, 255>},
    {"batteryMinutes", intField<&EmergencyConfig::batteryMinutes, 0, 65535>},
    {"batteryCharge", intField<&EmergencyConfig::batteryCharge, 0, 254>},
    {"rechargeMinutes", intField<&EmergencyConfig::rechargeMinutes, 0, 65535>},
    {"functionTestSeconds", intField<&EmergencyConfig::functionTestSeconds, 1, 3600>},
    {"emergencyLevel", intField<&EmergencyConfig::emergencyLevel, 0, 255>},
    {"emergencyMinLevel", intField<&EmergencyConfig::emergencyMinLevel, 1, 254>},
    {"emergencyMaxLevel", intField<&EmergencyConfig::emergencyMaxLevel, 1, 254>},
    {"features", intField<&EmergencyConfig::features, 0, 255>},
    {"functionTestInterval", intField<&EmergencyConfig::functionTestInterval, 0, 255>},
    {"durationTestInterval", intField<&EmergencyConfig::durationTestInterval, 0, 97>},
    {"testExecutionTimeout", intField<&EmergencyConfig::testExecutionTimeout, 0, 255>},
    {"prolongTime", intField<&EmergencyConfig::prolongTime, 0, 255>},
    {"testDelayTime", intField<&EmergencyConfig::testDelayTime, 0, 65535>},
    {"lampEmergencyMinutes", intField<&EmergencyConfig::lampEmergencyMinutes, 0, UINT32_MAX>},
    {"lampOperationHours", intField<&EmergencyConfig::lampOperationHours, 0, UINT32_MAX>},
    {"durationTestResult", intField<&EmergencyConfig::durationTestResult, 0, 255>},
    {"failureStatus", intField<&EmergencyConfig::failureStatus, 0, 255>},
    {"emergencyStatus", intField<&EmergencyConfig::emergencyStatus, 0, 255>},
    {"batteryFailure", boolField<&EmergencyConfig::batteryFailure>},
    {"lampFailure", boolField<&EmergencyConfig::lampFailure>},
};

// A self-contained emergency luminaire's battery, timers and injected failures.
bool readEmergency(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    return readObject<EmergencyConfig>(r, value, path, kEmergencyFields, gear.emergency);
}

constexpr Field<GearBanksConfig> kBanksFields[] = {
    {"luminaireGtin", intField<&GearBanksConfig::luminaireGtin, 0, 0xFFFFFFFFFFFF>},
    {"luminaireId", intField<&GearBanksConfig::luminaireId, 0, UINT64_MAX>},
    {"year", intField<&GearBanksConfig::year, 0, 255>},
    {"week", intField<&GearBanksConfig::week, 0, 255>},
    {"nominalPowerW", intField<&GearBanksConfig::nominalPowerW, 0, 0xFFFF>},
    {"identification", textField<&GearBanksConfig::identification>},
    {"activeEnergyWh", intField<&GearBanksConfig::activeEnergyWh, 0, 0xFFFFFFFFFFFD>},
    {"operatingSeconds", intField<&GearBanksConfig::operatingSeconds, 0, 0xFFFFFFFD>},
    {"gearStarts", intField<&GearBanksConfig::gearStarts, 0, 0xFFFFFD>},
    {"lightSourceOnSeconds", intField<&GearBanksConfig::lightSourceOnSeconds, 0, 0xFFFFFFFD>},
    {"lightSourceStarts", intField<&GearBanksConfig::lightSourceStarts, 0, 0xFFFFFD>},
    {"lightSourceFailures", intField<&GearBanksConfig::lightSourceFailures, 0, 0xFD>},
};

// A D4i luminaire's banks 1 and 202..207: the object's presence gives the gear these banks.
bool readBanks(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    gear.banks.present = true;
    return readObject<GearBanksConfig>(r, value, path, kBanksFields, gear.banks);
}

constexpr Field<GearConfig> kGearFields[] = {
    {"name", textField<&GearConfig::name>},
    {"shortAddress", intField<&GearConfig::shortAddress, 0, 63>},
    {"randomAddress", intField<&GearConfig::randomAddress, 0, 0xFFFFFF>},
    {"randomDraws", readRandomDraws},
    {"replyDelayUs", intField<&GearConfig::replyDelayUs, timing::kEarliestReplyUs, timing::kLatestReplyUs>},
    {"deviceType", intField<&GearConfig::deviceType, 0, 255>},
    {"moreDeviceTypes", readMoreDeviceTypes},
    {"physicalMinLevel", intField<&GearConfig::physicalMinLevel, 1, 254>},
    {"maxLevel", intField<&GearConfig::maxLevel, 1, 254>},
    {"minLevel", intField<&GearConfig::minLevel, 1, 254>},
    {"powerOnLevel", intField<&GearConfig::powerOnLevel, 0, 255>},
    {"systemFailureLevel", intField<&GearConfig::systemFailureLevel, 0, 255>},
    {"actualLevel", intField<&GearConfig::actualLevel, 0, 254>},
    {"fadeTime", intField<&GearConfig::fadeTime, 0, 15>},
    {"fadeRate", intField<&GearConfig::fadeRate, 1, 15>},
    {"groups", readGroups},
    {"scenes", readScenes},
    {"dimmingCurve", intField<&GearConfig::dimmingCurve, 0, 1>},
    {"fastFadeTime", intField<&GearConfig::fastFadeTime, 0, 27>},
    {"minFastFadeTime", intField<&GearConfig::minFastFadeTime, 1, 27>},
    {"operatingMode", intField<&GearConfig::operatingMode, 0, 255>},
    {"extendedVersion", intField<&GearConfig::extendedVersion, 0, 255>},
    {"versionNumber", intField<&GearConfig::versionNumber, 0, 255>},
    {"gtin", intField<&GearConfig::gtin, 0, 0xFFFFFFFFFFFF>},
    {"firmwareVersion", bytePairField<&GearConfig::firmwareVersion>},
    {"identificationNumber", intField<&GearConfig::identificationNumber, 0, UINT64_MAX>},
    {"lampFailure", boolField<&GearConfig::lampFailure>},
    {"gearFailure", boolField<&GearConfig::gearFailure>},
    {"faults", readFaults},
    {"emergency", readEmergency},
    {"colour", readColour},
    {"banks", readBanks},
};

// Levels that only make sense together.
bool checkLevels(Reader& r, const std::string& path, const GearConfig& gear) {
    if (gear.minLevel > gear.maxLevel)
        return r.fail(
            path, "minLevel " + std::to_string(gear.minLevel) + " is above maxLevel " + std::to_string(gear.maxLevel));
    if (gear.emergency.emergencyMinLevel > gear.emergency.emergencyMaxLevel)
        return r.fail(path + ".emergency", "emergencyMinLevel " + std::to_string(gear.emergency.emergencyMinLevel) +
                                               " is above emergencyMaxLevel " +
                                               std::to_string(gear.emergency.emergencyMaxLevel));
    if (gear.physicalMinLevel > gear.maxLevel)
        return r.fail(path, "physicalMinLevel " + std::to_string(gear.physicalMinLevel) + " is above maxLevel " +
                                std::to_string(gear.maxLevel));
    return true;
}

}  // namespace

bool readGear(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear) {
    return readObject<GearConfig>(r, value, path, kGearFields, gear) && checkLevels(r, path, gear);
}

}  // namespace sim::scenario_reading
