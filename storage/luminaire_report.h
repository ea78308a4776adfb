#pragma once
// The report's table "Leuchtendaten und Betrieb" from the banks read (per
// gear: luminaire ID, year, nominal power, operating hours, energy, failure
// counters) and the same columns as the maintenance CSV, numbers without
// units and in the language's decimal mark, for a spreadsheet.

#include "storage/installation_report.h"

// Fills report.luminaires and the maintenance CSV's header and rows; gear
// without any of the banks get no row.
void AddLuminaireTable(InstallationReport& report, const DeviceTable& table, const QString& languageModulePath);

QByteArray MaintenanceCsv(const InstallationReport& report);

// Beside the gear table's file: "anlage.csv" -> "anlage-Wartung.csv".
QString MaintenanceCsvPath(const QString& gearTablePath, const QString& languageModulePath);
