// Control gear: stored variables, their reset values, the queries and memory bank 0.

#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "sim/control_gear_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

using namespace gear_values;

void ControlGear::configure(dali::Op op, int number) {
    storeColour(op, number);
    switch (op) {
        case dali::Op::Reset:
            reset();
            break;
        case dali::Op::StoreActualLevelInDtr:
            dtr0_ = actualLevel_;
            break;
        case dali::Op::StoreDtrAsMaxLevel:
            vars_.maxLevel = std::clamp(dtr0_, vars_.minLevel, kMaxLevelLimit);
            clampActualLevel();
            clampFadeTarget();
            break;
        case dali::Op::StoreDtrAsMinLevel:
            vars_.minLevel = std::clamp(dtr0_, physicalMinLevel_, vars_.maxLevel);
            clampActualLevel();
            clampFadeTarget();
            break;
        case dali::Op::StoreDtrAsSystemFailureLevel:
            vars_.systemFailureLevel = dtr0_;
            break;
        case dali::Op::StoreDtrAsPowerOnLevel:
            vars_.powerOnLevel = dtr0_;
            break;
        case dali::Op::StoreDtrAsFadeTime:
            vars_.fadeTime = std::min<uint8_t>(dtr0_, 15);
            break;
        case dali::Op::StoreDtrAsFadeRate:
            vars_.fadeRate = std::clamp<uint8_t>(dtr0_, 1, 15);
            break;
        case dali::Op::StoreDtrAsScene:
            vars_.scenes[number] = dtr0_;
            break;
        case dali::Op::RemoveFromScene:
            vars_.scenes[number] = kMask;
            break;
        case dali::Op::AddToGroup:
            vars_.groups |= uint16_t(1u << number);
            break;
        case dali::Op::RemoveFromGroup:
            vars_.groups &= uint16_t(~(1u << number));
            break;
        case dali::Op::StoreDtrAsShortAddress:
            if (dtr0_ == kMask)
                shortAddress_.reset();
            else if (isAddressByte(dtr0_))
                shortAddress_ = uint8_t(dtr0_ >> 1);
            break;
        case dali::Op::EnableWriteMemory:
            writeEnabled_ = true;
            break;
        default:
            break;
    }
}

std::optional<uint8_t> ControlGear::query(dali::Op op, int number) {
    reportStoredColour(op, number);
    switch (op) {
        case dali::Op::QueryStatus:
            return status();
        case dali::Op::QueryControlGear:
            return kYes;  // QUERY CONTROL GEAR: present and able to communicate
        case dali::Op::QueryLampFailure:
            return yesIf(lampFailure_);
        case dali::Op::QueryLampPowerOn:
            return yesIf(actualLevel_ > 0);
        case dali::Op::QueryLimitError:
            return yesIf(limitError_);
        case dali::Op::QueryResetState:
            return yesIf(resetState());
        case dali::Op::QueryMissingShortAddress:
            return yesIf(!shortAddress_);
        case dali::Op::QueryVersionNumber:
            return bank0_.versionNumber();
        case dali::Op::QueryContentDtr0:
            return dtr0_;
        case dali::Op::QueryDeviceType:
            if (deviceTypes_.size() > 1)
                listedDeviceTypes_ = 0;
            return deviceType();
        case dali::Op::QueryPhysicalMinimumLevel:
            return physicalMinLevel_;
        case dali::Op::QueryPowerFailure:
            return yesIf(powerFailure_);
        case dali::Op::QueryContentDtr1:
            return dtr1_;
        case dali::Op::QueryContentDtr2:
            return dtr2_;
        case dali::Op::QueryActualLevel:
            return actualLevel_;
        case dali::Op::QueryMaxLevel:
            return vars_.maxLevel;
        case dali::Op::QueryMinLevel:
            return vars_.minLevel;
        case dali::Op::QueryPowerOnLevel:
            return vars_.powerOnLevel;
        case dali::Op::QuerySystemFailureLevel:
            return vars_.systemFailureLevel;
        case dali::Op::QueryFadeTimeRate:
            return uint8_t(vars_.fadeTime << 4 | vars_.fadeRate);
        case dali::Op::QuerySceneLevel:
            return vars_.scenes[number];
        case dali::Op::QueryGroups0To7:
            return uint8_t(vars_.groups & 0xFF);
        case dali::Op::QueryGroups8To15:
            return uint8_t(vars_.groups >> 8);
        case dali::Op::QueryRandomAddressH:
            return uint8_t(vars_.randomAddress >> 16);
        case dali::Op::QueryRandomAddressM:
            return uint8_t(vars_.randomAddress >> 8);
        case dali::Op::QueryRandomAddressL:
            return uint8_t(vars_.randomAddress);
        case dali::Op::ReadMemoryLocation:
            return readMemoryLocation();
        default:
            return std::nullopt;
    }
}

// Bank in DTR1, location in DTR0. A read moves DTR0 on by one, answered or
// not (a location not implemented or past the bank's end answers nothing), so
// a reader can step over gaps; DTR0 stops at 0xFF. A bank the gear does not
// have ignores the command and leaves DTR0.
std::optional<uint8_t> ControlGear::readMemoryLocation() {
    if (dtr1_ != 0 && !banks_.has(dtr1_))
        return std::nullopt;
    const std::optional<uint8_t> value = dtr1_ == 0 ? bank0_.read(dtr0_) : banks_.read(dtr1_, dtr0_);
    if (dtr0_ < 0xFF)
        ++dtr0_;
    return value;
}

// Only while ENABLE WRITE MEMORY is in force; DTR0 moves on as a read does.
std::optional<uint8_t> ControlGear::writeMemoryLocation(uint8_t value) {
    if (!writeEnabled_ || !banks_.has(dtr1_))
        return std::nullopt;
    const std::optional<uint8_t> written = banks_.write(dtr1_, dtr0_, value);
    if (dtr0_ < 0xFF)
        ++dtr0_;
    return written;
}

bool ControlGear::resetState() const { return vars_ == resetValues(); }

ControlGear::ResetVariables ControlGear::resetValues() const {
    ResetVariables values;
    values.minLevel = physicalMinLevel_;
    return values;
}

// The short address, the DTRs and the initialisation state stay as they are.
void ControlGear::reset() {
    vars_ = resetValues();
    fade_.reset();
    actualLevel_ = kMaxLevelLimit;
    powerFailure_ = false;
    limitError_ = false;
}

}  // namespace sim
