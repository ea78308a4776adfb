#pragma once
// The main view without widgets, on a simulated bus: a scenario given as JSON
// is installed as the kit's backend, questions are answered by ScriptedPrompts,
// long jobs recorded by RecordingWaitDialog, and the window and the tabs by
// recording fakes. The program folder is a temporary directory whose
// config.ini the test writes (or leaves to the first start).

#include "addressing/addressing_assistant.h"
#include "app/device_tabs.h"
#include "app/emergency_logbook_actions.h"
#include "app/line_check_flow.h"
#include "app/memory_bank_actions.h"
#include "groups_scenes/group_manager.h"
#include "groups_scenes/scene_manager.h"
#include "storage/installation_report.h"
#include "app/main_view.h"
#include "app/view_surface.h"
#include "kit/sim_backend.h"
#include "sim/dali_bus.h"
#include "tests/support/recording_wait_dialog.h"
#include "tests/support/scripted_prompts.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>

#include <memory>
#include <string>
#include <vector>

class RecordingSurface final : public ViewSurface {
public:
    void ShowSplash() override { log << "splash"; }
    void HideSplash() override { log << "hide splash"; }
    void ShowMainWindow() override { log << "window"; }
    CellRect MatrixClientRect() const override { return {0, 0, 300, 300}; }
    void RepaintMatrix() override { ++matrixRepaints; }
    void ProcessPendingEvents() override {
        ++pendingEvents;
        if (onPendingEvents)
            onPendingEvents();
    }
    void StatusChanged() override {}
    void CommandsChanged() override {}
    void ApplyLanguage(const QString& path) override { log << "language " + path; }
    void SetIdentifyChecked(bool checked) override { identifyChecked = checked; }
    void EnableIdentifyBox(bool enabled) override { identifyEnabled = enabled; }
    void SelectGroupEntry(int entry) override { groupEntry = entry; }
    void EnableDevicePanel(bool enabled) override { devicePanelEnabled = enabled; }
    // The assistant's dialog: the script works its buttons; without one the
    // dialog is cancelled before a run.
    int RunAddressingDialog(addressing::AddressingAssistant& assistant) override {
        ++addressingDialogs;
        if (onAddressingDialog)
            onAddressingDialog(assistant);
        return assistant.result();
    }
    // The managers' dialogs: the script works the manager; without one the
    // dialog is cancelled.
    int RunGroupDialog(const ManagerContext& context) override {
        GroupManager manager(context, managerWaitDialog);
        return onGroupDialog ? onGroupDialog(manager) : kDialogCancel;
    }
    // The report is kept, not drawn; writeReport says whether "writing" worked.
    bool WriteReportPdf(const QString& path, const InstallationReport& report, QString&) override {
        reportPaths << path;
        reports.push_back(report);
        return writeReport;
    }
    // The line check's window: the script works its actions; without one it
    // is closed at once.
    void RunLineCheckDialog(LineCheckActions& actions) override {
        ++lineCheckDialogs;
        if (onLineCheckDialog)
            onLineCheckDialog(actions);
    }
    std::function<void(LineCheckActions&)> onLineCheckDialog;
    // "Projektangaben": the script types into the header and says whether it
    // pressed OK; without one the dialog is cancelled.
    bool RunProjectHeaderDialog(ProjectHeader& header) override {
        return onProjectHeaderDialog && onProjectHeaderDialog(header);
    }
    std::function<bool(ProjectHeader&)> onProjectHeaderDialog;
    // "Notlicht-Testlauf…": the script picks and says whether it pressed
    // "Start"; without one the dialog is cancelled.
    bool RunEmergencyRunDialog(EmergencyRunChoice& choice) override {
        return onEmergencyRunDialog && onEmergencyRunDialog(choice);
    }
    std::function<bool(EmergencyRunChoice&)> onEmergencyRunDialog;
    // The logbook's window: the script works its actions; without one it is closed at once.
    void RunEmergencyLogbookDialog(EmergencyLogbookActions& actions) override {
        ++logbookDialogs;
        if (onEmergencyLogbookDialog)
            onEmergencyLogbookDialog(actions);
    }
    std::function<void(EmergencyLogbookActions&)> onEmergencyLogbookDialog;
    // "Speicherbänke…": the script works its actions; without one it is closed at once.
    void RunMemoryBankDialog(MemoryBankActions& actions) override {
        if (onMemoryBankDialog)
            onMemoryBankDialog(actions);
    }
    std::function<void(MemoryBankActions&)> onMemoryBankDialog;
    int logbookDialogs = 0;
    // The printout is kept as HTML, not laid out.
    bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString&) override {
        htmlPdfs.push_back({path, title, html});
        return writeReport;
    }
    struct HtmlPdf {
        QString path, title, html;
    };
    std::vector<HtmlPdf> htmlPdfs;
    int lineCheckDialogs = 0;
    int RunSceneDialog(const ManagerContext& context) override {
        SceneManager manager(context, managerWaitDialog);
        return onSceneDialog ? onSceneDialog(manager) : kDialogCancel;
    }

    // Runs whenever a flow lets pending window events run, as a click
    // arriving during the flow would.
    std::function<void()> onPendingEvents;
    std::function<void(addressing::AddressingAssistant&)> onAddressingDialog;
    int addressingDialogs = 0;
    std::function<int(GroupManager&)> onGroupDialog;
    std::function<int(SceneManager&)> onSceneDialog;
    RecordingWaitDialog managerWaitDialog;
    QStringList reportPaths;
    std::vector<InstallationReport> reports;
    bool writeReport = true;
    QStringList log;
    int matrixRepaints = 0;
    int pendingEvents = 0;
    bool identifyChecked = false;
    bool identifyEnabled = true;
    int groupEntry = -1;
    bool devicePanelEnabled = false;
};

class RecordingTabs final : public DeviceTabs {
public:
    void SetLink(const BusLink& l) override { link = l; }
    void Initialise() override { log << "initialise"; }
    void ApplyLanguage(const QString&) override { log << "language"; }
    void EnableBasicControls(bool enabled) override { basicEnabled = enabled; }
    void EnableSceneControls(bool enabled) override { scenesEnabled = enabled; }
    void EnableSendButtons(bool enabled) override { sendEnabled = enabled; }
    void DisableBusButtons() override { log << "bus buttons off"; }
    void ShowBasic(int address, const DeviceRecord& record) override {
        basicShown.push_back(address);
        shownRecord = record;
    }
    void ShowScenes(int address, const DeviceRecord& record) override {
        scenesShown.push_back(address);
        shownRecord = record;
    }
    void ShowInfo(const std::vector<InfoRow>& rows) override { infoRows = rows; }
    void ShowName(int, const QString& name, bool editable) override {
        shownName = name;
        nameEditable = editable;
    }
    void ShowColourTab(bool visible) override { colourTabVisible = visible; }
    void ShowColour(const DeviceRecord& record, bool online) override {
        colourShown.push_back(record.colour);
        colourOnline = online;
    }
    bool colourEdited() const override { return colourEdits; }
    BasicSettings basicSettings() const override { return basic; }
    SceneSettings sceneSettings() const override { return scenes; }
    WaitDialog& WaitDialogOf(DeviceTab tab) override {
        return tab == DeviceTab::Basic       ? basicWait
               : tab == DeviceTab::Scenes    ? scenesWait
               : tab == DeviceTab::Colour    ? colourWait
               : tab == DeviceTab::Emergency ? emergencyWait
                                             : infoWait;
    }
    void ShowEmergencyPage(bool shown, bool online) override {
        emergencyPageShown = shown;
        emergencyOnline = online;
    }
    void ShowEmergency(const EmergencyState& state) override { emergencyShown.push_back(state); }

    BusLink link;
    QStringList log;
    bool basicEnabled = true;
    bool scenesEnabled = true;
    bool sendEnabled = true;
    std::vector<int> basicShown, scenesShown;  // addresses, in order
    DeviceRecord shownRecord;                  // as last shown
    std::vector<InfoRow> infoRows;
    QString shownName;
    bool nameEditable = false;
    RecordingWaitDialog basicWait, scenesWait, infoWait, colourWait, emergencyWait;  // each tab's own
    bool emergencyPageShown = false, emergencyOnline = false;
    std::vector<EmergencyState> emergencyShown;  // as shown, in order
    bool colourTabVisible = false;
    std::vector<ColourSettings> colourShown;  // as shown, in order
    bool colourOnline = false;
    bool colourEdits = false;  // what the colour tab "holds"
    BasicSettings basic;   // what the basic tab "shows" for sending
    SceneSettings scenes;  // what the scenes tab "shows"
};

// The wall clock the view's store places gear with: 2026-03-01 08:00 UTC.
inline constexpr int64_t kHeadlessPlacedAt = 1772352000;

class HeadlessView {
public:
    // Installs the scenario; the view is created by Start.
    explicit HeadlessView(const std::string& scenarioJson);
    ~HeadlessView();

    // Writes config.ini into the program folder (UTF-8 text).
    void WriteConfig(const QString& text);
    // A config.ini with lang de-DE (no module: built-in texts) and these switches.
    void WriteConfig(int autoConnect, int autoLocate, int askAddressChange);
    // Creates the view and runs InitialUpdate.
    MainView& Start();
    // The usual start of a test on the bus: config without auto-connect, the
    // view started, connected with the scan's question answered yes, and the
    // scan's frames taken.
    MainView& StartConnected();

    MainView& view() { return *view_; }
    sim::DaliBus& bus(size_t index = 0) { return *backend_->bus(index); }
    kit::SimBackend& backend() { return *backend_; }

    // Forward frames since the last call, as "A100" texts.
    std::vector<std::string> TakeForwardFrames(size_t bus = 0);

    QTemporaryDir folder;
    Settings settings;
    ScriptedPrompts prompts{settings};
    RecordingWaitDialog waitDialog;
    RecordingSurface surface;
    RecordingTabs tabs;

private:
    std::shared_ptr<kit::SimBackend> backend_;
    std::unique_ptr<MainView> view_;
};

// A scenario JSON of one 0x1501 interface on virtual time with these gear
// objects (each a JSON object text) on its bus.
std::string OneInterfaceScenario(const std::vector<std::string>& gear);
