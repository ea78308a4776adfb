#pragma once
// A colour gear's settings (device type 8): what the colour tab shows, a
// device or project file keeps and a transfer writes. Colour temperatures are
// in mirek (1,000,000 / K); MASK (0xFFFF, 255 for a channel level) means "not
// known" in what was read and "none" in a stored colour.

#include "dali/dali_commands.h"

#include <algorithm>
#include <array>
#include <cstdint>

inline constexpr int kColourChannels = dali::kRgbwafChannels;  // red, green, blue, white, amber, freecolour
inline constexpr uint16_t kColourMask = dali::kMask16;
using ChannelLevels = std::array<uint8_t, kColourChannels>;
inline constexpr ChannelLevels kAllChannelsMasked{255, 255, 255, 255, 255, 255};
inline constexpr std::array<ChannelLevels, 16> kNoSceneLevels = [] {
    std::array<ChannelLevels, 16> scenes{};
    scenes.fill(kAllChannelsMasked);
    return scenes;
}();

struct ColourSettings {
    uint8_t features = 0;  // QUERY COLOUR TYPE FEATURES; 0: no colour read or loaded

    // Bit n: a channel carries colour n (0 red .. 5 freecolour), as QUERY
    // ASSIGNED COLOUR tells; 0: not asked.
    uint8_t colours = 0;

    // The colour shown now, read back from the gear. Levels are by colour.
    uint16_t mirek = kColourMask;
    ChannelLevels levels = kAllChannelsMasked;

    // Colour temperature limits; coolest and warmest are the installer's,
    // within the physical ones the gear was built with.
    uint16_t coolest = kColourMask, warmest = kColourMask;
    uint16_t physicalCoolest = kColourMask, physicalWarmest = kColourMask;

    // Colours the gear keeps with its power-on, system-failure and scene
    // levels, read from the gear, stored by Kelvane or taken from a file.
    uint16_t powerOnMirek = kColourMask, systemFailureMirek = kColourMask;
    ChannelLevels powerOnLevels = kAllChannelsMasked, systemFailureLevels = kAllChannelsMasked;
    std::array<uint16_t, 16> sceneMirek{kColourMask, kColourMask, kColourMask, kColourMask, kColourMask, kColourMask,
                                        kColourMask, kColourMask, kColourMask, kColourMask, kColourMask, kColourMask,
                                        kColourMask, kColourMask, kColourMask, kColourMask};
    std::array<ChannelLevels, 16> sceneLevels = kNoSceneLevels;  // RGBWAF gear: each scene's colour

    bool tunableWhite() const { return features & dali::kColourFeatureTc; }
    int channels() const { return std::min(dali::rgbwafChannelCount(features), kColourChannels); }
    // The colours the channels carry; not asked: one per channel from red on.
    uint8_t colourMask() const { return colours != 0 ? colours : uint8_t((1u << channels()) - 1); }
    bool hasColour(int colour) const { return colourMask() >> colour & 1; }
    bool operator==(const ColourSettings&) const = default;
};

// Kelvin and mirek, rounded to the nearest; 0 and MASK stay as they are.
constexpr uint16_t MirekFromKelvin(int kelvin) {
    return kelvin <= 0 ? kColourMask : uint16_t(std::min(0xFFFE, (1'000'000 + kelvin / 2) / kelvin));
}
constexpr int KelvinFromMirek(uint16_t mirek) {
    return mirek == 0 || mirek == kColourMask ? 0 : (1'000'000 + mirek / 2) / mirek;
}
