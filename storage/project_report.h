#pragma once
// The whole installation report of a project, as the window and the command
// line make it: the gear tables, the emergency tests from the logbook beside
// the project file, and the last line check when one was made.

#include "storage/installation_report.h"

struct LineCheckResult;

// `projectPath` empty: no logbook (the project was never saved). `lastCheck`
// null: no line check; `checkOutdated`: the bus changed after it.
InstallationReport ProjectReport(const DeviceStore& store, const ReportSource& source, const QString& projectPath,
                                 const LineCheckResult* lastCheck, bool checkOutdated,
                                 const QString& languageModulePath);
