#pragma once
// The bus-wide emergency test run: a function or duration test on every
// emergency luminaire of the bus or of a group, started one after the other
// (staggered, so a corridor never goes dark all at once), then polled until
// each unit reports its test done or its time is up. A unit whose time is up
// is asked which test runs or waits: STOP TEST ends only the test this run
// started, never the unit's own nor one still waiting. Cancel sends STOP TEST
// to every unit still under test. Every pause goes through kit_sleep, so the
// run passes on virtual time with the simulated bus.

#include "devices/device_record.h"
#include "link/dalikit.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

enum class EmergencyTestKind { Function, Duration };

enum class EmergencyOutcome {
    Passed,     // done, the test's failed bit clear
    Failed,     // done, the test's failed bit set
    TimedOut,   // not done in time: STOP TEST was sent when the run's own test still ran
    Cancelled,  // the installer cancelled while it ran: STOP TEST was sent
    // Not begun in time, still pending in the unit, and left so (no STOP TEST,
    // which would cancel it): its battery is charging, another test runs (the
    // unit's own automatic one), or for a reason the unit does not tell.
    PostponedCharging,
    PostponedOtherTest,
    Postponed,
};

struct EmergencyTestResult {
    int shortAddress = 0;
    EmergencyTestKind kind = EmergencyTestKind::Function;
    EmergencyOutcome outcome = EmergencyOutcome::Passed;
    QDateTime finishedAt;                    // when the run learnt the outcome
    std::optional<uint8_t> failureStatus;    // dali::dt1_failure bits as the unit answered them
    std::optional<uint8_t> durationReached;  // duration tests: 2-minute steps the battery held

    bool operator==(const EmergencyTestResult&) const = default;
};

// What the installer picks for a run: the test, and one group or every unit.
struct EmergencyRunChoice {
    EmergencyTestKind kind = EmergencyTestKind::Function;
    std::optional<int> group;  // 0..15
};

struct EmergencyTestRunContext {
    const BusLink& link;
    std::vector<int> units;  // short addresses, in the order they are started
    EmergencyTestKind kind = EmergencyTestKind::Function;
    uint32_t staggerSeconds = 30;  // from one unit's start to the next's
    uint32_t pollSeconds = 10;     // between two looks at a running unit (at least 1)
    uint32_t functionTimeoutSeconds = 300;
    // A duration test may take its rated duration (read before the start;
    // 510 minutes when the unit does not say) and this much more.
    uint32_t durationMarginMinutes = 60;
    std::function<void(int finished, int total)> progress{};  // after every start and every outcome
    std::function<bool()> cancelRequested{};                  // asked before every step
    std::function<QDateTime()> clock{};                       // the wall clock; tests give their own
    std::vector<EmergencyTestResult> results{};               // out: one per started unit, in finishing order
};

// The OR of the transactions' results; 0 at once, without bus traffic, when
// the link has no interface or there is no unit.
LinkResult RunEmergencyTestRun(EmergencyTestRunContext& context);

// The present emergency luminaires of the table, of one group when given, in address order.
std::vector<int> EmergencyUnitsOf(const DeviceTable& table, std::optional<int> group = std::nullopt);
