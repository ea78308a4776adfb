#pragma once
// The emergency luminaires of the main view: the emergency tab of the one
// selected unit (shown only for such a unit, read when it comes to front, its
// buttons sent to that unit), the bus-wide test run and its logbook beside
// the project file.

#include "app/view_core.h"
#include "devices/emergency_commands.h"
#include "devices/emergency_state.h"

#include <QDateTime>

#include <functional>
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

    // "Notlicht-Testlauf…": only with a project file, for the logbook beside
    // it. The installer picks the test and the units; the run shows its
    // progress in the view's dialog, whose cancel stops the units under test.
    // The results are appended to the logbook and listed.
    void RunTestRun();

    // "Notlicht-Prüfbuch…": the project's logbook (without a project, one the
    // installer opens) in its window, with its CSV export and PDF printout.
    void ShowLogbook();

    // The project file the logbook belongs to; empty: none yet.
    std::function<QString()> projectPath;
    // The wall clock the results are stamped with; tests give their own.
    std::function<QDateTime()> clock;

private:
    ViewCore& core_;
    int shownUnit_ = -1;
};
