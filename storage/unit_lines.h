#pragma once
// What a project knows of the unit at an address beyond its settings, in one
// comment line per gear:
//   #kelvane-unit 05 placed=2026-12-11T09:30:00Z gtin=4012345678901 firmware=2.1 id=00000000075BCD15
// when Kelvane gave the gear this address (UTC), and memory bank 0's GTIN,
// firmware version and identification number (16 hex digits, 8 for an
// edition-1 serial number). Only the parts known are written; a gear with
// none has no line. A reader skips words it does not know.

#include "devices/device_record.h"

#include <QString>
#include <QStringView>

inline const QString kUnitTag = QStringLiteral("#kelvane-unit ");

// The line of this record (no line feed); empty when there is nothing to say.
QString FormatUnitLine(int address, const DeviceRecord& record);

// Fills the placing date and identity of the record the line names from the
// words it can read; `record` is the table's entry for the line's address.
void ReadUnitWords(QStringView words, DeviceRecord& record);
