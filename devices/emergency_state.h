#pragma once
// What Kelvane knows of one emergency luminaire (DALI device type 1): its
// mode, status and failure bits, battery and timers, as the last reading
// left them. A field the unit did not answer stays empty, so a view shows
// "unknown" rather than a stale or made-up value.

#include "devices/device_record.h"

#include <cstdint>
#include <optional>

struct EmergencyState {
    std::optional<uint8_t> mode;                    // dali::dt1_mode bits
    std::optional<uint8_t> features;                // dali::dt1_features bits
    std::optional<uint8_t> failureStatus;           // dali::dt1_failure bits
    std::optional<uint8_t> status;                  // dali::dt1_status bits
    std::optional<uint8_t> batteryCharge;           // 0..254, 255: unknown
    std::optional<uint8_t> ratedDuration;           // 2-minute steps
    std::optional<uint8_t> durationTestResult;      // 2-minute steps
    std::optional<uint8_t> lampEmergencyTime;       // hours, 255: that or more
    std::optional<uint8_t> lampTotalOperationTime;  // 4-hour steps, 255: that or more
    std::optional<uint8_t> emergencyLevel;
    std::optional<uint8_t> functionTestInterval;  // days, 0: none
    std::optional<uint8_t> durationTestInterval;  // weeks, 0: none
    std::optional<uint8_t> testExecutionTimeout;  // days, 0: 15 minutes
    std::optional<uint16_t> nextFunctionTest;     // quarter hours
    std::optional<uint16_t> nextDurationTest;     // quarter hours

    bool operator==(const EmergencyState&) const = default;
};

// The one place that decides whether a record is an emergency luminaire.
bool IsEmergencyUnit(const DeviceRecord& record);
