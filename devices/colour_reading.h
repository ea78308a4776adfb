#pragma once
// Reading a colour gear's colour (device type 8) into its record when the
// colour tab first shows it: the colour type, the colour shown now and the
// colour temperature limits. Only queries reach the bus.

#include "devices/device_record.h"
#include "link/dalikit.h"

struct ColourReadContext {
    BusLink link;
    DeviceRecord& record;  // takes what was answered; a value without a clean answer stays
    int address;           // short address 0..63
};

// ENABLE DEVICE TYPE 8 and QUERY COLOUR TYPE FEATURES; without an answer the
// gear is no colour gear and nothing more is asked. Then, for tunable white,
// the colour temperature and the four limits (16-bit values), for RGBWAF gear
// each channel's level. Sets kReadStateColour once the features came. The OR
// of the transactions' results; 0 without bus traffic while offline.
LinkResult ReadColour(ColourReadContext& context);
