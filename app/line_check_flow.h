#pragma once
// What the line check's window may do with a row of the list. The main view
// fills it (line_check_flow.cpp); the window only shows the rows, enables
// its buttons by these answers and calls the actions.

#include "devices/line_check.h"

#include <functional>

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
