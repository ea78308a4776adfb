#pragma once
// The emergency luminaires of the main view: the emergency tab of the one
// selected unit (shown only for such a unit, read when it comes to front, its
// buttons sent to that unit).

#include "app/view_core.h"
#include "devices/emergency_commands.h"
#include "devices/emergency_state.h"

#include <optional>

class EmergencyFlow final {
public:
    explicit EmergencyFlow(ViewCore& core) : core_(core) {}

    // The one selected gear when it is an emergency luminaire.
    std::optional<int> selectedUnit() const;
    // Shows or hides the tab for the selection; a unit other than the one
    // shown before starts with nothing known, so no old unit's state shows.
    void ShowPage();
    // The tab came to front, or the unit was selected with the tab in front:
    // online the unit is read under the tab's dialog; offline nothing is known.
    void ShowUnit(int address, WaitDialog& wait);

    // The tab's buttons, to the selected unit only.
    LinkResult Read(EmergencyState& state);
    LinkResult Run(EmergencyAction action);
    void Failed(LinkResult result);

private:
    ViewCore& core_;
    int shownUnit_ = -1;
};
