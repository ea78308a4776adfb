#include "app/project_files.h"

#include "app/connection_flow.h"
#include "app/device_tabs.h"
#include "app/line_check_flow.h"
#include "app/status_panes.h"
#include "app/tab_flow.h"
#include "app/view_surface.h"
#include "devices/prompts.h"
#include "storage/device_file_flows.h"
#include "storage/file_replacement.h"
#include "storage/installation_report.h"
#include "storage/luminaire_report.h"
#include "storage/project_flows.h"
#include "storage/project_report.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr StringId kSearchTitle = 189, kSearchQuestion = 190, kNoGearTitle = 198, kNoGearGoOffline = 263, kOk = 179,
                   kCancel = 181, kOfflineTitle = 243, kOfflineNotice = 244;
constexpr uint32_t kReadStateOffline = 6;

}  // namespace

FileFlowContext ProjectFiles::FileFlows() {
    return {core_.store, core_.services.prompts, core_.waitDialog, core_.languageModulePath(),
            [this] { core_.services.surface.ProcessPendingEvents(); }};
}

void ProjectFiles::NewProject() {
    SaveProject();
    core_.store.Clear();
    core_.matrix.ResetFlags();
    core_.services.surface.RepaintMatrix();
    core_.projectLoaded = 0;
    core_.projectDirty = 0;
    Forget();
    core_.basicChanged = 0;
    core_.scenesChanged = 0;
    core_.services.surface.CommandsChanged();  // no gear: no report
}

void ProjectFiles::Forget() {
    projectPath_.clear();
    lineCheck_.forget();
}

void ProjectFiles::SaveProject() {
    FileFlowContext context = FileFlows();
    if (const QString path = ::SaveProject(context); !path.isEmpty()) {
        projectPath_ = path;
        core_.projectDirty = 0;
    }
}

void ProjectFiles::EditProjectHeader() {
    ProjectHeader header = core_.store.projectHeader;
    if (!core_.services.surface.RunProjectHeaderDialog(header))
        return;
    header = header.Kept();
    if (header == core_.store.projectHeader)
        return;
    core_.store.projectHeader = header;
    core_.projectDirty = 1;
}

void ProjectFiles::OpenProject() {
    FileFlowContext context = FileFlows();
    const QString path = ChooseProjectFile(context);
    if (path.isEmpty())
        return;
    // The project shown is asked about while it still is the one shown, with
    // its own header, online or not; asked once.
    if (core_.projectDirty == 1) {
        core_.saveProject();
        core_.projectDirty = 0;
    }
    ReadOpenedProject(context, path);
    projectPath_ = path;
    core_.projectLoaded = 1;
    lineCheck_.forget();
    core_.services.surface.CommandsChanged();  // "Anlage prüfen" wants a project
    if (core_.offlineMode == 1) {
        ShowProjectOffline();
        return;
    }
    // Online the project goes onto the gear found; a bus not scanned yet is
    // scanned first if the user wants.
    Prompts& prompts = core_.services.prompts;
    if (core_.store.PresentCount() == 0) {
        if (prompts.AskConfirmation(kSearchTitle, kSearchQuestion, kOk, kCancel, 0) != kDialogOk) {
            ShowProjectOffline();
            return;
        }
        if (connection_.ScanBus() == 0) {
            if (prompts.AskConfirmation(kNoGearTitle, kNoGearGoOffline, kOk, kCancel, 0) == kDialogOk)
                ShowProjectOffline();
            return;
        }
        connection_.EnableScannedBus();
    }
    TransferProject(context);
    core_.PresentGearChanged();
    // The tabs show what the records now hold, so a "Senden" cannot undo it.
    if (core_.store.selectedCount == 1)
        tabs_.ShowSelectedRecord(core_.store.selectedAddresses[0]);
}

void ProjectFiles::ShowProjectOffline() {
    ViewSurface& surface = core_.services.surface;
    connection_.Disconnect();
    core_.projectLoaded = 1;
    core_.store.workingTable = core_.store.projectTable;
    core_.matrix.ResetFlags();
    for (int a = 0; a < kMatrixCellCount; ++a) {
        DeviceRecord& record = core_.store.workingTable[size_t(a)];
        const bool present = record.present == 1;
        core_.matrix.cells[size_t(a)].present = present ? 1 : 0;
        // Offline, parameters and scenes are what the file says: nothing is read.
        record.readState = present ? record.readState & kReadStateOffline : 0;
    }
    surface.RepaintMatrix();
    surface.ProcessPendingEvents();
    surface.RepaintMatrix();
    surface.EnableDevicePanel(true);
    core_.SetCommands({CommandId::GroupsMenu, CommandId::GroupsTool, CommandId::ScenesMenu, CommandId::ScenesTool}, true);
    surface.EnableIdentifyBox(false);
    surface.SetIdentifyChecked(false);
    core_.services.settings.identifyMode = 0;
    core_.services.prompts.ShowMessage(kOfflineTitle, kOfflineNotice);
}

void ProjectFiles::SaveDeviceFile() {
    DeviceFileContext context{FileFlows(), {}, {}};
    ::SaveDeviceFile(context);
}

void ProjectFiles::LoadDeviceFile() {
    DeviceFileContext context{
        FileFlows(),
        [this](int address) { tabs_.ShowSelectedRecord(address); },
        [this] { return core_.tabs.basicSettings(); },
    };
    ::LoadDeviceFile(context);
}

// --- Installation report ----------------------------------------------------------

InstallationReport ProjectFiles::Report() const {
    ReportSource source;
    source.online = core_.offlineMode != 1;
    source.serial = connection_.serialText();
    source.revision = core_.status[size_t(kPaneRevision)].text;
    source.revision.remove(QStringLiteral("Rev: "));
    source.projectFile = QFileInfo(projectPath_).fileName();
    source.madeAt = QDateTime::currentDateTime();
    source.programVersion = VersionText();
    return ProjectReport(core_.store, source, projectPath_, &lineCheck_.last(), lineCheck_.outdated(),
                         core_.languageModulePath());
}

// Values never read would show as "?": online the user may have every gear
// read first. Nothing is sent unless he says yes.
void ProjectFiles::offerReadingFirst() {
    constexpr StringId kYes = 239, kNo = 240, kReportTitle = 635, kReadFirstText = 636;
    if (!core_.busLink().handle)
        return;
    const DeviceTable& table = core_.store.workingTable;
    const bool allRead = std::all_of(table.begin(), table.end(), [](const DeviceRecord& r) {
        const uint32_t needed = kReadStateParameters | kReadStateScenes |
                                (HasDeviceType(r, dali::kDeviceTypeColour) ? kReadStateColour : 0);
        return r.present != 1 || (r.readState & needed) == needed;
    });
    if (!allRead && core_.services.prompts.AskConfirmation(kReportTitle, kReadFirstText, kYes, kNo, 0) == kDialogOk)
        tabs_.ReadAll(false);
}

void ProjectFiles::CreateReport() {
    if (core_.store.PresentCount() == 0)
        return;
    offerReadingFirst();
    ExportInto(core_.services.prompts, QStringLiteral("pdf"), QStringLiteral("PDF"), [this](const QString& path) {
        QString error;
        return core_.services.surface.WriteReportPdf(path, Report(), error);
    });
}

void ProjectFiles::ExportGearTable() {
    if (core_.store.PresentCount() == 0)
        return;
    offerReadingFirst();
    ExportInto(core_.services.prompts, QStringLiteral("csv"), QStringLiteral("CSV"), [this](const QString& path) {
        const InstallationReport report = Report();
        FileReplacement file(path);
        if (!(file.Write(GearTableCsv(report)) && file.Commit()))
            return false;
        // The banks' maintenance data beside it, for the facility manager's spreadsheet.
        if (report.maintenanceCsvRows.empty())
            return true;
        FileReplacement maintenance(MaintenanceCsvPath(path, core_.languageModulePath()));
        return maintenance.Write(MaintenanceCsv(report)) && maintenance.Commit();
    });
}
