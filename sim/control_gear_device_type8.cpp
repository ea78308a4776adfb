// Control gear: the application extended commands of device type 8 (colour
// control): temporary colour, ACTIVATE, colour temperature limits, the colour
// kept with the power-on, system-failure and scene levels, and the queries.

#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "sim/control_gear_values.h"

#include <algorithm>

namespace sim {

using namespace gear_values;
using dali::ColourValue;
using dali::Dt8Op;

namespace {

constexpr uint8_t kExtendedVersion = 2;
constexpr uint8_t kGearFeatures = 0x00;  // no automatic activation, no calibration

uint16_t wordOf(uint8_t high, uint8_t low) { return uint16_t(high << 8 | low); }

}  // namespace

std::optional<uint8_t> ControlGear::deviceType8(const dali::Command& command) {
    if (!hasDeviceType(dali::kDeviceTypeColour))  // another device type's application extended command
        return std::nullopt;
    const auto op = Dt8Op(command.code);
    if (command.answers)
        return deviceType8Query(op);
    if (command.sentTwice) {
        if (op == Dt8Op::StoreColourTemperatureLimit)
            storeColourTemperatureLimit();
        return std::nullopt;  // primaries, features and calibration are not simulated
    }
    deviceType8Command(op);
    return std::nullopt;
}

void ControlGear::deviceType8Command(Dt8Op op) {
    const bool rgbwaf = colour_.channels > 0;
    const auto setLevels = [&](size_t firstColour) {
        temporaryColour_.type = dali::kColourTypeRgbwaf;
        const uint8_t dtrs[3] = {dtr0_, dtr1_, dtr2_};
        for (size_t i = 0; i < 3; ++i)
            if (colour_.hasColour(firstColour + i))
                temporaryColour_.levels[firstColour + i] = dtrs[i];
    };
    switch (op) {
        case Dt8Op::SetTemporaryColourTemperature:
            if (colour_.tc && wordOf(dtr1_, dtr0_) != 0) {
                temporaryColour_.type = dali::kColourTypeTc;
                temporaryColour_.mirek = wordOf(dtr1_, dtr0_);
            }
            break;
        case Dt8Op::SetTemporaryRgbDimLevel:
            if (rgbwaf)
                setLevels(0);
            break;
        case Dt8Op::SetTemporaryWafDimLevel:
            if (rgbwaf)
                setLevels(3);
            break;
        case Dt8Op::SetTemporaryRgbwafControl:
            if (rgbwaf)
                colour_.rgbwafControl = dtr0_;
            break;
        case Dt8Op::CopyReportToTemporary:
            temporaryColour_ = reportColour();
            break;
        case Dt8Op::Activate:
            recallColour(temporaryColour_);
            temporaryColour_ = {};
            break;
        case Dt8Op::ColourTemperatureStepCooler:  // one mirek, a lit lamp of Tc colour only
        case Dt8Op::ColourTemperatureStepWarmer:
            if (actualLevel_ > 0 && colour_.actual.type == dali::kColourTypeTc) {
                const int step = op == Dt8Op::ColourTemperatureStepCooler ? -1 : 1;
                colour_.actual.mirek =
                    uint16_t(std::clamp<int>(colour_.actual.mirek + step, colour_.coolest, colour_.warmest));
            }
            break;
        default:  // xy and primary N are not simulated
            break;
    }
    reportedStored_.reset();  // a colour command reports the actual colour again
}

// DTR2 selects the limit, DTR1:DTR0 is the value in mirek. The limits keep
// physical coolest <= coolest <= warmest <= physical warmest.
void ControlGear::storeColourTemperatureLimit() {
    const uint16_t value = wordOf(dtr1_, dtr0_);
    if (!colour_.tc || value == 0 || value == dali::kMask16)
        return;
    GearColourConfig& c = colour_;
    switch (dali::ColourTemperatureLimit(dtr2_)) {
        case dali::ColourTemperatureLimit::Coolest:
            c.coolest = std::clamp(value, c.physicalCoolest, c.warmest);
            break;
        case dali::ColourTemperatureLimit::Warmest:
            c.warmest = std::clamp(value, c.coolest, c.physicalWarmest);
            break;
        case dali::ColourTemperatureLimit::PhysicalCoolest:
            c.physicalCoolest = std::min(value, c.physicalWarmest);
            c.coolest = std::max(c.coolest, c.physicalCoolest);
            c.warmest = std::max(c.warmest, c.coolest);
            break;
        case dali::ColourTemperatureLimit::PhysicalWarmest:
            c.physicalWarmest = std::max(value, c.physicalCoolest);
            c.warmest = std::min(c.warmest, c.physicalWarmest);
            c.coolest = std::min(c.coolest, c.warmest);
            break;
        default:
            return;
    }
    clampColourTemperature();
}

void ControlGear::clampColourTemperature() {
    GearColourPoint& actual = colour_.actual;
    if (actual.type != dali::kColourTypeTc || actual.mirek == dali::kMask16)
        return;
    const uint16_t clamped = std::clamp(actual.mirek, colour_.coolest, colour_.warmest);
    tcOutOfRange_ = clamped != actual.mirek;
    actual.mirek = clamped;
}

void ControlGear::recallColour(const GearColourPoint& stored) {
    if (!hasDeviceType(dali::kDeviceTypeColour) || stored.type == kMask)
        return;
    reportedStored_.reset();
    GearColourPoint& actual = colour_.actual;
    if (stored.type == dali::kColourTypeTc && stored.mirek != dali::kMask16) {
        actual = GearColourPoint::tc(stored.mirek);
        clampColourTemperature();
    } else if (stored.type == dali::kColourTypeRgbwaf) {
        if (actual.type != dali::kColourTypeRgbwaf)
            actual = {dali::kColourTypeRgbwaf, dali::kMask16, {0, 0, 0, 0, 0, 0}};
        for (size_t i = 0; i < actual.levels.size(); ++i)
            if (colour_.hasColour(i) && stored.levels[i] != kMask)
                actual.levels[i] = stored.levels[i];
    }
}

GearColourPoint* ControlGear::storedColour(dali::Op op, int scene) {
    switch (op) {
        case dali::Op::StoreDtrAsPowerOnLevel:
        case dali::Op::QueryPowerOnLevel:
            return &colour_.powerOn;
        case dali::Op::StoreDtrAsSystemFailureLevel:
        case dali::Op::QuerySystemFailureLevel:
            return &colour_.systemFailure;
        case dali::Op::StoreDtrAsScene:
        case dali::Op::QuerySceneLevel:
            return &colour_.scenes[size_t(scene)];
        default:
            return nullptr;
    }
}

void ControlGear::storeColour(dali::Op op, int scene) {
    if (!hasDeviceType(dali::kDeviceTypeColour))
        return;
    if (GearColourPoint* stored = storedColour(op, scene)) {
        *stored = temporaryColour_;
        temporaryColour_ = {};  // each store uses the temporary colour up
        return;
    }
    switch (op) {
        case dali::Op::RemoveFromScene:
            colour_.scenes[size_t(scene)] = {};
            break;
        default:
            break;
    }
}

void ControlGear::reportStoredColour(dali::Op op, int scene) {
    if (!hasDeviceType(dali::kDeviceTypeColour))
        return;
    if (const GearColourPoint* stored = storedColour(op, scene))
        reportedStored_ = *stored;
}

const GearColourPoint& ControlGear::reportColour() const { return reportedStored_ ? *reportedStored_ : colour_.actual; }

std::optional<uint8_t> ControlGear::deviceType8Query(Dt8Op op) {
    switch (op) {
        case Dt8Op::QueryGearFeaturesStatus:
            return kGearFeatures;
        case Dt8Op::QueryColourStatus:
            return uint8_t((tcOutOfRange_ ? dali::kColourStatusTcOutOfRange : 0) |
                           (colour_.actual.type == kMask ? 0 : colour_.actual.type));
        case Dt8Op::QueryColourTypeFeatures:
            return colour_.features();
        case Dt8Op::QueryColourValue:
            return colourValue();
        case Dt8Op::QueryRgbwafControl:
            return colour_.channels > 0 ? colour_.rgbwafControl : kMask;
        case Dt8Op::QueryAssignedColour:  // 1 red .. 6 freecolour
            return dtr0_ < colour_.channels ? uint8_t(colour_.channelColours[dtr0_] + 1) : kMask;
        case Dt8Op::QueryExtendedVersionNumber:
            return kExtendedVersion;
        default:
            return std::nullopt;
    }
}

// The value DTR0 selects. A 16-bit value answers its high byte and leaves the
// low byte in DTR0; a value this gear has not got answers MASK (16-bit: both
// bytes). A selector the gear does not know gets no answer.
std::optional<uint8_t> ControlGear::colourValue() {
    const GearColourConfig& c = colour_;
    const auto word = [&](bool has, uint16_t value) -> std::optional<uint8_t> {
        const uint16_t answer = has ? value : dali::kMask16;
        dtr0_ = uint8_t(answer & 0xFF);
        return uint8_t(answer >> 8);
    };
    const auto tcOf = [&](const GearColourPoint& p) {
        return word(c.tc && p.type == dali::kColourTypeTc, p.mirek);
    };
    const auto levelOf = [&](const GearColourPoint& p, int colour) -> std::optional<uint8_t> {
        return c.hasColour(size_t(colour)) && p.type == dali::kColourTypeRgbwaf ? p.levels[size_t(colour)] : kMask;
    };
    const auto typeOf = [](const GearColourPoint& p) -> std::optional<uint8_t> { return p.type; };
    const uint8_t selector = dtr0_;
    const auto channelFrom = [&](ColourValue first) { return int(selector) - int(dali::code(first)); };
    const auto in = [&](ColourValue first) { return channelFrom(first) >= 0 && channelFrom(first) < 6; };
    switch (ColourValue(selector)) {
        case ColourValue::XCoordinate:
        case ColourValue::YCoordinate:
            return word(false, 0);
        case ColourValue::ColourTemperature:
            return tcOf(c.actual);
        case ColourValue::ReportColourTemperature:
            return tcOf(reportColour());
        case ColourValue::TemporaryColourTemperature:
            return tcOf(temporaryColour_);
        case ColourValue::ColourTemperatureCoolest:
            return word(c.tc, c.coolest);
        case ColourValue::ColourTemperaturePhysicalCoolest:
            return word(c.tc, c.physicalCoolest);
        case ColourValue::ColourTemperatureWarmest:
            return word(c.tc, c.warmest);
        case ColourValue::ColourTemperaturePhysicalWarmest:
            return word(c.tc, c.physicalWarmest);
        case ColourValue::RgbwafControl:
            return c.channels > 0 ? c.rgbwafControl : kMask;
        case ColourValue::TemporaryColourType:
            return typeOf(temporaryColour_);
        case ColourValue::ReportColourType:
            return typeOf(reportColour());
        default:
            break;
    }
    if (in(ColourValue::RedDimLevel))
        return levelOf(c.actual, channelFrom(ColourValue::RedDimLevel));
    if (in(ColourValue::TemporaryRedDimLevel))
        return levelOf(temporaryColour_, channelFrom(ColourValue::TemporaryRedDimLevel));
    if (in(ColourValue::ReportRedDimLevel))
        return levelOf(reportColour(), channelFrom(ColourValue::ReportRedDimLevel));
    return std::nullopt;
}

}  // namespace sim
