#include "devices/emergency_test_run.h"

#include "dali/dali_commands.h"
#include "devices/emergency_state.h"
#include "devices/emergency_transactions.h"

#include <algorithm>

using dali::Dt1Op;

namespace {

constexpr uint64_t kSecondUs = 1'000'000;
constexpr uint64_t kDurationStepUs = 120 * kSecondUs;
constexpr uint8_t kLongestRatedDuration = 255;  // 510 minutes or more

struct Unit {
    int shortAddress;
    uint64_t startedUs = 0;
    uint64_t deadlineUs = 0;
    bool finished = false;
};

class Run {
public:
    explicit Run(EmergencyTestRunContext& c) : c_(c), duration_(c.kind == EmergencyTestKind::Duration) {}

    LinkResult go() {
        size_t next = 0;
        uint64_t nextStartUs = now();
        while (next < c_.units.size() || unfinished() > 0) {
            if (c_.cancelRequested && c_.cancelRequested()) {
                stopAll(EmergencyOutcome::Cancelled);
                break;
            }
            if (next < c_.units.size() && now() >= nextStartUs) {
                start(c_.units[next++]);
                nextStartUs = now() + c_.staggerSeconds * kSecondUs;
                continue;
            }
            for (Unit& unit : running_)
                if (!unit.finished)
                    poll(unit);
            if (next == c_.units.size() && unfinished() == 0)
                break;
            uint64_t pauseUs = std::max<uint32_t>(c_.pollSeconds, 1) * kSecondUs;  // never a busy bus
            if (next < c_.units.size())
                pauseUs = std::min(pauseUs, nextStartUs > now() ? nextStartUs - now() : 0);
            kit_sleep(c_.link.handle, unsigned(std::max<uint64_t>(pauseUs / 1000, 1)));
        }
        return results_;
    }

private:
    uint64_t now() const { return kit_clock_us(c_.link.handle); }
    uint8_t address(const Unit& unit) const { return dali::commandAddress(unit.shortAddress); }
    int unfinished() const {
        return int(std::count_if(running_.begin(), running_.end(), [](const Unit& u) { return !u.finished; }));
    }
    void report() {
        if (c_.progress)
            c_.progress(int(c_.results.size()), int(c_.units.size()));
    }

    // The done flag is cleared first, so a flag left by an earlier test is not taken for this one's.
    void start(int shortAddress) {
        Unit unit{shortAddress};
        uint64_t allowedUs = c_.functionTimeoutSeconds * kSecondUs;
        if (duration_) {
            const std::optional<uint8_t> rated =
                QueryEmergency(c_.link, address(unit), Dt1Op::QueryRatedDuration, results_);
            allowedUs = rated.value_or(kLongestRatedDuration) * kDurationStepUs +
                        uint64_t(c_.durationMarginMinutes) * 60 * kSecondUs;
        }
        SendEmergencyCommand(c_.link, address(unit),
                             duration_ ? Dt1Op::ResetDurationTestDoneFlag : Dt1Op::ResetFunctionTestDoneFlag, results_);
        SendEmergencyCommand(c_.link, address(unit), duration_ ? Dt1Op::StartDurationTest : Dt1Op::StartFunctionTest,
                             results_);
        unit.startedUs = now();
        unit.deadlineUs = unit.startedUs + allowedUs;
        running_.push_back(unit);
        report();
    }

    void poll(Unit& unit) {
        const std::optional<uint8_t> status =
            QueryEmergency(c_.link, address(unit), Dt1Op::QueryEmergencyStatus, results_);
        const uint8_t done = duration_ ? dali::dt1_status::kDurationTestDone : dali::dt1_status::kFunctionTestDone;
        const uint8_t pending =
            duration_ ? dali::dt1_status::kDurationTestPending : dali::dt1_status::kFunctionTestPending;
        if (status && (*status & done) && !(*status & pending)) {
            finish(unit);
            return;
        }
        if (now() >= unit.deadlineUs)
            timeUp(unit);
    }

    // STOP TEST ends whatever test runs and cancels pending ones: it is sent
    // only when this run's test runs, or when the unit does not say.
    void timeUp(Unit& unit) {
        using namespace dali;
        const auto mode = QueryEmergency(c_.link, address(unit), Dt1Op::QueryEmergencyMode, results_);
        const auto status = QueryEmergency(c_.link, address(unit), Dt1Op::QueryEmergencyStatus, results_);
        const uint8_t ours = duration_ ? dt1_mode::kDurationTestRunning : dt1_mode::kFunctionTestRunning;
        const uint8_t other = duration_ ? dt1_mode::kFunctionTestRunning : dt1_mode::kDurationTestRunning;
        const uint8_t pending = duration_ ? dt1_status::kDurationTestPending : dt1_status::kFunctionTestPending;
        if (!mode || !status || (*mode & ours)) {
            stop(unit, EmergencyOutcome::TimedOut);
        } else if (*status & pending) {
            record(unit, resultOf(unit, (*mode & other)                         ? EmergencyOutcome::PostponedOtherTest
                                        : !(*status & dt1_status::kBatteryFull) ? EmergencyOutcome::PostponedCharging
                                                                                : EmergencyOutcome::Postponed));
        } else {
            record(unit, resultOf(unit, EmergencyOutcome::TimedOut));  // nothing of this run left to stop
        }
    }

    void finish(Unit& unit) {
        EmergencyTestResult result = resultOf(unit, EmergencyOutcome::Passed);
        result.failureStatus = QueryEmergency(c_.link, address(unit), Dt1Op::QueryFailureStatus, results_);
        if (duration_)
            result.durationReached = QueryEmergency(c_.link, address(unit), Dt1Op::QueryDurationTestResult, results_);
        const uint8_t failedBit =
            duration_ ? dali::dt1_failure::kDurationTestFailed : dali::dt1_failure::kFunctionTestFailed;
        // A unit that does not say how its test went has not passed it.
        if (!result.failureStatus || (*result.failureStatus & failedBit))
            result.outcome = EmergencyOutcome::Failed;
        record(unit, result);
    }

    void stop(Unit& unit, EmergencyOutcome outcome) {
        SendEmergencyCommand(c_.link, address(unit), Dt1Op::StopTest, results_);
        record(unit, resultOf(unit, outcome));
    }

    void stopAll(EmergencyOutcome outcome) {
        for (Unit& unit : running_)
            if (!unit.finished)
                stop(unit, outcome);
    }

    EmergencyTestResult resultOf(const Unit& unit, EmergencyOutcome outcome) const {
        EmergencyTestResult result;
        result.shortAddress = unit.shortAddress;
        result.kind = c_.kind;
        result.outcome = outcome;
        result.finishedAt = c_.clock ? c_.clock() : QDateTime::currentDateTime();
        return result;
    }

    void record(Unit& unit, EmergencyTestResult result) {
        unit.finished = true;
        c_.results.push_back(std::move(result));
        report();
    }

    EmergencyTestRunContext& c_;
    const bool duration_;
    std::vector<Unit> running_;
    LinkResult results_ = 0;
};

}  // namespace

LinkResult RunEmergencyTestRun(EmergencyTestRunContext& context) {
    context.results.clear();
    if (!context.link.handle || context.units.empty())
        return 0;
    return Run(context).go();
}

std::vector<int> EmergencyUnitsOf(const DeviceTable& table, std::optional<int> group) {
    std::vector<int> units;
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& record = table[size_t(a)];
        if (record.present == 1 && IsEmergencyUnit(record) && (!group || (record.groupMask >> *group & 1)))
            units.push_back(a);
    }
    return units;
}
