#pragma once
// Every menu and toolbar command of the main window as data: where it sits,
// which texts label it, which action it runs and how its enable flag starts.
// The main view keeps one enable flag per command that has one; the window
// builds its menu and toolbar from this table.

#include "resources/string_table.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

enum class CommandId : int32_t {
    NewProjectMenu = 32782,
    OpenProjectMenu = 32791,
    SaveProjectMenu = 32784,
    CreateReport = 32840,
    ExportGearTable = 32841,
    CheckLine = 32842,
    ReplaceGear = 32843,
    ProjectHeader = 32844,
    Exit = 32781,
    GroupsMenu = 32797,
    ScenesMenu = 32787,
    AddressMenu = 32785,
    Settings = 32788,
    ResetBus = 32804,
    AllOff = 32812,
    RemoveAllGroups = 32813,
    RemoveAllScenes = 32814,
    BusTest = 32817,
    About = 32792,
    NewProjectTool = 32771,
    SaveProjectTool = 32772,
    OpenProjectTool = 32773,
    SaveDeviceFile = 32795,
    LoadDeviceFile = 32796,
    Connect = 32776,
    Disconnect = 32799,
    SearchDevices = 32774,
    Send = 32775,
    ReadDevice = 32777,
    ReadAll = 32800,
    AddressTool = 32780,
    GroupsTool = 32778,
    ScenesTool = 32779,
    EmergencyTestRun = 32860,
    EmergencyLogbook = 32861,
    MemoryBanks = 32870,
};

// What a command does; menu and toolbar entries may share an action.
enum class CommandAction {
    NewProject, OpenProject, SaveProject, Exit, GroupManager, SceneManager, AddressingAssistant,
    Settings, ResetBus, AllOff, RemoveAllGroups, RemoveAllScenes, BusTest, None,
    SaveDeviceFile, LoadDeviceFile, Connect, Disconnect, SearchDevices, Send, ReadDevice, ReadAll,
    CreateReport, ExportGearTable, CheckLine, ReplaceGear, ProjectHeader,
    EmergencyTestRun, EmergencyLogbook, MemoryBanks,
};

enum class Menu { None, File, Options, Extras, Help };

enum class EnableRule {
    Always,  // no flag: always enabled
    Never,   // no flag: never enabled
    Flag,    // the main view's enable flag decides
    PresentGear,  // no flag: enabled while the working table has present gear
    ConnectedProject,  // no flag: enabled while connected with a project open
    Connected,  // no flag: enabled while connected with gear found
    OneSelectedGear,  // no flag: enabled while online with exactly one present gear selected
};

struct CommandInfo {
    CommandId id;
    CommandAction action;
    Menu menu;                // Menu::None: toolbar only
    const char16_t* menuText; // the menu entry before the language is applied
    StringId menuTextId;      // the menu entry after the language is applied (0 for About: "Version " and the version)
    int toolbarPosition;      // 1..14 from the left, 0: not on the toolbar
    StringId tipId;           // the toolbar tip's text
    EnableRule rule;
    bool enabledAtStart;      // the flag's value after start-up
};

// The commands in menu order, then toolbar order.
std::span<const CommandInfo> CommandTable();

std::optional<CommandInfo> FindCommand(CommandId id);

// Toolbar buttons in order; a null entry is a separator.
std::span<const CommandId* const> ToolbarLayout();

// A toolbar tip from its string: the part after the line break when the string
// has one ("\nNeues Projekt"), at most 64 characters.
QString ToolTipText(const QString& text);
