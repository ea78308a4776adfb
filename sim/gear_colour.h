#pragma once
// The colour of a simulated colour gear (device type 8, IEC 62386-209):
// tunable white (a colour temperature in mirek) and up to six RGBWAF channels,
// each carrying one of the colours red, green, blue, white, amber, freecolour.

#include "dali/dali_commands.h"

#include <array>
#include <cstdint>

namespace sim {

// One colour: a colour temperature or RGBWAF levels by colour (0 red ..
// 5 freecolour, whichever channel carries it). Type MASK is no
// colour; as a stored colour (power-on, system failure, scene) it leaves the
// colour as it is.
struct GearColourPoint {
    uint8_t type = dali::kMask;  // dali::kColourTypeTc, dali::kColourTypeRgbwaf or MASK
    uint16_t mirek = dali::kMask16;
    std::array<uint8_t, dali::kRgbwafChannels> levels{255, 255, 255, 255, 255, 255};  // 255: MASK

    static GearColourPoint tc(uint16_t mirek) { return {dali::kColourTypeTc, mirek, {255, 255, 255, 255, 255, 255}}; }
    bool operator==(const GearColourPoint&) const = default;
};

// What a scenario says of a colour gear; only a gear of device type 8 uses it.
struct GearColourConfig {
    bool tc = true;                       // tunable white
    uint8_t channels = 0;                 // RGBWAF channels, 0..6
    uint16_t physicalCoolest = 153;       // mirek: 6536 K
    uint16_t physicalWarmest = 370;       // 2703 K
    uint16_t coolest = 153, warmest = 370;
    uint8_t rgbwafControl = 0x3F;         // every channel linked, channel control
    // The colour each channel carries (0 red .. 5 freecolour), as QUERY ASSIGNED COLOUR tells it.
    std::array<uint8_t, dali::kRgbwafChannels> channelColours{0, 1, 2, 3, 4, 5};
    GearColourPoint actual;               // MASK: the warmest white, or every channel full
    GearColourPoint powerOn, systemFailure;
    std::array<GearColourPoint, 16> scenes{};

    // The answer to QUERY COLOUR TYPE FEATURES.
    // Some channel carries this colour (0 red .. 5 freecolour).
    bool hasColour(size_t colour) const {
        for (size_t channel = 0; channel < size_t(channels) && channel < channelColours.size(); ++channel)
            if (channelColours[channel] == colour)
                return true;
        return false;
    }
    uint8_t features() const { return uint8_t((tc ? dali::kColourFeatureTc : 0) | (channels & 0x07) << 5); }
    bool operator==(const GearColourConfig&) const = default;
};

}  // namespace sim
