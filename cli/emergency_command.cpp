#include "cli/emergency_command.h"

#include "cli/cli_json.h"
#include "cli/cli_session.h"
#include "storage/device_lines.h"
#include "storage/emergency_run_job.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

constexpr StringId kProjectUnreadable = 775, kCancelled = 780;

// An entry under the logbook's own words: its line's fields by name.
QJsonObject entryJson(const EmergencyLogEntry& entry) {
    const QStringList fields = QString::fromUtf8(EmergencyLogLine(entry)).chopped(1).split(QLatin1Char('\t'));
    const auto optional = [](const QString& field) {
        return field == QLatin1String("-") ? QJsonValue() : QJsonValue(field);
    };
    return {{"time", fields.value(0)},
            {"address", entry.shortAddress},
            {"test", fields.value(2)},
            {"outcome", fields.value(3)},
            {"failureStatus", optional(fields.value(4))},
            {"durationMinutes", entry.durationMinutes ? QJsonValue(*entry.durationMinutes) : QJsonValue()},
            {"name", entry.name},
            {"unit", optional(fields.value(7))}};
}

}  // namespace

ExitStatus RunEmergencyCommand(CliSession& s) {
    const QString& project = s.arguments.arguments[0];
    // The names the logbook gives the units are the project's.
    if (!QFileInfo(project).isReadable() || ReadProjectFile(project, s.store.projectTable) == 0) {
        s.fail(kProjectUnreadable, project);
        return ExitStatus::FileError;
    }
    for (int a = 0; a < kDeviceCount; ++a)
        s.store.workingTable[size_t(a)].name = s.store.projectTable[size_t(a)].name;
    ExitStatus status = s.Connect();
    if (status == ExitStatus::Done)
        status = s.Scan();
    if (status != ExitStatus::Done)
        return status;
    const EmergencyRunChoice choice{
        s.arguments.durationTest ? EmergencyTestKind::Duration : EmergencyTestKind::Function, s.arguments.group};
    EmergencyRunJobContext context{s.store.link, s.store.workingTable,  choice, project, s.prompts,
                                   s.waitDialog, s.languageModulePath()};
    const EmergencyRunJobResult result = RunEmergencyRunJob(context);
    if (!result.ran)
        return ExitStatus::BusError;
    QJsonArray entries;
    for (const EmergencyLogEntry& entry : result.entries)
        entries.append(entryJson(entry));
    PrintOut(Render(QJsonObject{{"results", entries}}, s.arguments.json));
    if (!result.logged)
        return ExitStatus::FileError;
    if (InterruptRequested()) {
        s.fail(kCancelled);
        return ExitStatus::Cancelled;
    }
    return ExitStatus::Done;
}
