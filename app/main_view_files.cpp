// The main view's project and device file commands: the jobs in storage/
// do the file and bus work; the view decides between transfer and offline
// display and updates its own state.

#include "app/device_tabs.h"
#include "app/main_view.h"
#include "app/view_surface.h"
#include "devices/line_check_text.h"
#include "devices/prompts.h"
#include "storage/device_file_flows.h"
#include "storage/file_replacement.h"
#include "storage/installation_report.h"
#include "storage/project_flows.h"

#include <QFileInfo>

namespace {

constexpr StringId kSearchTitle = 189, kSearchQuestion = 190, kNoGearTitle = 198, kNoGearGoOffline = 263, kOk = 179,
                   kCancel = 181, kOfflineTitle = 243, kOfflineNotice = 244;
constexpr uint32_t kReadStateOffline = 6;

}  // namespace

FileFlowContext MainView::FileFlows() {
    return {store_, services_.prompts, viewWaitDialog_, services_.settings.languageModulePath,
            [this] { services_.surface.ProcessPendingEvents(); }};
}

void MainView::NewProject() {
    SaveProject();
    store_.Clear();
    matrix_.ResetFlags();
    services_.surface.RepaintMatrix();
    projectLoaded = 0;
    projectDirty = 0;
    lineCheck_ = {};
    basicChanged = 0;
    scenesChanged = 0;
    services_.surface.CommandsChanged();  // no gear: no report
}

void MainView::SaveProject() {
    FileFlowContext context = FileFlows();
    ::SaveProject(context);
}

void MainView::EditProjectHeader() {
    ProjectHeader header = store_.projectHeader;
    if (!services_.surface.RunProjectHeaderDialog(header))
        return;
    header = header.Kept();
    if (header == store_.projectHeader)
        return;
    store_.projectHeader = header;
    projectDirty = 1;
}

void MainView::OpenProject() {
    FileFlowContext context = FileFlows();
    const QString path = ReadChosenProject(context);
    if (path.isEmpty())
        return;
    projectFileName_ = QFileInfo(path).fileName();
    projectLoaded = 1;
    lineCheck_ = {};
    services_.surface.CommandsChanged();  // "Anlage prüfen" wants a project
    if (offlineMode_ == 1) {
        ShowProjectOffline();
        return;
    }
    // Online the project goes onto the gear found; a bus not scanned yet is
    // scanned first if the user wants.
    Prompts& prompts = services_.prompts;
    if (store_.PresentCount() == 0) {
        if (prompts.AskConfirmation(kSearchTitle, kSearchQuestion, kOk, kCancel, 0) != kDialogOk) {
            ShowProjectOffline();
            return;
        }
        if (ScanBus() == 0) {
            if (prompts.AskConfirmation(kNoGearTitle, kNoGearGoOffline, kOk, kCancel, 0) == kDialogOk)
                ShowProjectOffline();
            return;
        }
        EnableScannedBus();
    }
    TransferProject(context);
    // The tabs show what the records now hold, so a "Senden" cannot undo it.
    if (store_.selectedCount == 1)
        ShowSelectedRecord(store_.selectedAddresses[0]);
}

void MainView::ShowSelectedRecord(int address) {
    if (!MatrixModel::IsCell(address))
        return;
    const DeviceRecord& record = store_.workingTable[size_t(address)];
    services_.tabs.ShowBasic(address, record);
    services_.tabs.ShowScenes(address, record);
}

void MainView::ShowProjectOffline() {
    ViewSurface& surface = services_.surface;
    Disconnect();
    projectLoaded = 1;
    store_.workingTable = store_.projectTable;
    matrix_.ResetFlags();
    for (int a = 0; a < kMatrixCellCount; ++a) {
        DeviceRecord& record = store_.workingTable[size_t(a)];
        const bool present = record.present == 1;
        matrix_.cells[size_t(a)].present = present ? 1 : 0;
        // Offline, parameters and scenes are what the file says: nothing is read.
        record.readState = present ? kReadStateOffline : 0;
    }
    surface.RepaintMatrix();
    surface.ProcessPendingEvents();
    surface.RepaintMatrix();
    surface.EnableDevicePanel(true);
    SetCommands({CommandId::GroupsMenu, CommandId::GroupsTool, CommandId::ScenesMenu, CommandId::ScenesTool}, true);
    surface.EnableIdentifyBox(false);
    surface.SetIdentifyChecked(false);
    services_.settings.identifyMode = 0;
    services_.prompts.ShowMessage(kOfflineTitle, kOfflineNotice);
}

void MainView::SaveDeviceFile() {
    DeviceFileContext context{FileFlows(), {}, {}};
    ::SaveDeviceFile(context);
}

void MainView::LoadDeviceFile() {
    DeviceFileContext context{
        FileFlows(),
        [this](int address) { ShowSelectedRecord(address); },
        [this] { return services_.tabs.basicSettings(); },
    };
    ::LoadDeviceFile(context);
}

// --- Installation report ----------------------------------------------------------

InstallationReport MainView::Report() const {
    ReportSource source;
    source.online = offlineMode_ != 1;
    source.serial = serialText_;
    source.revision = status_[size_t(kPaneRevision)].text;
    source.revision.remove(QStringLiteral("Rev: "));
    source.projectFile = projectFileName_;
    source.madeAt = QDateTime::currentDateTime();
    InstallationReport report = BuildInstallationReport(store_, source, services_.settings.languageModulePath);
    if (lineCheck_.ran)
        AddLineCheckToReport(report, lineCheck_, services_.settings.languageModulePath);
    return report;
}

void MainView::CreateReport() {
    if (store_.PresentCount() == 0)
        return;
    ExportInto(services_.prompts, QStringLiteral("pdf"), QStringLiteral("PDF"), [this](const QString& path) {
        QString error;
        return services_.surface.WriteReportPdf(path, Report(), error);
    });
}

void MainView::ExportGearTable() {
    if (store_.PresentCount() == 0)
        return;
    ExportInto(services_.prompts, QStringLiteral("csv"), QStringLiteral("CSV"), [this](const QString& path) {
        FileReplacement file(path);
        return file.Write(GearTableCsv(Report())) && file.Commit();
    });
}
