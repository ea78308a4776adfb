#pragma once
// The main view without widgets: the connection state, the settings, the
// command enable flags, the status panes, the device store and the matrix
// model, and the flows that change them (start-up, connect, disconnect,
// device search, bus scan, bus-wide commands, selection, the view's own
// notifications, shutdown). CKelvaneView owns one and renders it; tests run
// it headless with scripted prompts and a recording surface.

#include "addressing/matrix_model.h"
#include "app/command_state.h"
#include "app/status_panes.h"
#include "app/tab_actions.h"
#include "devices/device_store.h"
#include "devices/job_wait_dialog.h"
#include "devices/line_check.h"
#include "link/dalikit.h"
#include "storage/program_paths.h"
#include "storage/settings.h"

#include <functional>

class DeviceTabs;
struct FileFlowContext;
struct InstallationReport;
struct ManagerContext;
struct GearCommandContext;
class Prompts;
class ViewSurface;
class WaitDialog;

// What the view works with; all outlive it.
struct ViewServices {
    ProgramPaths paths;
    Settings& settings;  // the prompts hold the same object
    Prompts& prompts;
    WaitDialog& waitDialog;  // the view's own; each tab has its own (DeviceTabs)
    ViewSurface& surface;
    DeviceTabs& tabs;
};

class MainView final : public TabActions {
public:
    explicit MainView(ViewServices services);
    ~MainView() override;  // closes the interface a second time, harmlessly
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;

    // Start-up, once the window exists: settings, splash, matrix, store, tabs,
    // language, status bar, enable flags, window; then Connect when
    // auto_connect is 1.
    void InitialUpdate();

    // Runs a command of the menu or toolbar that the core handles; returns
    // false for actions the window handles itself (dialogs, exit).
    bool Execute(CommandAction action);

    void Connect();
    void Disconnect();
    void SearchDevices();
    // "Adressieren": the addressing assistant, then the matrix from the
    // records it marked (main_view_addressing.cpp). Only while connected.
    void RunAddressingAssistant();
    // "Gerät ersetzen" (replacement_flow.cpp): new gear take the addresses of
    // the open project's gear that no longer answer, with their records;
    // only that address when preferredAddress is 0..63. Only while connected.
    void ReplaceGear(int preferredAddress = -1);
    // Asks each short address for its status and fills the working table and
    // the matrix; returns the number of gear present afterwards.
    int ScanBus();

    // The view's own notification (WM_OWN_COMMAND): code and index.
    void OwnCommand(int code, int index);

    // Selection through the device panel.
    void SelectAll();
    void DeselectAll();
    void GroupEntryChanged(int entry);  // 0 = none, n = group n - 1
    void SelectGroup();                 // the "Select" button
    void IdentifyClicked();             // the "Identify" check box

    // Reading and writing the selected gear (main_view_tabs.cpp).
    // Shows the record of this address on the tab in front, reading it from
    // the gear first when it has not been read; only with one gear selected.
    void RefreshTabs(int address);
    void ReadDevice();  // "Auslesen": reads the one selected gear again
    void ReadAll();
    void SendAll();
    DeviceTab currentTab() const { return currentTab_; }
    uint8_t basicChanged = 0;   // the basic tab holds edits not sent
    uint8_t scenesChanged = 0;  // the scenes tab holds edits not sent

    // TabActions
    void TabChanged(DeviceTab tab) override;
    void BasicEdited() override { basicChanged = 1; }
    void ScenesEdited() override { scenesChanged = 1; }
    void SendRequested() override;
    void SendToSelectedGear(uint8_t opcode) override;
    std::optional<uint8_t> ReadActualLevel() override;
    void IdentifySelectedGear() override;
    void RemoveAddress() override;
    void FactoryReset() override;
    void ActualLevelMoving(uint8_t level) override;
    void ActualLevelSet(uint8_t level) override;
    uint8_t FirstSelectedDimmingCurve() const override;
    void NameEdited(const QString& name) override;

    // After the settings dialog closed with OK: settings again, then the language.
    void ReloadSettingsAndLanguage();
    void ApplyLanguage();

    // Project and device files (main_view_files.cpp).
    void NewProject();
    void SaveProject();
    // Reads a chosen project file, then shows it offline or transfers it to
    // the bus (scanning first, when asked, if the bus was not scanned).
    void OpenProject();
    // Disconnects and shows the loaded project, read-only.
    void ShowProjectOffline();
    void SaveDeviceFile();
    void LoadDeviceFile();
    // "Bericht erstellen…" and "Als CSV exportieren…": the records as they
    // stand, into a PDF or a CSV file the user names; nothing is sent.
    void CreateReport();
    void ExportGearTable();
    InstallationReport Report() const;
    // "Projektangaben": the header of the project in the store, edited in
    // its dialog; a changed header is a change to save. Nothing is sent.
    void EditProjectHeader();

    // "Anlage prüfen" (line_check_flow.cpp): the bus against the opened
    // project, then the list in its window; only connected with a project.
    void CheckLine();
    const LineCheckResult& lastLineCheck() const { return lineCheck_; }

    // "Gruppen" and "Szenen" (main_view_managers.cpp): only with present gear.
    void OpenGroupManager();
    void OpenSceneManager();

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

    Settings& settings() { return services_.settings; }
    CommandState& commands() { return commands_; }
    const StatusPanes& statusPanes() const { return status_; }
    DeviceStore& store() { return store_; }
    MatrixModel& matrix() { return matrix_; }
    const QString& serialText() const { return serialText_; }
    int groupEntry() const { return groupEntry_; }

private:
    // Identification: every gear at the background level, the pointed one at full.
    static constexpr uint8_t kIdentifyBackgroundLevel = 87, kIdentifyLevel = 254;

    // Offline nothing may reach the bus, although the kit stays open after
    // "Trennen": the store and every job get a link without an interface.
    void SetOfflineMode(uint8_t mode);
    BusLink busLink() const { return offlineMode_ == 1 ? BusLink{} : link_; }
    void SetPane(int pane, const QString& text, PaneStyle style = PaneStyle::Normal);
    void SetCommands(std::initializer_list<CommandId> ids, bool on);
    void ConnectChosenInterface(KitHandle handle);
    void OfferBusScan();
    // What a scan that found gear enables: the commands for present gear and
    // the device panel; the tabs wait for a selection.
    void EnableScannedBus();
    // The basic and scenes tabs show this gear's record.
    void ShowSelectedRecord(int address);
    void ShowOffline();
    void RebuildSelection();
    void ShowSelectedName();
    void SelectionChanged();
    void SetPresentFlagsFromTable();
    void ClickOffline();
    void Close();
    void SendFrameAndWait(uint8_t first, uint8_t second);
    void ClickOnline();
    void RefreshTab(DeviceTab tab, int address);
    GearCommandContext GearCommands();
    FileFlowContext FileFlows();
    ManagerContext Managers();
    // A drag in the matrix (main_view_addressing.cpp): begun, over a cell, dropped.
    void DragStarted(int pressedCell);
    void DragTracked(int cell);
    void MoveDropped();

    ViewServices services_;
    int runningJobs_ = 0;
    JobWaitDialog viewWaitDialog_;
    JobWaitDialog basicWaitDialog_;
    JobWaitDialog scenesWaitDialog_;
    JobWaitDialog infoWaitDialog_;
    BusLink link_;
    uint8_t offlineMode_ = 1;
    uint8_t interfaceConnected_ = 0;
    QString serialText_;
    CommandState commands_;
    StatusPanes status_;
    DeviceStore store_;
    MatrixModel matrix_;
    int groupEntry_ = 0;
    uint8_t dragIdentifyDone_ = 0;
    int lastTrackedAddress_ = -1;  // lit last by a drag over it; never reset
    QString projectFileName_;      // the project opened last, for the report
    LineCheckResult lineCheck_;    // the last line check of this project, for the report
    DeviceTab currentTab_ = DeviceTab::Basic;
};
