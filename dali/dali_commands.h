#pragma once
// The DALI command set that Kelvane sends, decodes and simulates
// (IEC 62386-102 control gear commands, IEC 62386-202 device type 1,
// IEC 62386-207 device type 6, IEC 62386-209 device type 8).
// One table, read by the link layer, the simulator, the bus monitor and tests.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dali {

// Address bytes of forward frames.
constexpr uint8_t kBroadcast = 0xFF;                 // command to all gear
constexpr uint8_t kBroadcastArc = 0xFE;              // direct arc power to all gear
constexpr uint8_t commandAddress(int shortAddress) { return uint8_t(((shortAddress & 0x3F) << 1) | 1); }
constexpr uint8_t arcAddress(int shortAddress) { return uint8_t((shortAddress & 0x3F) << 1); }
constexpr uint8_t groupCommandAddress(int group) { return uint8_t(0x80 | ((group & 0x0F) << 1) | 1); }

// MASK: the "no value" of a level, a scene or a short address; what a gear
// without a short address holds and answers to QUERY SHORT ADDRESS.
constexpr uint8_t kMask = 0xFF;

// QUERY DEVICE TYPE answers of the device types Kelvane knows.
constexpr uint8_t kDeviceTypeEmergency = 1;  // IEC 62386-202, self-contained emergency lighting
constexpr uint8_t kDeviceTypeLedModule = 6;  // IEC 62386-207
constexpr uint8_t kDeviceTypeColour = 8;     // IEC 62386-209
// QUERY DEVICE TYPE answers MASK for a gear of several device types; QUERY
// NEXT DEVICE TYPE then lists them, lowest first, and ends with this.
constexpr uint8_t kDeviceTypeListEnd = 0xFE;

// Special commands occupy the odd first bytes 0xA1..0xCB; their second byte is data.
constexpr bool isSpecialCommand(uint8_t first) { return first >= 0xA1 && first <= 0xCB && (first & 1); }

// Opcodes of addressed commands (the second byte); a family names its first code.
enum class Op : uint8_t {
    Off = 0x00,
    Up = 0x01,
    Down = 0x02,
    StepUp = 0x03,
    StepDown = 0x04,
    RecallMaxLevel = 0x05,
    RecallMinLevel = 0x06,
    StepDownAndOff = 0x07,
    OnAndStepUp = 0x08,
    GoToScene = 0x10,
    Reset = 0x20,
    StoreActualLevelInDtr = 0x21,
    StoreDtrAsMaxLevel = 0x2A,
    StoreDtrAsMinLevel = 0x2B,
    StoreDtrAsSystemFailureLevel = 0x2C,
    StoreDtrAsPowerOnLevel = 0x2D,
    StoreDtrAsFadeTime = 0x2E,
    StoreDtrAsFadeRate = 0x2F,
    StoreDtrAsScene = 0x40,
    RemoveFromScene = 0x50,
    AddToGroup = 0x60,
    RemoveFromGroup = 0x70,
    StoreDtrAsShortAddress = 0x80,
    EnableWriteMemory = 0x81,
    QueryStatus = 0x90,
    QueryControlGear = 0x91,
    QueryLampFailure = 0x92,
    QueryLampPowerOn = 0x93,
    QueryLimitError = 0x94,
    QueryResetState = 0x95,
    QueryMissingShortAddress = 0x96,
    QueryVersionNumber = 0x97,
    QueryContentDtr0 = 0x98,
    QueryDeviceType = 0x99,
    QueryPhysicalMinimumLevel = 0x9A,
    QueryPowerFailure = 0x9B,
    QueryContentDtr1 = 0x9C,
    QueryContentDtr2 = 0x9D,
    QueryActualLevel = 0xA0,
    QueryMaxLevel = 0xA1,
    QueryMinLevel = 0xA2,
    QueryPowerOnLevel = 0xA3,
    QuerySystemFailureLevel = 0xA4,
    QueryFadeTimeRate = 0xA5,
    QueryNextDeviceType = 0xA7,
    QuerySceneLevel = 0xB0,
    QueryGroups0To7 = 0xC0,
    QueryGroups8To15 = 0xC1,
    QueryRandomAddressH = 0xC2,
    QueryRandomAddressM = 0xC3,
    QueryRandomAddressL = 0xC4,
    ReadMemoryLocation = 0xC5,
};

// Special commands: the first byte of the frame.
enum class SpecialOp : uint8_t {
    Terminate = 0xA1,
    Dtr0 = 0xA3,
    Initialise = 0xA5,
    Randomise = 0xA7,
    Compare = 0xA9,
    Withdraw = 0xAB,
    SearchAddrH = 0xB1,
    SearchAddrM = 0xB3,
    SearchAddrL = 0xB5,
    ProgramShortAddress = 0xB7,
    VerifyShortAddress = 0xB9,
    QueryShortAddress = 0xBB,
    PhysicalSelection = 0xBD,
    EnableDeviceType = 0xC1,
    Dtr1 = 0xC3,
    Dtr2 = 0xC5,
    WriteMemoryLocation = 0xC7,
    WriteMemoryLocationNoReply = 0xC9,
};

// Application extended commands of device type 6 (LED modules), after ENABLE DEVICE TYPE 6.
enum class Dt6Op : uint8_t {
    ReferenceSystemPower = 0xE0,
    EnableCurrentProtector = 0xE1,
    DisableCurrentProtector = 0xE2,
    SelectDimmingCurve = 0xE3,
    StoreDtrAsFastFadeTime = 0xE4,
    QueryGearType = 0xED,
    QueryDimmingCurve = 0xEE,
    QueryPossibleOperatingModes = 0xEF,
    QueryFeatures = 0xF0,
    QueryFailureStatus = 0xF1,
    QueryShortCircuit = 0xF2,
    QueryOpenCircuit = 0xF3,
    QueryLoadDecrease = 0xF4,
    QueryLoadIncrease = 0xF5,
    QueryCurrentProtectorActive = 0xF6,
    QueryThermalShutDown = 0xF7,
    QueryThermalOverload = 0xF8,
    QueryReferenceRunning = 0xF9,
    QueryReferenceMeasurementFailed = 0xFA,
    QueryCurrentProtectorEnabled = 0xFB,
    QueryOperatingMode = 0xFC,
    QueryFastFadeTime = 0xFD,
    QueryMinFastFadeTime = 0xFE,
    QueryExtendedVersionNumber = 0xFF,
};

// Application extended commands of device type 1 (self-contained emergency
// lighting), after ENABLE DEVICE TYPE 1. The control and configuration
// commands (0xE0..0xF0) act only when repeated; the queries are sent once.
enum class Dt1Op : uint8_t {
    Rest = 0xE0,
    Inhibit = 0xE1,
    ReLightResetInhibit = 0xE2,
    StartFunctionTest = 0xE3,
    StartDurationTest = 0xE4,
    StopTest = 0xE5,
    ResetFunctionTestDoneFlag = 0xE6,
    ResetDurationTestDoneFlag = 0xE7,
    ResetLampTime = 0xE8,
    StoreDtrAsEmergencyLevel = 0xE9,
    StoreTestDelayTimeHighByte = 0xEA,
    StoreTestDelayTimeLowByte = 0xEB,
    StoreFunctionTestInterval = 0xEC,
    StoreDurationTestInterval = 0xED,
    StoreTestExecutionTimeout = 0xEE,
    StoreProlongTime = 0xEF,
    StartIdentification = 0xF0,
    QueryBatteryCharge = 0xF1,
    QueryTestTiming = 0xF2,
    QueryDurationTestResult = 0xF3,
    QueryLampEmergencyTime = 0xF4,
    QueryLampTotalOperationTime = 0xF5,
    QueryEmergencyLevel = 0xF6,
    QueryEmergencyMinLevel = 0xF7,
    QueryEmergencyMaxLevel = 0xF8,
    QueryRatedDuration = 0xF9,
    QueryEmergencyMode = 0xFA,
    QueryFeatures = 0xFB,
    QueryFailureStatus = 0xFC,
    QueryEmergencyStatus = 0xFD,
    PerformDtrSelectedFunction = 0xFE,  // another master's; named so the monitor pairs its copies
    QueryExtendedVersionNumber = 0xFF,
};

// What DTR0 selects for QUERY TEST TIMING. The high byte's query leaves the
// low byte in DTR1, so a 16-bit time reads in one piece.
enum class Dt1TestTiming : uint8_t {
    NextFunctionTestHigh = 0,  // quarter hours until the next function test
    NextFunctionTestLow = 1,
    NextDurationTestHigh = 2,  // quarter hours until the next duration test
    NextDurationTestLow = 3,
    FunctionTestInterval = 4,  // days, 0: no automatic function test
    DurationTestInterval = 5,  // weeks, 0: no automatic duration test
    TestExecutionTimeout = 6,  // days, 0: 15 minutes
    ProlongTime = 7,           // 30 s steps
};

// Bits of the emergency answers.
namespace dt1_mode {  // QUERY EMERGENCY MODE
constexpr uint8_t kRest = 0x01, kNormal = 0x02, kEmergency = 0x04, kExtendedEmergency = 0x08,
                  kFunctionTestRunning = 0x10, kDurationTestRunning = 0x20, kHardwiredInhibit = 0x40,
                  kHardwiredSwitchOn = 0x80;
}
namespace dt1_features {  // QUERY FEATURES
constexpr uint8_t kIntegral = 0x01, kMaintained = 0x02, kSwitchedMaintained = 0x04, kAutoTest = 0x08,
                  kAdjustableLevel = 0x10, kHardwiredInhibit = 0x20, kPhysicalSelection = 0x40,
                  kRelightInRest = 0x80;
}
namespace dt1_failure {  // QUERY FAILURE STATUS
constexpr uint8_t kCircuit = 0x01, kBatteryDuration = 0x02, kBattery = 0x04, kLamp = 0x08,
                  kFunctionTestDelayExceeded = 0x10, kDurationTestDelayExceeded = 0x20, kFunctionTestFailed = 0x40,
                  kDurationTestFailed = 0x80;
}
namespace dt1_status {  // QUERY EMERGENCY STATUS
constexpr uint8_t kInhibit = 0x01, kFunctionTestDone = 0x02, kDurationTestDone = 0x04, kBatteryFull = 0x08,
                  kFunctionTestPending = 0x10, kDurationTestPending = 0x20, kIdentification = 0x40,
                  kPhysicallySelected = 0x80;
}
// Application extended commands of device type 8 (colour control), after ENABLE DEVICE TYPE 8.
enum class Dt8Op : uint8_t {
    SetTemporaryXCoordinate = 0xE0,
    SetTemporaryYCoordinate = 0xE1,
    Activate = 0xE2,
    XCoordinateStepUp = 0xE3,
    XCoordinateStepDown = 0xE4,
    YCoordinateStepUp = 0xE5,
    YCoordinateStepDown = 0xE6,
    SetTemporaryColourTemperature = 0xE7,
    ColourTemperatureStepCooler = 0xE8,
    ColourTemperatureStepWarmer = 0xE9,
    SetTemporaryPrimaryDimLevel = 0xEA,
    SetTemporaryRgbDimLevel = 0xEB,
    SetTemporaryWafDimLevel = 0xEC,
    SetTemporaryRgbwafControl = 0xED,
    CopyReportToTemporary = 0xEE,
    StoreTyPrimary = 0xF0,
    StoreXyCoordinatePrimary = 0xF1,
    StoreColourTemperatureLimit = 0xF2,
    StoreGearFeaturesStatus = 0xF3,
    AssignColourToLinkedChannel = 0xF5,
    StartAutoCalibration = 0xF6,
    QueryGearFeaturesStatus = 0xF7,
    QueryColourStatus = 0xF8,
    QueryColourTypeFeatures = 0xF9,
    QueryColourValue = 0xFA,
    QueryRgbwafControl = 0xFB,
    QueryAssignedColour = 0xFC,
    QueryExtendedVersionNumber = 0xFF,
};

// DTR2 of STORE COLOUR TEMPERATURE Tc LIMIT: which limit DTR1:DTR0 sets.
enum class ColourTemperatureLimit : uint8_t { Coolest = 0, Warmest = 1, PhysicalCoolest = 2, PhysicalWarmest = 3 };

// DTR0 of QUERY COLOUR VALUE: the value asked for. A 16-bit value answers its
// high byte and leaves the low byte in DTR0 (QUERY CONTENT DTR0).
enum class ColourValue : uint8_t {
    XCoordinate = 0,
    YCoordinate = 1,
    ColourTemperature = 2,
    RedDimLevel = 9,  // 9..14: red, green, blue, white, amber, freecolour
    RgbwafControl = 15,
    ColourTemperatureCoolest = 128,
    ColourTemperaturePhysicalCoolest = 129,
    ColourTemperatureWarmest = 130,
    ColourTemperaturePhysicalWarmest = 131,
    TemporaryColourTemperature = 194,
    TemporaryRedDimLevel = 201,  // 201..206
    TemporaryColourType = 208,
    ReportColourTemperature = 226,
    ReportRedDimLevel = 233,  // 233..238
    ReportColourType = 240,
};
constexpr uint8_t code(ColourValue value) { return uint8_t(value); }
constexpr uint8_t code(ColourTemperatureLimit limit) { return uint8_t(limit); }
// The colour value of RGBWAF channel `channel` (0 red .. 5 freecolour) counted from `first`.
constexpr uint8_t code(ColourValue first, int channel) { return uint8_t(uint8_t(first) + (channel % 6)); }

// QUERY COLOUR TYPE FEATURES: bit 0 xy, bit 1 Tc, the number of primaries in
// bits 2..4, of RGBWAF channels in bits 5..7.
constexpr uint8_t kColourFeatureXy = 0x01;
constexpr uint8_t kColourFeatureTc = 0x02;
constexpr int primaryCount(uint8_t features) { return (features >> 2) & 0x07; }
constexpr int rgbwafChannelCount(uint8_t features) { return (features >> 5) & 0x07; }
// Colour types, as QUERY COLOUR STATUS bits 4..7 and the colour type values
// of QUERY COLOUR VALUE give them.
constexpr uint8_t kColourTypeXy = 0x10;
constexpr uint8_t kColourTypeTc = 0x20;
constexpr uint8_t kColourTypePrimaryN = 0x40;
constexpr uint8_t kColourTypeRgbwaf = 0x80;
// QUERY COLOUR STATUS bit 1: the last colour temperature asked for lay beyond a limit.
constexpr uint8_t kColourStatusTcOutOfRange = 0x02;
// The 16-bit MASK: a colour value the gear has not got or is not to change.
constexpr uint16_t kMask16 = 0xFFFF;
constexpr int kRgbwafChannels = 6;  // red, green, blue, white, amber, freecolour

// The bytes of the named opcodes.
constexpr uint8_t code(Op op) { return uint8_t(op); }
constexpr uint8_t code(SpecialOp op) { return uint8_t(op); }
constexpr uint8_t code(Dt6Op op) { return uint8_t(op); }
constexpr uint8_t code(Dt1Op op) { return uint8_t(op); }
constexpr uint8_t code(Dt1TestTiming selector) { return uint8_t(selector); }
constexpr uint8_t code(Dt8Op op) { return uint8_t(op); }
// The opcode of member `n` of a numbered family: code(Op::GoToScene, 3) is GO TO SCENE 3.
constexpr uint8_t code(Op family, int n) { return uint8_t(uint8_t(family) + (n & 0x0F)); }

enum class CommandSpace : uint8_t {
    Standard,     // second byte of an addressed command frame
    Special,      // first byte of a special command frame
    DeviceType6,  // application extended command after ENABLE DEVICE TYPE 6
    DeviceType1,  // application extended command after ENABLE DEVICE TYPE 1
    DeviceType8,  // application extended command after ENABLE DEVICE TYPE 8
};

struct Command {
    CommandSpace space;
    uint8_t code;           // opcode, or first byte of a special command
    uint8_t count;          // 16 for numbered families (code .. code + 15), else 1
    std::string_view name;  // family names get the number appended: "GO TO SCENE 3"
    bool sentTwice;         // configuration command: takes effect only when repeated
    bool answers;           // gear send a backward frame
};

// Every command the table knows, in table order.
std::span<const Command> commandTable();

// The command of a space with this code, or nullptr.
const Command* findCommand(CommandSpace space, uint8_t code);

// True for the special commands whose second byte is data (DTR0 x, SEARCHADDRH x, ...).
bool specialCommandCarriesData(uint8_t first);

// A decoded forward frame.
struct FrameMeaning {
    const Command* command = nullptr;  // nullptr for direct arc power and unknown frames
    int number = -1;                   // scene or group number of a family, else -1
    bool directArcPower = false;       // first byte has bit 0 clear: second byte is a level
};

// The application extended command space of a device type, if the table has one.
std::optional<CommandSpace> deviceTypeSpace(int deviceType);

// Decodes a 16-bit forward frame. enabledDeviceType (the frame after ENABLE
// DEVICE TYPE n, else -1) selects the application extended command space of
// that device type for opcodes 0xE0..0xFF.
FrameMeaning decodeForwardFrame(uint8_t first, uint8_t second, int enabledDeviceType = -1);
// No flag any more: a bool would silently mean device type 1.
FrameMeaning decodeForwardFrame(uint8_t first, uint8_t second, bool) = delete;

// The standard name of a decoded frame with its number and data, for monitors
// and capture comments: "QUERY STATUS", "GO TO SCENE 3", "DTR0 0x7F", "DAPC 254".
std::string frameName(uint8_t first, uint8_t second, int enabledDeviceType = -1);
std::string frameName(uint8_t first, uint8_t second, bool) = delete;

// "short 5", "group 2", "all", "unaddressed" (broadcast to gear without a
// short address), "reserved", or "" for special commands.
std::string frameTarget(uint8_t first);

// First bytes 0xFC (arc power) and 0xFD (command): gear without a short address.
constexpr bool isBroadcastUnaddressed(uint8_t first) { return first == 0xFC || first == 0xFD; }
// First bytes that address no gear: 0xA0..0xFB outside the special commands.
constexpr bool isReservedAddress(uint8_t first) { return first >= 0xA0 && first <= 0xFB && !isSpecialCommand(first); }

// The data of a special command that carries an address, as the address it
// means: INITIALISE "all", "unaddressed" or "5"; PROGRAM and VERIFY SHORT
// ADDRESS "5" or "none"; anything else (not an address byte) as nothing.
std::optional<std::string> addressData(uint8_t first, uint8_t second);

}  // namespace dali
