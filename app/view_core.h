#pragma once
// What the main view's flows share: the services the window hands in, the
// link, the flags, the store, the matrix, the status panes and the command
// flags. MainView owns all of it; each flow is built with a ViewCore and
// keeps its own state itself.

#include "addressing/matrix_model.h"
#include "app/command_state.h"
#include "app/status_panes.h"
#include "devices/device_store.h"
#include "devices/job_wait_dialog.h"
#include "link/dalikit.h"
#include "storage/program_paths.h"
#include "storage/settings.h"

#include <functional>

class DeviceTabs;
class Prompts;
class TabActions;
class ViewSurface;
class WaitDialog;

// What the view works with; all outlive it.
struct ViewServices {
    ProgramPaths paths;
    Settings& settings;  // the prompts hold the same object
    Prompts& prompts;
    WaitDialog& waitDialog;  // the view's own; each tab has its own (DeviceTabs)
    ViewSurface& surface;
    // Builds the device tabs, handing them what they call; called once, while
    // the view is built. The tabs outlive the view.
    std::function<DeviceTabs&(TabActions&)> makeTabs;
};

// Identification: every gear at the background level, the pointed one at full.
constexpr uint8_t kIdentifyBackgroundLevel = 87, kIdentifyLevel = 254;

struct ViewCore {
    ViewServices& services;
    DeviceTabs& tabs;
    JobWaitDialog& waitDialog;  // the view's jobs
    int& runningJobs;           // every job of the view and its tabs
    BusLink& link;
    uint8_t& offlineMode;
    uint8_t& interfaceConnected;
    uint8_t& projectLoaded;
    uint8_t& projectDirty;
    uint8_t& basicChanged;   // the basic tab holds edits not sent
    uint8_t& scenesChanged;  // the scenes tab holds edits not sent
    std::function<void()>& saveProject;
    DeviceStore& store;
    MatrixModel& matrix;
    StatusPanes& status;
    CommandState& commands;
    // How often PresentGearChanged ran: a line check older than the last
    // change no longer describes the bus.
    int presentGearChanges = 0;

    // Offline nothing may reach the bus, although the kit stays open after
    // "Trennen": the store and every job get a link without an interface.
    BusLink busLink() const { return offlineMode == 1 ? BusLink{} : link; }
    void SetOfflineMode(uint8_t mode);
    const QString& languageModulePath() const { return services.settings.languageModulePath; }
    void SetPane(int pane, const QString& text, PaneStyle style = PaneStyle::Normal);
    void SetCommands(std::initializer_list<CommandId> ids, bool on);
    // One frame to the bus and the idle wait after it; nothing offline.
    void SendFrameAndWait(uint8_t first, uint8_t second);
    // The matrix's cells show which records are present.
    void SetPresentFlagsFromTable();
    // After a flow changed which gear answer (a scan, the assistant, a
    // replacement, a move, a transfer, a bus reset): the matrix's cells and
    // the status bar's count ("2/64") show the working table. The one place
    // that sets the count.
    void PresentGearChanged();
    void ProcessPendingEvents();
    void RepaintMatrix();
};
