#include "devices/gear_writing.h"

#include "dali/dali_commands.h"
#include "devices/colour_writing.h"
#include "devices/device_store.h"
#include "devices/gear_transactions.h"

#include <algorithm>
#include <array>
#include <span>

using dali::code;
using dali::Op;

namespace {


enum class Via { Dtr, DimmingCurve, FastFadeTime };

struct ItemInfo {
    uint8_t BasicSettings::*value;
    uint8_t DeviceRecord::*field;
    Via via;
    uint8_t opcode;       // the STORE THE DTR AS ... command for Via::Dtr
    uint8_t colourQuery;  // colour gear keep a colour with this level: the query that reports it; else 0
};

// Indexed by BasicItem, all but Groups.
constexpr ItemInfo kItems[] = {
    {&BasicSettings::minLevel, &DeviceRecord::minLevel, Via::Dtr, code(Op::StoreDtrAsMinLevel), 0},
    {&BasicSettings::maxLevel, &DeviceRecord::maxLevel, Via::Dtr, code(Op::StoreDtrAsMaxLevel), 0},
    {&BasicSettings::powerOnLevel, &DeviceRecord::powerOnLevel, Via::Dtr, code(Op::StoreDtrAsPowerOnLevel),
     code(Op::QueryPowerOnLevel)},
    {&BasicSettings::systemFailureLevel, &DeviceRecord::systemFailureLevel, Via::Dtr,
     code(Op::StoreDtrAsSystemFailureLevel), code(Op::QuerySystemFailureLevel)},
    {&BasicSettings::fadeTime, &DeviceRecord::fadeTime, Via::Dtr, code(Op::StoreDtrAsFadeTime), 0},
    {&BasicSettings::fadeRate, &DeviceRecord::fadeRate, Via::Dtr, code(Op::StoreDtrAsFadeRate), 0},
    {&BasicSettings::dimmingCurve, &DeviceRecord::dimmingCurve, Via::DimmingCurve, 0, 0},
    {&BasicSettings::fastFadeTime, &DeviceRecord::fastFadeTime, Via::FastFadeTime, 0, 0},
};
static_assert(std::size(kItems) == kBasicItemCount - 1);

// The order in which a whole record is written.
constexpr BasicItem kWriteAllOrder[] = {BasicItem::FadeRate,     BasicItem::FadeTime,     BasicItem::FastFadeTime,
                                        BasicItem::DimmingCurve, BasicItem::MaxLevel,     BasicItem::MinLevel,
                                        BasicItem::PowerOnLevel, BasicItem::FailureLevel};

const ItemInfo& info(BasicItem item) { return kItems[size_t(item)]; }

// Gear clamp a new MAX at their current MIN and a new MIN at their current
// MAX: when the new range lies wholly above or below the gear's, the two are
// swapped in the order so that both take.
void swapMinAndMax(std::span<BasicItem> order) {
    std::iter_swap(std::find(order.begin(), order.end(), BasicItem::MinLevel),
                   std::find(order.begin(), order.end(), BasicItem::MaxLevel));
}

// Device-type-6 commands go out whatever the gear's device type. A colour
// gear's power-on and system-failure levels go out with the colour it keeps
// for them, or not at all (false).
bool sendItem(const BusLink& link, int address, const ItemInfo& item, uint8_t value, bool colourGear) {
    if (colourGear && item.colourQuery != 0) {
        LinkResult ignored = 0;
        const bool stored = StoreLevelKeepingColour(link, address, item.colourQuery, item.opcode, value, ignored);
        dalikit_WaitIdle(link);
        return stored;
    }
    const uint8_t a = dali::commandAddress(address);
    switch (item.via) {
        case Via::Dtr:
            dalikit_SendWithDTR(link, a, item.opcode, value);
            break;
        case Via::DimmingCurve:
            dalikit_SelectDimmingCurve(link, a, value);
            break;
        case Via::FastFadeTime:
            dalikit_StoreFastFadeTime(link, a, value);
            break;
    }
    dalikit_WaitIdle(link);
    return true;
}

// A scene level, then the idle wait; a colour gear staying in the scene keeps
// the colour it holds for it. False when nothing was stored.
bool storeSceneLevel(const BusLink& link, int address, int scene, uint8_t level, bool colourGear) {
    bool stored = true;
    LinkResult ignored = 0;
    if (colourGear && level != kLevelMask)
        stored = StoreLevelKeepingColour(link, address, code(Op::QuerySceneLevel, scene),
                                         code(Op::StoreDtrAsScene, scene), level, ignored);
    else
        dalikit_StoreScene(link, dali::commandAddress(address), scene, level);
    dalikit_WaitIdle(link);
    return stored;
}

}  // namespace

void SendGroupMembership(const BusLink& link, uint8_t address, uint16_t mask) {
    for (int g = 0; g < 16; ++g) {
        dalikit_SendTwice(link, address, uint8_t(code(Op::RemoveFromGroup) + g));
        dalikit_WaitIdle(link);
    }
    for (int g = 0; g < 16; ++g) {
        if (!(mask >> g & 1))
            continue;
        dalikit_SendTwice(link, address, uint8_t(code(Op::AddToGroup) + g));
        dalikit_WaitIdle(link);
    }
}

void SendBasicSettings(const BusLink& link, DeviceRecord& record, int address, const BasicSettings& settings) {
    const uint8_t a = dali::commandAddress(address);
    std::array order{BasicItem::MinLevel, BasicItem::MaxLevel, BasicItem::PowerOnLevel, BasicItem::FailureLevel,
                     BasicItem::FadeTime, BasicItem::FadeRate, BasicItem::DimmingCurve, BasicItem::FastFadeTime};
    if (settings.IsTicked(BasicItem::MinLevel) && settings.IsTicked(BasicItem::MaxLevel)) {
        // Asked, not taken from the record: a record may hold a file's values.
        LinkResult ignored = 0;
        if (const auto gearMax = QueryGear(link, a, code(Op::QueryMaxLevel), ignored); gearMax && settings.minLevel > *gearMax)
            swapMinAndMax(order);
    }
    const DeviceRecord before = record;
    for (size_t i = 0; i < std::size(kItems); ++i)
        if (settings.ticked[i])
            record.*kItems[i].field = settings.*kItems[i].value;
    record.actualLevel = settings.actualLevel;
    const bool groups = settings.IsTicked(BasicItem::Groups);
    if (groups)
        record.SetGroupMask(settings.groupMask);

    const bool colourGear = HasDeviceType(record, dali::kDeviceTypeColour);
    for (BasicItem item : order)
        if (settings.IsTicked(item) && !sendItem(link, address, info(item), record.*info(item).field, colourGear))
            record.*info(item).field = before.*info(item).field;  // not stored: the record keeps the gear's
    if (groups)
        SendGroupMembership(link, a, record.groupMask);
}

void SendScenes(const BusLink& link, DeviceRecord& record, int address, const SceneSettings& settings) {
    const bool tc = record.colour.tunableWhite();
    const bool colourGear = HasDeviceType(record, dali::kDeviceTypeColour);
    for (int n = 0; n < kSceneCount; ++n) {
        const uint8_t level = settings.sceneLevel[size_t(n)];
        uint16_t& storedMirek = record.colour.sceneMirek[size_t(n)];
        // A tunable-white gear stores the temporary colour with the level: a
        // level sent alone would lose the scene's colour.
        uint16_t mirek = tc && settings.sceneMirek ? (*settings.sceneMirek)[size_t(n)] : storedMirek;
        if (level == kLevelMask)
            mirek = kColourMask;  // out of the scene, its colour goes too
        if (level == record.sceneLevel[size_t(n)] && (!tc || mirek == storedMirek || level == kLevelMask))
            continue;
        if (tc && mirek != kColourMask) {
            StoreSceneWithTc(link, address, n, level, mirek);
        } else if (!storeSceneLevel(link, address, n, level, colourGear)) {
            continue;  // the gear's colour for the scene not fetched, so nothing stored: the record stays
        }
        record.sceneLevel[size_t(n)] = level;
        if (tc)
            storedMirek = mirek;
        if (level == kLevelMask)  // out of the scene, its colour goes too
            record.colour.sceneLevels[size_t(n)] = kAllChannelsMasked;
    }
}

void StoreAllScenes(const BusLink& link, const DeviceRecord& record, int address) {
    const bool colourGear = HasDeviceType(record, dali::kDeviceTypeColour);
    for (int n = 0; n < kSceneCount; ++n)
        storeSceneLevel(link, address, n, record.sceneLevel[size_t(n)], colourGear);
}

LinkResult DeviceStore::WriteAll(int address) {
    if (!link.handle)
        return 0;
    const DeviceRecord& record = workingTable[size_t(address & 0x3F)];
    const uint8_t a = dali::commandAddress(address);
    // The record is the file's: the gear's own MIN decides the order.
    LinkResult ignored = 0;
    if (record.readState & kReadStateParameters) {
        auto order = std::to_array(kWriteAllOrder);
        if (const auto gearMin = QueryGear(link, a, code(Op::QueryMinLevel), ignored);
            gearMin && record.maxLevel < *gearMin)
            swapMinAndMax(order);
        for (BasicItem item : order)
            sendItem(link, address & 0x3F, info(item), record.*info(item).field,
                     HasDeviceType(record, dali::kDeviceTypeColour));
        SendGroupMembership(link, a, record.groupMask);
    }
    if (record.readState & kReadStateScenes)
        StoreAllScenes(link, record, address & 0x3F);
    if (HasDeviceType(record, dali::kDeviceTypeColour) && record.colour.features != 0) {
        // The gear's colour is not known here: every colour the record has
        // goes out, with the levels just written (none of an unread part).
        DeviceRecord gear = record;
        gear.colour = UnknownColour(record.colour);
        ColourWriteContext c{link, gear, address};
        SendColourSettings(c, record.colour);
    }
    return 0;
}
