#pragma once
// The installation report's part on emergency luminaires: each unit's last
// function test and last duration test as the logbook holds them.

#include "devices/device_record.h"
#include "storage/emergency_logbook.h"

struct InstallationReport;

// One row per emergency unit of the table (by its device types) and per
// address the logbook has results of. A result counts for the unit with its
// identification number, else for the unit at its address placed there
// before the test; a unit with no result of its own says it was never
// tested. `logbookError` (the logbook could not be read) is said above the table.
// Nothing is added when there is neither a unit nor an error.
void AddEmergencyTestsToReport(InstallationReport& report, const std::vector<EmergencyLogEntry>& entries,
                               const QString& logbookError, const DeviceTable& table,
                               const QString& languageModulePath);
