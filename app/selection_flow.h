#pragma once
// The selection of gear in the matrix and the device panel: clicks, "Select
// ALL", "Deselect ALL", the group selector and its "Select" button, and the
// "Identify" check box. It owns the group entry the selector shows.

#include "app/view_core.h"

class TabFlow;

class SelectionFlow {
public:
    SelectionFlow(ViewCore& core, TabFlow& tabs) : core_(core), tabs_(tabs) {}

    // A click in the matrix ended (the view's click notification).
    void clicked();
    void SelectAll();
    void DeselectAll();
    void GroupEntryChanged(int entry);  // 0 = none, n = group n - 1
    // Group membership may have changed: the highlighted group follows.
    // `letEventsRunFirst` lets pending window events run before it.
    void refreshGroupHighlight(bool letEventsRunFirst = false);
    void SelectGroup();      // the "Select" button
    void IdentifyClicked();  // the "Identify" check box
    // Exactly this gear selected, as a click on its cell would.
    void selectOnly(int address);
    // Start-up: no group entry.
    void resetGroupEntry();
    int groupEntry() const { return groupEntry_; }

private:
    void RebuildSelection();
    void ClickOffline();
    void ClickOnline();
    void SelectionChanged();
    void enableTabControls(bool enabled);

    ViewCore& core_;
    TabFlow& tabs_;
    int groupEntry_ = 0;
};
