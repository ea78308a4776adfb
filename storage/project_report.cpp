#include "storage/project_report.h"

#include "devices/device_store.h"
#include "devices/line_check.h"
#include "devices/line_check_text.h"
#include "storage/emergency_report.h"

InstallationReport ProjectReport(const DeviceStore& store, const ReportSource& source, const QString& projectPath,
                                 const LineCheckResult* lastCheck, bool checkOutdated, const QString& module) {
    InstallationReport report = BuildInstallationReport(store, source, module);
    // The logbook lives beside the project file: without one there are no results yet.
    QString logbookError;
    std::optional<EmergencyLogbook> logbook;
    if (!projectPath.isEmpty())
        logbook = ReadEmergencyLogbook(EmergencyLogbookPath(projectPath), logbookError);
    AddEmergencyTestsToReport(report, logbook ? logbook->entries : std::vector<EmergencyLogEntry>{}, logbookError,
                              store.workingTable, module);
    if (lastCheck && lastCheck->ran)
        AddLineCheckToReport(report, *lastCheck, checkOutdated, module);
    return report;
}
