#pragma once
// What the device tabs ask of the main view: the tab switch, their edits,
// "Send" and the commands to the selected gear. The tabs get it when they are
// built; the main view's tab flow implements it.

#include "devices/emergency_commands.h"
#include "devices/emergency_state.h"
#include "devices/tab_settings.h"

#include <cstdint>
#include <optional>

class ColourTabServices;

class TabActions {
public:
    virtual ~TabActions() = default;

    virtual void TabChanged(DeviceTab tab) = 0;
    // A control whose change counts as an unsent edit changed.
    virtual void BasicEdited() = 0;
    virtual void ScenesEdited() = 0;
    // The tabs' "Send" buttons (the view's send notification).
    virtual void SendRequested() = 0;

    // OFF, RECALL MAX LEVEL, RECALL MIN LEVEL to every selected gear.
    virtual void SendToSelectedGear(uint8_t opcode) = 0;
    // "Read": the ACTUAL level of the one selected gear, if it answered.
    virtual std::optional<uint8_t> ReadActualLevel() = 0;
    virtual void IdentifySelectedGear() = 0;
    virtual void RemoveAddress() = 0;
    virtual void FactoryReset() = 0;
    // The ACTUAL slider of either tab: moving, and let go.
    virtual void ActualLevelMoving(uint8_t level) = 0;
    virtual void ActualLevelSet(uint8_t level) = 0;

    // The name field was left with an edit: the new name of the gear whose
    // name it showed (the selection may have moved on since).
    virtual void NameEdited(int address, const QString& name) = 0;

    // The dimming curve of the first selected gear's record (scene labels).
    virtual uint8_t FirstSelectedDimmingCurve() const = 0;

    // The emergency tab: reading the one selected emergency luminaire, a
    // command to it (the transactions' results), and a result that was not 0.
    virtual LinkResult ReadEmergencyUnit(EmergencyState& state) = 0;
    virtual LinkResult RunEmergencyCommand(EmergencyAction action) = 0;
    virtual void EmergencyFailed(LinkResult result) = 0;
    // What the colour tab calls; lives as long as the actions.
    virtual ColourTabServices& colourServices() = 0;
};
