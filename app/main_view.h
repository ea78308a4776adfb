#pragma once
// The main view without widgets: the connection state, the settings, the
// command enable flags, the status panes, the device store and the matrix
// model. Each topic is a flow of its own (connection, selection, tabs,
// project files, address changes, managers, line check) built on the view's
// shared core; the view owns the state they share, starts up, and dispatches
// the menu commands and its own notifications to them. CKelvaneView owns one
// and renders it; tests run it headless with scripted prompts and a recording
// surface.

#include "app/addressing_flow.h"
#include "app/connection_flow.h"
#include "app/emergency_flow.h"
#include "app/line_check_flow.h"
#include "app/manager_flow.h"
#include "app/memory_bank_flow.h"
#include "app/project_files.h"
#include "app/selection_flow.h"
#include "app/tab_flow.h"
#include "app/view_core.h"

struct InstallationReport;

class MainView final {
public:
    explicit MainView(ViewServices services);
    ~MainView();  // closes the interface a second time, harmlessly
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;

    // Start-up, once the window exists: settings, splash, matrix, store, tabs,
    // language, status bar, enable flags, window; then Connect when
    // auto_connect is 1.
    void InitialUpdate();

    // Runs a command of the menu or toolbar that the core handles; returns
    // false for actions the window handles itself (dialogs, exit).
    bool Execute(CommandAction action);
    // The view's own notification (WM_OWN_COMMAND): code and index.
    void OwnCommand(int code, int index);

    // After the settings dialog closed with OK: settings again, then the language.
    void ReloadSettingsAndLanguage();
    void ApplyLanguage();

    // What the device tabs call.
    TabActions& tabActions() { return tabFlow_; }
    EmergencyFlow& emergency() { return emergency_; }

    // The menu's and the device panel's calls, each to its flow.
    void Connect() { connection_.Connect(); }
    void Disconnect() { connection_.Disconnect(); }
    void SearchDevices() { connection_.SearchDevices(); }
    int ScanBus() { return connection_.ScanBus(); }
    void RunAddressingAssistant() { addressing_.RunAddressingAssistant(); }
    void ReplaceGear(int preferredAddress = -1) { addressing_.ReplaceGear(preferredAddress); }
    void SelectAll() { selection_.SelectAll(); }
    void DeselectAll() { selection_.DeselectAll(); }
    void GroupEntryChanged(int entry) { selection_.GroupEntryChanged(entry); }
    void SelectGroup() { selection_.SelectGroup(); }
    void IdentifyClicked() { selection_.IdentifyClicked(); }
    // A gear's marker on the plan was clicked: as a click on its cell.
    void PlanMarkerClicked(int address, bool ctrl);
    // The mouse came onto a gear's marker: in identify mode the gear lights
    // up as the cell under a dragged mouse does.
    void PlanMarkerHovered(int address);
    void RefreshTabs(int address) { tabFlow_.RefreshTabs(address); }
    void ReadDevice() { tabFlow_.ReadDevice(); }
    void ReadAll() { tabFlow_.ReadAll(); }
    void SendAll() { tabFlow_.SendAll(); }
    DeviceTab currentTab() const { return tabFlow_.currentTab(); }
    void NewProject() { files_.NewProject(); }
    void SaveProject() { files_.SaveProject(); }
    void OpenProject() { files_.OpenProject(); }
    void ShowProjectOffline() { files_.ShowProjectOffline(); }
    void SaveDeviceFile() { files_.SaveDeviceFile(); }
    void LoadDeviceFile() { files_.LoadDeviceFile(); }
    void CreateReport() { files_.CreateReport(); }
    void ExportGearTable() { files_.ExportGearTable(); }
    InstallationReport Report() const;
    void EditProjectHeader() { files_.EditProjectHeader(); }
    void CheckLine() { lineCheck_.CheckLine(); }
    const LineCheckResult& lastLineCheck() const { return lineCheck_.last(); }
    void OpenGroupManager() { managers_.OpenGroupManager(); }
    void OpenSceneManager() { managers_.OpenSceneManager(); }

    // The save flow of a dirty project, run by Disconnect and the close
    // notification: SaveProject, unless a test puts its own in.
    std::function<void()> saveProject;

    // Jobs showing a wait dialog now, the view's and the tabs' together: the
    // window may not close while one runs.
    int runningJobs() const { return runningJobs_; }

    const BusLink& link() const { return link_; }
    uint8_t offlineMode() const { return offlineMode_; }
    uint8_t interfaceConnected() const { return interfaceConnected_; }
    uint8_t projectLoaded = 0;
    uint8_t projectDirty = 0;
    uint8_t basicChanged = 0;   // the basic tab holds edits not sent
    uint8_t scenesChanged = 0;  // the scenes tab holds edits not sent

    Settings& settings() { return services_.settings; }
    CommandState& commands() { return commands_; }
    const StatusPanes& statusPanes() const { return status_; }
    DeviceStore& store() { return store_; }
    MatrixModel& matrix() { return matrix_; }
    const QString& serialText() const { return connection_.serialText(); }
    int groupEntry() const { return selection_.groupEntry(); }

private:
    ViewServices services_;
    int runningJobs_ = 0;
    JobWaitDialog viewWaitDialog_;
    BusLink link_;
    uint8_t offlineMode_ = 1;
    uint8_t interfaceConnected_ = 0;
    CommandState commands_;
    StatusPanes status_;
    DeviceStore store_;
    MatrixModel matrix_;

    // The tabs call the tab flow, which is built before them.
    EmergencyFlow emergency_;
    TabFlow tabFlow_;
    ViewCore core_;
    ConnectionFlow connection_;
    SelectionFlow selection_;
    AddressingFlow addressing_;
    LineCheckFlow lineCheck_;
    ProjectFiles files_;
    ManagerFlow managers_;
    MemoryBankFlow memoryBanks_;
};
