#pragma once
// Tab actions for a tab tested on its own: nothing selected, nothing sent;
// it counts the edits the tab reports.

#include "devices/colour_tab_services.h"
#include "devices/tab_actions.h"

class IdleTabActions final : public TabActions {
public:
    void TabChanged(DeviceTab) override {}
    void BasicEdited() override { ++basicEdits; }
    void ScenesEdited() override { ++sceneEdits; }
    void SendRequested() override {}
    void SendToSelectedGear(uint8_t) override {}
    std::optional<uint8_t> ReadActualLevel() override { return std::nullopt; }
    void IdentifySelectedGear() override {}
    void RemoveAddress() override {}
    void FactoryReset() override {}
    void ActualLevelMoving(uint8_t) override {}
    void ActualLevelSet(uint8_t) override {}
    void NameEdited(int, const QString&) override {}
    uint8_t FirstSelectedDimmingCurve() const override { return 0; }
    LinkResult ReadEmergencyUnit(EmergencyState&) override { return 0; }
    LinkResult RunEmergencyCommand(EmergencyAction) override { return 0; }
    void EmergencyFailed(LinkResult) override {}
    ColourTabServices& colourServices() override { return colour; }

    // The colour tab's calls go nowhere.
    class IdleColour final : public ColourTabServices {
    public:
        void SetLiveColourTemperature(uint16_t) override {}
        void SendColourChanges(const ColourChanges&) override {}
    } colour;

    int basicEdits = 0;
    int sceneEdits = 0;
};
