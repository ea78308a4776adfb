#include "sim/emergency_unit.h"

#include "dali/dali_commands.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

using dali::Dt1Op;
namespace mode = dali::dt1_mode;
namespace failure = dali::dt1_failure;
namespace status = dali::dt1_status;

constexpr uint64_t kSecondUs = 1'000'000;
constexpr uint64_t kMinuteUs = 60 * kSecondUs;
constexpr uint64_t kQuarterHourUs = 15 * kMinuteUs;
constexpr uint64_t kHourUs = 60 * kMinuteUs;
constexpr uint64_t kDayUs = 24 * kHourUs;
constexpr uint64_t kInhibitUs = 15 * kMinuteUs;
constexpr uint64_t kIdentificationUs = 10 * kSecondUs;
constexpr uint64_t kDurationStepUs = 2 * kMinuteUs;  // rated duration and duration test result
constexpr uint8_t kMaxDurationTestInterval = 97;     // weeks
constexpr uint8_t kMask = 0xFF;

uint8_t saturated(uint64_t value) { return uint8_t(std::min<uint64_t>(value, 255)); }

}  // namespace

EmergencyUnit::EmergencyUnit(const EmergencyConfig& config)
    : config_(config), charge_(std::min<uint8_t>(config.batteryCharge, 254) / 254.0) {
    config_.emergencyStatus &= status::kFunctionTestDone | status::kDurationTestDone;
    config_.emergencyMinLevel = std::max<uint8_t>(config_.emergencyMinLevel, 1);
    config_.emergencyMaxLevel = std::clamp<uint8_t>(config_.emergencyMaxLevel, config_.emergencyMinLevel, 254);
}

uint64_t EmergencyUnit::ratedUs() const { return config_.ratedDuration * kDurationStepUs; }

uint64_t EmergencyUnit::batteryCapacityUs() const {
    // A good battery outlasts its rating by a quarter.
    const uint64_t capacity = config_.batteryMinutes ? *config_.batteryMinutes * kMinuteUs : ratedUs() * 5 / 4;
    return std::max<uint64_t>(capacity, kSecondUs);
}

void EmergencyUnit::runFor(uint64_t us) {
    charge_ = std::max(0.0, charge_ - double(us) / double(batteryCapacityUs()));
    lampEmergencyUs_ += us;
    lampOperationUs_ += us;
}

void EmergencyUnit::chargeFor(uint64_t us) {
    const uint64_t rechargeUs = uint64_t(config_.rechargeMinutes) * kMinuteUs;
    charge_ = rechargeUs == 0 ? 1.0 : std::min(1.0, charge_ + double(us) / double(rechargeUs));
}

void EmergencyUnit::advance(uint64_t nowUs) {
    while (lastUs_ < nowUs) {
        if (running_ != Test::None) {
            uint64_t endUs = running_ == Test::Function
                                 ? runningSinceUs_ + uint64_t(config_.functionTestSeconds) * kSecondUs
                                 : runningSinceUs_ + ratedUs();
            if (running_ == Test::Duration) {  // or the battery runs empty before
                const auto emptyInUs = uint64_t(std::ceil(charge_ * double(batteryCapacityUs())));
                endUs = std::min(endUs, lastUs_ + emptyInUs);
            }
            if (endUs > nowUs) {
                runFor(nowUs - lastUs_);
                lastUs_ = nowUs;
                break;
            }
            runFor(endUs - lastUs_);
            lastUs_ = endUs;
            endTest(endUs);
            continue;
        }
        if (functionPending_) {
            startTest(Test::Function, lastUs_);
            continue;
        }
        if (durationPending_) {  // waits for a full battery; a failed one fails at once
            const uint64_t rechargeUs = uint64_t(config_.rechargeMinutes) * kMinuteUs;
            const auto fullInUs = uint64_t(std::ceil((1.0 - charge_) * double(rechargeUs)));
            if (config_.batteryFailure || lastUs_ + fullInUs <= nowUs) {
                if (!config_.batteryFailure)
                    chargeFor(fullInUs);
                lastUs_ += config_.batteryFailure ? 0 : fullInUs;
                charge_ = config_.batteryFailure ? charge_ : 1.0;
                startTest(Test::Duration, lastUs_);
                continue;
            }
        }
        chargeFor(nowUs - lastUs_);
        lastUs_ = nowUs;
    }
    if (inhibitEndsUs_ && *inhibitEndsUs_ <= nowUs)
        inhibitEndsUs_.reset();
    if (identificationEndsUs_ && *identificationEndsUs_ <= nowUs)
        identificationEndsUs_.reset();
    checkPendingTimeout(nowUs);
}

// A test that waited past the test execution timeout is flagged; it stays pending.
void EmergencyUnit::checkPendingTimeout(uint64_t nowUs) {
    const uint64_t timeoutUs = config_.testExecutionTimeout == 0 ? kInhibitUs : config_.testExecutionTimeout * kDayUs;
    if (functionPending_ && running_ != Test::Function && nowUs - functionPendingSinceUs_ > timeoutUs)
        config_.failureStatus |= failure::kFunctionTestDelayExceeded;
    if (durationPending_ && running_ != Test::Duration && nowUs - durationPendingSinceUs_ > timeoutUs)
        config_.failureStatus |= failure::kDurationTestDelayExceeded;
}

void EmergencyUnit::startTest(Test test, uint64_t atUs) {
    checkPendingTimeout(atUs);
    running_ = test;
    runningSinceUs_ = atUs;
    if (config_.batteryFailure || config_.lampFailure)  // nothing to run: the test fails at once
        endTest(atUs);
}

void EmergencyUnit::endTest(uint64_t atUs) {
    const uint8_t hardware =
        uint8_t((config_.batteryFailure ? failure::kBattery : 0) | (config_.lampFailure ? failure::kLamp : 0));
    uint8_t& f = config_.failureStatus;
    f = uint8_t((f & ~(failure::kBattery | failure::kLamp)) | hardware);
    if (running_ == Test::Function) {
        functionPending_ = false;
        lastFunctionTestUs_ = atUs;
        f = uint8_t((f & ~(failure::kFunctionTestFailed | failure::kFunctionTestDelayExceeded)) |
                    (hardware ? failure::kFunctionTestFailed : 0));
        config_.emergencyStatus |= status::kFunctionTestDone;
    } else {
        durationPending_ = false;
        lastDurationTestUs_ = atUs;
        const uint64_t ranUs = atUs - runningSinceUs_;
        const bool tooShort = !hardware && ranUs < ratedUs();
        config_.durationTestResult = saturated(ranUs / kDurationStepUs);
        f = uint8_t(
            (f & ~(failure::kDurationTestFailed | failure::kDurationTestDelayExceeded | failure::kBatteryDuration)) |
            (tooShort ? failure::kBatteryDuration : 0) | (hardware || tooShort ? failure::kDurationTestFailed : 0));
        config_.emergencyStatus |= status::kDurationTestDone;
    }
    running_ = Test::None;
}

void EmergencyUnit::command(uint64_t nowUs, uint8_t opcode, uint8_t dtr0) {
    advance(nowUs);
    switch (Dt1Op(opcode)) {
        case Dt1Op::Inhibit:
            inhibitEndsUs_ = nowUs + kInhibitUs;
            break;
        case Dt1Op::ReLightResetInhibit:
            inhibitEndsUs_.reset();
            break;
        case Dt1Op::StartFunctionTest:
            if (!functionPending_) {
                functionPending_ = true;
                functionPendingSinceUs_ = nowUs;
                if (running_ == Test::None)
                    startTest(Test::Function, nowUs);
            }
            break;
        case Dt1Op::StartDurationTest:
            if (!durationPending_) {
                durationPending_ = true;
                durationPendingSinceUs_ = nowUs;
                if (running_ == Test::None && (charge_ >= 1.0 || config_.batteryFailure))
                    startTest(Test::Duration, nowUs);
            }
            break;
        case Dt1Op::StopTest:  // no result: the done flags stay as they were
            running_ = Test::None;
            functionPending_ = durationPending_ = false;
            break;
        case Dt1Op::ResetFunctionTestDoneFlag:
            config_.emergencyStatus &= uint8_t(~status::kFunctionTestDone);
            break;
        case Dt1Op::ResetDurationTestDoneFlag:
            config_.emergencyStatus &= uint8_t(~status::kDurationTestDone);
            break;
        case Dt1Op::ResetLampTime:
            config_.lampEmergencyMinutes = config_.lampOperationHours = 0;
            lampEmergencyUs_ = lampOperationUs_ = 0;
            break;
        case Dt1Op::StoreDtrAsEmergencyLevel:
            config_.emergencyLevel = std::clamp(dtr0, config_.emergencyMinLevel, config_.emergencyMaxLevel);
            break;
        case Dt1Op::StoreTestDelayTimeHighByte:
            config_.testDelayTime = uint16_t((config_.testDelayTime & 0x00FF) | dtr0 << 8);
            break;
        case Dt1Op::StoreTestDelayTimeLowByte:
            config_.testDelayTime = uint16_t((config_.testDelayTime & 0xFF00) | dtr0);
            break;
        case Dt1Op::StoreFunctionTestInterval:
            config_.functionTestInterval = dtr0;
            break;
        case Dt1Op::StoreDurationTestInterval:
            if (dtr0 <= kMaxDurationTestInterval)
                config_.durationTestInterval = dtr0;
            break;
        case Dt1Op::StoreTestExecutionTimeout:
            config_.testExecutionTimeout = dtr0;
            break;
        case Dt1Op::StoreProlongTime:
            config_.prolongTime = dtr0;
            break;
        case Dt1Op::StartIdentification:
            identificationEndsUs_ = nowUs + kIdentificationUs;
            break;
        default:  // REST acts only in emergency mode, which the simulation never enters
            break;
    }
}

uint16_t EmergencyUnit::quarterHoursUntilNext(Test test) const {
    const uint64_t intervalUs = test == Test::Function ? config_.functionTestInterval * kDayUs
                                                       : uint64_t(config_.durationTestInterval) * 7 * kDayUs;
    const uint64_t sinceUs = lastUs_ - (test == Test::Function ? lastFunctionTestUs_ : lastDurationTestUs_);
    return uint16_t(std::min<uint64_t>(intervalUs > sinceUs ? (intervalUs - sinceUs) / kQuarterHourUs : 0, 0xFFFE));
}

uint8_t EmergencyUnit::mode(uint64_t nowUs) {
    advance(nowUs);
    if (running_ == Test::Function)
        return mode::kFunctionTestRunning;
    if (running_ == Test::Duration)
        return mode::kDurationTestRunning;
    return mode::kNormal;
}

uint8_t EmergencyUnit::status(uint64_t nowUs, bool physicallySelected) {
    advance(nowUs);
    return uint8_t(
        (inhibitEndsUs_ ? status::kInhibit : 0) | config_.emergencyStatus |
        (charge_ >= 1.0 && !config_.batteryFailure ? status::kBatteryFull : 0) |
        (functionPending_ ? status::kFunctionTestPending : 0) | (durationPending_ ? status::kDurationTestPending : 0) |
        (identificationEndsUs_ ? status::kIdentification : 0) | (physicallySelected ? status::kPhysicallySelected : 0));
}

uint8_t EmergencyUnit::failureStatus(uint64_t nowUs) {
    advance(nowUs);
    return config_.failureStatus;
}

uint8_t EmergencyUnit::batteryCharge(uint64_t nowUs) {
    advance(nowUs);
    return config_.batteryFailure ? 0 : uint8_t(std::lround(charge_ * 254.0));
}

std::optional<uint8_t> EmergencyUnit::query(uint64_t nowUs, uint8_t opcode, uint8_t dtr0, uint8_t& dtr1,
                                            bool physicallySelected, uint8_t extendedVersion) {
    advance(nowUs);
    const bool autoTest = config_.features & dali::dt1_features::kAutoTest;
    switch (Dt1Op(opcode)) {
        case Dt1Op::QueryBatteryCharge:
            return batteryCharge(nowUs);
        case Dt1Op::QueryTestTiming: {
            const uint16_t function = quarterHoursUntilNext(Test::Function);
            const uint16_t duration = quarterHoursUntilNext(Test::Duration);
            switch (dali::Dt1TestTiming(dtr0)) {
                case dali::Dt1TestTiming::NextFunctionTestHigh:
                    dtr1 = autoTest ? uint8_t(function) : kMask;
                    return autoTest ? uint8_t(function >> 8) : kMask;
                case dali::Dt1TestTiming::NextFunctionTestLow:
                    return autoTest ? uint8_t(function) : kMask;
                case dali::Dt1TestTiming::NextDurationTestHigh:
                    dtr1 = autoTest ? uint8_t(duration) : kMask;
                    return autoTest ? uint8_t(duration >> 8) : kMask;
                case dali::Dt1TestTiming::NextDurationTestLow:
                    return autoTest ? uint8_t(duration) : kMask;
                case dali::Dt1TestTiming::FunctionTestInterval:
                    return config_.functionTestInterval;
                case dali::Dt1TestTiming::DurationTestInterval:
                    return config_.durationTestInterval;
                case dali::Dt1TestTiming::TestExecutionTimeout:
                    return config_.testExecutionTimeout;
                case dali::Dt1TestTiming::ProlongTime:
                    return config_.prolongTime;
            }
            return std::nullopt;
        }
        case Dt1Op::QueryDurationTestResult:
            return config_.durationTestResult;
        case Dt1Op::QueryLampEmergencyTime:
            return saturated((config_.lampEmergencyMinutes * kMinuteUs + lampEmergencyUs_) / kHourUs);
        case Dt1Op::QueryLampTotalOperationTime:  // 4-hour steps
            return saturated((config_.lampOperationHours * kHourUs + lampOperationUs_) / (4 * kHourUs));
        case Dt1Op::QueryEmergencyLevel:
            return config_.emergencyLevel;
        case Dt1Op::QueryEmergencyMinLevel:
            return config_.emergencyMinLevel;
        case Dt1Op::QueryEmergencyMaxLevel:
            return config_.emergencyMaxLevel;
        case Dt1Op::QueryRatedDuration:
            return config_.ratedDuration;
        case Dt1Op::QueryEmergencyMode:
            return mode(nowUs);
        case Dt1Op::QueryFeatures:
            return config_.features;
        case Dt1Op::QueryFailureStatus:
            return config_.failureStatus;
        case Dt1Op::QueryEmergencyStatus:
            return status(nowUs, physicallySelected);
        case Dt1Op::QueryExtendedVersionNumber:
            return extendedVersion;
        default:
            return std::nullopt;
    }
}

EmergencyConfig EmergencyUnit::snapshot() const {
    EmergencyConfig c = config_;
    c.batteryCharge = uint8_t(std::lround(charge_ * 254.0));
    c.lampEmergencyMinutes = uint32_t(config_.lampEmergencyMinutes + lampEmergencyUs_ / kMinuteUs);
    c.lampOperationHours = uint32_t(config_.lampOperationHours + lampOperationUs_ / kHourUs);
    return c;
}

}  // namespace sim
