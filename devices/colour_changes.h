#pragma once
// What the colour tab has edited, and sending it to every selected colour
// gear: each gear gets the edited items on top of its own record, so only
// what the installer changed reaches it.

#include "devices/colour_writing.h"

#include <bitset>
#include <span>

enum class ColourItem {
    Live,                 // the colour temperature shown now
    Coolest,
    Warmest,
    PowerOn,              // power-on colour temperature
    SystemFailure,        // system-failure colour temperature
    Levels,               // the channel levels shown now
    PowerOnLevels,
    SystemFailureLevels,
    Count
};
inline constexpr size_t kColourItemCount = size_t(ColourItem::Count);

struct ColourChanges {
    ColourSettings values;                     // the edited items' values
    std::bitset<kColourItemCount> edited;      // by ColourItem

    bool Any() const { return edited.any(); }
    void Set(ColourItem item) { edited.set(size_t(item)); }
    bool operator==(const ColourChanges&) const = default;
};

// The record's colour with the edited items taken from the changes.
ColourSettings ApplyColourChanges(const ColourSettings& current, const ColourChanges& changes);

struct ColourSelectionContext {
    BusLink link;
    DeviceTable& table;                  // the working table: the records compared with and updated
    std::span<const int32_t> selected;   // short addresses of the selected gear
};

// Every selected gear whose record has colour (features read or loaded) gets
// SendColourSettings with its colour changed by `changes`; gear without
// colour get nothing. The results ORed, the flags of any gear set.
ColourWriteResult SendColourToSelection(ColourSelectionContext& context, const ColourChanges& changes);
