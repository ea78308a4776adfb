#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "sim/bus_timing.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {
namespace {

using timing::kEarliestReplyUs, timing::kLatestReplyUs, timing::kReplySpreadUs;

constexpr uint8_t kYes = 0xFF;
constexpr uint8_t kMask = 0xFF;
constexpr uint8_t kMaxLevelLimit = 254;
constexpr uint64_t kRepeatWindowUs = 100'000;
constexpr uint64_t kInitialisationUs = 15ULL * 60 * 1'000'000;
constexpr uint8_t kMaxFastFadeTime = 27;
constexpr uint64_t kFastFadeStepUs = 25'000;
constexpr uint64_t kLateBeyondWindowUs = 2'000;  // a late reply starts this long after the window closed
constexpr uint8_t kFactoryLastLevel = 254;  // the last level of a gear never switched before

// Steps UP and DOWN cover in 200 ms at fade rates 1..15 (506 / sqrt(2)^rate steps per second).
constexpr std::array<uint8_t, 15> kUpDownSteps{72, 51, 36, 25, 18, 13, 9, 6, 4, 3, 2, 2, 1, 1, 1};

// Device type 6 answers that describe the simulated hardware.
constexpr uint8_t kGearTypeIntegratedAcSupply = 0x05;  // LED power supply integrated, AC supply possible
constexpr uint8_t kFeatures = 0x82;                    // open-circuit detection, physical selection
constexpr uint8_t kFailureOpenCircuit = 0x02;
constexpr uint8_t kOperatingModeNonLogCurve = 0x10;

std::optional<uint8_t> yesIf(bool condition) { return condition ? std::optional<uint8_t>(kYes) : std::nullopt; }

// (a << 1) | 1 with a = 0..63.
bool isAddressByte(uint8_t data) { return (data & 0x81) == 0x01; }

bool validFastFadeTime(uint8_t value, uint8_t minimum) {
    return value == 0 || (value >= minimum && value <= kMaxFastFadeTime);
}

// What STORE DTR AS FAST FADE TIME keeps: 0 stays 0, values above 27 store
// 27, values from 1 to below the gear's minimum store the minimum.
uint8_t storedFastFadeTime(uint8_t value, uint8_t minimum) {
    if (value == 0)
        return 0;
    return std::clamp<uint8_t>(value, minimum, kMaxFastFadeTime);
}

}  // namespace

ControlGear::ControlGear(GearConfig config, uint64_t seed)
    : name_(std::move(config.name)),
      deviceType_(config.deviceType),
      random_(seed),
      randomDraws_(std::move(config.randomDraws)),
      replyDelayUs_(std::clamp<uint32_t>(config.replyDelayUs.value_or(kEarliestReplyUs + uint32_t(seed % kReplySpreadUs)),
                                         kEarliestReplyUs, kLatestReplyUs)),
      bank0_(config.gtin, config.firmwareVersion, config.identificationNumber, config.versionNumber),
      gtin_(config.gtin),
      identificationNumber_(config.identificationNumber),
      firmwareVersion_(config.firmwareVersion),
      physicalMinLevel_(std::clamp<uint8_t>(config.physicalMinLevel, 1, kMaxLevelLimit)),
      minFastFadeTime_(std::clamp<uint8_t>(config.minFastFadeTime, 1, kMaxFastFadeTime)),
      operatingMode_(config.operatingMode),
      extendedVersion_(config.extendedVersion),
      lampFailure_(config.lampFailure),
      gearFailure_(config.gearFailure),
      faults_(config.faults) {
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
    lastLevel_ = config.actualLevel.value_or(kFactoryLastLevel);
    actualLevel_ = config.actualLevel.value_or(vars_.powerOnLevel == kMask ? lastLevel_ : vars_.powerOnLevel);
    clampActualLevel();
}

GearConfig ControlGear::snapshot() const {
    GearConfig c;
    c.name = name_;
    c.shortAddress = shortAddress_;
    c.randomAddress = vars_.randomAddress;
    c.randomDraws = randomDraws_;
    c.replyDelayUs = replyDelayUs_;
    c.deviceType = deviceType_;
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
    c.faults = faults_;
    return c;
}

uint8_t ControlGear::actualLevel(uint64_t nowUs) const {
    if (!fade_ || nowUs >= fade_->startUs + fade_->durationUs)
        return fade_ ? fade_->to : actualLevel_;
    const double done = double(nowUs - std::min(nowUs, fade_->startUs)) / double(fade_->durationUs);
    // A lamp fading is lit: from off it starts at MIN, towards off it stays
    // at MIN until the fade ends, and it never passes MAX on the way.
    const auto level = uint8_t(std::lround(fade_->from + (int(fade_->to) - int(fade_->from)) * done));
    return std::clamp(level, vars_.minLevel, vars_.maxLevel);
}

bool ControlGear::fadeRunning(uint64_t nowUs) const {
    return fade_ && nowUs < fade_->startUs + fade_->durationUs;
}

void ControlGear::settleFade(uint64_t nowUs) {
    if (!fade_)
        return;
    actualLevel_ = actualLevel(nowUs);
    if (!fadeRunning(nowUs))
        fade_.reset();
}

void ControlGear::setArcLevel(uint8_t level, uint64_t endUs, bool fade) {
    settleFade(endUs);
    const uint64_t durationUs = fade ? fadeDurationUs() : 0;
    if (durationUs == 0 || level == actualLevel_) {
        fade_.reset();
        actualLevel_ = level;
        return;
    }
    fade_ = Fade{endUs, durationUs, actualLevel_, level};
}

// Fade time n lasts 0.5 s × √2^n; with fade time 0 an LED module fades over
// its fast fade time (25 ms steps) when one is set, else the change is at once.
uint64_t ControlGear::fadeDurationUs() const {
    if (vars_.fadeTime > 0)
        return uint64_t(std::llround(500'000.0 * std::pow(std::sqrt(2.0), vars_.fadeTime)));
    if (deviceType_ == 6)
        return uint64_t(vars_.fastFadeTime) * kFastFadeStepUs;
    return 0;
}

void ControlGear::busPowerLost() {
    fade_.reset();
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
}

// Mains back: the volatile state is gone, the stored variables stay.
void ControlGear::powerUp() {
    initialisationEndsUs_.reset();
    withdrawn_ = physicalSelectionMode_ = physicallySelected_ = false;
    dtr0_ = dtr1_ = dtr2_ = 0;
    deviceType6Enabled_ = false;
    lastFrame_.reset();
    limitError_ = false;
    powerFailure_ = true;
    actualLevel_ = vars_.powerOnLevel == kMask ? lastLevel_ : vars_.powerOnLevel;
    clampActualLevel();
}

std::optional<uint8_t> ControlGear::receive(uint64_t endUs, uint8_t first, uint8_t second) {
    if (!mainsPowered_)
        return std::nullopt;
    if (faults_.missFrames > 0) {  // as if the frame never reached it: no state changes
        --faults_.missFrames;
        return std::nullopt;
    }
    settleFade(endUs);
    if (initialisationEndsUs_ && endUs > *initialisationEndsUs_)
        leaveInitialisation();

    // The gear sees every frame on the bus, so any frame between two copies
    // of a configuration command breaks the pair, whoever it addresses.
    const bool repeated = lastFrame_ && lastFrame_->awaitingRepeat && lastFrame_->first == first &&
                          lastFrame_->second == second && endUs >= lastFrame_->endUs &&
                          endUs - lastFrame_->endUs <= kRepeatWindowUs;
    const bool deviceType6 = repeated ? lastFrame_->deviceType6 : deviceType6Enabled_;
    deviceType6Enabled_ = false;

    const dali::FrameMeaning meaning = dali::decodeForwardFrame(first, second, deviceType6);
    const bool configuration = meaning.command && meaning.command->sentTwice;
    lastFrame_ = SeenFrame{first, second, endUs, deviceType6, configuration && !repeated};
    if (configuration && !repeated)
        return std::nullopt;

    if (dali::isSpecialCommand(first))
        return special(endUs, first, second);
    if (!addressedBy(first))
        return std::nullopt;
    if (meaning.directArcPower) {
        directArcPower(second, endUs);
        return std::nullopt;
    }
    if (!meaning.command)
        return std::nullopt;

    const dali::Command& command = *meaning.command;
    if (command.space == dali::CommandSpace::DeviceType6) {
        if (command.sentTwice) {
            deviceType6Configure(command.code);
            return std::nullopt;
        }
        return deviceType6Query(command.code);
    }
    if (command.sentTwice) {
        configure(command.code, meaning.number);
        return std::nullopt;
    }
    if (command.answers)
        return query(command.code, meaning.number);
    arcPower(command.code, meaning.number, endUs);
    return std::nullopt;
}

uint32_t ControlGear::replyDelayUs() const {
    return faults_.lateReplies ? uint32_t(timing::kReplyWindowUs + kLateBeyondWindowUs) : replyDelayUs_;
}

void ControlGear::pressPhysicalSelectionKey() {
    if (physicalSelectionMode_ && !faults_.noSelectionKey)
        physicallySelected_ = true;
}

bool ControlGear::isInitialising(uint64_t nowUs) const {
    return initialisationEndsUs_ && nowUs <= *initialisationEndsUs_;
}

uint8_t ControlGear::status() const {
    // A fade still set after settling at the last frame is running.
    return uint8_t((gearFailure_ ? 0x01 : 0) | (lampFailure_ ? 0x02 : 0) | (actualLevel_ > 0 ? 0x04 : 0) |
                   (limitError_ ? 0x08 : 0) | (fade_ ? 0x10 : 0) | (resetState() ? 0x20 : 0) |
                   (shortAddress_ ? 0 : 0x40) | (powerFailure_ ? 0x80 : 0));
}

bool ControlGear::resetState() const { return vars_ == resetValues(); }

ControlGear::ResetVariables ControlGear::resetValues() const {
    ResetVariables values;
    values.minLevel = physicalMinLevel_;
    return values;
}

bool ControlGear::addressedBy(uint8_t first) const {
    if (first == dali::kBroadcast || first == dali::kBroadcastArc)
        return true;
    if ((first & 0x80) == 0)
        return shortAddress_ == ((first >> 1) & 0x3F);
    if ((first & 0xE0) == 0x80)
        return vars_.groups & (1u << ((first >> 1) & 0x0F));
    return false;  // reserved first bytes
}

bool ControlGear::initialiseSelects(uint8_t data) const {
    if (data == 0x00)
        return true;
    if (data == 0xFF)
        return !shortAddress_;
    return isAddressByte(data) && shortAddress_ && addressByte() == data;
}

uint8_t ControlGear::addressByte() const { return shortAddress_ ? dali::commandAddress(*shortAddress_) : kMask; }

bool ControlGear::chosenForAddressing() const {
    return physicalSelectionMode_ ? physicallySelected_ : vars_.randomAddress == vars_.searchAddress;
}

std::optional<uint8_t> ControlGear::special(uint64_t endUs, uint8_t opcode, uint8_t data) {
    switch (opcode) {
        case 0xA1:  // TERMINATE
            leaveInitialisation();
            return std::nullopt;
        case 0xA3:  // DTR0
            dtr0_ = data;
            return std::nullopt;
        case 0xC3:  // DTR1
            dtr1_ = data;
            return std::nullopt;
        case 0xC5:  // DTR2
            dtr2_ = data;
            return std::nullopt;
        case 0xC1:  // ENABLE DEVICE TYPE
            deviceType6Enabled_ = data == 6 && deviceType_ == 6;
            return std::nullopt;
        case 0xA5:  // INITIALISE
            if (initialiseSelects(data))
                initialise(endUs);
            return std::nullopt;
        case 0xC7:  // WRITE MEMORY LOCATION: bank 0 is read-only, nothing else exists
            return std::nullopt;
        default:
            if (!initialisationEndsUs_)
                return std::nullopt;
            return addressingSpecial(opcode, data);
    }
}

// Special commands that act only in the initialisation state.
std::optional<uint8_t> ControlGear::addressingSpecial(uint8_t opcode, uint8_t data) {
    switch (opcode) {
        case 0xA7:  // RANDOMISE: 24 bits, the preset draws first, then from the seeded generator
            if (randomDraws_.empty()) {
                vars_.randomAddress = uint32_t(random_() >> 40);
            } else {
                vars_.randomAddress = randomDraws_.front() & 0xFFFFFF;
                randomDraws_.erase(randomDraws_.begin());
            }
            break;
        case 0xA9:  // COMPARE
            return yesIf(!physicalSelectionMode_ && !withdrawn_ && vars_.randomAddress <= vars_.searchAddress);
        case 0xAB:  // WITHDRAW
            if (chosenForAddressing())
                withdrawn_ = true;
            break;
        case 0xB1:  // SEARCHADDRH
            vars_.searchAddress = (vars_.searchAddress & 0x00FFFF) | uint32_t(data) << 16;
            break;
        case 0xB3:  // SEARCHADDRM
            vars_.searchAddress = (vars_.searchAddress & 0xFF00FF) | uint32_t(data) << 8;
            break;
        case 0xB5:  // SEARCHADDRL
            vars_.searchAddress = (vars_.searchAddress & 0xFFFF00) | data;
            break;
        case 0xB7:  // PROGRAM SHORT ADDRESS
            if (chosenForAddressing() && data == kMask)
                shortAddress_.reset();
            else if (chosenForAddressing() && isAddressByte(data))
                shortAddress_ = uint8_t(data >> 1);
            break;
        case 0xB9:  // VERIFY SHORT ADDRESS
            return yesIf(shortAddress_ && data == addressByte());
        case 0xBB:  // QUERY SHORT ADDRESS
            if (chosenForAddressing())
                return addressByte();
            break;
        case 0xBD:  // PHYSICAL SELECTION: compare off, wait for a key press
            physicalSelectionMode_ = true;
            physicallySelected_ = false;
            break;
        default:
            break;
    }
    return std::nullopt;
}

void ControlGear::directArcPower(uint8_t level, uint64_t endUs) {
    if (level == kMask) {  // stops a running fade where it is
        settleFade(endUs);
        fade_.reset();
        return;
    }
    powerFailure_ = false;
    limitError_ = level != 0 && (level < vars_.minLevel || level > vars_.maxLevel);
    setArcLevel(level == 0 ? 0 : std::clamp(level, vars_.minLevel, vars_.maxLevel), endUs, true);
}

void ControlGear::arcPower(uint8_t opcode, int scene, uint64_t endUs) {
    if (opcode == 0x10) {  // GO TO SCENE
        directArcPower(vars_.scenes[scene], endUs);
        return;
    }
    powerFailure_ = false;
    limitError_ = false;
    // Only DAPC and GO TO SCENE fade; every other arc power command acts at
    // once and stops a running fade where it is.
    fade_.reset();
    const bool on = actualLevel_ > 0;
    const uint8_t steps = kUpDownSteps[vars_.fadeRate - 1];
    switch (opcode) {
        case 0x00:  // OFF
            setArcLevel(0, endUs, false);
            break;
        case 0x01:  // UP: not from off
            if (on)
                actualLevel_ = uint8_t(std::min<int>(actualLevel_ + steps, vars_.maxLevel));
            break;
        case 0x02:  // DOWN: never below MIN, never off
            if (on)
                actualLevel_ = uint8_t(std::max<int>(actualLevel_ - steps, vars_.minLevel));
            break;
        case 0x03:  // STEP UP
            if (on && actualLevel_ < vars_.maxLevel)
                ++actualLevel_;
            break;
        case 0x04:  // STEP DOWN
            if (on && actualLevel_ > vars_.minLevel)
                --actualLevel_;
            break;
        case 0x05:  // RECALL MAX LEVEL
            setArcLevel(vars_.maxLevel, endUs, false);
            break;
        case 0x06:  // RECALL MIN LEVEL
            setArcLevel(vars_.minLevel, endUs, false);
            break;
        case 0x07:  // STEP DOWN AND OFF
            if (on)
                actualLevel_ = actualLevel_ <= vars_.minLevel ? 0 : actualLevel_ - 1;
            break;
        case 0x08:  // ON AND STEP UP
            if (!on)
                actualLevel_ = vars_.minLevel;
            else if (actualLevel_ < vars_.maxLevel)
                ++actualLevel_;
            break;
        default:
            break;
    }
}

void ControlGear::configure(uint8_t opcode, int number) {
    switch (opcode) {
        case 0x20:  // RESET
            reset();
            break;
        case 0x21:  // STORE ACTUAL LEVEL IN THE DTR
            dtr0_ = actualLevel_;
            break;
        case 0x2A:  // STORE DTR AS MAX LEVEL
            vars_.maxLevel = std::clamp(dtr0_, vars_.minLevel, kMaxLevelLimit);
            clampActualLevel();
            clampFadeTarget();
            break;
        case 0x2B:  // STORE DTR AS MIN LEVEL
            vars_.minLevel = std::clamp(dtr0_, physicalMinLevel_, vars_.maxLevel);
            clampActualLevel();
            clampFadeTarget();
            break;
        case 0x2C:  // STORE DTR AS SYSTEM FAILURE LEVEL
            vars_.systemFailureLevel = dtr0_;
            break;
        case 0x2D:  // STORE DTR AS POWER ON LEVEL
            vars_.powerOnLevel = dtr0_;
            break;
        case 0x2E:  // STORE DTR AS FADE TIME
            vars_.fadeTime = std::min<uint8_t>(dtr0_, 15);
            break;
        case 0x2F:  // STORE DTR AS FADE RATE
            vars_.fadeRate = std::clamp<uint8_t>(dtr0_, 1, 15);
            break;
        case 0x40:  // STORE THE DTR AS SCENE
            vars_.scenes[number] = dtr0_;
            break;
        case 0x50:  // REMOVE FROM SCENE
            vars_.scenes[number] = kMask;
            break;
        case 0x60:  // ADD TO GROUP
            vars_.groups |= uint16_t(1u << number);
            break;
        case 0x70:  // REMOVE FROM GROUP
            vars_.groups &= uint16_t(~(1u << number));
            break;
        case 0x80:  // STORE DTR AS SHORT ADDRESS
            if (dtr0_ == kMask)
                shortAddress_.reset();
            else if (isAddressByte(dtr0_))
                shortAddress_ = uint8_t(dtr0_ >> 1);
            break;
        default:  // ENABLE WRITE MEMORY: no writable bank
            break;
    }
}

std::optional<uint8_t> ControlGear::query(uint8_t opcode, int number) {
    switch (opcode) {
        case 0x90:
            return status();
        case 0x91:
            return kYes;  // QUERY CONTROL GEAR: present and able to communicate
        case 0x92:
            return yesIf(lampFailure_);
        case 0x93:
            return yesIf(actualLevel_ > 0);
        case 0x94:
            return yesIf(limitError_);
        case 0x95:
            return yesIf(resetState());
        case 0x96:
            return yesIf(!shortAddress_);
        case 0x97:
            return bank0_.versionNumber();
        case 0x98:
            return dtr0_;
        case 0x99:
            return deviceType_;
        case 0x9A:
            return physicalMinLevel_;
        case 0x9B:
            return yesIf(powerFailure_);
        case 0x9C:
            return dtr1_;
        case 0x9D:
            return dtr2_;
        case 0xA0:
            return actualLevel_;
        case 0xA1:
            return vars_.maxLevel;
        case 0xA2:
            return vars_.minLevel;
        case 0xA3:
            return vars_.powerOnLevel;
        case 0xA4:
            return vars_.systemFailureLevel;
        case 0xA5:
            return uint8_t(vars_.fadeTime << 4 | vars_.fadeRate);
        case 0xB0:
            return vars_.scenes[number];
        case 0xC0:
            return uint8_t(vars_.groups & 0xFF);
        case 0xC1:
            return uint8_t(vars_.groups >> 8);
        case 0xC2:
            return uint8_t(vars_.randomAddress >> 16);
        case 0xC3:
            return uint8_t(vars_.randomAddress >> 8);
        case 0xC4:
            return uint8_t(vars_.randomAddress);
        case 0xC5:
            return readMemoryLocation();
        default:
            return std::nullopt;
    }
}

// Bank in DTR1, location in DTR0. A read of bank 0 moves DTR0 on by one,
// answered or not (a location not implemented or past the bank's end answers
// nothing), so a reader can step over gaps; DTR0 stops at 0xFF. A bank the
// gear does not have ignores the command and leaves DTR0.
std::optional<uint8_t> ControlGear::readMemoryLocation() {
    if (dtr1_ != 0)
        return std::nullopt;
    const std::optional<uint8_t> value = bank0_.read(dtr0_);
    if (dtr0_ < 0xFF)
        ++dtr0_;
    return value;
}

void ControlGear::deviceType6Configure(uint8_t opcode) {
    switch (opcode) {
        case 0xE3:  // SELECT DIMMING CURVE: 0 logarithmic, 1 linear
            if (dtr0_ <= 1)
                vars_.dimmingCurve = dtr0_;
            break;
        case 0xE4:  // STORE DTR AS FAST FADE TIME
            vars_.fastFadeTime = storedFastFadeTime(dtr0_, minFastFadeTime_);
            break;
        default:  // reference measurement and current protector are not simulated
            break;
    }
}

// A lamp failure of an LED module shows as an open circuit.
uint8_t ControlGear::deviceType6FailureStatus() const { return lampFailure_ ? kFailureOpenCircuit : 0; }

std::optional<uint8_t> ControlGear::deviceType6Query(uint8_t opcode) const {
    switch (opcode) {
        case 0xED:
            return kGearTypeIntegratedAcSupply;
        case 0xEE:
            return vars_.dimmingCurve;
        case 0xEF:
            return uint8_t(operatingMode_ & 0x0F);  // the modes it can run are the one it runs
        case 0xF0:
            return kFeatures;
        case 0xF1:
            return deviceType6FailureStatus();
        case 0xF9:
            return std::nullopt;  // QUERY REFERENCE RUNNING
        case 0xFA:
            return yesIf(deviceType6FailureStatus() & 0x80);
        case 0xFB:
            return std::nullopt;  // QUERY CURRENT PROTECTOR ENABLED
        case 0xFC:
            return uint8_t((operatingMode_ & ~kOperatingModeNonLogCurve) |
                           (vars_.dimmingCurve ? kOperatingModeNonLogCurve : 0));
        case 0xFD:
            return vars_.fastFadeTime;
        case 0xFE:
            return minFastFadeTime_;
        case 0xFF:
            return extendedVersion_;
        default:  // 0xF2..0xF8: one failure status bit each, short circuit first
            if (opcode >= 0xF2 && opcode <= 0xF8)
                return yesIf(deviceType6FailureStatus() & (1u << (opcode - 0xF2)));
            return std::nullopt;
    }
}

void ControlGear::initialise(uint64_t endUs) {
    initialisationEndsUs_ = endUs + kInitialisationUs;
    withdrawn_ = false;
    physicalSelectionMode_ = false;
    physicallySelected_ = false;
}

void ControlGear::leaveInitialisation() {
    initialisationEndsUs_.reset();
    withdrawn_ = false;
    physicalSelectionMode_ = false;
    physicallySelected_ = false;
}

// The short address, the DTRs and the initialisation state stay as they are.
void ControlGear::reset() {
    vars_ = resetValues();
    fade_.reset();
    actualLevel_ = kMaxLevelLimit;
    powerFailure_ = false;
    limitError_ = false;
}

// Keeps a lit lamp within MIN..MAX; an unlit lamp stays off.
void ControlGear::clampActualLevel() {
    if (actualLevel_ > 0)
        actualLevel_ = std::clamp(actualLevel_, vars_.minLevel, vars_.maxLevel);
}

// A running fade ends within the new MIN..MAX (or off, if it was fading off).
void ControlGear::clampFadeTarget() {
    if (fade_ && fade_->to > 0)
        fade_->to = std::clamp(fade_->to, vars_.minLevel, vars_.maxLevel);
}

}  // namespace sim
