#include "app/main_view.h"

#include "addressing/own_command.h"
#include "addressing/trace.h"
#include "app/device_tabs.h"
#include "app/view_surface.h"
#include "dali/dali_commands.h"
#include "devices/bus_wide_commands.h"
#include "devices/prompts.h"
#include "devices/wait_dialog.h"
#include "storage/device_lines.h"
#include "storage/load_settings.h"
#include "storage/load_text.h"

#include <algorithm>

MainView::MainView(ViewServices services)
    : services_(std::move(services)),
      viewWaitDialog_(services_.waitDialog, runningJobs_),
      basicWaitDialog_(services_.tabs.WaitDialogOf(DeviceTab::Basic), runningJobs_),
      scenesWaitDialog_(services_.tabs.WaitDialogOf(DeviceTab::Scenes), runningJobs_),
      infoWaitDialog_(services_.tabs.WaitDialogOf(DeviceTab::Info), runningJobs_),
      status_(InitialStatusPanes()) {
    serialText_ = QStringLiteral("00000000");
    matrix_.notifyTarget = [this](int code, int index) { OwnCommand(code, index); };
    matrix_.describeCell = [this](int cell) {
        const DeviceRecord& record = store_.workingTable[size_t(cell)];
        return record.present == 1 ? record.name : QString();
    };
    saveProject = [this] { SaveProject(); };
    commands_.hasPresentGear = [this] { return store_.PresentCount() > 0; };
    commands_.hasConnectedProject = [this] {
        return interfaceConnected_ == 1 && offlineMode_ != 1 && projectLoaded == 1;
    };
}

MainView::~MainView() {
    if (link_.handle)
        kit_close(link_.handle);
}

void MainView::SetPane(int pane, const QString& text, PaneStyle style) {
    status_[size_t(pane)].text = text;
    status_[size_t(pane)].style = style;
    services_.surface.StatusChanged();
}

void MainView::SetCommands(std::initializer_list<CommandId> ids, bool on) {
    commands_.Set(ids, on);
    services_.surface.CommandsChanged();
}

void MainView::InitialUpdate() {
    ViewSurface& surface = services_.surface;
    DeviceTabs& tabs = services_.tabs;

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
    groupEntry_ = 0;
    surface.SelectGroupEntry(0);
    serialText_ = QStringLiteral("00000000");

    SetPane(kPaneSerial, QStringLiteral("---"));
    ApplyLanguage();

    for (int i = 0; i < kMatrixCellCount; ++i)
        matrix_.cells[size_t(i)].cellText = QString::asprintf("%02d", i);

    ShowOffline();
    SetPane(kPaneSelection, QStringLiteral("---"));
    SetPane(kPaneRevision, QStringLiteral("---"));
    SetPane(kPaneVersion, VersionText());

    surface.RepaintMatrix();
    tabs.Initialise();
    surface.HideSplash();
    tabs.EnableBasicControls(false);
    tabs.EnableSceneControls(false);

    SetCommands({CommandId::Connect}, true);
    surface.ShowMainWindow();
    surface.SetIdentifyChecked(services_.settings.identifyMode == 1);
    if (services_.settings.autoConnect == 1)
        Connect();
}

void MainView::ShowOffline() {
    SetPane(kPaneState, LoadText(246, services_.settings.languageModulePath), PaneStyle::Offline);
}

void MainView::ApplyLanguage() {
    // The tabs first: the frame fits itself to the relabelled panel.
    services_.tabs.ApplyLanguage(services_.settings.languageModulePath);
    services_.surface.ApplyLanguage(services_.settings.languageModulePath);
}

void MainView::ReloadSettingsAndLanguage() {
    LoadSettings(services_.paths, services_.prompts, services_.settings);
    services_.surface.SetIdentifyChecked(services_.settings.identifyMode == 1);
    ApplyLanguage();
}

bool MainView::Execute(CommandAction action) {
    BusWideContext context{busLink(),
                           store_,
                           services_.prompts,
                           viewWaitDialog_,
                           services_.settings.languageModulePath,
                           [this] {
                               matrix_.ResetFlags();
                               services_.surface.RepaintMatrix();
                           },
                           [this] { services_.surface.ProcessPendingEvents(); }};
    switch (action) {
    case CommandAction::Connect:
        Connect();
        return true;
    case CommandAction::Disconnect:
        Disconnect();
        return true;
    case CommandAction::SearchDevices:
        SearchDevices();
        return true;
    case CommandAction::AddressingAssistant:
        RunAddressingAssistant();
        return true;
    case CommandAction::GroupManager:
        OpenGroupManager();
        return true;
    case CommandAction::SceneManager:
        OpenSceneManager();
        return true;
    case CommandAction::CreateReport:
        CreateReport();
        return true;
    case CommandAction::ExportGearTable:
        ExportGearTable();
        return true;
    case CommandAction::CheckLine:
        CheckLine();
        return true;
    case CommandAction::ReplaceGear:
        ReplaceGear();
        return true;
    case CommandAction::ProjectHeader:
        EditProjectHeader();
        return true;
    case CommandAction::NewProject:
        NewProject();
        return true;
    case CommandAction::OpenProject:
        OpenProject();
        return true;
    case CommandAction::SaveProject:
        SaveProject();
        return true;
    case CommandAction::SaveDeviceFile:
        SaveDeviceFile();
        return true;
    case CommandAction::LoadDeviceFile:
        LoadDeviceFile();
        return true;
    case CommandAction::ResetBus:
        ResetBus(context);
        return true;
    case CommandAction::AllOff:
        AllOff(context);
        return true;
    case CommandAction::RemoveAllGroups:
        RemoveAllGroups(context);
        return true;
    case CommandAction::RemoveAllScenes:
        RemoveAllScenes(context);
        return true;
    case CommandAction::Send:
        SendAll();
        return true;
    case CommandAction::ReadDevice:
        ReadDevice();
        return true;
    case CommandAction::ReadAll:
        ReadAll();
        return true;
    default:
        return false;
    }
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
        if (offlineMode_ == 1)
            ClickOffline();
        else
            ClickOnline();
        dragIdentifyDone_ = 0;
        break;
    case WM_OWN_COMMAND_MOVE:
        if (offlineMode_ != 1)
            MoveDropped();
        dragIdentifyDone_ = 0;
        break;
    case WM_OWN_COMMAND_MOVING:
        DragStarted(index);
        break;
    case WM_OWN_COMMAND_TRACK:
        DragTracked(index);
        break;
    case WM_OWN_COMMAND_UPDATE:
        matrix_.ResetFlags();
        SetPresentFlagsFromTable();
        services_.surface.ProcessPendingEvents();
        services_.surface.RepaintMatrix();
        break;
    case WM_OWN_COMMAND_CLOSE:
        Close();
        break;
    case WM_OWN_COMMAND_SEND:
        SendAll();
        break;
    default:
        break;
    }
}

void MainView::SetPresentFlagsFromTable() {
    for (int a = 0; a < kMatrixCellCount; ++a)
        matrix_.cells[size_t(a)].present = store_.workingTable[size_t(a)].present == 1 ? 1 : 0;
    services_.surface.RepaintMatrix();
}

void MainView::SendFrameAndWait(uint8_t first, uint8_t second) {
    const BusLink link = busLink();
    if (!link.handle)
        return;
    dalikit_Send(link, first, second);
    dalikit_WaitIdle(link);
}

// --- Selection --------------------------------------------------------------------

// Entries past the count keep what they held: switching identify mode off
// marks the address selected last even after "Deselect ALL".
void MainView::RebuildSelection() {
    int count = 0;
    for (int i = 0; i < kMatrixCellCount; ++i)
        if (matrix_.cells[size_t(i)].selected == 1)
            store_.selectedAddresses[size_t(count++)] = i;
    store_.selectedCount = count;
    ShowSelectedName();
}

// The status bar names the one selected gear.
void MainView::ShowSelectedName() {
    const int first = store_.selectedAddresses[0];
    const bool one = store_.selectedCount == 1 && MatrixModel::IsCell(first);
    const QString name = one ? store_.workingTable[size_t(first)].name : QString();
    SetPane(kPaneName, name);
    services_.tabs.ShowName(name, one);
}

// A name is the project's, not the gear's: nothing is sent, the project
// has a change to save.
void MainView::NameEdited(const QString& name) {
    const int first = store_.selectedAddresses[0];
    if (store_.selectedCount != 1 || !MatrixModel::IsCell(first))
        return;
    QString& stored = store_.workingTable[size_t(first)].name;
    const QString trimmed = ProjectText(name);
    if (trimmed == stored)
        return;
    stored = trimmed;
    projectDirty = 1;
    ShowSelectedName();
}

void MainView::ClickOffline() {
    DeviceTabs& tabs = services_.tabs;
    matrix_.ctrlMultiSelect = 0;
    tabs.EnableBasicControls(true);
    tabs.EnableSceneControls(true);
    tabs.DisableBusButtons();
    store_.selectedAddresses.fill(-1);
    RebuildSelection();
    if (store_.selectedCount > 0)
        RefreshTabs(store_.selectedAddresses[0]);
}

// Unsent edits are lost by a new selection: the user may keep the old one.
void MainView::ClickOnline() {
    constexpr StringId kUnsentTitle = 402, kUnsentText = 403, kOk = 179, kCancel = 181;
    if ((basicChanged == 1 || scenesChanged == 1) &&
        services_.prompts.AskConfirmation(kUnsentTitle, kUnsentText, kOk, kCancel, 0) != kDialogOk) {
        for (MatrixCell& cell : matrix_.cells)
            cell.selected = 0;
        for (int i = 0; i < store_.selectedCount; ++i)
            if (MatrixModel::IsCell(store_.selectedAddresses[size_t(i)]))
                matrix_.cells[size_t(store_.selectedAddresses[size_t(i)])].selected = 1;
        services_.surface.RepaintMatrix();
        return;
    }
    SelectionChanged();
    basicChanged = 0;
    scenesChanged = 0;
}

void MainView::SelectionChanged() {
    DeviceTabs& tabs = services_.tabs;
    store_.selectedAddresses.fill(-1);
    RebuildSelection();
    matrix_.ctrlMultiSelect = 1;
    if (services_.settings.identifyMode == 1) {
        SendFrameAndWait(dali::kBroadcastArc, kIdentifyBackgroundLevel);
        for (int i = 0; i < store_.selectedCount; ++i)
            SendFrameAndWait(dali::arcAddress(store_.selectedAddresses[size_t(i)]), kIdentifyLevel);
    }
    SetCommands({CommandId::SaveDeviceFile, CommandId::LoadDeviceFile, CommandId::ReadDevice, CommandId::Send}, false);
    tabs.EnableBasicControls(true);
    tabs.EnableSceneControls(true);
    if (store_.selectedCount == 1) {
        const int address = store_.selectedAddresses[0];
        SetCommands({CommandId::SaveDeviceFile}, true);
        SetPane(kPaneSelection, QStringLiteral("Adr: %1").arg(address));
        if (offlineMode_ != 1) {
            SetCommands({CommandId::LoadDeviceFile, CommandId::ReadDevice, CommandId::Send}, true);
            tabs.EnableSendButtons(true);
            RefreshTabs(address);
        }
    } else {
        SetPane(kPaneSelection, QStringLiteral("List"));
    }
}

void MainView::SelectAll() {
    for (int i = 0; i < kMatrixCellCount; ++i)
        if (store_.workingTable[size_t(i)].present == 1)
            matrix_.cells[size_t(i)].selected = 1;
    RebuildSelection();
    SetPane(kPaneSelection, QStringLiteral("List"));
    services_.tabs.EnableBasicControls(true);
    services_.tabs.EnableSceneControls(true);
    SetCommands({CommandId::Send}, true);
    SetCommands({CommandId::SaveDeviceFile, CommandId::LoadDeviceFile, CommandId::ReadDevice}, false);
    services_.surface.RepaintMatrix();
}

void MainView::DeselectAll() {
    for (int i = 0; i < kMatrixCellCount; ++i)
        if (store_.workingTable[size_t(i)].present == 1)
            matrix_.cells[size_t(i)].selected = 0;
    matrix_.lastClickedCell = -1;
    matrix_.pressedCell = -1;
    matrix_.targetCell = -1;
    matrix_.selectedCount = 0;
    matrix_.dragging = 0;
    RebuildSelection();
    SetPane(kPaneSelection, QStringLiteral("NONE"));
    services_.tabs.EnableBasicControls(false);
    services_.tabs.EnableSceneControls(false);
    SetCommands({CommandId::Send, CommandId::SaveDeviceFile, CommandId::LoadDeviceFile, CommandId::ReadDevice},
                false);
    services_.surface.RepaintMatrix();
}

void MainView::GroupEntryChanged(int entry) {
    groupEntry_ = entry;
    for (int i = 0; i < kMatrixCellCount; ++i) {
        const DeviceRecord& record = store_.workingTable[size_t(i)];
        matrix_.cells[size_t(i)].groupHighlight =
            entry >= 1 && record.present == 1 && (record.groupMask >> (entry - 1)) & 1 ? 1 : 0;
    }
    services_.surface.RepaintMatrix();
}

void MainView::SelectGroup() {
    store_.selectedCount = 0;
    store_.selectedAddresses.fill(-1);
    if (groupEntry_ == 0) {
        for (MatrixCell& cell : matrix_.cells)
            cell.selected = 0;
        services_.tabs.EnableBasicControls(false);
        services_.tabs.EnableSceneControls(false);
    } else {
        for (int i = 0; i < kMatrixCellCount; ++i) {
            const DeviceRecord& record = store_.workingTable[size_t(i)];
            matrix_.cells[size_t(i)].selected = record.present == 1 && (record.groupMask >> (groupEntry_ - 1)) & 1;
        }
        RebuildSelection();
        services_.tabs.EnableBasicControls(true);
        services_.tabs.EnableSceneControls(true);
    }
    services_.surface.RepaintMatrix();
}

void MainView::IdentifyClicked() {
    Settings& settings = services_.settings;
    if (settings.identifyMode == 0) {
        settings.identifyMode = 1;
        return;
    }
    if (store_.selectedCount == 0) {
        // Refreshing the tabs would do nothing with no gear selected.
        const int first = store_.selectedAddresses[0];
        // Only a real address is marked; -1 means nothing was selected before.
        if (MatrixModel::IsCell(first)) {
            matrix_.cells[size_t(first)].selected = 1;
            services_.surface.RepaintMatrix();
        }
    }
    settings.identifyMode = 0;
}
