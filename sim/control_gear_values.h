#pragma once
// Values the parts of the simulated control gear share (control_gear*.cpp).

#include "sim/bus_timing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace sim::gear_values {


using timing::kEarliestReplyUs, timing::kLatestReplyUs, timing::kReplySpreadUs;

constexpr uint8_t kYes = 0xFF;
constexpr uint8_t kMask = 0xFF;
constexpr uint8_t kMaxLevelLimit = 254;
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

inline std::optional<uint8_t> yesIf(bool condition) { return condition ? std::optional<uint8_t>(kYes) : std::nullopt; }

// (a << 1) | 1 with a = 0..63.
constexpr bool isAddressByte(uint8_t data) { return (data & 0x81) == 0x01; }

constexpr bool validFastFadeTime(uint8_t value, uint8_t minimum) {
    return value == 0 || (value >= minimum && value <= kMaxFastFadeTime);
}

// What STORE DTR AS FAST FADE TIME keeps: 0 stays 0, values above 27 store
// 27, values from 1 to below the gear's minimum store the minimum.
constexpr uint8_t storedFastFadeTime(uint8_t value, uint8_t minimum) {
    if (value == 0)
        return 0;
    return std::clamp<uint8_t>(value, minimum, kMaxFastFadeTime);
}


}  // namespace sim::gear_values
