#pragma once
// One simulated DALI control gear (IEC 62386-102), optionally an LED module
// (IEC 62386-207, device type 6). The bus hands it every forward frame when
// the frame has ended; the gear answers with a backward frame or stays quiet.
// Not thread safe: the bus serialises all calls.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace sim {

// A gear's start state, as a scenario describes it. Defaults are the
// standard's reset values, a physical minimum of 1 and no short address.
struct GearConfig {
    std::string name;
    std::optional<uint8_t> shortAddress;          // 0..63, none = unaddressed
    std::optional<uint32_t> randomAddress;        // 24 bit; none = 0xFFFFFF until RANDOMISE
    uint8_t deviceType = 6;
    uint8_t physicalMinLevel = 1;
    uint8_t maxLevel = 254;
    uint8_t minLevel = 1;                         // raised to physicalMinLevel
    uint8_t powerOnLevel = 254;
    uint8_t systemFailureLevel = 254;
    uint8_t actualLevel = 0;
    uint8_t fadeTime = 0;
    uint8_t fadeRate = 7;
    uint16_t groups = 0;                          // bit g = member of group g
    std::array<uint8_t, 16> scenes{255, 255, 255, 255, 255, 255, 255, 255,
                                   255, 255, 255, 255, 255, 255, 255, 255};
    uint8_t dimmingCurve = 0;                     // device type 6: 0 logarithmic, 1 linear
    uint8_t fastFadeTime = 0;
    uint8_t minFastFadeTime = 4;
    uint8_t operatingMode = 0;
    uint8_t extendedVersion = 1;
    uint64_t gtin = 0;                            // 48 bit, memory bank 0 locations 3..8
    std::array<uint8_t, 2> firmwareVersion{1, 0}; // bank 0 locations 9..10
    uint64_t identificationNumber = 0;            // bank 0 locations 11..18
    bool lampFailure = false;
    bool gearFailure = false;
};

class ControlGear {
public:
    // `seed` drives RANDOMISE, so a scenario gives the same random addresses every run.
    ControlGear(GearConfig config, uint64_t seed);

    // A forward frame (first, second) ended at `endUs` on the bus clock.
    // Returns the backward frame, or nothing when the gear stays quiet.
    std::optional<uint8_t> receive(uint64_t endUs, uint8_t first, uint8_t second);

    // The installer presses the gear's physical-selection key.
    void pressPhysicalSelectionKey();
};

}  // namespace sim
