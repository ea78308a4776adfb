// Control gear: addressing, the initialisation state and physical selection.

#include "sim/control_gear.h"

#include "dali/dali_commands.h"
#include "sim/control_gear_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sim {

using namespace gear_values;

bool ControlGear::addressedBy(uint8_t first) const {
    if (first == dali::kBroadcast || first == dali::kBroadcastArc)
        return true;
    if (dali::isBroadcastUnaddressed(first))
        return !shortAddress_ && bank0_.versionNumber() >= MemoryBank0::kFirstDali2Version;
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

std::optional<uint8_t> ControlGear::special(uint64_t endUs, dali::SpecialOp op, uint8_t data) {
    switch (op) {
        case dali::SpecialOp::Terminate:
            leaveInitialisation();
            return std::nullopt;
        case dali::SpecialOp::Dtr0:
            dtr0_ = data;
            return std::nullopt;
        case dali::SpecialOp::Dtr1:
            dtr1_ = data;
            return std::nullopt;
        case dali::SpecialOp::Dtr2:
            dtr2_ = data;
            return std::nullopt;
        case dali::SpecialOp::EnableDeviceType:  // the decoder carries it to the next frame
            return std::nullopt;
        case dali::SpecialOp::Initialise:
            if (initialiseSelects(data))
                initialise(endUs);
            return std::nullopt;
        case dali::SpecialOp::WriteMemoryLocation:
            return writeMemoryLocation(data);
        case dali::SpecialOp::WriteMemoryLocationNoReply:
            writeMemoryLocation(data);
            return std::nullopt;
        default:
            if (!initialisationEndsUs_)
                return std::nullopt;
            return addressingSpecial(op, data);
    }
}

// Special commands that act only in the initialisation state.
std::optional<uint8_t> ControlGear::addressingSpecial(dali::SpecialOp op, uint8_t data) {
    switch (op) {
        case dali::SpecialOp::Randomise:  // 24 bits, the preset draws first, then from the seeded generator
            if (randomDraws_.empty()) {
                vars_.randomAddress = uint32_t(random_() >> 40);
            } else {
                vars_.randomAddress = randomDraws_.front() & 0xFFFFFF;
                randomDraws_.erase(randomDraws_.begin());
            }
            break;
        case dali::SpecialOp::Compare:
            return yesIf(!physicalSelectionMode_ && !withdrawn_ && vars_.randomAddress <= vars_.searchAddress);
        case dali::SpecialOp::Withdraw:
            if (chosenForAddressing())
                withdrawn_ = true;
            break;
        case dali::SpecialOp::SearchAddrH:
            vars_.searchAddress = (vars_.searchAddress & 0x00FFFF) | uint32_t(data) << 16;
            break;
        case dali::SpecialOp::SearchAddrM:
            vars_.searchAddress = (vars_.searchAddress & 0xFF00FF) | uint32_t(data) << 8;
            break;
        case dali::SpecialOp::SearchAddrL:
            vars_.searchAddress = (vars_.searchAddress & 0xFFFF00) | data;
            break;
        case dali::SpecialOp::ProgramShortAddress:
            if (chosenForAddressing() && data == kMask)
                shortAddress_.reset();
            else if (chosenForAddressing() && isAddressByte(data))
                shortAddress_ = uint8_t(data >> 1);
            break;
        case dali::SpecialOp::VerifyShortAddress:
            return yesIf(shortAddress_ && data == addressByte());
        case dali::SpecialOp::QueryShortAddress:
            if (chosenForAddressing())
                return addressByte();
            break;
        case dali::SpecialOp::PhysicalSelection:  // compare off, wait for a key press
            physicalSelectionMode_ = true;
            physicallySelected_ = false;
            break;
        default:
            break;
    }
    return std::nullopt;
}

void ControlGear::pressPhysicalSelectionKey() {
    if (physicalSelectionMode_ && !faults_.noSelectionKey)
        physicallySelected_ = true;
}

bool ControlGear::isInitialising(uint64_t nowUs) const {
    return initialisationEndsUs_ && nowUs <= *initialisationEndsUs_;
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

}  // namespace sim
