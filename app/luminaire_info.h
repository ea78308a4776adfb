#pragma once
// The information tab's rows from a luminaire's banks: sections
// "Leuchtendaten", "Energie", "Zustand" and "Wartung", after the fixed rows.

#include "app/device_info.h"
#include "devices/device_record.h"

// Each section: an empty row, its title, then a row per value of the banks
// the gear has. A section none of whose banks the gear has is its title with
// "nicht vorhanden". Nothing when the banks were not read.
std::vector<InfoRow> LuminaireInfoRows(const BankReadings& banks, const QString& languageModulePath);

// Bank 0 in the layout of the gear's edition: an empty row, its title, then
// a row per value the gear gave. Nothing when bank 0 was not read.
std::vector<InfoRow> IdentityInfoRows(const GearIdentity& identity, const QString& languageModulePath);
