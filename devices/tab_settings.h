#pragma once
// What the basic and scenes tabs hold as plain data: which items are ticked
// and the values shown (combo box selection indices, the group buttons as a
// mask). The widgets fill it; the core sends it.

#include "devices/device_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// The tabs of the device panel, by index.
enum class DeviceTab { Basic = 0, Scenes = 1, Info = 2, Colour = 3, Emergency = 4 };

// The basic tab's check boxes, in the order their items are sent.
enum class BasicItem { MinLevel, MaxLevel, PowerOnLevel, FailureLevel, FadeTime, FadeRate, DimmingCurve, FastFadeTime, Groups };
inline constexpr int kBasicItemCount = 9;

struct BasicSettings {
    std::array<bool, kBasicItemCount> ticked{true, true, true, true, true, true, true, true, true};
    uint8_t minLevel = 0, maxLevel = 0, powerOnLevel = 0, systemFailureLevel = 0, actualLevel = 0;
    uint8_t fadeTime = 0, fadeRate = 0, dimmingCurve = 0, fastFadeTime = 0;
    uint16_t groupMask = 0;  // group button g pressed = bit g

    bool IsTicked(BasicItem item) const { return ticked[std::size_t(item)]; }
    void Tick(BasicItem item, bool on) { ticked[std::size_t(item)] = on; }
};

struct SceneSettings {
    std::array<uint8_t, kSceneCount> sceneLevel = kAllScenesMasked;  // 255 = MASK
    // The scenes' colour temperatures (mirek, MASK: none) while the tab shows
    // them, for tunable-white gear; otherwise each gear keeps its record's.
    std::optional<std::array<uint16_t, kSceneCount>> sceneMirek;
};
