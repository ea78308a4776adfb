#include "devices/colour_writing.h"

#include "dali/dali_commands.h"
#include "devices/colour_reading.h"
#include "devices/gear_transactions.h"
#include "link/colour_transactions.h"

#include <algorithm>
#include <vector>

namespace {

using dali::code;
using dali::ColourValue;
using dali::Dt8Op;
using dali::Op;
using dali::SpecialOp;
using Frames = std::vector<DaliFrame>;

constexpr DaliFrame kEnableColour{code(SpecialOp::EnableDeviceType), dali::kDeviceTypeColour};

Frames temporaryTc(uint8_t a, uint16_t mirek) {
    return {{code(SpecialOp::Dtr0), uint8_t(mirek & 0xFF)},
            {code(SpecialOp::Dtr1), uint8_t(mirek >> 8)},
            kEnableColour,
            {a, code(Dt8Op::SetTemporaryColourTemperature)}};
}

Frames storeWithLevel(uint8_t a, uint8_t opcode, uint8_t level) {
    return {{code(SpecialOp::Dtr0), level}, {a, opcode, true}};
}

class ColourSender {
public:
    ColourSender(ColourWriteContext& c, ColourWriteResult& result)
        : c_(c), a_(dali::commandAddress(c.address)), result_(result) {}

    void Send(const Frames& frames) { result_.results |= dalikit_SendSequence(c_.link, frames); }
    std::optional<uint16_t> Query(ColourValue value) {
        return QueryColourValue(c_.link, a_, code(value), true, result_.results);
    }

    Frames TemporaryTc(uint16_t mirek) const { return temporaryTc(a_, mirek); }
    // Red, green, blue; white, amber, freecolour; each three only for gear
    // whose channels carry one of them.
    Frames TemporaryLevels(const ChannelLevels& levels, uint8_t colourMask) const {
        Frames frames;
        for (size_t first = 0; first < levels.size(); first += 3) {
            if ((colourMask >> first & 0x07) == 0)
                continue;
            const Dt8Op op = first == 0 ? Dt8Op::SetTemporaryRgbDimLevel : Dt8Op::SetTemporaryWafDimLevel;
            frames.insert(frames.end(), {{code(SpecialOp::Dtr0), levels[first]},
                                         {code(SpecialOp::Dtr1), levels[first + 1]},
                                         {code(SpecialOp::Dtr2), levels[first + 2]},
                                         kEnableColour,
                                         {a_, code(op)}});
        }
        return frames;
    }
    Frames Activate() const { return {kEnableColour, {a_, code(Dt8Op::Activate)}}; }
    Frames StoreWithLevel(uint8_t opcode, uint8_t level) const { return storeWithLevel(a_, opcode, level); }
    Frames StoreLimit(dali::ColourTemperatureLimit limit, uint16_t mirek) const {
        return {{code(SpecialOp::Dtr0), uint8_t(mirek & 0xFF)},
                {code(SpecialOp::Dtr1), uint8_t(mirek >> 8)},
                {code(SpecialOp::Dtr2), code(limit)},
                kEnableColour,
                {a_, code(Dt8Op::StoreColourTemperatureLimit), true}};
    }

private:
    ColourWriteContext& c_;
    uint8_t a_;
    ColourWriteResult& result_;
};

Frames operator+(Frames a, const Frames& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Limits the record does not know are read first: the order of the stores
// depends on what the gear holds.
void readLimitsNotKnown(ColourSender& s, ColourSettings& now) {
    const std::pair<ColourValue, uint16_t ColourSettings::*> limits[] = {
        {ColourValue::ColourTemperatureCoolest, &ColourSettings::coolest},
        {ColourValue::ColourTemperatureWarmest, &ColourSettings::warmest},
        {ColourValue::ColourTemperaturePhysicalCoolest, &ColourSettings::physicalCoolest},
        {ColourValue::ColourTemperaturePhysicalWarmest, &ColourSettings::physicalWarmest},
    };
    for (const auto& [value, field] : limits)
        if (now.*field == kColourMask)
            if (const auto answer = s.Query(value))
                now.*field = *answer;
}

void sendLimits(ColourSender& s, ColourSettings& now, const ColourSettings& wanted, ColourWriteResult& result) {
    if (wanted.coolest == now.coolest && wanted.warmest == now.warmest)
        return;
    readLimitsNotKnown(s, now);
    uint16_t coolest = wanted.coolest, warmest = wanted.warmest;
    if (now.physicalCoolest != kColourMask && coolest != kColourMask)
        coolest = std::max(coolest, now.physicalCoolest);
    if (now.physicalWarmest != kColourMask && warmest != kColourMask)
        warmest = std::min(warmest, now.physicalWarmest);
    if (coolest == kColourMask || warmest == kColourMask || coolest == 0 || coolest > warmest) {
        result.limitsOutOfOrder = true;
        return;
    }
    if (coolest == now.coolest && warmest == now.warmest)
        return;
    using L = dali::ColourTemperatureLimit;
    const bool coolestFirst = now.warmest == kColourMask || coolest <= now.warmest;
    const auto storeCoolest = [&] {
        if (coolest != now.coolest)
            s.Send(s.StoreLimit(L::Coolest, coolest));
    };
    const auto storeWarmest = [&] {
        if (warmest != now.warmest)
            s.Send(s.StoreLimit(L::Warmest, warmest));
    };
    if (coolestFirst) {
        storeCoolest();
        storeWarmest();
    } else {
        storeWarmest();
        storeCoolest();
    }
    // The gear may clamp a limit: the record takes what it answers, MASK without an answer.
    now.coolest = s.Query(ColourValue::ColourTemperatureCoolest).value_or(kColourMask);
    now.warmest = s.Query(ColourValue::ColourTemperatureWarmest).value_or(kColourMask);
    result.limitsNotTaken = now.coolest != coolest || now.warmest != warmest;
}

// The colour the gear keeps with a level: a colour temperature or channel levels.
struct StoredColour {
    uint16_t ColourSettings::*mirek;
    ChannelLevels ColourSettings::*levels;
    Op store;
    uint8_t DeviceRecord::*level;
};

constexpr StoredColour kStoredColours[] = {
    {&ColourSettings::powerOnMirek, &ColourSettings::powerOnLevels, Op::StoreDtrAsPowerOnLevel,
     &DeviceRecord::powerOnLevel},
    {&ColourSettings::systemFailureMirek, &ColourSettings::systemFailureLevels, Op::StoreDtrAsSystemFailureLevel,
     &DeviceRecord::systemFailureLevel},
};

}  // namespace

ColourWriteResult SendColourSettings(ColourWriteContext& c, const ColourSettings& wanted) {
    ColourWriteResult result;
    if (!c.link.handle)
        return result;
    ColourSender s(c, result);
    DeviceRecord& record = c.record;
    ColourSettings& now = record.colour;
    const int channels = now.channels();
    const uint8_t colours = now.colourMask();

    if (now.tunableWhite())
        sendLimits(s, now, wanted, result);

    if (now.tunableWhite() && wanted.mirek != now.mirek && wanted.mirek != kColourMask) {
        s.Send(s.TemporaryTc(wanted.mirek) + s.Activate());
        now.mirek = wanted.mirek;
        if (now.coolest <= now.warmest && now.warmest != kColourMask)  // as the gear holds it
            now.mirek = std::clamp(now.mirek, now.coolest, now.warmest);
    }
    if (channels > 0 && wanted.levels != now.levels) {
        s.Send(s.TemporaryLevels(wanted.levels, colours) + s.Activate());
        now.levels = wanted.levels;
    }

    const bool levelsKnown = record.readState & kReadStateParameters;
    for (const StoredColour& stored : kStoredColours) {
        const bool tc = now.tunableWhite() && wanted.*stored.mirek != now.*stored.mirek;
        const bool levels = channels > 0 && wanted.*stored.levels != now.*stored.levels;
        if (!tc && !levels)
            continue;
        if (!levelsKnown) {
            result.levelUnknown = true;
            continue;
        }
        const Frames store = s.StoreWithLevel(code(stored.store), record.*stored.level);
        if (tc)
            s.Send(s.TemporaryTc(wanted.*stored.mirek) + store);
        if (levels)
            s.Send(s.TemporaryLevels(wanted.*stored.levels, colours) + store);
        now.*stored.mirek = wanted.*stored.mirek;
        now.*stored.levels = wanted.*stored.levels;
    }

    const bool scenesKnown = record.readState & kReadStateScenes;
    for (int n = 0; n < kSceneCount; ++n) {
        const uint16_t mirek = wanted.sceneMirek[size_t(n)];
        const ChannelLevels& levels = wanted.sceneLevels[size_t(n)];
        const bool tc = now.tunableWhite() && mirek != now.sceneMirek[size_t(n)];
        const bool rgbwaf = channels > 0 && levels != now.sceneLevels[size_t(n)];
        if (!tc && !rgbwaf)
            continue;
        const uint8_t level = record.sceneLevel[size_t(n)];
        if (!scenesKnown || level == kLevelMask) {
            result.scenesNotSent |= uint16_t(1u << n);
            continue;
        }
        if (tc)
            result.results |= StoreSceneWithTc(c.link, c.address, n, level, mirek);
        if (rgbwaf)
            s.Send(s.TemporaryLevels(levels, colours) + s.StoreWithLevel(code(Op::StoreDtrAsScene, n), level));
        now.sceneMirek[size_t(n)] = mirek;
        now.sceneLevels[size_t(n)] = levels;
    }
    return result;
}

LinkResult StoreSceneWithTc(const BusLink& link, int address, int scene, uint8_t level, uint16_t mirek) {
    const uint8_t a = dali::commandAddress(address);
    return dalikit_SendSequence(link, temporaryTc(a, mirek) + storeWithLevel(a, code(Op::StoreDtrAsScene, scene), level));
}

bool StoreLevelKeepingColour(const BusLink& link, int address, uint8_t queryOpcode, uint8_t storeOpcode, uint8_t level,
                             LinkResult& results) {
    const uint8_t a = dali::commandAddress(address);
    if (!QueryGear(link, a, queryOpcode, results))
        return false;
    const Frames frames =
        Frames{kEnableColour, {a, code(Dt8Op::CopyReportToTemporary)}} + storeWithLevel(a, storeOpcode, level);
    const LinkResult sent = dalikit_SendSequence(link, frames);
    results |= sent;
    return sent == link_result::kOk;
}

ColourSettings UnknownColour(const ColourSettings& colour) {
    ColourSettings unknown;
    unknown.features = colour.features;
    unknown.colours = colour.colours;
    unknown.physicalCoolest = colour.physicalCoolest;
    unknown.physicalWarmest = colour.physicalWarmest;
    return unknown;
}
