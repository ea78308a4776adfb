#pragma once
// The bus steps of replacing failed gear: which project addresses fell
// silent, which new gear lack a short address, giving one of them an address
// by its random address, making it flash, and comparing what it holds after
// writing with the project's record.

#include "devices/device_record.h"
#include "link/dalikit.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace addressing {

// The project's present addresses (only `only` when it is 0..63) where no
// gear answers QUERY STATUS, ascending. An address whose question never got
// through is not counted: a gear may be there. `answering` gets the asked
// addresses where a gear answered.
std::vector<int> FindMissingAddresses(const BusLink& link, const DeviceTable& project, int only,
                                      std::vector<int>& answering);

// TERMINATE, INITIALISE of the gear without a short address, RANDOMISE, then
// the random address of each such gear, lowest first; each found is
// withdrawn so the search moves on. Twins draw again and the list starts
// over (RANDOMISE redraws the listed gear too); twins that never part are
// left out. The gear stay in the initialisation state, withdrawn: the caller
// ends it with TERMINATE. Empty when no gear lacks an address.
std::vector<uint32_t> ListNewGear(const BusLink& link);

// INITIALISE of the gear without a short address, twice, with its wait: the
// listed gear take part again and their 15 minutes start afresh.
void InitialiseNewGear(const BusLink& link);

// The gear whose random address this is takes the address byte (a short
// address as (a << 1) | 1, or MASK to lose it): INITIALISE of the gear
// without an address first (the installer may have taken longer than the
// 15 minutes of the last one to decide), search address, PROGRAM SHORT
// ADDRESS, then true only when QUERY SHORT ADDRESS answers that byte and
// nothing else answers with it.
bool ProgramAtRandomAddress(const BusLink& link, uint32_t randomAddress, uint8_t addressByte);

// The gear at this short address blinks kFlashes times (RECALL MAX LEVEL,
// OFF) and stays at its MAX level, so the installer can find it.
inline constexpr int kFlashes = 3;
inline constexpr unsigned kFlashPauseMs = 400;
void FlashGear(const BusLink& link, int address);

// Every value a read-back gives that differs from the project's record, as
// "MAX LEVEL: 200 statt 254" (the gear's value first). The device-type-6
// values count only when the gear reads as one; the device type does not
// count, since a project file cannot hold it.
QStringList RecordDifferences(const DeviceRecord& read, const DeviceRecord& project, const QString& languageModulePath);

// A record whose every compared value differs from this one: a read-back
// into it shows each query the gear did not answer as a difference.
DeviceRecord Complement(const DeviceRecord& record);

}  // namespace addressing
