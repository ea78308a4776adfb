#pragma once
// How the main view reaches its device tabs (basic parameters, scenes,
// information, colour, emergency). The tab host implements it; tests record the calls.

#include "app/device_info.h"
#include "devices/emergency_state.h"
#include "devices/tab_settings.h"
#include "link/dalikit.h"

#include <QString>

#include <vector>

class WaitDialog;

class DeviceTabs {
public:
    virtual ~DeviceTabs() = default;

    // The link copy the tabs talk to the bus with.
    virtual void SetLink(const BusLink& link) = 0;
    // Prepares the basic and scenes tabs (after the view has set itself up).
    virtual void Initialise() = 0;
    virtual void ApplyLanguage(const QString& languageModulePath) = 0;

    // Enables or disables every control of the basic tab; disabling also
    // unticks its 16 group buttons, enabling unchecks them.
    virtual void EnableBasicControls(bool enabled) = 0;
    // Enables or disables every control of the scenes tab.
    virtual void EnableSceneControls(bool enabled) = 0;
    // The "Send" buttons of the basic and scenes tabs.
    virtual void EnableSendButtons(bool enabled) = 0;
    // Offline: the bus buttons of the basic tab ("MAX", "MIN", "OFF", "Send",
    // "Remove Address", "Identify", "Read", "Factory reset") and the scenes
    // tab's "Send" are disabled, the rest stays as it is.
    virtual void DisableBusButtons() = 0;

    // Fill a tab from the record of this short address.
    virtual void ShowBasic(int address, const DeviceRecord& record) = 0;
    virtual void ShowScenes(int address, const DeviceRecord& record) = 0;
    virtual void ShowInfo(const std::vector<InfoRow>& rows) = 0;
    // The name field of the information tab: the name of the one selected
    // gear at `address`, editable only while one gear is selected (-1: none).
    // An edit the field still holds goes to the gear it was typed for first.
    virtual void ShowName(int address, const QString& name, bool editable) = 0;

    // The emergency page is there only while exactly one emergency luminaire
    // is selected; its buttons work only online.
    virtual void ShowEmergencyPage(bool shown, bool online) = 0;
    virtual void ShowEmergency(const EmergencyState& state) = 0;
    // The colour tab is offered only while the selection holds colour gear;
    // hidden while in front, the basic tab comes to the front first.
    virtual void ShowColourTab(bool visible) = 0;
    // Fills the colour tab from the record; online its live controls and
    // "Senden" work.
    virtual void ShowColour(const DeviceRecord& record, bool online) = 0;
    // The colour tab holds edits not sent.
    virtual bool colourEdited() const = 0;

    // The tab's own wait dialog, for the jobs it starts.
    virtual WaitDialog& WaitDialogOf(DeviceTab tab) = 0;

    // What the basic and scenes tabs show now, for sending.
    virtual BasicSettings basicSettings() const = 0;
    virtual SceneSettings sceneSettings() const = 0;
};
