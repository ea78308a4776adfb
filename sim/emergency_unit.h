#pragma once
// The emergency part of a simulated self-contained emergency luminaire
// (IEC 62386-202, device type 1), on the bus clock. It lives inside a
// ControlGear of device type 1, which hands it the application extended
// commands after ENABLE DEVICE TYPE 1 together with the frame's end time.
//
// Its state is a function of time: every command and query first brings the
// unit to the frame's time, so a duration test of three hours ends when the
// bus clock has passed three hours, however few frames came meanwhile.
//
// What is modelled:
// - START FUNCTION TEST runs the lamp from the battery for functionTestSeconds;
//   START DURATION TEST waits (pending) until the battery is full, then runs
//   until the rated duration has passed or the battery is empty, whichever
//   comes first. STOP TEST ends a running test and cancels a pending one
//   without a result. A test ends with its done flag set and the failure bits
//   of what it found: a failed battery or lamp fails either test at once, a
//   battery that lasts less than the rated duration fails the duration test
//   with the time it reached.
// - A test pending longer than the test execution timeout (days, 0: 15
//   minutes) sets its "max delay exceeded" bit and stays pending.
// - The battery discharges while the lamp runs from it and recharges
//   linearly over rechargeMinutes afterwards.
// - INHIBIT holds for 15 minutes or until RE-LIGHT/RESET INHIBIT;
//   START IDENTIFICATION lasts 10 seconds.
// Not modelled: mains failure (the gear's mains switch makes it silent as a
// whole), automatic tests from the intervals, rest mode and prolong time.

#include <cstdint>
#include <optional>

namespace sim {

// A unit's start state and its hardware, as a scenario describes it.
struct EmergencyConfig {
    uint8_t ratedDuration = 90;              // 2-minute steps: 90 = 3 hours
    std::optional<uint16_t> batteryMinutes;  // what a full battery lasts; none: longer than rated
    uint8_t batteryCharge = 254;             // 0 (deep discharge) .. 254 (full) at the start
    uint16_t rechargeMinutes = 1440;         // empty to full
    uint16_t functionTestSeconds = 10;
    uint8_t emergencyLevel = 254;
    uint8_t emergencyMinLevel = 1;
    uint8_t emergencyMaxLevel = 254;
    uint8_t features = 0x19;            // integral, auto test, adjustable emergency level
    uint8_t functionTestInterval = 7;   // days
    uint8_t durationTestInterval = 52;  // weeks
    uint8_t testExecutionTimeout = 7;   // days, 0: 15 minutes
    uint8_t prolongTime = 4;            // 30 s steps
    uint16_t testDelayTime = 0;         // quarter hours
    uint32_t lampEmergencyMinutes = 0;  // lamp time on battery so far
    uint32_t lampOperationHours = 0;    // lamp time in total so far
    uint8_t durationTestResult = 0;     // 2-minute steps, of the last duration test
    uint8_t failureStatus = 0;          // failure bits the last tests left
    uint8_t emergencyStatus = 0x00;     // only the done flags count at the start
    // Injected failures.
    bool batteryFailure = false;
    bool lampFailure = false;

    bool operator==(const EmergencyConfig&) const = default;
};

class EmergencyUnit {
public:
    explicit EmergencyUnit(const EmergencyConfig& config);

    // A configuration or control command (sent twice, acting on the repeat)
    // of `opcode` (0xE0..0xF0) at bus time `nowUs`, with the gear's DTR0.
    void command(uint64_t nowUs, uint8_t opcode, uint8_t dtr0);
    // The answer to a query (0xF1..0xFF), or nothing for unknown opcodes.
    // QUERY TEST TIMING reads DTR0 and leaves a 16-bit value's low byte in DTR1.
    std::optional<uint8_t> query(uint64_t nowUs, uint8_t opcode, uint8_t dtr0, uint8_t& dtr1, bool physicallySelected,
                                 uint8_t extendedVersion);

    // The state at the last frame the unit heard, as a scenario would start
    // it again (a running test is not part of it).
    EmergencyConfig snapshot() const;

    // Failures injected while running (the simulator panel, tests).
    void setBatteryFailure(bool failed) { config_.batteryFailure = failed; }
    void setLampFailure(bool failed) { config_.lampFailure = failed; }
    void setBatteryMinutes(std::optional<uint16_t> minutes) { config_.batteryMinutes = minutes; }
    bool batteryFailure() const { return config_.batteryFailure; }
    bool lampFailure() const { return config_.lampFailure; }

    // The answers, at `nowUs`.
    uint8_t mode(uint64_t nowUs);
    uint8_t status(uint64_t nowUs, bool physicallySelected);
    uint8_t failureStatus(uint64_t nowUs);
    uint8_t batteryCharge(uint64_t nowUs);

private:
    enum class Test { None, Function, Duration };

    // Brings the unit to `nowUs`: tests end, pending tests start, the battery
    // charges, timers expire, in the order they happen.
    void advance(uint64_t nowUs);
    void runFor(uint64_t us);  // the lamp on the battery for `us`
    void chargeFor(uint64_t us);
    uint64_t batteryCapacityUs() const;
    uint64_t ratedUs() const;
    void startTest(Test test, uint64_t atUs);
    void endTest(uint64_t atUs);
    void checkPendingTimeout(uint64_t nowUs);
    uint16_t quarterHoursUntilNext(Test test) const;

    EmergencyConfig config_;
    double charge_;  // 0..1 of a full battery
    uint64_t lastUs_ = 0;
    Test running_ = Test::None;
    uint64_t runningSinceUs_ = 0;
    bool functionPending_ = false, durationPending_ = false;
    uint64_t functionPendingSinceUs_ = 0, durationPendingSinceUs_ = 0;
    std::optional<uint64_t> inhibitEndsUs_, identificationEndsUs_;
    uint64_t lampEmergencyUs_ = 0, lampOperationUs_ = 0;
    uint64_t lastFunctionTestUs_ = 0, lastDurationTestUs_ = 0;
};

}  // namespace sim
