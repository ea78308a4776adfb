#pragma once
// Writing a colour gear's colour (device type 8): "Senden" on the colour tab
// sends what differs from the record, and the record follows what was sent.

#include "devices/device_record.h"
#include "link/dalikit.h"

struct ColourWriteContext {
    BusLink link;
    DeviceRecord& record;  // the gear's record: compared with, and updated after each item sent
    int address;           // short address 0..63
};

struct ColourWriteResult {
    LinkResult results = 0;  // OR of the transactions' results
    // Items not sent, so nothing the user did not mean reaches the gear:
    bool limitsOutOfOrder = false;  // coolest above warmest (in mirek) once within the physical limits
    bool limitsNotTaken = false;    // the gear holds other limits than were sent (the record has the gear's)
    bool levelUnknown = false;      // a power-on or failure colour while the record's levels were never read
    uint16_t scenesNotSent = 0;     // bit n: scene n's colour, while the gear is not in the scene or its level unknown
};

// In this order, each only when it differs from the record:
// - coolest and warmest (within the physical limits), each with STORE COLOUR
//   TEMPERATURE Tc LIMIT; the one that makes room first; limits the record
//   does not know are read before, and both are read back after;
// - the colour shown now: temporary colour temperature or channel levels, then ACTIVATE;
// - the power-on and system-failure colours: the temporary colour stored with
//   the record's power-on or system-failure level (STORE DTR AS ...); MASK
//   removes the stored colour;
// - each scene's colour temperature or channel levels, stored with the
//   record's scene level.
// A MASK colour shown now is not sent.
ColourWriteResult SendColourSettings(ColourWriteContext& context, const ColourSettings& wanted);

// Scene `scene` of a tunable-white gear at this level with this colour
// temperature: the temporary colour temperature first, then DTR0 and STORE
// THE DTR AS SCENE, so the gear keeps both. The sequence's result.
LinkResult StoreSceneWithTc(const BusLink& link, int address, int scene, uint8_t level, uint16_t mirek);

// A level stored alone on colour gear keeps the colour the gear holds for it:
// the QUERY ... LEVEL `queryOpcode` loads that colour into the report colour,
// ENABLE DEVICE TYPE 8, COPY REPORT TO TEMPORARY, then DTR0 and `storeOpcode`
// (sent twice). Without an answer to the query nothing more is sent, so the
// level is never stored without its colour. True when the store went out;
// the transactions' results ORed into `results`.
bool StoreLevelKeepingColour(const BusLink& link, int address, uint8_t queryOpcode, uint8_t storeOpcode, uint8_t level,
                             LinkResult& results);

// The colour of a gear of these features whose colours are not known (all
// MASK but features and physical limits): compared with it, every colour of a
// record differs and is sent.
ColourSettings UnknownColour(const ColourSettings& colour);
