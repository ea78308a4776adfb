#include "devices/colour_reading.h"

#include "dali/dali_commands.h"
#include "devices/gear_transactions.h"
#include "link/colour_transactions.h"

namespace {

using dali::ColourValue;
using dali::Op;

struct Wide {
    ColourValue value;
    uint16_t ColourSettings::*field;
};

constexpr Wide kTunableWhiteValues[] = {
    {ColourValue::ColourTemperature, &ColourSettings::mirek},
    {ColourValue::ColourTemperatureCoolest, &ColourSettings::coolest},
    {ColourValue::ColourTemperaturePhysicalCoolest, &ColourSettings::physicalCoolest},
    {ColourValue::ColourTemperatureWarmest, &ColourSettings::warmest},
    {ColourValue::ColourTemperaturePhysicalWarmest, &ColourSettings::physicalWarmest},
};

// QUERY ASSIGNED COLOUR answers 1 red .. 6 freecolour; 0 (none) and MASK carry no colour.
constexpr uint8_t kFirstAssignedColour = 1;

// The colours the channels carry; nothing when a channel gave no clean answer.
std::optional<uint8_t> queryColours(const BusLink& link, uint8_t a, int channels, LinkResult& results) {
    uint8_t colours = 0;
    for (int channel = 0; channel < channels; ++channel) {
        SendToGear(link, dali::code(dali::SpecialOp::Dtr0), uint8_t(channel), results);
        SendToGear(link, dali::code(dali::SpecialOp::EnableDeviceType), dali::kDeviceTypeColour, results);
        const auto colour = QueryGear(link, a, dali::code(dali::Dt8Op::QueryAssignedColour), results);
        if (!colour)
            return std::nullopt;
        if (*colour >= kFirstAssignedColour && *colour < kFirstAssignedColour + kColourChannels)
            colours |= uint8_t(1u << (*colour - kFirstAssignedColour));
    }
    return colours;
}

// The level of each colour a channel carries, from the selector of red at `red` on.
void readLevels(const BusLink& link, uint8_t a, const ColourSettings& colour, ColourValue red, ChannelLevels& levels,
                LinkResult& results) {
    for (int c = 0; c < kColourChannels; ++c)
        if (colour.hasColour(c))
            if (const auto level = QueryColourValue(link, a, dali::code(red, c), false, results))
                levels[size_t(c)] = uint8_t(*level);
}

// QUERY POWER ON LEVEL, SYSTEM FAILURE LEVEL and SCENE LEVEL n load the colour
// kept with the level into the report colour, which QUERY COLOUR VALUE then tells.
void readStoredColours(const BusLink& link, uint8_t a, ColourSettings& colour, LinkResult& results) {
    const auto readStored = [&](uint8_t query, uint16_t& mirek, ChannelLevels& levels) {
        if (!colour.tunableWhite() && colour.channels() == 0)
            return;
        if (!QueryGear(link, a, query, results))
            return;
        if (colour.tunableWhite())
            if (const auto value = QueryColourValue(link, a, dali::code(ColourValue::ReportColourTemperature), true, results))
                mirek = *value;
        if (colour.channels() > 0)
            readLevels(link, a, colour, ColourValue::ReportRedDimLevel, levels, results);
    };
    readStored(dali::code(Op::QueryPowerOnLevel), colour.powerOnMirek, colour.powerOnLevels);
    readStored(dali::code(Op::QuerySystemFailureLevel), colour.systemFailureMirek, colour.systemFailureLevels);
    for (int n = 0; n < 16; ++n)
        readStored(dali::code(Op::QuerySceneLevel, n), colour.sceneMirek[size_t(n)], colour.sceneLevels[size_t(n)]);
}

}  // namespace

std::optional<uint16_t> QueryColourValue(const BusLink& link, uint8_t address, uint8_t selector, bool wide,
                                         LinkResult& results) {
    uint16_t value = 0;
    uint8_t status = 0;
    const LinkResult result = dalikit_QueryColourValue(link, address, selector, wide, value, status);
    dalikit_WaitIdle(link);
    results |= result;
    if (result != link_result::kOk || !bridge_status::isCleanAnswer(status))
        return std::nullopt;
    return value;
}

LinkResult ReadColour(ColourReadContext& c) {
    if (!c.link.handle)
        return 0;
    const uint8_t a = dali::commandAddress(c.address);
    LinkResult results = 0;
    SendToGear(c.link, dali::code(dali::SpecialOp::EnableDeviceType), dali::kDeviceTypeColour, results);
    const std::optional<uint8_t> features =
        QueryGear(c.link, a, dali::code(dali::Dt8Op::QueryColourTypeFeatures), results);
    if (!features)
        return results;
    ColourSettings& colour = c.record.colour;
    colour.features = *features;
    if (const auto colours = queryColours(c.link, a, colour.channels(), results))
        colour.colours = *colours;
    if (colour.tunableWhite())
        for (const Wide& w : kTunableWhiteValues)
            if (const auto value = QueryColourValue(c.link, a, dali::code(w.value), true, results))
                colour.*w.field = *value;
    readLevels(c.link, a, colour, ColourValue::RedDimLevel, colour.levels, results);
    readStoredColours(c.link, a, colour, results);
    c.record.readState |= kReadStateColour;
    return results;
}
