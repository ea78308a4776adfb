#include "dali/dali_commands.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace dali {
namespace {

using S = CommandSpace;
constexpr bool twice = true, once = false, answers = true, silent = false;

// Rows are keyed by the named opcodes; the space follows from the name's type.
constexpr Command row(Op op, uint8_t count, std::string_view name, bool sentTwice, bool answer) {
    return {S::Standard, code(op), count, name, sentTwice, answer};
}
constexpr Command row(SpecialOp op, uint8_t count, std::string_view name, bool sentTwice, bool answer) {
    return {S::Special, code(op), count, name, sentTwice, answer};
}
constexpr Command row(Dt6Op op, uint8_t count, std::string_view name, bool sentTwice, bool answer) {
    return {S::DeviceType6, code(op), count, name, sentTwice, answer};
}
constexpr Command row(Dt1Op op, std::string_view name, bool sentTwice, bool answer) {
    return {S::DeviceType1, code(op), 1, name, sentTwice, answer};
}

constexpr Command row(Dt8Op op, uint8_t count, std::string_view name, bool sentTwice, bool answer) {
    return {S::DeviceType8, code(op), count, name, sentTwice, answer};
}

constexpr std::array kCommands{
    // Arc power and scenes
    row(Op::Off, 1, "OFF", once, silent),
    row(Op::Up, 1, "UP", once, silent),
    row(Op::Down, 1, "DOWN", once, silent),
    row(Op::StepUp, 1, "STEP UP", once, silent),
    row(Op::StepDown, 1, "STEP DOWN", once, silent),
    row(Op::RecallMaxLevel, 1, "RECALL MAX LEVEL", once, silent),
    row(Op::RecallMinLevel, 1, "RECALL MIN LEVEL", once, silent),
    row(Op::StepDownAndOff, 1, "STEP DOWN AND OFF", once, silent),
    row(Op::OnAndStepUp, 1, "ON AND STEP UP", once, silent),
    row(Op::GoToScene, 16, "GO TO SCENE", once, silent),
    // Configuration
    row(Op::Reset, 1, "RESET", twice, silent),
    row(Op::StoreActualLevelInDtr, 1, "STORE ACTUAL LEVEL IN THE DTR", twice, silent),
    row(Op::StoreDtrAsMaxLevel, 1, "STORE DTR AS MAX LEVEL", twice, silent),
    row(Op::StoreDtrAsMinLevel, 1, "STORE DTR AS MIN LEVEL", twice, silent),
    row(Op::StoreDtrAsSystemFailureLevel, 1, "STORE DTR AS SYSTEM FAILURE LEVEL", twice, silent),
    row(Op::StoreDtrAsPowerOnLevel, 1, "STORE DTR AS POWER ON LEVEL", twice, silent),
    row(Op::StoreDtrAsFadeTime, 1, "STORE DTR AS FADE TIME", twice, silent),
    row(Op::StoreDtrAsFadeRate, 1, "STORE DTR AS FADE RATE", twice, silent),
    row(Op::StoreDtrAsScene, 16, "STORE THE DTR AS SCENE", twice, silent),
    row(Op::RemoveFromScene, 16, "REMOVE FROM SCENE", twice, silent),
    row(Op::AddToGroup, 16, "ADD TO GROUP", twice, silent),
    row(Op::RemoveFromGroup, 16, "REMOVE FROM GROUP", twice, silent),
    row(Op::StoreDtrAsShortAddress, 1, "STORE DTR AS SHORT ADDRESS", twice, silent),
    row(Op::EnableWriteMemory, 1, "ENABLE WRITE MEMORY", twice, silent),
    // Queries
    row(Op::QueryStatus, 1, "QUERY STATUS", once, answers),
    row(Op::QueryControlGear, 1, "QUERY CONTROL GEAR", once, answers),
    row(Op::QueryLampFailure, 1, "QUERY LAMP FAILURE", once, answers),
    row(Op::QueryLampPowerOn, 1, "QUERY LAMP POWER ON", once, answers),
    row(Op::QueryLimitError, 1, "QUERY LIMIT ERROR", once, answers),
    row(Op::QueryResetState, 1, "QUERY RESET STATE", once, answers),
    row(Op::QueryMissingShortAddress, 1, "QUERY MISSING SHORT ADDRESS", once, answers),
    row(Op::QueryVersionNumber, 1, "QUERY VERSION NUMBER", once, answers),
    row(Op::QueryContentDtr0, 1, "QUERY CONTENT DTR", once, answers),
    row(Op::QueryDeviceType, 1, "QUERY DEVICE TYPE", once, answers),
    row(Op::QueryPhysicalMinimumLevel, 1, "QUERY PHYSICAL MINIMUM LEVEL", once, answers),
    row(Op::QueryPowerFailure, 1, "QUERY POWER FAILURE", once, answers),
    row(Op::QueryContentDtr1, 1, "QUERY CONTENT DTR1", once, answers),
    row(Op::QueryContentDtr2, 1, "QUERY CONTENT DTR2", once, answers),
    row(Op::QueryActualLevel, 1, "QUERY ACTUAL LEVEL", once, answers),
    row(Op::QueryMaxLevel, 1, "QUERY MAX LEVEL", once, answers),
    row(Op::QueryMinLevel, 1, "QUERY MIN LEVEL", once, answers),
    row(Op::QueryPowerOnLevel, 1, "QUERY POWER ON LEVEL", once, answers),
    row(Op::QuerySystemFailureLevel, 1, "QUERY SYSTEM FAILURE LEVEL", once, answers),
    row(Op::QueryFadeTimeRate, 1, "QUERY FADE TIME/FADE RATE", once, answers),
    row(Op::QueryNextDeviceType, 1, "QUERY NEXT DEVICE TYPE", once, answers),
    row(Op::QuerySceneLevel, 16, "QUERY SCENE LEVEL", once, answers),
    row(Op::QueryGroups0To7, 1, "QUERY GROUPS 0-7", once, answers),
    row(Op::QueryGroups8To15, 1, "QUERY GROUPS 8-15", once, answers),
    row(Op::QueryRandomAddressH, 1, "QUERY RANDOM ADDRESS (H)", once, answers),
    row(Op::QueryRandomAddressM, 1, "QUERY RANDOM ADDRESS (M)", once, answers),
    row(Op::QueryRandomAddressL, 1, "QUERY RANDOM ADDRESS (L)", once, answers),
    row(Op::ReadMemoryLocation, 1, "READ MEMORY LOCATION", once, answers),
    // Special commands
    row(SpecialOp::Terminate, 1, "TERMINATE", once, silent),
    row(SpecialOp::Dtr0, 1, "DTR0", once, silent),
    row(SpecialOp::Initialise, 1, "INITIALISE", twice, silent),
    row(SpecialOp::Randomise, 1, "RANDOMISE", twice, silent),
    row(SpecialOp::Compare, 1, "COMPARE", once, answers),
    row(SpecialOp::Withdraw, 1, "WITHDRAW", once, silent),
    row(SpecialOp::SearchAddrH, 1, "SEARCHADDRH", once, silent),
    row(SpecialOp::SearchAddrM, 1, "SEARCHADDRM", once, silent),
    row(SpecialOp::SearchAddrL, 1, "SEARCHADDRL", once, silent),
    row(SpecialOp::ProgramShortAddress, 1, "PROGRAM SHORT ADDRESS", once, silent),
    row(SpecialOp::VerifyShortAddress, 1, "VERIFY SHORT ADDRESS", once, answers),
    row(SpecialOp::QueryShortAddress, 1, "QUERY SHORT ADDRESS", once, answers),
    row(SpecialOp::PhysicalSelection, 1, "PHYSICAL SELECTION", once, silent),
    row(SpecialOp::EnableDeviceType, 1, "ENABLE DEVICE TYPE", once, silent),
    row(SpecialOp::Dtr1, 1, "DTR1", once, silent),
    row(SpecialOp::Dtr2, 1, "DTR2", once, silent),
    row(SpecialOp::WriteMemoryLocation, 1, "WRITE MEMORY LOCATION", once, answers),
    row(SpecialOp::WriteMemoryLocationNoReply, 1, "WRITE MEMORY LOCATION - NO REPLY", once, silent),
    // Device type 6 (LED modules), after ENABLE DEVICE TYPE 6
    row(Dt6Op::ReferenceSystemPower, 1, "REFERENCE SYSTEM POWER", twice, silent),
    row(Dt6Op::EnableCurrentProtector, 1, "ENABLE CURRENT PROTECTOR", twice, silent),
    row(Dt6Op::DisableCurrentProtector, 1, "DISABLE CURRENT PROTECTOR", twice, silent),
    row(Dt6Op::SelectDimmingCurve, 1, "SELECT DIMMING CURVE", twice, silent),
    row(Dt6Op::StoreDtrAsFastFadeTime, 1, "STORE DTR AS FAST FADE TIME", twice, silent),
    row(Dt6Op::QueryGearType, 1, "QUERY GEAR TYPE", once, answers),
    row(Dt6Op::QueryDimmingCurve, 1, "QUERY DIMMING CURVE", once, answers),
    row(Dt6Op::QueryPossibleOperatingModes, 1, "QUERY POSSIBLE OPERATING MODES", once, answers),
    row(Dt6Op::QueryFeatures, 1, "QUERY FEATURES", once, answers),
    row(Dt6Op::QueryFailureStatus, 1, "QUERY FAILURE STATUS", once, answers),
    row(Dt6Op::QueryShortCircuit, 1, "QUERY SHORT CIRCUIT", once, answers),
    row(Dt6Op::QueryOpenCircuit, 1, "QUERY OPEN CIRCUIT", once, answers),
    row(Dt6Op::QueryLoadDecrease, 1, "QUERY LOAD DECREASE", once, answers),
    row(Dt6Op::QueryLoadIncrease, 1, "QUERY LOAD INCREASE", once, answers),
    row(Dt6Op::QueryCurrentProtectorActive, 1, "QUERY CURRENT PROTECTOR ACTIVE", once, answers),
    row(Dt6Op::QueryThermalShutDown, 1, "QUERY THERMAL SHUT DOWN", once, answers),
    row(Dt6Op::QueryThermalOverload, 1, "QUERY THERMAL OVERLOAD", once, answers),
    row(Dt6Op::QueryReferenceRunning, 1, "QUERY REFERENCE RUNNING", once, answers),
    row(Dt6Op::QueryReferenceMeasurementFailed, 1, "QUERY REFERENCE MEASUREMENT FAILED", once, answers),
    row(Dt6Op::QueryCurrentProtectorEnabled, 1, "QUERY CURRENT PROTECTOR ENABLED", once, answers),
    row(Dt6Op::QueryOperatingMode, 1, "QUERY OPERATING MODE", once, answers),
    row(Dt6Op::QueryFastFadeTime, 1, "QUERY FAST FADE TIME", once, answers),
    row(Dt6Op::QueryMinFastFadeTime, 1, "QUERY MIN FAST FADE TIME", once, answers),
    row(Dt6Op::QueryExtendedVersionNumber, 1, "QUERY EXTENDED VERSION NUMBER", once, answers),
    // Device type 1 (emergency lighting), after ENABLE DEVICE TYPE 1
    row(Dt1Op::Rest, "REST", twice, silent),
    row(Dt1Op::Inhibit, "INHIBIT", twice, silent),
    row(Dt1Op::ReLightResetInhibit, "RE-LIGHT/RESET INHIBIT", twice, silent),
    row(Dt1Op::StartFunctionTest, "START FUNCTION TEST", twice, silent),
    row(Dt1Op::StartDurationTest, "START DURATION TEST", twice, silent),
    row(Dt1Op::StopTest, "STOP TEST", twice, silent),
    row(Dt1Op::ResetFunctionTestDoneFlag, "RESET FUNCTION TEST DONE FLAG", twice, silent),
    row(Dt1Op::ResetDurationTestDoneFlag, "RESET DURATION TEST DONE FLAG", twice, silent),
    row(Dt1Op::ResetLampTime, "RESET LAMP TIME", twice, silent),
    row(Dt1Op::StoreDtrAsEmergencyLevel, "STORE DTR AS EMERGENCY LEVEL", twice, silent),
    row(Dt1Op::StoreTestDelayTimeHighByte, "STORE TEST DELAY TIME HIGH BYTE", twice, silent),
    row(Dt1Op::StoreTestDelayTimeLowByte, "STORE TEST DELAY TIME LOW BYTE", twice, silent),
    row(Dt1Op::StoreFunctionTestInterval, "STORE FUNCTION TEST INTERVAL", twice, silent),
    row(Dt1Op::StoreDurationTestInterval, "STORE DURATION TEST INTERVAL", twice, silent),
    row(Dt1Op::StoreTestExecutionTimeout, "STORE TEST EXECUTION TIMEOUT", twice, silent),
    row(Dt1Op::StoreProlongTime, "STORE PROLONG TIME", twice, silent),
    row(Dt1Op::StartIdentification, "START IDENTIFICATION", twice, silent),
    row(Dt1Op::QueryBatteryCharge, "QUERY BATTERY CHARGE", once, answers),
    row(Dt1Op::QueryTestTiming, "QUERY TEST TIMING", once, answers),
    row(Dt1Op::QueryDurationTestResult, "QUERY DURATION TEST RESULT", once, answers),
    row(Dt1Op::QueryLampEmergencyTime, "QUERY LAMP EMERGENCY TIME", once, answers),
    row(Dt1Op::QueryLampTotalOperationTime, "QUERY LAMP TOTAL OPERATION TIME", once, answers),
    row(Dt1Op::QueryEmergencyLevel, "QUERY EMERGENCY LEVEL", once, answers),
    row(Dt1Op::QueryEmergencyMinLevel, "QUERY EMERGENCY MIN LEVEL", once, answers),
    row(Dt1Op::QueryEmergencyMaxLevel, "QUERY EMERGENCY MAX LEVEL", once, answers),
    row(Dt1Op::QueryRatedDuration, "QUERY RATED DURATION", once, answers),
    row(Dt1Op::QueryEmergencyMode, "QUERY EMERGENCY MODE", once, answers),
    row(Dt1Op::QueryFeatures, "QUERY FEATURES", once, answers),
    row(Dt1Op::QueryFailureStatus, "QUERY FAILURE STATUS", once, answers),
    row(Dt1Op::QueryEmergencyStatus, "QUERY EMERGENCY STATUS", once, answers),
    row(Dt1Op::PerformDtrSelectedFunction, "PERFORM DTR SELECTED FUNCTION", twice, silent),
    row(Dt1Op::QueryExtendedVersionNumber, "QUERY EXTENDED VERSION NUMBER", once, answers),
    // Device type 8 (colour control), after ENABLE DEVICE TYPE 8
    row(Dt8Op::SetTemporaryXCoordinate, 1, "SET TEMPORARY X-COORDINATE", once, silent),
    row(Dt8Op::SetTemporaryYCoordinate, 1, "SET TEMPORARY Y-COORDINATE", once, silent),
    row(Dt8Op::Activate, 1, "ACTIVATE", once, silent),
    row(Dt8Op::XCoordinateStepUp, 1, "X-COORDINATE STEP-UP", once, silent),
    row(Dt8Op::XCoordinateStepDown, 1, "X-COORDINATE STEP-DOWN", once, silent),
    row(Dt8Op::YCoordinateStepUp, 1, "Y-COORDINATE STEP-UP", once, silent),
    row(Dt8Op::YCoordinateStepDown, 1, "Y-COORDINATE STEP-DOWN", once, silent),
    row(Dt8Op::SetTemporaryColourTemperature, 1, "SET TEMPORARY COLOUR TEMPERATURE Tc", once, silent),
    row(Dt8Op::ColourTemperatureStepCooler, 1, "COLOUR TEMPERATURE Tc STEP-COOLER", once, silent),
    row(Dt8Op::ColourTemperatureStepWarmer, 1, "COLOUR TEMPERATURE Tc STEP-WARMER", once, silent),
    row(Dt8Op::SetTemporaryPrimaryDimLevel, 1, "SET TEMPORARY PRIMARY N DIMLEVEL", once, silent),
    row(Dt8Op::SetTemporaryRgbDimLevel, 1, "SET TEMPORARY RGB DIMLEVEL", once, silent),
    row(Dt8Op::SetTemporaryWafDimLevel, 1, "SET TEMPORARY WAF DIMLEVEL", once, silent),
    row(Dt8Op::SetTemporaryRgbwafControl, 1, "SET TEMPORARY RGBWAF CONTROL", once, silent),
    row(Dt8Op::CopyReportToTemporary, 1, "COPY REPORT TO TEMPORARY", once, silent),
    row(Dt8Op::StoreTyPrimary, 1, "STORE TY PRIMARY N", twice, silent),
    row(Dt8Op::StoreXyCoordinatePrimary, 1, "STORE XY-COORDINATE PRIMARY N", twice, silent),
    row(Dt8Op::StoreColourTemperatureLimit, 1, "STORE COLOUR TEMPERATURE Tc LIMIT", twice, silent),
    row(Dt8Op::StoreGearFeaturesStatus, 1, "STORE GEAR FEATURES/STATUS", twice, silent),
    row(Dt8Op::AssignColourToLinkedChannel, 1, "ASSIGN COLOUR TO LINKED CHANNEL", twice, silent),
    row(Dt8Op::StartAutoCalibration, 1, "START AUTO CALIBRATION", twice, silent),
    row(Dt8Op::QueryGearFeaturesStatus, 1, "QUERY GEAR FEATURES/STATUS", once, answers),
    row(Dt8Op::QueryColourStatus, 1, "QUERY COLOUR STATUS", once, answers),
    row(Dt8Op::QueryColourTypeFeatures, 1, "QUERY COLOUR TYPE FEATURES", once, answers),
    row(Dt8Op::QueryColourValue, 1, "QUERY COLOUR VALUE", once, answers),
    row(Dt8Op::QueryRgbwafControl, 1, "QUERY RGBWAF CONTROL", once, answers),
    row(Dt8Op::QueryAssignedColour, 1, "QUERY ASSIGNED COLOUR", once, answers),
    row(Dt8Op::QueryExtendedVersionNumber, 1, "QUERY EXTENDED VERSION NUMBER", once, answers),
};

std::string hexByte(uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

const Command* findCommand(CommandSpace space, uint8_t code) {
    auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) {
        return c.space == space && code >= c.code && code < c.code + c.count;
    });
    return it == kCommands.end() ? nullptr : &*it;
}

std::optional<CommandSpace> deviceTypeSpace(int deviceType) {
    switch (deviceType) {
        case kDeviceTypeEmergency:
            return CommandSpace::DeviceType1;
        case kDeviceTypeLedModule:
            return CommandSpace::DeviceType6;
        case kDeviceTypeColour:
            return CommandSpace::DeviceType8;
        default:
            return std::nullopt;
    }
}

FrameMeaning decodeForwardFrame(uint8_t first, uint8_t second, int enabledDeviceType) {
    FrameMeaning meaning;
    if (isSpecialCommand(first)) {
        meaning.command = findCommand(CommandSpace::Special, first);
        return meaning;
    }
    if ((first & 1) == 0) {
        meaning.directArcPower = true;
        return meaning;
    }
    // Another device type's extended command is unknown here, not a standard one.
    const std::optional<CommandSpace> extended = deviceTypeSpace(enabledDeviceType);
    const auto space = (enabledDeviceType >= 0 && second >= 0xE0) ? extended : CommandSpace::Standard;
    if (!space)
        return meaning;
    meaning.command = findCommand(*space, second);
    if (meaning.command && meaning.command->count > 1)
        meaning.number = second - meaning.command->code;
    return meaning;
}

std::string frameName(uint8_t first, uint8_t second, int enabledDeviceType) {
    const FrameMeaning meaning = decodeForwardFrame(first, second, enabledDeviceType);
    if (meaning.directArcPower)
        return "DAPC " + std::to_string(second);
    if (!meaning.command)
        return "UNKNOWN " + hexByte(first) + " " + hexByte(second);
    std::string name(meaning.command->name);
    if (meaning.number >= 0)
        name += " " + std::to_string(meaning.number);
    if (const std::optional<std::string> address = addressData(first, second))
        name += " " + *address;
    else if (meaning.command->space == CommandSpace::Special && specialCommandCarriesData(first))
        name += " " + hexByte(second);
    return name;
}

bool specialCommandCarriesData(uint8_t first) {
    constexpr std::array<uint8_t, 6> kWithoutData{0xA1, 0xA7, 0xA9, 0xAB, 0xBB, 0xBD};
    return isSpecialCommand(first) && std::find(kWithoutData.begin(), kWithoutData.end(), first) == kWithoutData.end();
}

std::optional<std::string> addressData(uint8_t first, uint8_t second) {
    const bool initialise = first == code(SpecialOp::Initialise);
    if (!initialise && first != code(SpecialOp::ProgramShortAddress) && first != code(SpecialOp::VerifyShortAddress))
        return std::nullopt;
    if (initialise && second == 0x00)
        return "all";
    if (second == 0xFF)
        return initialise ? "unaddressed" : "none";
    if ((second & 0x81) == 0x01)
        return std::to_string(second >> 1);
    return std::nullopt;
}

std::string frameTarget(uint8_t first) {
    if (isSpecialCommand(first))
        return {};
    if (first >= 0xFE)
        return "all";
    if (isBroadcastUnaddressed(first))
        return "unaddressed";
    if (isReservedAddress(first))
        return "reserved";
    if (first & 0x80)
        return "group " + std::to_string((first >> 1) & 0x0F);
    return "short " + std::to_string(first >> 1);
}

}  // namespace dali
