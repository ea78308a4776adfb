#pragma once
// The items of "send ADDR ITEM=VALUE…": what the basic tab would have ticked
// and shown, and the scene levels the scenes tab would show.

#include "devices/tab_settings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct SendItems {
    BasicSettings basic;  // only the given items ticked
    bool anyBasic = false;
    std::array<std::optional<uint8_t>, kSceneCount> scenes{};
    bool anyScene = false;
    QString badWord;           // the first word not understood; empty when every one was
    bool unknownItem = false;  // the word names no item (else its value is out of range)

    // The basic settings the gear gets: the record's values, the given ones over them.
    BasicSettings BasicFor(const DeviceRecord& record) const;
    // The scenes tab as it would show them: the record's levels, the given ones over them.
    SceneSettings ScenesFor(const DeviceRecord& record) const;
};

// Items: max, min, poweron, failure (0..254, or mask for the last two),
// fadetime (0..15), faderate (1..15), curve (log, linear), fastfade (0..27),
// groups (numbers 0..15 separated by commas, or none), scene0..scene15
// (0..254 or mask).
SendItems ParseSendItems(const QStringList& words);
