#pragma once
// Reading a colour gear's colour (device type 8) into its record when the
// colour tab first shows it: the colour type, the colour shown now, the
// colour temperature limits and the colours kept with the power-on,
// system-failure and scene levels. Only queries reach the bus.

#include "devices/device_record.h"
#include "link/dalikit.h"

#include <optional>

struct ColourReadContext {
    BusLink link;
    DeviceRecord& record;  // takes what was answered; a value without a clean answer stays
    int address;           // short address 0..63
};

// ENABLE DEVICE TYPE 8 and QUERY COLOUR TYPE FEATURES; without an answer the
// gear is no colour gear and nothing more is asked. Then for RGBWAF gear the
// colour each channel carries (QUERY ASSIGNED COLOUR); for tunable white the
// colour temperature and the four limits (16-bit values), for RGBWAF gear the
// level of each colour carried; then the stored colours: QUERY POWER ON LEVEL,
// SYSTEM FAILURE LEVEL and SCENE LEVEL 0..15, each followed
// by the report colour's values. Sets kReadStateColour once the features came. The OR
// of the transactions' results; 0 without bus traffic while offline.
LinkResult ReadColour(ColourReadContext& context);

// DTR0 := selector, ENABLE DEVICE TYPE 8, QUERY COLOUR VALUE (a wide value:
// and its low byte), then the idle wait. The value when every answer came
// cleanly; the result ORed into `results`.
std::optional<uint16_t> QueryColourValue(const BusLink& link, uint8_t address, uint8_t selector, bool wide,
                                         LinkResult& results);
