#pragma once
// The device tabs of the selected gear: showing and lazily reading its
// record, switching tabs, "Auslesen", "Alle Geräte auslesen", "Senden", the
// tabs' commands to the selected gear and the name field. The tabs call it
// through TabActions.

#include "app/colour_tab_flow.h"
#include "app/view_core.h"
#include "devices/tab_actions.h"

#include <array>
#include <optional>

class EmergencyFlow;
struct GearCommandContext;

class TabFlow final : public TabActions {
public:
    // `groupsChanged` runs after a "Senden" of the basic tab that may have
    // changed group membership; `notifyView` is the view's own notification.
    TabFlow(ViewCore& core, EmergencyFlow& emergency, std::function<void()> groupsChanged,
            std::function<void(int, int)> notifyView);

    // Shows the record of this address on the tab in front, reading it from
    // the gear first when it has not been read; only with one gear selected.
    void RefreshTabs(int address);
    // The basic and scenes tabs show this gear's record as it stands.
    void ShowSelectedRecord(int address);
    // The status bar and the name field name the one selected gear.
    void ShowSelectedName();
    // The selection changed: its name, the colour tab offered while it holds
    // colour gear, the emergency tab while it is one emergency luminaire.
    void SelectionChanged();
    void ReadDevice();
    // "Alle Geräte auslesen"; without its question when the user said yes to another.
    void ReadAll(bool askFirst = true);
    void SendAll();
    DeviceTab currentTab() const { return currentTab_; }

    // TabActions
    void TabChanged(DeviceTab tab) override;
    void BasicEdited() override { core_.basicChanged = 1; }
    void ScenesEdited() override { core_.scenesChanged = 1; }
    void SendRequested() override { SendAll(); }
    void SendToSelectedGear(uint8_t opcode) override;
    std::optional<uint8_t> ReadActualLevel() override;
    void IdentifySelectedGear() override;
    void RemoveAddress() override;
    void FactoryReset() override;
    void ActualLevelMoving(uint8_t level) override;
    void ActualLevelSet(uint8_t level) override;
    uint8_t FirstSelectedDimmingCurve() const override;
    void NameEdited(int address, const QString& name) override;
    LinkResult ReadEmergencyUnit(EmergencyState& state) override;
    LinkResult RunEmergencyCommand(EmergencyAction action) override;
    void EmergencyFailed(LinkResult result) override;
    ColourTabServices& colourServices() override { return colour_; }

private:
    void RefreshTab(DeviceTab tab, int address);
    GearCommandContext GearCommands();

    ViewCore& core_;
    EmergencyFlow& emergency_;
    std::function<void()> groupsChanged_;
    std::function<void(int, int)> notifyView_;
    // Each tab's own dialog; taken when first needed, as the tabs are built
    // after this flow.
    JobWaitDialog& waitDialogOf(DeviceTab tab);

    std::array<std::optional<JobWaitDialog>, size_t(DeviceTab::Emergency) + 1> waitDialogs_;
    ColourTabFlow colour_;
    DeviceTab currentTab_ = DeviceTab::Basic;
};
