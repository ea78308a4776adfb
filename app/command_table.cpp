#include "app/command_table.h"

#include <algorithm>
#include <array>

namespace {

using C = CommandId;
using A = CommandAction;
using R = EnableRule;

// clang-format off
constexpr CommandInfo kCommands[] = {
    {C::NewProjectMenu,  A::NewProject,          Menu::File,    u"Neues Projekt",          106, 0,  0,   R::Always, true},
    {C::OpenProjectMenu, A::OpenProject,         Menu::File,    u"Projekt öffnen",         223, 0,  0,   R::Flag,   false},
    {C::SaveProjectMenu, A::SaveProject,         Menu::File,    u"Projekt speichern",      224, 0,  0,   R::Flag,   false},
    {C::ProjectHeader,   A::ProjectHeader,       Menu::File,    u"Projektangaben…",        500, 0,  0,   R::PresentGear, false},
    {C::CreateReport,    A::CreateReport,        Menu::File,    u"Bericht erstellen…",     447, 0,  0,   R::PresentGear, false},
    {C::ExportGearTable, A::ExportGearTable,     Menu::File,    u"Als CSV exportieren…",   448, 0,  0,   R::PresentGear, false},
    {C::Exit,            A::Exit,                Menu::File,    u"&Beenden",               225, 0,  0,   R::Always, true},
    {C::GroupsMenu,      A::GroupManager,        Menu::Options, u"Gruppen",                226, 0,  0,   R::Flag,   false},
    {C::ScenesMenu,      A::SceneManager,        Menu::Options, u"Szenen",                 227, 0,  0,   R::Flag,   false},
    {C::AddressMenu,     A::AddressingAssistant, Menu::Options, u"Adressieren",            228, 0,  0,   R::Flag,   false},
    {C::ReplaceGear,     A::ReplaceGear,         Menu::Options, u"Gerät ersetzen",         480, 0,  0,   R::ConnectedProject, false},
    {C::Settings,        A::Settings,            Menu::Options, u"Einstellungen",          229, 0,  0,   R::Always, true},
    {C::ResetBus,        A::ResetBus,            Menu::Extras,  u"DALI bus zurücksetzten", 273, 0,  0,   R::Flag,   false},
    {C::AllOff,          A::AllOff,              Menu::Extras,  u"Alle Geräte aus",        275, 0,  0,   R::Flag,   false},
    {C::RemoveAllGroups, A::RemoveAllGroups,     Menu::Extras,  u"Alle Gruppen entfernen", 278, 0,  0,   R::Flag,   false},
    {C::RemoveAllScenes, A::RemoveAllScenes,     Menu::Extras,  u"Alle Szenen entfernen",  280, 0,  0,   R::Flag,   false},
    {C::BusTest,         A::BusTest,             Menu::Extras,  u"Bus Test",               308, 0,  0,   R::Flag,   false},
    {C::CheckLine,       A::CheckLine,           Menu::Extras,  u"Anlage prüfen",          460, 0,  0,   R::ConnectedProject, false},
    {C::EmergencyTestRun, A::EmergencyTestRun,   Menu::Extras,  u"Notlicht-Testlauf…",     661, 0,  0,   R::Connected, false},
    {C::EmergencyLogbook, A::EmergencyLogbook,   Menu::Extras,  u"Notlicht-Prüfbuch…",     662, 0,  0,   R::Always, true},
    {C::MemoryBanks,     A::MemoryBanks,         Menu::Extras,  u"Speicherbänke…",         870, 0,  0,   R::OneSelectedGear, false},
    {C::About,           A::None,                Menu::Help,    u"Über",                   0,   0,  0,   R::Never,  false},
    {C::NewProjectTool,  A::NewProject,          Menu::None,    nullptr,                   0,   1,  281, R::Flag,   true},
    {C::SaveProjectTool, A::SaveProject,         Menu::None,    nullptr,                   0,   2,  283, R::Flag,   false},
    {C::OpenProjectTool, A::OpenProject,         Menu::None,    nullptr,                   0,   3,  282, R::Flag,   true},
    {C::SaveDeviceFile,  A::SaveDeviceFile,      Menu::None,    nullptr,                   0,   4,  291, R::Flag,   false},
    {C::LoadDeviceFile,  A::LoadDeviceFile,      Menu::None,    nullptr,                   0,   5,  292, R::Flag,   false},
    {C::Connect,         A::Connect,             Menu::None,    nullptr,                   0,   6,  286, R::Flag,   true},
    {C::Disconnect,      A::Disconnect,          Menu::None,    nullptr,                   0,   7,  293, R::Flag,   false},
    {C::SearchDevices,   A::SearchDevices,       Menu::None,    nullptr,                   0,   8,  284, R::Flag,   false},
    {C::Send,            A::Send,                Menu::None,    nullptr,                   0,   9,  285, R::Flag,   false},
    {C::ReadDevice,      A::ReadDevice,          Menu::None,    nullptr,                   0,   10, 287, R::Flag,   false},
    {C::ReadAll,         A::ReadAll,             Menu::None,    nullptr,                   0,   11, 294, R::Flag,   false},
    {C::AddressTool,     A::AddressingAssistant, Menu::None,    nullptr,                   0,   12, 290, R::Flag,   false},
    {C::GroupsTool,      A::GroupManager,        Menu::None,    nullptr,                   0,   13, 288, R::Flag,   false},
    {C::ScenesTool,      A::SceneManager,        Menu::None,    nullptr,                   0,   14, 289, R::Flag,   false},
};

// Toolbar groups: 32771, 32772, 32773 | 32795, 32796 | 32776, 32799 | 32774, 32775, 32777, 32800 | 32780, 32778, 32779
constexpr CommandId kToolbar[] = {
    C::NewProjectTool, C::SaveProjectTool, C::OpenProjectTool, C::SaveDeviceFile, C::LoadDeviceFile,
    C::Connect, C::Disconnect, C::SearchDevices, C::Send, C::ReadDevice, C::ReadAll,
    C::AddressTool, C::GroupsTool, C::ScenesTool,
};
constexpr std::array<const CommandId*, 18> kToolbarLayout{
    &kToolbar[0], &kToolbar[1], &kToolbar[2], nullptr,
    &kToolbar[3], &kToolbar[4], nullptr,
    &kToolbar[5], &kToolbar[6], nullptr,
    &kToolbar[7], &kToolbar[8], &kToolbar[9], &kToolbar[10], nullptr,
    &kToolbar[11], &kToolbar[12], &kToolbar[13],
};
// clang-format on

}  // namespace

std::span<const CommandInfo> CommandTable() { return kCommands; }

std::optional<CommandInfo> FindCommand(CommandId id) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands), [&](const auto& c) { return c.id == id; });
    return it == std::end(kCommands) ? std::nullopt : std::optional<CommandInfo>(*it);
}

std::span<const CommandId* const> ToolbarLayout() { return kToolbarLayout; }

QString ToolTipText(const QString& text) {
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    return (lineBreak < 0 ? text : text.mid(lineBreak + 1)).left(64);
}
