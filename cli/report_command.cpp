#include "cli/report_command.h"

#include "app/interface_list.h"
#include "app/status_panes.h"
#include "cli/cli_session.h"
#include "devices/read_all.h"
#include "storage/device_lines.h"
#include "storage/file_replacement.h"
#include "storage/project_flows.h"
#include "storage/project_report.h"
#include "storage/report_pdf.h"

#include <QFileInfo>

namespace {

constexpr StringId kProjectUnreadable = 775, kNotWritten = 784;

// The bus, read whole, with the project's names: the report's source.
ExitStatus readBus(CliSession& s, ReportSource& source) {
    ExitStatus status = s.Connect();
    if (status == ExitStatus::Done)
        status = s.Scan();
    if (status != ExitStatus::Done)
        return status;
    ReadAllContext reading{s.store, s.prompts, s.waitDialog, s.languageModulePath(), [] {}, false};
    RunReadAll(reading);
    if (InterruptRequested())
        return ExitStatus::Cancelled;
    AdoptProjectNames(s.store);
    source.online = true;
    source.serial = InterfaceSerial(s.store.link.handle);
    source.revision = QString::fromStdString(dalikit_ReadRevision(s.store.link));
    return ExitStatus::Done;
}

bool write(const QString& path, const QByteArray& bytes) {
    FileReplacement file(path);
    return file.Write(bytes) && file.Commit();
}

}  // namespace

ExitStatus RunReportCommand(CliSession& s) {
    const QString& project = s.arguments.arguments[0];
    if (!QFileInfo(project).isReadable() ||
        ReadProjectFile(project, s.store.projectTable, &s.store.projectHeader, &s.store.floorPlans) == 0) {
        s.fail(kProjectUnreadable, project);
        return ExitStatus::FileError;
    }
    ReportSource source;
    source.projectFile = QFileInfo(project).fileName();
    source.madeAt = QDateTime::currentDateTime();
    source.programVersion = VersionText();
    if (s.arguments.offline || ListQuorrelInterfaces().empty()) {
        s.store.workingTable = s.store.projectTable;
    } else if (const ExitStatus status = readBus(s, source); status != ExitStatus::Done) {
        return status;
    }
    const InstallationReport report = ProjectReport(s.store, source, project, nullptr, false, s.languageModulePath());
    QString error;
    if (!WriteReportPdf(s.arguments.pdfPath, report, error)) {
        s.fail(kNotWritten, s.arguments.pdfPath);
        return ExitStatus::FileError;
    }
    if (!s.arguments.csvPath.isEmpty() && !write(s.arguments.csvPath, GearTableCsv(report))) {
        s.fail(kNotWritten, s.arguments.csvPath);
        return ExitStatus::FileError;
    }
    return ExitStatus::Done;
}
