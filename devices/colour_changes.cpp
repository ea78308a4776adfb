#include "devices/colour_changes.h"

namespace {

struct WordItem {
    ColourItem item;
    uint16_t ColourSettings::*field;
};
constexpr WordItem kWordItems[] = {
    {ColourItem::Live, &ColourSettings::mirek},
    {ColourItem::Coolest, &ColourSettings::coolest},
    {ColourItem::Warmest, &ColourSettings::warmest},
    {ColourItem::PowerOn, &ColourSettings::powerOnMirek},
    {ColourItem::SystemFailure, &ColourSettings::systemFailureMirek},
};

struct LevelsItem {
    ColourItem item;
    ChannelLevels ColourSettings::*field;
};
constexpr LevelsItem kLevelsItems[] = {
    {ColourItem::Levels, &ColourSettings::levels},
    {ColourItem::PowerOnLevels, &ColourSettings::powerOnLevels},
    {ColourItem::SystemFailureLevels, &ColourSettings::systemFailureLevels},
};

}  // namespace

ColourSettings ApplyColourChanges(const ColourSettings& current, const ColourChanges& changes) {
    ColourSettings wanted = current;
    for (const WordItem& w : kWordItems)
        if (changes.edited.test(size_t(w.item)))
            wanted.*w.field = changes.values.*w.field;
    for (const LevelsItem& l : kLevelsItems)
        if (changes.edited.test(size_t(l.item)))
            wanted.*l.field = changes.values.*l.field;
    return wanted;
}

ColourWriteResult SendColourToSelection(ColourSelectionContext& c, const ColourChanges& changes) {
    ColourWriteResult all;
    for (int32_t address : c.selected) {
        if (address < 0 || address >= kDeviceCount)
            continue;
        DeviceRecord& record = c.table[size_t(address)];
        if (record.present != 1 || record.colour.features == 0)
            continue;
        ColourWriteContext gear{c.link, record, address};
        const ColourWriteResult result = SendColourSettings(gear, ApplyColourChanges(record.colour, changes));
        all.results |= result.results;
        all.limitsOutOfOrder |= result.limitsOutOfOrder;
        all.limitsNotTaken |= result.limitsNotTaken;
        all.levelUnknown |= result.levelUnknown;
        all.scenesNotSent |= result.scenesNotSent;
    }
    return all;
}
