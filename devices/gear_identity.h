#pragma once
// What a gear is: its GTIN, firmware version and identification number, read
// from memory bank 0 in the layout of the gear's edition, and their texts.

#include "devices/device_record.h"
#include "link/dalikit.h"

#include <QString>

// QUERY VERSION NUMBER says the edition (8 and up: DALI-2, 8-byte
// identification number at 0x0B and the versions and unit counts up to 0x1A;
// below: edition 1, 4-byte serial number there, ending at 0x0E), then bank 0
// from its last accessible bank at 0x02 to the layout's end. Nothing when the
// gear has no bank 0 or gave none of it.
std::optional<GearIdentity> ReadGearIdentity(const BusLink& link, int address, LinkResult& results);

// "4012345678901", "2.1", "00000000075BCD15" (8 hex digits for an
// edition-1 serial number); empty when not known.
QString GtinText(const GearIdentity& identity);
QString FirmwareText(const GearIdentity& identity);
QString IdentificationText(const GearIdentity& identity);
