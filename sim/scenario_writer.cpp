// Scenarios written back as JSON, in the form parseScenario reads: the
// simulated bus panel saves the bus it shows, to open it again later.

#include "sim/scenario.h"

#include "dali/dali_commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>

namespace sim {
namespace {

QJsonValue hex(uint64_t value) { return QString::asprintf("0x%llX", static_cast<unsigned long long>(value)); }

// Written only for device type 1 gear or a changed default, so other gear stay as before.
QJsonObject emergencyJson(const EmergencyConfig& e) {
    QJsonObject o;
    o["ratedDuration"] = e.ratedDuration;
    o["batteryMinutes"] = e.batteryMinutes ? QJsonValue(*e.batteryMinutes) : QJsonValue(QJsonValue::Null);
    o["batteryCharge"] = e.batteryCharge;
    o["rechargeMinutes"] = e.rechargeMinutes;
    o["functionTestSeconds"] = e.functionTestSeconds;
    o["emergencyLevel"] = e.emergencyLevel;
    o["emergencyMinLevel"] = e.emergencyMinLevel;
    o["emergencyMaxLevel"] = e.emergencyMaxLevel;
    o["features"] = e.features;
    o["functionTestInterval"] = e.functionTestInterval;
    o["durationTestInterval"] = e.durationTestInterval;
    o["testExecutionTimeout"] = e.testExecutionTimeout;
    o["prolongTime"] = e.prolongTime;
    o["testDelayTime"] = e.testDelayTime;
    o["lampEmergencyMinutes"] = qint64(e.lampEmergencyMinutes);
    o["lampOperationHours"] = qint64(e.lampOperationHours);
    o["durationTestResult"] = e.durationTestResult;
    o["failureStatus"] = e.failureStatus;
    o["emergencyStatus"] = e.emergencyStatus;
    o["batteryFailure"] = e.batteryFailure;
    o["lampFailure"] = e.lampFailure;
    return o;
}

bool listsDeviceType(const GearConfig& g, uint8_t type) {
    return g.deviceType == type || std::find(g.moreDeviceTypes.begin(), g.moreDeviceTypes.end(), type) !=
                                       g.moreDeviceTypes.end();
}

QJsonObject colourPointJson(const GearColourPoint& p) {
    QJsonObject o;
    if (p.type == dali::kColourTypeTc) {
        o["tc"] = p.mirek;
    } else if (p.type == dali::kColourTypeRgbwaf) {
        QJsonArray levels;
        for (uint8_t level : p.levels)
            levels.append(level);
        o["levels"] = levels;
    }
    return o;
}

QJsonObject colourJson(const GearColourConfig& c) {
    QJsonObject o;
    o["tc"] = c.tc;
    o["channels"] = c.channels;
    o["physicalCoolest"] = c.physicalCoolest;
    o["physicalWarmest"] = c.physicalWarmest;
    o["coolest"] = c.coolest;
    o["warmest"] = c.warmest;
    o["rgbwafControl"] = c.rgbwafControl;
    QJsonArray channelColours;
    for (uint8_t colour : c.channelColours)
        channelColours.append(colour);
    o["channelColours"] = channelColours;
    o["actual"] = colourPointJson(c.actual);
    o["powerOn"] = colourPointJson(c.powerOn);
    o["systemFailure"] = colourPointJson(c.systemFailure);
    QJsonObject scenes;
    for (size_t scene = 0; scene < c.scenes.size(); ++scene)
        if (c.scenes[scene].type != dali::kMask)
            scenes[QString::number(scene)] = colourPointJson(c.scenes[scene]);
    o["scenes"] = scenes;
    return o;
}

QJsonObject banksJson(const GearBanksConfig& b) {
    QJsonObject o;
    o["luminaireGtin"] = hex(b.luminaireGtin);
    o["luminaireId"] = hex(b.luminaireId);
    o["year"] = b.year;
    o["week"] = b.week;
    o["nominalPowerW"] = b.nominalPowerW;
    o["identification"] = QString::fromStdString(b.identification);
    o["activeEnergyWh"] = qint64(b.activeEnergyWh);
    o["operatingSeconds"] = qint64(b.operatingSeconds);
    o["gearStarts"] = qint64(b.gearStarts);
    o["lightSourceOnSeconds"] = qint64(b.lightSourceOnSeconds);
    o["lightSourceStarts"] = qint64(b.lightSourceStarts);
    o["lightSourceFailures"] = b.lightSourceFailures;
    return o;
}

QJsonObject gearJson(const GearConfig& g) {
    QJsonObject o;
    o["name"] = QString::fromStdString(g.name);
    o["shortAddress"] = g.shortAddress ? QJsonValue(*g.shortAddress) : QJsonValue(QJsonValue::Null);
    o["randomAddress"] = g.randomAddress ? hex(*g.randomAddress) : QJsonValue(QJsonValue::Null);
    QJsonArray draws;
    for (uint32_t draw : g.randomDraws)
        draws.append(hex(draw));
    if (!draws.isEmpty())
        o["randomDraws"] = draws;
    if (g.replyDelayUs)
        o["replyDelayUs"] = qint64(*g.replyDelayUs);
    o["deviceType"] = g.deviceType;
    if (!g.moreDeviceTypes.empty()) {  // a gear of one type is written as before
        QJsonArray more;
        for (uint8_t type : g.moreDeviceTypes)
            more.append(type);
        o["moreDeviceTypes"] = more;
    }
    o["physicalMinLevel"] = g.physicalMinLevel;
    o["maxLevel"] = g.maxLevel;
    o["minLevel"] = g.minLevel;
    o["powerOnLevel"] = g.powerOnLevel;
    o["systemFailureLevel"] = g.systemFailureLevel;
    if (g.actualLevel)
        o["actualLevel"] = *g.actualLevel;
    o["fadeTime"] = g.fadeTime;
    o["fadeRate"] = g.fadeRate;
    QJsonArray groups;
    for (int group = 0; group < 16; ++group)
        if (g.groups >> group & 1)
            groups.append(group);
    o["groups"] = groups;
    QJsonObject scenes;
    for (int scene = 0; scene < 16; ++scene)
        if (g.scenes[size_t(scene)] != 255)
            scenes[QString::number(scene)] = g.scenes[size_t(scene)];
    o["scenes"] = scenes;
    o["dimmingCurve"] = g.dimmingCurve;
    o["fastFadeTime"] = g.fastFadeTime;
    o["minFastFadeTime"] = g.minFastFadeTime;
    o["operatingMode"] = g.operatingMode;
    o["extendedVersion"] = g.extendedVersion;
    o["versionNumber"] = g.versionNumber;
    o["gtin"] = hex(g.gtin);
    o["firmwareVersion"] = QJsonArray{g.firmwareVersion[0], g.firmwareVersion[1]};
    o["identificationNumber"] = hex(g.identificationNumber);
    o["lampFailure"] = g.lampFailure;
    o["gearFailure"] = g.gearFailure;
    if (listsDeviceType(g, dali::kDeviceTypeColour))
        o["colour"] = colourJson(g.colour);  // only colour gear: others are written as before
    if (g.faults != GearFaults{}) {  // a gear without faults is written as before
        QJsonObject faults;
        faults["missFrames"] = qint64(g.faults.missFrames);
        faults["lateReplies"] = g.faults.lateReplies;
        faults["garbledReplies"] = g.faults.garbledReplies;
        faults["noSelectionKey"] = g.faults.noSelectionKey;
        o["faults"] = faults;
    }
    if (listsDeviceType(g, dali::kDeviceTypeEmergency) || g.emergency != EmergencyConfig{})
        o["emergency"] = emergencyJson(g.emergency);
    if (g.banks.present)  // gear without banks are written as before
        o["banks"] = banksJson(g.banks);
    return o;
}

}  // namespace

std::string scenarioJson(const Scenario& scenario) {
    QJsonArray interfaces;
    for (const InterfaceScenario& i : scenario.interfaces) {
        QJsonObject bus;
        bus["powered"] = i.bus.powered;
        if (i.bus.alignedReplies)
            bus["alignedReplies"] = true;
        if (i.bus.seed)
            bus["seed"] = hex(*i.bus.seed);
        bus["external"] = i.bus.external ? QJsonValue(QString::fromStdString(*i.bus.external))
                                         : QJsonValue(QJsonValue::Null);
        QJsonArray gear;
        for (const GearConfig& g : i.bus.gear)
            gear.append(gearJson(g));
        bus["gear"] = gear;
        QJsonObject o;
        o["productId"] = hex(i.productId);
        if (!i.serial.empty())
            o["serial"] = QString::fromStdString(i.serial);
        o["bridgeAddress"] = i.bridgeAddress ? hex(*i.bridgeAddress) : QJsonValue(QJsonValue::Null);
        o["revision"] = QJsonArray{i.revision[0], i.revision[1]};
        o["reportLatencyUs"] = qint64(i.reportLatencyUs);
        o["bus"] = bus;
        interfaces.append(o);
    }
    QJsonObject root;
    root["timeScale"] = scenario.timeScale;
    root["seed"] = hex(scenario.seed);
    root["interfaces"] = interfaces;
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace sim
