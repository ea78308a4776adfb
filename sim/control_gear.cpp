#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "dali/frame_decoder.h"
#include "sim/control_gear_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

using namespace gear_values;

namespace {

constexpr uint8_t kLastLuminaireBank = 207;

// The frames that leave ENABLE WRITE MEMORY in force.
bool keepsWriteEnabled(const dali::FrameMeaning& meaning, uint8_t first) {
    using dali::Op, dali::SpecialOp;
    if (dali::isSpecialCommand(first)) {
        const auto op = SpecialOp(first);
        return op == SpecialOp::Dtr0 || op == SpecialOp::Dtr1 || op == SpecialOp::Dtr2 ||
               op == SpecialOp::WriteMemoryLocation || op == SpecialOp::WriteMemoryLocationNoReply;
    }
    if (!meaning.command || meaning.command->space != dali::CommandSpace::Standard)
        return false;
    const auto op = Op(meaning.command->code);
    return op == Op::EnableWriteMemory || op == Op::QueryContentDtr0 || op == Op::QueryContentDtr1 ||
           op == Op::QueryContentDtr2;
}

}  // namespace

ControlGear::ControlGear(GearConfig config, uint64_t seed)
    : name_(std::move(config.name)),
      deviceTypes_(std::move(config.moreDeviceTypes)),
      random_(seed),
      randomDraws_(std::move(config.randomDraws)),
      replyDelayUs_(std::clamp<uint32_t>(config.replyDelayUs.value_or(kEarliestReplyUs + uint32_t(seed % kReplySpreadUs)),
                                         kEarliestReplyUs, kLatestReplyUs)),
      bank0_(config.gtin, config.firmwareVersion, config.identificationNumber, config.versionNumber,
             config.banks.present ? kLastLuminaireBank : 0),
      banks_(config.banks, 0),
      gtin_(config.gtin),
      identificationNumber_(config.identificationNumber),
      firmwareVersion_(config.firmwareVersion),
      physicalMinLevel_(std::clamp<uint8_t>(config.physicalMinLevel, 1, kMaxLevelLimit)),
      minFastFadeTime_(std::clamp<uint8_t>(config.minFastFadeTime, 1, kMaxFastFadeTime)),
      operatingMode_(config.operatingMode),
      extendedVersion_(config.extendedVersion),
      lampFailure_(config.lampFailure),
      gearFailure_(config.gearFailure),
      emergencyConfig_(config.emergency),
      colour_(config.colour),
      faults_(config.faults) {
    deviceTypes_.push_back(config.deviceType);
    std::sort(deviceTypes_.begin(), deviceTypes_.end());
    deviceTypes_.erase(std::unique(deviceTypes_.begin(), deviceTypes_.end()), deviceTypes_.end());
    if (hasDeviceType(dali::kDeviceTypeEmergency))
        emergency_.emplace(config.emergency);
    if (config.shortAddress && *config.shortAddress <= 63)
        shortAddress_ = config.shortAddress;
    vars_.randomAddress = config.randomAddress.value_or(0xFFFFFF) & 0xFFFFFF;
    const uint8_t minLevel = std::min(std::max(config.minLevel, physicalMinLevel_), kMaxLevelLimit);
    vars_.maxLevel = std::clamp(config.maxLevel, minLevel, kMaxLevelLimit);
    vars_.minLevel = minLevel;
    vars_.powerOnLevel = config.powerOnLevel;
    vars_.systemFailureLevel = config.systemFailureLevel;
    vars_.fadeTime = std::min<uint8_t>(config.fadeTime, 15);
    vars_.fadeRate = std::clamp<uint8_t>(config.fadeRate, 1, 15);
    vars_.groups = config.groups;
    vars_.scenes = config.scenes;
    vars_.dimmingCurve = config.dimmingCurve <= 1 ? config.dimmingCurve : 0;
    vars_.fastFadeTime = validFastFadeTime(config.fastFadeTime, minFastFadeTime_) ? config.fastFadeTime : 0;
    if (hasDeviceType(dali::kDeviceTypeColour) && colour_.actual.type == kMask)  // a colour gear shows some colour
        colour_.actual = colour_.tc ? GearColourPoint::tc(colour_.physicalWarmest)
                                    : GearColourPoint{dali::kColourTypeRgbwaf, dali::kMask16, {254, 254, 254, 254, 254, 254}};
    clampColourTemperature();
    tcOutOfRange_ = false;
    lastLevel_ = config.actualLevel.value_or(kFactoryLastLevel);
    actualLevel_ = config.actualLevel.value_or(vars_.powerOnLevel == kMask ? lastLevel_ : vars_.powerOnLevel);
    clampActualLevel();
    banks_ = LuminaireBanks(config.banks, actualLevel_);
}

GearConfig ControlGear::snapshot() const {
    GearConfig c;
    c.name = name_;
    c.shortAddress = shortAddress_;
    c.randomAddress = vars_.randomAddress;
    c.randomDraws = randomDraws_;
    c.replyDelayUs = replyDelayUs_;
    c.deviceType = deviceTypes_.front();
    c.moreDeviceTypes.assign(deviceTypes_.begin() + 1, deviceTypes_.end());
    c.physicalMinLevel = physicalMinLevel_;
    c.maxLevel = vars_.maxLevel;
    c.minLevel = vars_.minLevel;
    c.powerOnLevel = vars_.powerOnLevel;
    c.systemFailureLevel = vars_.systemFailureLevel;
    c.actualLevel = fade_ ? fade_->to : actualLevel_;
    c.fadeTime = vars_.fadeTime;
    c.fadeRate = vars_.fadeRate;
    c.groups = vars_.groups;
    c.scenes = vars_.scenes;
    c.dimmingCurve = vars_.dimmingCurve;
    c.fastFadeTime = vars_.fastFadeTime;
    c.minFastFadeTime = minFastFadeTime_;
    c.operatingMode = operatingMode_;
    c.extendedVersion = extendedVersion_;
    c.gtin = gtin_;
    c.firmwareVersion = firmwareVersion_;
    c.identificationNumber = identificationNumber_;
    c.versionNumber = bank0_.versionNumber();
    c.lampFailure = lampFailure_;
    c.gearFailure = gearFailure_;
    c.emergency = emergency_ ? emergency_->snapshot() : emergencyConfig_;
    c.faults = faults_;
    c.colour = colour_;
    c.banks = banks_.snapshot();
    return c;
}

std::optional<uint8_t> ControlGear::receive(uint64_t endUs, uint8_t first, uint8_t second) {
    banks_.advance(endUs);
    const std::optional<uint8_t> reply = handle(endUs, first, second);
    banks_.setState(actualLevel_, mainsPowered_);
    return reply;
}

std::optional<uint8_t> ControlGear::handle(uint64_t endUs, uint8_t first, uint8_t second) {
    if (!mainsPowered_)
        return std::nullopt;
    if (faults_.missFrames > 0) {  // as if the frame never reached it: no state changes
        --faults_.missFrames;
        return std::nullopt;
    }
    settleFade(endUs);
    if (initialisationEndsUs_ && endUs > *initialisationEndsUs_)
        leaveInitialisation();

    // The gear hears every frame, so its decoder sees the pairs and the
    // device type context as the bus carries them.
    const dali::FrameDecoder::Decoded decoded = decoder_.feed(endUs, first, second);
    const std::optional<size_t> listed = std::exchange(listedDeviceTypes_, std::nullopt);
    writeEnabled_ = writeEnabled_ && keepsWriteEnabled(decoded.meaning, first);
    if (decoded.firstCopy)
        return std::nullopt;
    const dali::FrameMeaning& meaning = decoded.meaning;

    if (dali::isSpecialCommand(first))
        return special(endUs, dali::SpecialOp(first), second);
    if (!addressedBy(first))
        return std::nullopt;
    if (meaning.directArcPower) {
        directArcPower(second, endUs);
        return std::nullopt;
    }
    if (!meaning.command)
        return std::nullopt;

    const dali::Command& command = *meaning.command;
    if (command.space == dali::CommandSpace::DeviceType1)
        return deviceType1(endUs, command);
    if (command.space == dali::CommandSpace::DeviceType8)
        return deviceType8(command);
    if (command.space == dali::CommandSpace::DeviceType6) {
        if (!hasDeviceType(dali::kDeviceTypeLedModule))  // another device type's application extended command
            return std::nullopt;
        if (command.sentTwice) {
            deviceType6Configure(dali::Dt6Op(command.code));
            return std::nullopt;
        }
        return deviceType6Query(dali::Dt6Op(command.code));
    }
    const auto op = dali::Op(command.code);
    if (op == dali::Op::QueryNextDeviceType) {
        listedDeviceTypes_ = listed;
        return nextDeviceType();
    }
    if (command.sentTwice) {
        configure(op, meaning.number);
        return std::nullopt;
    }
    if (command.answers)
        return query(op, meaning.number);
    arcPower(op, meaning.number, endUs);
    return std::nullopt;
}

uint8_t ControlGear::deviceType() const { return deviceTypes_.size() > 1 ? kMask : deviceTypes_.front(); }

bool ControlGear::hasDeviceType(uint8_t type) const {
    return std::binary_search(deviceTypes_.begin(), deviceTypes_.end(), type);
}

std::optional<uint8_t> ControlGear::nextDeviceType() {
    if (!listedDeviceTypes_ || *listedDeviceTypes_ > deviceTypes_.size()) {
        listedDeviceTypes_.reset();
        return std::nullopt;
    }
    const size_t index = (*listedDeviceTypes_)++;
    return index < deviceTypes_.size() ? deviceTypes_[index] : dali::kDeviceTypeListEnd;
}

uint32_t ControlGear::replyDelayUs() const {
    return faults_.lateReplies ? uint32_t(timing::kReplyWindowUs + kLateBeyondWindowUs) : replyDelayUs_;
}

uint8_t ControlGear::status() const {
    // A fade still set after settling at the last frame is running.
    return uint8_t((gearFailure_ ? 0x01 : 0) | (lampFailure_ ? 0x02 : 0) | (actualLevel_ > 0 ? 0x04 : 0) |
                   (limitError_ ? 0x08 : 0) | (fade_ ? 0x10 : 0) | (resetState() ? 0x20 : 0) |
                   (shortAddress_ ? 0 : 0x40) | (powerFailure_ ? 0x80 : 0));
}

void ControlGear::busPowerLost() {
    fade_.reset();
    recallColour(colour_.systemFailure);
    if (vars_.systemFailureLevel != kMask)
        actualLevel_ = vars_.systemFailureLevel == 0
                           ? 0
                           : std::clamp(vars_.systemFailureLevel, vars_.minLevel, vars_.maxLevel);
}

void ControlGear::setMainsPowered(bool powered) {
    if (powered == mainsPowered_)
        return;
    mainsPowered_ = powered;
    fade_.reset();
    if (powered) {
        powerUp();
    } else {
        lastLevel_ = actualLevel_;
        actualLevel_ = 0;
    }
    banks_.setState(actualLevel_, mainsPowered_);
}

// Mains back: the volatile state is gone, the stored variables stay.
void ControlGear::powerUp() {
    initialisationEndsUs_.reset();
    withdrawn_ = physicalSelectionMode_ = physicallySelected_ = false;
    dtr0_ = dtr1_ = dtr2_ = 0;
    decoder_.reset();
    limitError_ = false;
    powerFailure_ = true;
    actualLevel_ = vars_.powerOnLevel == kMask ? lastLevel_ : vars_.powerOnLevel;
    clampActualLevel();
    temporaryColour_ = {};
    recallColour(colour_.powerOn);
}

// Another device type's gear ignores the emergency commands, as it does those of device type 6.
std::optional<uint8_t> ControlGear::deviceType1(uint64_t endUs, const dali::Command& command) {
    if (!emergency_)
        return std::nullopt;
    if (command.sentTwice) {
        emergency_->command(endUs, command.code, dtr0_);
        return std::nullopt;
    }
    return emergency_->query(endUs, command.code, dtr0_, dtr1_, physicallySelected_, extendedVersion_);
}

}  // namespace sim
