#include "devices/colour_reading.h"

#include "dali/dali_commands.h"
#include "devices/gear_transactions.h"
#include "link/colour_transactions.h"

namespace {

using dali::ColourValue;

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

// The value, when the query (and for a wide value both of its answers) came cleanly.
std::optional<uint16_t> queryValue(const BusLink& link, uint8_t address, uint8_t selector, bool wide,
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

}  // namespace

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
    if (colour.tunableWhite())
        for (const Wide& w : kTunableWhiteValues)
            if (const auto value = queryValue(c.link, a, dali::code(w.value), true, results))
                colour.*w.field = *value;
    for (int channel = 0; channel < colour.channels(); ++channel)
        if (const auto level = queryValue(c.link, a, dali::code(ColourValue::RedDimLevel, channel), false, results))
            colour.levels[size_t(channel)] = uint8_t(*level);
    c.record.readState |= kReadStateColour;
    return results;
}
