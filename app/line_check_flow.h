#pragma once
// "Anlage prüfen" from the main view: the check job, then its list in a
// window with what can be done per row. The flow keeps the last check of
// the project, for the report.

#include "app/view_core.h"
#include "devices/line_check.h"

#include <functional>

class AddressingFlow;
class SelectionFlow;
class TabFlow;

// What the line check's window may do with a row of the list. The flow
// fills it; the window only shows the rows, enables its buttons by these
// answers and calls the actions.
struct LineCheckActions {
    const LineCheckResult& result;  // rows of an address change when it is asked again
    QString languageModulePath;
    std::function<bool(const LineCheckRow&)> canSelect;  // the gear is in the main view's matrix
    std::function<bool(const LineCheckRow&)> canSend;    // a value of a gear of the project differs
    std::function<bool(const LineCheckRow&)> canReplace;  // a gear of the project is missing
    // Selects the row's gear in the main view, as a click on its cell would.
    std::function<void(const LineCheckRow&)> select;
    // Writes the project's record into the row's gear and asks it again.
    std::function<void(const LineCheckRow&)> sendProjectValues;
    // The list as a CSV file the user names.
    std::function<void()> exportCsv;
    // After the window closed, the replacement starts for this address (-1: none).
    int replaceAddress = -1;
};

class LineCheckFlow {
public:
    LineCheckFlow(ViewCore& core, SelectionFlow& selection, TabFlow& tabs, AddressingFlow& addressing)
        : core_(core), selection_(selection), tabs_(tabs), addressing_(addressing) {}

    // The bus against the opened project, then the list in its window; only
    // connected with a project.
    void CheckLine();
    const LineCheckResult& last() const { return lastCheck_; }
    // The bus changed which gear answer where since the last check.
    bool outdated() const { return core_.presentGearChanges != presentGearChangesAtCheck_; }
    // A new or another project: the last check no longer describes it.
    void forget() { lastCheck_ = {}; }

private:
    LineCheckContext context();
    void sendProjectValues(const LineCheckRow& row);
    void exportCsv();

    ViewCore& core_;
    SelectionFlow& selection_;
    TabFlow& tabs_;
    AddressingFlow& addressing_;
    LineCheckResult lastCheck_;
    int presentGearChangesAtCheck_ = 0;
};
