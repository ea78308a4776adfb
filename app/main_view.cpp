#include "app/main_view.h"

#include "addressing/own_command.h"
#include "addressing/trace.h"
#include "app/device_tabs.h"
#include "app/view_surface.h"
#include "dali/dali_commands.h"
#include "devices/bus_wide_commands.h"
#include "devices/emergency_state.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/device_lines.h"
#include "storage/installation_report.h"
#include "storage/load_settings.h"
#include "storage/load_text.h"

#include <utility>

MainView::MainView(ViewServices services)
    : services_(std::move(services)),
      viewWaitDialog_(services_.waitDialog, runningJobs_),
      status_(InitialStatusPanes()),
      emergency_(core_),
      tabFlow_(core_, emergency_, [this] { selection_.refreshGroupHighlight(true); },
               [this](int code, int index) { OwnCommand(code, index); }),
      core_{services_,   services_.makeTabs(tabFlow_),
            viewWaitDialog_, runningJobs_,
            link_,         offlineMode_,
            interfaceConnected_, projectLoaded,
            projectDirty,  basicChanged,
            scenesChanged, saveProject,
            store_,        matrix_,
            status_,       commands_},
      connection_(core_),
      selection_(core_, tabFlow_),
      addressing_(core_, tabFlow_),
      lineCheck_(core_, selection_, tabFlow_, addressing_),
      files_(core_, connection_, tabFlow_, lineCheck_),
      managers_(core_, selection_),
      memoryBanks_(core_) {
    matrix_.notifyTarget = [this](int code, int index) { OwnCommand(code, index); };
    matrix_.describeCell = [this](int cell) {
        const DeviceRecord& record = store_.workingTable[size_t(cell)];
        return record.present == 1 ? record.name : QString();
    };
    matrix_.isEmergencyUnit = [this](int cell) { return IsEmergencyUnit(store_.workingTable[size_t(cell)]); };
    matrix_.isColourGear = [this](int cell) {
        return HasDeviceType(store_.workingTable[size_t(cell)], dali::kDeviceTypeColour);
    };
    emergency_.projectPath = [this] { return files_.projectPath(); };
    saveProject = [this] { files_.SaveProject(); };
    connection_.projectClosed = [this] { files_.Forget(); };
    commands_.hasPresentGear = [this] { return store_.PresentCount() > 0; };
    commands_.hasConnectedProject = [this] {
        return interfaceConnected_ == 1 && offlineMode_ != 1 && projectLoaded == 1;
    };
    commands_.hasConnectedGear = [this] {
        return interfaceConnected_ == 1 && offlineMode_ != 1 && store_.PresentCount() > 0;
    };
    commands_.hasOneSelectedGear = [this] {
        const int first = store_.selectedAddresses[0];
        return interfaceConnected_ == 1 && offlineMode_ != 1 && store_.selectedCount == 1 &&
               MatrixModel::IsCell(first) && store_.workingTable[size_t(first)].present == 1;
    };
}

MainView::~MainView() {
    if (link_.handle)
        kit_close(link_.handle);
}

void MainView::InitialUpdate() {
    ViewSurface& surface = services_.surface;
    DeviceTabs& tabs = core_.tabs;

    LoadSettings(services_.paths, services_.prompts, services_.settings);
    surface.ShowSplash();

    matrix_.columns = 8;
    matrix_.rows = 8;
    matrix_.gap = 4;
    matrix_.dragEnabled = 1;
    matrix_.ctrlMultiSelect = 1;
    matrix_.Layout(surface.MatrixClientRect());
    surface.ProcessPendingEvents();
    surface.RepaintMatrix();

    store_.Clear();
    selection_.resetGroupEntry();
    connection_.resetSerial();
    ApplyLanguage();

    for (int i = 0; i < kMatrixCellCount; ++i)
        matrix_.cells[size_t(i)].cellText = QString::asprintf("%02d", i);

    connection_.ShowOffline();
    core_.SetPane(kPaneSelection, QStringLiteral("---"));
    core_.SetPane(kPaneRevision, QStringLiteral("---"));
    core_.SetPane(kPaneVersion, VersionText());

    surface.RepaintMatrix();
    tabs.Initialise();
    surface.HideSplash();
    tabs.EnableBasicControls(false);
    tabs.EnableSceneControls(false);

    core_.SetCommands({CommandId::Connect}, true);
    surface.ShowMainWindow();
    surface.SetIdentifyChecked(services_.settings.identifyMode == 1);
    if (services_.settings.autoConnect == 1)
        connection_.Connect();
}

void MainView::ApplyLanguage() {
    // The tabs first: the frame fits itself to the relabelled panel.
    core_.tabs.ApplyLanguage(services_.settings.languageModulePath);
    services_.surface.ApplyLanguage(services_.settings.languageModulePath);
}

void MainView::ReloadSettingsAndLanguage() {
    LoadSettings(services_.paths, services_.prompts, services_.settings);
    services_.surface.SetIdentifyChecked(services_.settings.identifyMode == 1);
    ApplyLanguage();
}

InstallationReport MainView::Report() const { return files_.Report(); }

bool MainView::Execute(CommandAction action) {
    BusWideContext busWide{core_.busLink(),
                           store_,
                           services_.prompts,
                           viewWaitDialog_,
                           services_.settings.languageModulePath,
                           [this] {
                               matrix_.ResetFlags();
                               core_.PresentGearChanged();
                           },
                           [this] { core_.ProcessPendingEvents(); }};
    // Each command the core handles, and the flow it goes to.
    const std::pair<CommandAction, std::function<void()>> handlers[] = {
        {CommandAction::Connect, [this] { connection_.Connect(); }},
        {CommandAction::Disconnect, [this] { connection_.Disconnect(); }},
        {CommandAction::SearchDevices, [this] { connection_.SearchDevices(); }},
        {CommandAction::AddressingAssistant, [this] { addressing_.RunAddressingAssistant(); }},
        {CommandAction::ReplaceGear, [this] { addressing_.ReplaceGear(); }},
        {CommandAction::GroupManager, [this] { managers_.OpenGroupManager(); }},
        {CommandAction::SceneManager, [this] { managers_.OpenSceneManager(); }},
        {CommandAction::CheckLine, [this] { lineCheck_.CheckLine(); }},
        {CommandAction::EmergencyTestRun, [this] { emergency_.RunTestRun(); }},
        {CommandAction::EmergencyLogbook, [this] { emergency_.ShowLogbook(); }},
        {CommandAction::MemoryBanks, [this] { memoryBanks_.ShowMemoryBanks(); }},
        {CommandAction::NewProject, [this] { files_.NewProject(); }},
        {CommandAction::OpenProject, [this] { files_.OpenProject(); }},
        {CommandAction::SaveProject, [this] { files_.SaveProject(); }},
        {CommandAction::SaveDeviceFile, [this] { files_.SaveDeviceFile(); }},
        {CommandAction::LoadDeviceFile, [this] { files_.LoadDeviceFile(); }},
        {CommandAction::ProjectHeader, [this] { files_.EditProjectHeader(); }},
        {CommandAction::CreateReport, [this] { files_.CreateReport(); }},
        {CommandAction::ExportGearTable, [this] { files_.ExportGearTable(); }},
        {CommandAction::Send, [this] { tabFlow_.SendAll(); }},
        {CommandAction::ReadDevice, [this] { tabFlow_.ReadDevice(); }},
        {CommandAction::ReadAll, [this] { tabFlow_.ReadAll(); }},
        {CommandAction::ResetBus, [&busWide] { ResetBus(busWide); }},
        {CommandAction::AllOff, [&busWide] { AllOff(busWide); }},
        {CommandAction::RemoveAllGroups, [&busWide] { RemoveAllGroups(busWide); }},
        {CommandAction::RemoveAllScenes, [&busWide] { RemoveAllScenes(busWide); }},
    };
    for (const auto& [handled, run] : handlers)
        if (handled == action) {
            run();
            return true;
        }
    return false;
}

void MainView::PlanMarkerClicked(int address, bool ctrl) {
    // As a press on the cell would, the click starts from no cell.
    matrix_.targetCell = -1;
    matrix_.lastClickedCell = -1;
    matrix_.ClickCell(address, ctrl);
    matrix_.RecountSelected();
    matrix_.RequestRepaint();
}

void MainView::PlanMarkerHovered(int address) {
    if (services_.settings.identifyMode == 1)
        addressing_.DragTracked(address);
}

// --- The view's own notifications ----------------------------------------------

void MainView::OwnCommand(int code, int index) {
    static const std::pair<int, const char*> kTracePrefixes[] = {
        {WM_OWN_COMMAND_CLICK, "WM_OWN_COMMAND_CLICK: "},   {WM_OWN_COMMAND_MOVE, "WM_OWN_COMMAND_MOVE: "},
        {WM_OWN_COMMAND_UPDATE, "WM_OWN_COMMAND_UPDATE: "}, {WM_OWN_COMMAND_MOVING, "WM_OWN_COMMAND_MOVING: "},
        {WM_OWN_COMMAND_TRACK, "WM_OWN_COMMAND_TRACK: "},
    };
    for (const auto& [traced, prefix] : kTracePrefixes)
        if (traced == code)
            TraceInt(QString::fromLatin1(prefix), index);

    switch (code) {
    case WM_OWN_COMMAND_CLICK:
        selection_.clicked();
        addressing_.dragEnded();
        break;
    case WM_OWN_COMMAND_MOVE:
        if (offlineMode_ != 1)
            addressing_.MoveDropped();
        addressing_.dragEnded();
        break;
    case WM_OWN_COMMAND_MOVING:
        addressing_.DragStarted(index);
        break;
    case WM_OWN_COMMAND_TRACK:
        addressing_.DragTracked(index);
        break;
    case WM_OWN_COMMAND_UPDATE:
        matrix_.ResetFlags();
        core_.SetPresentFlagsFromTable();
        core_.ProcessPendingEvents();
        core_.RepaintMatrix();
        break;
    case WM_OWN_COMMAND_CLOSE:
        connection_.Close();
        break;
    case WM_OWN_COMMAND_SEND:
        tabFlow_.SendAll();
        break;
    default:
        break;
    }
}
