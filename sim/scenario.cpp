// Scenario JSON reader. Each JSON object is read through a table of its
// fields; the first problem found ends the reading with its JSON path.

#include "sim/scenario.h"

#include "sim/bus_timing.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>

namespace sim {
namespace {

constexpr double kLargestExactJsonInteger = 9007199254740992.0;  // 2^53
constexpr double kLargestTimeScale = 1000.0;

std::string formatNumber(double value) {
    char text[40];
    if (value == std::floor(value) && std::fabs(value) < 1e17)
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The value as the problem text shows it.
std::string describe(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return "null";
        case QJsonValue::Bool:
            return value.toBool() ? "true" : "false";
        case QJsonValue::Double:
            return formatNumber(value.toDouble());
        case QJsonValue::String:
            return "\"" + value.toString().toStdString() + "\"";
        case QJsonValue::Array:
            return "an array";
        case QJsonValue::Object:
            return "an object";
        case QJsonValue::Undefined:
            break;
    }
    return "nothing";
}

// The range in the form the value was written in: hex for "0x…" strings.
std::string rangeText(uint64_t min, uint64_t max, bool hex) {
    char text[48];
    if (hex)
        std::snprintf(text, sizeof text, "0x%llX..0x%llX", static_cast<unsigned long long>(min),
                      static_cast<unsigned long long>(max));
    else
        std::snprintf(text, sizeof text, "%llu..%llu", static_cast<unsigned long long>(min),
                      static_cast<unsigned long long>(max));
    return text;
}

// "0x" followed by hex digits that fit 64 bits.
bool parseHex(const std::string& text, uint64_t& value) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    value = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0 || value >> 60)
            return false;
        value = value << 4 | uint64_t(digit);
    }
    return true;
}

class Reader {
public:
    bool fail(const std::string& path, const std::string& problem) {
        if (error_.empty())
            error_ = path + ": " + problem;
        return false;
    }
    const std::string& error() const { return error_; }

    bool integer(const QJsonValue& value, const std::string& path, uint64_t min, uint64_t max, uint64_t& out) {
        uint64_t n = 0;
        if (value.isDouble()) {
            const double d = value.toDouble();
            if (d != std::floor(d))
                return fail(path, "expected an integer, got " + describe(value));
            if (d < 0)
                return fail(path, describe(value) + " is out of range " + rangeText(min, max, false));
            if (d > kLargestExactJsonInteger)
                return fail(path, describe(value) + " is too large for a JSON number, write it as a \"0x…\" string");
            n = uint64_t(d);
        } else if (value.isString()) {
            if (!parseHex(value.toString().toStdString(), n))
                return fail(path, "bad hex number " + describe(value) + ", expected \"0x\" and up to 16 hex digits");
        } else {
            return fail(path, "expected a number or a \"0x…\" string, got " + describe(value));
        }
        if (n < min || n > max)
            return fail(path, describe(value) + " is out of range " + rangeText(min, max, value.isString()));
        out = n;
        return true;
    }

    bool number(const QJsonValue& value, const std::string& path, double max, double& out) {
        if (!value.isDouble())
            return fail(path, "expected a number, got " + describe(value));
        if (value.toDouble() < 0 || value.toDouble() > max)
            return fail(path, describe(value) + " is out of range 0.." + formatNumber(max));
        out = value.toDouble();
        return true;
    }

    bool boolean(const QJsonValue& value, const std::string& path, bool& out) {
        if (!value.isBool())
            return fail(path, "expected true or false, got " + describe(value));
        out = value.toBool();
        return true;
    }

    bool text(const QJsonValue& value, const std::string& path, std::string& out) {
        if (!value.isString())
            return fail(path, "expected a string, got " + describe(value));
        out = value.toString().toStdString();
        return true;
    }

private:
    std::string error_;
};

// --- Field tables --------------------------------------------------------------

template <class T>
struct Field {
    std::string_view key;
    bool (*read)(Reader&, const QJsonValue&, const std::string& path, T& target);
};

template <class T>
bool readObject(Reader& r, const QJsonValue& value, const std::string& path, std::span<const Field<T>> fields,
                T& target) {
    if (!value.isObject())
        return r.fail(path, "expected an object, got " + describe(value));
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        const std::string fieldPath = std::string(path).append(".").append(key);
        auto field = std::find_if(fields.begin(), fields.end(), [&](const Field<T>& f) { return f.key == key; });
        if (field == fields.end())
            return r.fail(fieldPath, "unknown field");
        if (!field->read(r, it.value(), fieldPath, target))
            return false;
    }
    return true;
}

template <class T, class ReadItem>
bool readArray(Reader& r, const QJsonValue& value, const std::string& path, std::vector<T>& out, ReadItem readItem) {
    if (!value.isArray())
        return r.fail(path, "expected an array, got " + describe(value));
    const QJsonArray array = value.toArray();
    out.clear();
    for (qsizetype i = 0; i < array.size(); ++i) {
        T item{};
        if (!readItem(array[i], path + "[" + std::to_string(i) + "]", size_t(i), item))
            return false;
        out.push_back(std::move(item));
    }
    return true;
}

template <class>
struct MemberPointer;
template <class C, class M>
struct MemberPointer<M C::*> {
    using Class = C;
    using Type = M;
};
template <auto Member>
using ClassOf = typename MemberPointer<decltype(Member)>::Class;
template <auto Member>
using TypeOf = typename MemberPointer<decltype(Member)>::Type;

template <class T>
struct Nullable {
    using Value = T;
    static constexpr bool allowed = false;
};
template <class T>
struct Nullable<std::optional<T>> {
    using Value = T;
    static constexpr bool allowed = true;
};

// An integer member in Min..Max; a std::optional member also takes null.
template <auto Member, uint64_t Min, uint64_t Max>
bool intField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    using Kind = Nullable<TypeOf<Member>>;
    if constexpr (Kind::allowed) {
        if (value.isNull()) {
            target.*Member = std::nullopt;
            return true;
        }
    }
    uint64_t n = 0;
    if (!r.integer(value, path, Min, Max, n))
        return false;
    target.*Member = static_cast<typename Kind::Value>(n);
    return true;
}

// A string member; a std::optional member also takes null.
template <auto Member>
bool textField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    if constexpr (Nullable<TypeOf<Member>>::allowed) {
        if (value.isNull()) {
            target.*Member = std::nullopt;
            return true;
        }
    }
    std::string text;
    if (!r.text(value, path, text))
        return false;
    target.*Member = std::move(text);
    return true;
}

template <auto Member>
bool boolField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    return r.boolean(value, path, target.*Member);
}

// Two bytes written as [major, minor].
template <auto Member>
bool bytePairField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    if (!value.isArray() || value.toArray().size() != 2)
        return r.fail(path, "expected an array of two bytes, got " + describe(value));
    for (int i = 0; i < 2; ++i) {
        uint64_t byte = 0;
        if (!r.integer(value.toArray()[i], path + "[" + std::to_string(i) + "]", 0, 255, byte))
            return false;
        (target.*Member)[size_t(i)] = uint8_t(byte);
    }
    return true;
}

// --- Gear --------------------------------------------------------------------

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

constexpr Field<GearColourConfig> kColourFields[] = {
    {"tc", boolField<&GearColourConfig::tc>},
    {"channels", intField<&GearColourConfig::channels, 0, 6>},
    {"physicalCoolest", intField<&GearColourConfig::physicalCoolest, 1, 0xFFFE>},
    {"physicalWarmest", intField<&GearColourConfig::physicalWarmest, 1, 0xFFFE>},
    {"coolest", intField<&GearColourConfig::coolest, 1, 0xFFFE>},
    {"warmest", intField<&GearColourConfig::warmest, 1, 0xFFFE>},
    {"rgbwafControl", intField<&GearColourConfig::rgbwafControl, 0, 255>},
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

// --- Bus, interfaces, scenario -----------------------------------------------

bool readGearList(Reader& r, const QJsonValue& value, const std::string& path, BusConfig& bus) {
    return readArray(
        r, value, path, bus.gear, [&](const QJsonValue& item, const std::string& itemPath, size_t, GearConfig& gear) {
            return readObject<GearConfig>(r, item, itemPath, kGearFields, gear) && checkLevels(r, itemPath, gear);
        });
}

constexpr Field<BusConfig> kBusFields[] = {
    {"powered", boolField<&BusConfig::powered>},
    {"alignedReplies", boolField<&BusConfig::alignedReplies>},
    {"seed", intField<&BusConfig::seed, 0, UINT64_MAX>},
    {"external", textField<&BusConfig::external>},
    {"gear", readGearList},
};

bool readSerial(Reader& r, const QJsonValue& value, const std::string& path, InterfaceScenario& interface) {
    std::string serial;
    if (!r.text(value, path, serial))
        return false;
    const bool valid = !serial.empty() && serial.size() <= 8 &&
                       std::all_of(serial.begin(), serial.end(), [](char c) { return std::isalnum((unsigned char)c); });
    if (!valid)
        return r.fail(path, describe(value) + " is not a serial number of 1 to 8 letters or digits");
    interface.serial = serial;
    return true;
}

bool readBus(Reader& r, const QJsonValue& value, const std::string& path, InterfaceScenario& interface) {
    if (!readObject<BusConfig>(r, value, path, kBusFields, interface.bus))
        return false;
    if (interface.bus.external && !interface.bus.gear.empty())
        return r.fail(path, "a bus with \"external\" has no \"gear\" of its own");
    return true;
}

constexpr Field<InterfaceScenario> kInterfaceFields[] = {
    {"productId", intField<&InterfaceScenario::productId, 0, 0xFFFF>},
    {"serial", readSerial},
    {"bridgeAddress", intField<&InterfaceScenario::bridgeAddress, 1, 127>},
    {"revision", bytePairField<&InterfaceScenario::revision>},
    {"reportLatencyUs", intField<&InterfaceScenario::reportLatencyUs, 1000, 1000000>},
    {"bus", readBus},
};

std::string defaultSerial(size_t index) {
    char serial[24];
    std::snprintf(serial, sizeof serial, "%08zX", index + 1);
    return serial;
}

bool readInterfaces(Reader& r, const QJsonValue& value, const std::string& path, Scenario& scenario) {
    return readArray(r, value, path, scenario.interfaces,
                     [&](const QJsonValue& item, const std::string& itemPath, size_t index, InterfaceScenario& entry) {
                         entry.serial = defaultSerial(index);
                         return readObject<InterfaceScenario>(r, item, itemPath, kInterfaceFields, entry);
                     });
}

bool readTimeScale(Reader& r, const QJsonValue& value, const std::string& path, Scenario& scenario) {
    return r.number(value, path, kLargestTimeScale, scenario.timeScale);
}

constexpr Field<Scenario> kScenarioFields[] = {
    {"timeScale", readTimeScale},
    {"seed", intField<&Scenario::seed, 0, UINT64_MAX>},
    {"interfaces", readInterfaces},
};

// "line L, column C" of a byte offset into the text.
std::string position(const QByteArray& text, int offset) {
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

std::optional<Scenario> parseScenario(std::string_view json, const std::string& sourceName, std::string& error) {
    const QByteArray text(json.data(), qsizetype(json.size()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = sourceName + ": " + position(text, parseError.offset) + ": " + parseError.errorString().toStdString();
        return std::nullopt;
    }
    Scenario scenario;
    Reader reader;
    const QJsonValue root = document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    if (!readObject<Scenario>(reader, root, "$", kScenarioFields, scenario)) {
        error = sourceName + ": " + reader.error();
        return std::nullopt;
    }
    if (!document.object().contains("interfaces")) {
        scenario.interfaces.emplace_back();
        scenario.interfaces.back().serial = defaultSerial(0);
    }
    return scenario;
}

std::optional<Scenario> loadScenarioFile(const std::string& path, std::string& error) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": cannot read the scenario: " + file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray text = file.readAll();
    return parseScenario(std::string_view(text.constData(), size_t(text.size())), path, error);
}

std::optional<Scenario> loadScenario(const std::string& demoOrPath, std::string& error) {
    if (demoOrPath == "demo")
        return parseScenario(demoScenarioJson(), "demo", error);
    return loadScenarioFile(demoOrPath, error);
}

}  // namespace sim
