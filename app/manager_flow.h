#pragma once
// The group and scene managers from the main view: opened only with present
// gear; after "Schließen" the tabs and the group highlight show what was applied.

#include "app/view_core.h"

class SelectionFlow;
struct ManagerContext;

class ManagerFlow {
public:
    ManagerFlow(ViewCore& core, SelectionFlow& selection) : core_(core), selection_(selection) {}

    void OpenGroupManager();
    void OpenSceneManager();

private:
    ManagerContext Managers();
    // Says so when no gear is present; true when a manager may open.
    bool gearPresent();

    ViewCore& core_;
    SelectionFlow& selection_;
};
