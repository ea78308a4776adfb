#include "cli/cli_json.h"

#include "dali/dali_commands.h"
#include "devices/fade_text.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonArray deviceTypes(const DeviceRecord& record) {
    QJsonArray types;
    if (record.deviceTypes.empty())
        types.append(record.deviceType);
    for (uint8_t type : record.deviceTypes)
        types.append(type);
    return types;
}

QJsonArray groups(uint16_t mask) {
    QJsonArray list;
    for (int g = 0; g < 16; ++g)
        if (mask & (1U << g))
            list.append(g);
    return list;
}

// An entry of a fade list as a number; nothing for "Impossible".
QJsonValue fadeNumber(const QStringList& entries, uint8_t code) {
    bool ok = false;
    const double value = FadeEntry(entries, code).toDouble(&ok);
    return ok ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

const char* kindName(LineCheckKind kind) {
    switch (kind) {
        case LineCheckKind::NoShortAddress:
            return "noShortAddress";
        case LineCheckKind::SeveralNoShortAddress:
            return "severalNoShortAddress";
        case LineCheckKind::Missing:
            return "missing";
        case LineCheckKind::Unexpected:
            return "unexpected";
        case LineCheckKind::SharedAddress:
            return "sharedAddress";
        case LineCheckKind::GearFailure:
            return "gearFailure";
        case LineCheckKind::LampFailure:
            return "lampFailure";
        case LineCheckKind::NoClearAnswer:
            return "noClearAnswer";
        case LineCheckKind::ValueDiffers:
            return "valueDiffers";
    }
    return "";
}

const char* fieldName(LineCheckField field) {
    switch (field) {
        case LineCheckField::None:
            return "";
        case LineCheckField::MaxLevel:
            return "maxLevel";
        case LineCheckField::MinLevel:
            return "minLevel";
        case LineCheckField::PowerOnLevel:
            return "powerOnLevel";
        case LineCheckField::SystemFailureLevel:
            return "systemFailureLevel";
        case LineCheckField::FadeTime:
            return "fadeTime";
        case LineCheckField::FadeRate:
            return "fadeRate";
        case LineCheckField::FastFadeTime:
            return "fastFadeTime";
        case LineCheckField::DimmingCurve:
            return "dimmingCurve";
        case LineCheckField::Groups:
            return "groups";
        case LineCheckField::Scene:
            return "scene";
        case LineCheckField::ColourCoolest:
            return "colourCoolest";
        case LineCheckField::ColourWarmest:
            return "colourWarmest";
        case LineCheckField::PowerOnColour:
            return "powerOnColour";
        case LineCheckField::SystemFailureColour:
            return "systemFailureColour";
        case LineCheckField::SceneColour:
            return "sceneColour";
    }
    return "";
}

QJsonValue optionalValue(int value) { return value == kLineCheckNoValue ? QJsonValue() : QJsonValue(value); }

QString plain(const QJsonValue& value) {
    if (value.isArray()) {
        QStringList items;
        for (const auto& item : value.toArray())
            items << plain(item);
        return items.join(QLatin1Char(','));
    }
    if (value.isObject()) {
        QStringList items;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            items << it.key() + QLatin1Char('=') + plain(it.value());
        return items.join(QLatin1Char(' '));
    }
    if (value.isNull() || value.isUndefined())
        return QStringLiteral("-");
    return value.toVariant().toString();
}

// MASK is no value.
QJsonValue wordOrNull(uint16_t value) { return value == kColourMask ? QJsonValue() : QJsonValue(value); }

QJsonArray levelsJson(const ChannelLevels& levels) {
    QJsonArray list;
    for (uint8_t level : levels)
        list.append(level == kLevelMask ? QJsonValue() : QJsonValue(level));
    return list;
}

// Colour temperatures in mirek, channel levels red, green, blue, white, amber, freecolour.
QJsonObject colourJson(const ColourSettings& c) {
    QJsonObject scenes;
    for (int n = 0; n < kSceneCount; ++n) {
        QJsonObject scene;
        if (c.sceneMirek[size_t(n)] != kColourMask)
            scene.insert("mirek", c.sceneMirek[size_t(n)]);
        if (c.sceneLevels[size_t(n)] != kAllChannelsMasked)
            scene.insert("levels", levelsJson(c.sceneLevels[size_t(n)]));
        if (!scene.isEmpty())
            scenes.insert(QString::number(n), scene);
    }
    return {{"features", c.features},
            {"mirek", wordOrNull(c.mirek)},
            {"levels", levelsJson(c.levels)},
            {"coolest", wordOrNull(c.coolest)},
            {"warmest", wordOrNull(c.warmest)},
            {"physicalCoolest", wordOrNull(c.physicalCoolest)},
            {"physicalWarmest", wordOrNull(c.physicalWarmest)},
            {"powerOn", QJsonObject{{"mirek", wordOrNull(c.powerOnMirek)}, {"levels", levelsJson(c.powerOnLevels)}}},
            {"systemFailure", QJsonObject{{"mirek", wordOrNull(c.systemFailureMirek)},
                                          {"levels", levelsJson(c.systemFailureLevels)}}},
            {"scenes", scenes}};
}

QJsonObject emergencyJson(const EmergencyState& e) {
    const auto value = [](const auto& field) { return field ? QJsonValue(int(*field)) : QJsonValue(); };
    return {{"mode", value(e.mode)},
            {"features", value(e.features)},
            {"failureStatus", value(e.failureStatus)},
            {"status", value(e.status)},
            {"batteryCharge", value(e.batteryCharge)},
            {"ratedDuration", value(e.ratedDuration)},
            {"durationTestResult", value(e.durationTestResult)},
            {"lampEmergencyTime", value(e.lampEmergencyTime)},
            {"lampTotalOperationTime", value(e.lampTotalOperationTime)},
            {"emergencyLevel", value(e.emergencyLevel)},
            {"functionTestInterval", value(e.functionTestInterval)},
            {"durationTestInterval", value(e.durationTestInterval)},
            {"testExecutionTimeout", value(e.testExecutionTimeout)},
            {"nextFunctionTest", value(e.nextFunctionTest)},
            {"nextDurationTest", value(e.nextDurationTest)}};
}

}  // namespace

QJsonObject RecordJson(int address, const DeviceRecord& record, const EmergencyState* emergency) {
    QJsonObject gear{{"address", address}, {"name", record.name}, {"deviceTypes", deviceTypes(record)}};
    if (record.readState & kReadStateParameters) {
        gear.insert("actualLevel", record.actualLevel);
        gear.insert("maxLevel", record.maxLevel);
        gear.insert("minLevel", record.minLevel);
        gear.insert("powerOnLevel", record.powerOnLevel);
        gear.insert("systemFailureLevel", record.systemFailureLevel);
        gear.insert("fadeTime", QJsonObject{{"code", record.fadeTime},
                                            {"seconds", fadeNumber(FadeTimeEntries(), record.fadeTime)}});
        gear.insert("fadeRate", QJsonObject{{"code", record.fadeRate},
                                            {"stepsPerSecond", fadeNumber(FadeRateEntries(), record.fadeRate)}});
        gear.insert("groups", groups(record.groupMask));
        if (HasDeviceType(record, dali::kDeviceTypeLedModule)) {
            gear.insert("dimmingCurve", record.dimmingCurve == 1 ? "linear" : "logarithmic");
            gear.insert("fastFadeTime",
                        QJsonObject{{"code", record.fastFadeTime}, {"milliseconds", record.fastFadeTime * 25}});
        }
    }
    if (record.readState & kReadStateScenes) {
        QJsonObject scenes;
        for (int s = 0; s < kSceneCount; ++s)
            if (record.sceneLevel[size_t(s)] != kLevelMask)
                scenes.insert(QString::number(s), record.sceneLevel[size_t(s)]);
        gear.insert("scenes", scenes);
    }
    if ((record.readState & kReadStateColour) && record.colour.features != 0)
        gear.insert("colour", colourJson(record.colour));
    if (emergency)
        gear.insert("emergency", emergencyJson(*emergency));
    constexpr uint32_t kBothParts = kReadStateParameters | kReadStateScenes;
    gear.insert("complete", (record.readState & kBothParts) == kBothParts);
    return gear;
}

QJsonObject ScanJson(const DeviceTable& table, const std::bitset<kDeviceCount>& unclear) {
    QJsonArray gear, unclearList;
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& record = table[size_t(a)];
        if (record.present == 1)
            gear.append(QJsonObject{{"address", a}, {"deviceTypes", deviceTypes(record)}});
        if (unclear.test(size_t(a)))
            unclearList.append(a);
    }
    return {{"gear", gear}, {"unclear", unclearList}};
}

QJsonObject PresentAddressesJson(const DeviceTable& table) {
    QJsonArray present;
    for (int a = 0; a < kDeviceCount; ++a)
        if (table[size_t(a)].present == 1)
            present.append(a);
    return {{"present", present}};
}

QJsonObject LineCheckJson(const LineCheckResult& result) {
    QJsonArray rows;
    for (const LineCheckRow& row : result.rows) {
        QJsonObject entry{{"address", row.address < 0 ? QJsonValue() : QJsonValue(row.address)},
                          {"kind", kindName(row.kind)},
                          {"name", row.name}};
        if (row.field != LineCheckField::None) {
            entry.insert("field", fieldName(row.field));
            entry.insert("project", optionalValue(row.projectValue));
            entry.insert("bus", optionalValue(row.busValue));
        }
        if (row.scene >= 0)
            entry.insert("scene", row.scene);
        if (row.colour >= 0)
            entry.insert("colour", row.colour);
        rows.append(entry);
    }
    return {{"complete", result.complete}, {"rows", rows}};
}

QByteArray Render(const QJsonObject& object, bool json) {
    if (json)
        return QJsonDocument(object).toJson(QJsonDocument::Indented);
    QStringList lines;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isArray()) {
            lines << it.key() + QStringLiteral(": ") + plain(it.value());
            continue;
        }
        const QJsonArray entries = it.value().toArray();
        if (entries.isEmpty() || !entries.first().isObject()) {
            lines << it.key() + QStringLiteral(": ") + plain(it.value());
            continue;
        }
        for (const auto& entry : entries)
            lines << plain(entry);
    }
    return lines.isEmpty() ? QByteArray() : (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}
